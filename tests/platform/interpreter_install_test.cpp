#include "platform/interpreter_install.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

namespace quorvin {
namespace {

// A tree of installations under a temporary directory: the executables and
// links to them, PATH and the usual places, and the directory that must be
// found (all relative to the tree; "" for none).
struct InstallCase {
  std::string name;
  std::vector<QString> executables;
  std::vector<std::pair<QString, QString>> links;  // link, what it points to
  QStringList path;
  QStringList places;
  QString found;
};

void PrintTo(const InstallCase& c, std::ostream* os) { *os << c.name; }

class InterpreterInstall : public ::testing::TestWithParam<InstallCase> {};

TEST_P(InterpreterInstall, FindsTheDirectoryTheInterpreterStartsFrom) {
  const InstallCase& c = GetParam();
  QTemporaryDir tree;
  const QString root = QDir(tree.path()).canonicalPath();
  const auto at = [&](const QString& relative) { return root + "/" + relative; };
  for (const QString& exe : c.executables) {
    QDir(root).mkpath(QFileInfo(at(exe)).path());
    QFile f(at(exe));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  for (const auto& [link, target] : c.links) {
    QDir(root).mkpath(QFileInfo(at(link)).path());
    ASSERT_TRUE(QFile::link(at(target), at(link)));
  }
  QStringList path, places;
  for (const QString& dir : c.path) path << at(dir);
  for (const QString& place : c.places) places << at(place);
  EXPECT_EQ(InstalledInterpreterDirectory(path.join(':'), places),
            c.found.isEmpty() ? QString() : at(c.found));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InterpreterInstall,
    ::testing::Values(
        InstallCase{"OctaveOnPath", {"usr/bin/octave", "usr/bin/octave-cli"}, {}, {"usr/bin"},
                    {}, "usr"},
        InstallCase{"FirstPathEntryWins",
                    {"a/bin/octave", "b/bin/octave"}, {}, {"none", "a/bin", "b/bin"}, {}, "a"},
        // PATH names a link: the release it leads into, not the link's own tree.
        InstallCase{"MatlabThroughALink",
                    {"MATLAB/R2023b/bin/matlab"},
                    {{"local/bin/matlab", "MATLAB/R2023b/bin/matlab"}},
                    {"local/bin"}, {}, "MATLAB/R2023b"},
        // A link that leads out of any bin/ counts where it lies.
        InstallCase{"LinkIntoNoBin", {"store/octave-7"}, {{"snap/bin/octave", "store/octave-7"}},
                    {"snap/bin"}, {}, "snap"},
        // MATLAB, wherever it is, before Octave on PATH.
        InstallCase{"MatlabInAUsualPlaceBeforeOctaveOnPath",
                    {"usr/bin/octave", "MATLAB/R2019b/bin/matlab", "MATLAB/R2024a/bin/matlab",
                     "MATLAB/R2023b/bin/matlab"},
                    {}, {"usr/bin"}, {"MATLAB/*", "usr"}, "MATLAB/R2024a"},
        InstallCase{"OctaveCliInAUsualPlace", {"opt/octave/bin/octave-cli"}, {}, {"usr/bin"},
                    {"MATLAB/*", "usr", "opt/octave"}, "opt/octave"},
        // An executable outside a bin/ directory gives no installation.
        InstallCase{"NotInABin", {"games/octave"}, {}, {"games"}, {"usr"}, ""},
        InstallCase{"NothingInstalled", {}, {}, {"usr/bin"}, {"MATLAB/*", "usr"}, ""}),
    [](const auto& row) { return row.param.name; });

}  // namespace
}  // namespace quorvin
