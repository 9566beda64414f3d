#pragma once
// Where the program's directory `appDir` is: the directory that holds the
// settings file. The search is a function over a probe of the file system
// and the person, so every way it can go is a plain test.

#include <functional>
#include <string>
#include <vector>

class QWidget;

namespace quorvin {

// What the search asks of the world.
struct AppDirProbe {
  std::function<std::string()> currentDirectory;
  // Makes dir current; a failure leaves the current directory as it was.
  std::function<void(const std::string& dir)> changeDirectory;
  std::function<std::string()> executableDirectory;
  std::function<bool(const std::string& dir)> holdsSettings;
  // The directory picker, shown once; it may answer "".
  std::function<std::string()> pickDirectory;
};

struct AppDirAnswer {
  std::string dir;
  // False when no settings file was found: the preferences keep their design
  // values and the recent files are not read.
  bool found = false;
  // The directories looked in, in order, the one found in last.
  std::vector<std::string> searched;
};

// The current directory when it holds the settings file; else the
// executable's directory (so a program started from anywhere finds the file
// installed beside it), the current directory staying where the program was
// started; else the directory the person picks, made current and looked at
// once more. The picker is shown at most once. The program's own files (the
// settings, toolboxes, catalogue and help) are looked for in `appDir` by name,
// never through the current directory.
AppDirAnswer FindAppDir(const AppDirProbe& probe);

// The probe of this process: its current directory, its executable's
// directory, the real file system (a directory holds the settings when
// FindSettingsFile finds them there, so the search looks for the very file
// the preferences are read from and saved to) and the directory picker over
// parent.
AppDirProbe SystemAppDirProbe(QWidget* parent);

}  // namespace quorvin
