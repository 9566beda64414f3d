#include "app/mfile_rescan.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QWindow>

#include <algorithm>
#include <optional>
#include <filesystem>

#include "app/empty_caption.h"
#include "tests/support/file_sandbox.h"
#include "tests/support/qt_application.h"
#include "tests/support/scripted_questions.h"

namespace quorvin {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;

class RescanTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::EnsureGuiApplication();
    ASSERT_TRUE(scratch_.ok());
    fs::create_directories(scratch_ / "app");
    fs::create_directories(scratch_ / "c/tools");
    fs::create_directories(scratch_ / "d/mine");
    WriteBytes(scratch_ / "c/tools/t.m", "% t\n");
    WriteBytes(scratch_ / "d/mine/m.m", "% m\n");
    settings_.appDir = scratch_ / "app";
    settings_.rootsOfDrive = [this](char letter) -> std::vector<std::string> {
      if (letter == 'c' || letter == 'C') return {scratch_ / "c"};
      if (letter == 'd') return {scratch_ / "d"};
      return {};
    };
  }

  ScratchFolder scratch_;
  ScanSettings settings_;
  testing_support::ScriptedQuestions questions_;
};

TEST_F(RescanTest, ScansEveryLetterWritesTheCatalogueAndReplacesBothTables) {
  MFileTables tables;
  tables.scanDirs = {"/stale"};
  tables.catalogue = {{{"old", "/old"}}, {"/old/o.m"}};
  settings_.driveLetters = "aCd";
  ASSERT_TRUE(RescanMFiles(nullptr, tables, settings_, questions_));
  const std::string c = scratch_ / "c", d = scratch_ / "d";
  EXPECT_EQ(tables.scanDirs, (std::vector<std::string>{c + "/tools", d + "/mine"}));
  const MFileCatalogue expected{{{"tools", c + "/tools"}, {"mine", d + "/mine"}},
                                {c + "/tools/t.m", d + "/mine/m.m"}};
  EXPECT_EQ(tables.catalogue, expected);
  EXPECT_TRUE(tables.loaded);
  EXPECT_EQ(ReadBytes(scratch_ / "app/mfiles.txt"),
            "[Directories]\r\ntools;" + c + "/tools\r\nmine;" + d + "/mine\r\n[Files]\r\n" + c +
                "/tools/t.m\r\n" + d + "/mine/m.m\r\n");
  EXPECT_TRUE(questions_.questions.empty());
}

TEST_F(RescanTest, TheWindowNamesEachDriveThenTheTwoWritingSteps) {
  ScanningWindow window;
  EXPECT_EQ(window.lbl->text(), "Now scanning drive A:");
  EXPECT_EQ(window.windowTitle(), kEmptyCaption) << "an empty caption, not the program's name";
  settings_.driveLetters = "aCd";
  ScanDrives(window, settings_);
  EXPECT_EQ(window.shownTexts, (QStringList{"Now scanning drive A:", "Now scanning drive C:",
                                            "Now scanning drive D:"}));
  MFileTables tables;
  ASSERT_TRUE(RescanMFiles(nullptr, tables, settings_, questions_));
}

// The walk gives the event loop no turn, so the window must be on the screen
// and painted, with its text, before it starts.
TEST_F(RescanTest, TheWindowIsPaintedBeforeTheWalkStarts) {
  struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
      if (event->type() == QEvent::Paint && watched->objectName() == "frmScanning") ++paints;
      return false;
    }
  } counter;
  qApp->installEventFilter(&counter);
  std::optional<int> paintsAtFirstListing;
  std::optional<bool> exposedAtFirstListing;
  settings_.lister = [&](const std::string& dir, std::vector<ListedEntry>& entries) {
    if (!paintsAtFirstListing) {
      paintsAtFirstListing = counter.paints;
      for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == "frmScanning")
          exposedAtFirstListing = window->windowHandle() && window->windowHandle()->isExposed();
    }
    return ListDirectory(dir, entries);
  };
  settings_.driveLetters = "c";
  MFileTables tables;
  ASSERT_TRUE(RescanMFiles(nullptr, tables, settings_, questions_));
  qApp->removeEventFilter(&counter);
  ASSERT_TRUE(paintsAtFirstListing.has_value());
  EXPECT_GT(*paintsAtFirstListing, 0);
  EXPECT_EQ(exposedAtFirstListing, std::optional<bool>(true));
}

TEST_F(RescanTest, AnEmptyLetterSettingWritesTheTwoHeadersOnly) {
  MFileTables tables;
  settings_.driveLetters = "";
  ASSERT_TRUE(RescanMFiles(nullptr, tables, settings_, questions_));
  EXPECT_EQ(ReadBytes(scratch_ / "app/mfiles.txt"), "[Directories]\r\n[Files]\r\n");
}

TEST_F(RescanTest, ACatalogueThatCannotBeWrittenIsReportedAndTheScanStillUsed) {
  MFileTables tables;
  settings_.appDir = scratch_ / "no/such/dir";
  settings_.driveLetters = "c";
  EXPECT_FALSE(RescanMFiles(nullptr, tables, settings_, questions_));
  ASSERT_EQ(questions_.questions.size(), 1u);
  EXPECT_NE(questions_.questions[0].find("no/such/dir/mfiles.txt"), std::string::npos)
      << questions_.questions[0];
  EXPECT_EQ(tables.catalogue.mFiles, std::vector<std::string>{scratch_ / "c/tools/t.m"});
}

TEST_F(RescanTest, TheInterpreterDriveOfThisMachineFindsElfun) {
  MFileTables tables;
  settings_.driveLetters = "c";
  settings_.rootsOfDrive = SystemDriveRoots("");
  ASSERT_TRUE(RescanMFiles(nullptr, tables, settings_, questions_));
  const auto& dirs = tables.catalogue.mFileDirs;
  const auto elfun = std::find_if(dirs.begin(), dirs.end(),
                                  [](const MFileDir& d) { return d.Name == "elfun"; });
  ASSERT_NE(elfun, dirs.end());
  const std::string acosd = elfun->Dir + "/acosd.m";
  EXPECT_NE(std::find(tables.catalogue.mFiles.begin(), tables.catalogue.mFiles.end(), acosd),
            tables.catalogue.mFiles.end());
  EXPECT_EQ(ReadCatalogueFile(settings_.appDir), tables.catalogue);
}

}  // namespace
}  // namespace quorvin
