#include "app/app_directory.h"

#include <QCoreApplication>
#include <QDir>

#include "app/directory_picker.h"
#include "model/settings_file.h"

namespace quorvin {

AppDirAnswer FindAppDir(const AppDirProbe& probe) {
  std::vector<std::string> searched;
  const auto holds = [&](const std::string& dir) {
    if (dir.empty()) return false;
    searched.push_back(dir);
    return probe.holdsSettings && probe.holdsSettings(dir);
  };
  const auto current = [&] { return probe.currentDirectory ? probe.currentDirectory() : ""; };
  const auto change = [&](const std::string& dir) {
    if (!dir.empty() && probe.changeDirectory) probe.changeDirectory(dir);
  };

  const std::string first = current();
  if (holds(first)) return {first, true, searched};

  // Found beside the executable, it is read from there: the current
  // directory stays the one the person started the program from.
  const std::string beside = probe.executableDirectory ? probe.executableDirectory() : "";
  if (holds(beside)) return {beside, true, searched};

  change(probe.pickDirectory ? probe.pickDirectory() : "");
  const std::string second = current();
  const bool found = holds(second);
  return {second, found, searched};
}

AppDirProbe SystemAppDirProbe(QWidget* parent) {
  AppDirProbe probe;
  probe.currentDirectory = [] { return QDir::currentPath().toStdString(); };
  probe.changeDirectory = [](const std::string& dir) {
    QDir::setCurrent(QString::fromStdString(dir));
  };
  probe.executableDirectory = [] { return QCoreApplication::applicationDirPath().toStdString(); };
  probe.holdsSettings = [](const std::string& dir) {
    return !dir.empty() && FindSettingsFile(dir).has_value();
  };
  probe.pickDirectory = [parent] {
    return AskForDirectory(kProgramDirectoryPrompt.toStdString(), parent);
  };
  return probe;
}

}  // namespace quorvin
