#include "app/app_directory.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <filesystem>

#include "model/settings_file.h"
#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

// A world of directories: which hold the settings file, which the process
// may enter, and what the picker answers.
struct World {
  std::string current = "/start";
  std::string executable = "/opt/quorvin";
  std::vector<std::string> holding;
  std::vector<std::string> enterable = {"/start", "/opt/quorvin", "/chosen", "/bare"};
  std::string picked;
  int pickerShown = 0;

  AppDirProbe probe() {
    AppDirProbe p;
    p.currentDirectory = [this] { return current; };
    p.changeDirectory = [this](const std::string& d) {
      if (std::find(enterable.begin(), enterable.end(), d) != enterable.end()) current = d;
    };
    p.executableDirectory = [this] { return executable; };
    p.holdsSettings = [this](const std::string& d) {
      return std::find(holding.begin(), holding.end(), d) != holding.end();
    };
    p.pickDirectory = [this] { return ++pickerShown, picked; };
    return p;
  }
};

TEST(FindAppDir, TheSearchInOrder) {
  struct Case {
    const char* what;
    std::vector<std::string> holding;
    std::string picked;
    std::string dir;
    bool found;
    int pickerShown;
    std::string currentAfter;  // the process's current directory afterwards
  };
  // Found beside the executable, the settings leave the current directory
  // where the program was started: the file dialogs open there.
  const std::vector<Case> cases = {
      {"in the current directory", {"/start", "/opt/quorvin"}, "", "/start", true, 0, "/start"},
      {"beside the executable", {"/opt/quorvin"}, "", "/opt/quorvin", true, 0, "/start"},
      {"in the chosen directory", {"/chosen"}, "/chosen", "/chosen", true, 1, "/chosen"},
      {"chosen, but not there either", {}, "/bare", "/bare", false, 1, "/bare"},
      {"the picker answers nothing", {}, "", "/start", false, 1, "/start"},
      {"the chosen directory cannot be entered", {"/locked"}, "/locked", "/start", false, 1,
       "/start"},
  };
  for (const Case& c : cases) {
    World world;
    world.holding = c.holding;
    world.picked = c.picked;
    const AppDirAnswer answer = FindAppDir(world.probe());
    EXPECT_EQ(answer.dir, c.dir) << c.what;
    EXPECT_EQ(answer.found, c.found) << c.what;
    EXPECT_EQ(world.pickerShown, c.pickerShown) << c.what;
    EXPECT_EQ(world.current, c.currentAfter) << c.what;
  }
}

// Where the search looked, in order, so that a settings file it passed by
// for being no file it could read can be told.
TEST(FindAppDir, NamesTheDirectoriesItLookedIn) {
  World world;
  world.picked = "/chosen";
  EXPECT_EQ(FindAppDir(world.probe()).searched,
            (std::vector<std::string>{"/start", "/opt/quorvin", "/chosen"}));
  World found;
  found.holding = {"/start"};
  EXPECT_EQ(FindAppDir(found.probe()).searched, (std::vector<std::string>{"/start"}));
}

TEST(FindAppDir, AProbeWithoutAnExecutableOrPickerStillAnswers) {
  AppDirProbe p;
  p.currentDirectory = [] { return std::string("/here"); };
  const AppDirAnswer answer = FindAppDir(p);
  EXPECT_EQ(answer.dir, "/here");
  EXPECT_FALSE(answer.found);
}

// The settings file the start-up's probe finds: its name, "" for none.
std::string SettingsFileIn(const std::string& dir) {
  if (!SystemAppDirProbe(nullptr).holdsSettings(dir)) return "";
  return std::filesystem::path(FindSettingsFile(dir).value_or("")).filename().string();
}

TEST(SettingsFileIn, FindsTheFileWithoutRegardToCase) {
  testing_support::EnsureGuiApplication();
  QTemporaryDir root;
  const auto make = [&](const QString& sub, const QStringList& files) {
    QDir(root.path()).mkpath(sub);
    for (const QString& name : files) {
      QFile file(root.path() + "/" + sub + "/" + name);
      EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    }
    return (root.path() + "/" + sub).toStdString();
  };
  EXPECT_EQ(SettingsFileIn(make("upper", {"QUORVIN.INI"})), "QUORVIN.INI");
  EXPECT_EQ(SettingsFileIn(make("both", {"Quorvin.Ini", "quorvin.ini"})), "quorvin.ini")
      << "the exact name first";
  EXPECT_EQ(SettingsFileIn(make("hidden", {".quorvin.ini", "other.ini"})), "");
  EXPECT_EQ(SettingsFileIn(make("none", {})), "");
  QDir(root.path()).mkpath("folder/quorvin.ini");
  EXPECT_EQ(SettingsFileIn((root.path() + "/folder").toStdString()), "")
      << "a directory of that name is no settings file";
  EXPECT_EQ(SettingsFileIn(""), "");
  EXPECT_EQ(SettingsFileIn((root.path() + "/missing").toStdString()), "");
}

}  // namespace
}  // namespace quorvin
