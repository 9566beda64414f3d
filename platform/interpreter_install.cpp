#include "platform/interpreter_install.h"

#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

#include "platform/interpreter_link.h"

namespace quorvin {

namespace {
// The installation an executable on PATH belongs to: the directory above its
// bin/, when FindInterpreter starts an interpreter from there.
QString InstallationOf(const QFileInfo& executable) {
  const QDir bin = executable.absoluteDir();
  if (bin.dirName() != "bin") return {};
  const QString home = QDir::cleanPath(bin.absoluteFilePath(".."));
  return FindInterpreter(home) ? home : QString();
}

QString OnSearchPath(const QString& searchPath, const QString& name) {
  for (const QString& dir : searchPath.split(':', Qt::SkipEmptyParts)) {
    const QFileInfo found(QDir(dir).absoluteFilePath(name));
    if (!IsExecutableFile(found.absoluteFilePath())) continue;
    // The release a link leads into first, then where the link itself lies.
    for (const QString& path : {found.canonicalFilePath(), found.absoluteFilePath()})
      if (const QString home = InstallationOf(QFileInfo(path)); !home.isEmpty())
        return home;
  }
  return {};
}

QStringList Expanded(const QString& place) {
  if (!place.endsWith("/*")) return {place};
  const QDir parent(place.chopped(2));
  QStringList found;
  for (const QString& name :
       parent.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed))
    found << parent.absoluteFilePath(name);
  return found;
}

QString InUsualPlace(const QStringList& places, const QString& name) {
  for (const QString& place : places)
    for (const QString& home : Expanded(place))
      if (IsExecutableFile(home + "/bin/" + name)) return home;
  return {};
}
}  // namespace

QString InstalledInterpreterDirectory(const QString& searchPath, const QStringList& places) {
  for (const InterpreterCommand& command : InterpreterCommands()) {
    if (QString home = OnSearchPath(searchPath, command.name); !home.isEmpty()) return home;
    if (QString home = InUsualPlace(places, command.name); !home.isEmpty()) return home;
  }
  return {};
}

QString InstalledInterpreterDirectory() {
  return InstalledInterpreterDirectory(qEnvironmentVariable("PATH"));
}

}  // namespace quorvin
