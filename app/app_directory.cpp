#include "app/app_directory.h"

#include <QCoreApplication>
#include <QDir>

#include "app/directory_picker.h"
#include "model/settings_file.h"

namespace quorvin {

AppDirAnswer FindAppDir(const AppDirProbe& probe) {
  const auto holds = [&](const std::string& dir) {
    return !dir.empty() && probe.holdsSettings && probe.holdsSettings(dir);
  };
  const auto current = [&] { return probe.currentDirectory ? probe.currentDirectory() : ""; };
  const auto change = [&](const std::string& dir) {
    if (!dir.empty() && probe.changeDirectory) probe.changeDirectory(dir);
  };

  const std::string first = current();
  if (holds(first)) return {first, true};

  // Found beside the executable, it is read from there: the current
  // directory stays the one the person started the program from.
  const std::string beside = probe.executableDirectory ? probe.executableDirectory() : "";
  if (holds(beside)) return {beside, true};

  change(probe.pickDirectory ? probe.pickDirectory() : "");
  const std::string second = current();
  return {second, holds(second)};
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
