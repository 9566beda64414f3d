#include "app/function_browser.h"

#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>
#include <chrono>
#include <filesystem>

#include "platform/title_bar.h"
#include "tests/support/cut_texts.h"
#include "tests/support/file_sandbox.h"
#include "tests/support/qt_application.h"
#include "tests/support/scripted_questions.h"

namespace quorvin {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;

class FunctionBrowserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::EnsureGuiApplication();
    ASSERT_TRUE(scratch_.ok());
    fs::create_directories(scratch_ / "app");
    fs::create_directories(scratch_ / "c/elfun");
    fs::create_directories(scratch_ / "c/strings");
    WriteBytes(scratch_ / "c/elfun/ACOSD.m", "% ACOSD inverse cosine, in degrees.\n% \"quoted\"\n");
    WriteBytes(scratch_ / "c/strings/blanks.m", "function b = blanks(n)\n# Blanks, n of them.\n");
    settings_.appDir = scratch_ / "app";
    settings_.driveLetters = "c";
    settings_.rootsOfDrive = [this](char letter) {
      return letter == 'c' ? std::vector<std::string>{scratch_ / "c"} : std::vector<std::string>{};
    };
  }

  std::unique_ptr<FunctionBrowserWindow> open(BrowserCaller caller = BrowserCaller::MatlabCommand) {
    return std::make_unique<FunctionBrowserWindow>(nullptr, caller, tables_,
                                                   [this] { return settings_; }, &questions_);
  }

  QStringList items(const QComboBox& box) {
    QStringList list;
    for (int i = 0; i < box.count(); ++i) list << box.itemText(i);
    return list;
  }
  // What a list's entries show in role, in their order.
  QStringList items(const QAbstractItemView& list, int role = Qt::DisplayRole) {
    QStringList texts;
    const QAbstractItemModel& model = *list.model();
    for (int i = 0; i < model.rowCount(); ++i) texts << model.index(i, 0).data(role).toString();
    return texts;
  }
  static int count(const QAbstractItemView& list) { return list.model()->rowCount(); }
  // The list's entry at row becomes the chosen one, as a click makes it;
  // -1 chooses none.
  static void choose(QAbstractItemView& list, int row) {
    list.setCurrentIndex(list.model()->index(row, 0));
  }

  ScratchFolder scratch_;
  ScanSettings settings_;
  MFileTables tables_;
  testing_support::ScriptedQuestions questions_;
};

TEST_F(FunctionBrowserTest, WithoutACatalogueItScansThenShowsCategoriesFilesAndHelp) {
  auto browser = open();
  EXPECT_EQ(browser->windowTitle(), "Select a Matlab Command");
  EXPECT_TRUE(fs::exists(scratch_ / "app/mfiles.txt"));
  EXPECT_EQ(items(*browser->cmbCategory), (QStringList{"Elfun", "Strings", "zzz All M files zzz"}));
  EXPECT_EQ(browser->cmbCategory->currentIndex(), -1);
  browser->cmbCategory->setCurrentIndex(0);
  const QString acosd = QString::fromStdString(scratch_ / "c/elfun/ACOSD.m");
  EXPECT_EQ(items(*browser->lstFunc), QStringList{acosd});
  choose(*browser->lstFunc, 0);
  EXPECT_EQ(browser->lblHelp->text(), "ACOSD inverse cosine, in degrees.\n\"quoted\"\n");
  EXPECT_TRUE(questions_.questions.empty());
}

// The all-files entry lists every m-file in catalogue order, each by its
// whole path, and a directory's entry those holding its path.
TEST_F(FunctionBrowserTest, EachCategoryListsItsFilesInCatalogueOrderByTheirPaths) {
  tables_.catalogue = {{{"beta", "/m/beta"}, {"alpha", "/m/alpha"}},
                       {"/m/beta/zeta.m", "/m/beta/Alpha.M", "/m/alpha/mid.m", "/m/beta/a.m"}};
  tables_.loaded = true;
  auto browser = open();
  ASSERT_EQ(items(*browser->cmbCategory), (QStringList{"Beta", "Alpha", "zzz All M files zzz"}));
  browser->cmbCategory->setCurrentIndex(2);
  EXPECT_EQ(items(*browser->lstFunc),
            (QStringList{"/m/beta/zeta.m", "/m/beta/Alpha.M", "/m/alpha/mid.m", "/m/beta/a.m"}));
  browser->cmbCategory->setCurrentIndex(0);
  EXPECT_EQ(items(*browser->lstFunc),
            (QStringList{"/m/beta/zeta.m", "/m/beta/Alpha.M", "/m/beta/a.m"}));
}

// Typing the start of an entry jumps to it, the arrows move on, and Enter
// hands the entry chosen over as OK does.
TEST_F(FunctionBrowserTest, TheKeyboardJumpsMovesAndChooses) {
  WriteBytes(scratch_ / "c/strings/deblank.m", "% Deblank.\n");
  auto browser = open();
  browser->show();
  browser->cmbCategory->setCurrentIndex(2);  // all m-files: ACOSD, blanks, deblank
  QTest::keyClicks(browser->lstFunc, QString::fromStdString(scratch_ / "c/s"));
  EXPECT_EQ(browser->lstFunc->currentIndex().row(), 1);
  QTest::keyClick(browser->lstFunc, Qt::Key_Down);
  EXPECT_EQ(browser->lstFunc->currentIndex().row(), 2);
  QTest::keyClick(browser->lstFunc, Qt::Key_Return);
  EXPECT_EQ(browser->result(), QDialog::Accepted);
  EXPECT_EQ(browser->chosenName(), "deblank");
  EXPECT_TRUE(questions_.questions.empty());
}

// A double click on an entry chooses it, as Enter does.
TEST_F(FunctionBrowserTest, ADoubleClickOnAnEntryHandsItOver) {
  auto browser = open();
  browser->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(browser.get()));
  browser->cmbCategory->setCurrentIndex(2);  // all m-files: ACOSD, blanks
  QCoreApplication::processEvents();  // the entries laid out
  QListView& list = *browser->lstFunc;
  const QRect blanks = list.visualRect(list.model()->index(1, 0));
  // What a window system sends for a double click: a click, then the
  // second press as a double click and its release.
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, blanks.center());
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, blanks.center());
  EXPECT_EQ(browser->result(), QDialog::Accepted);
  EXPECT_EQ(browser->chosenName(), "blanks");
}

TEST_F(FunctionBrowserTest, OkHandsTheNameToItsCaller) {
  for (const auto& [caller, expected] :
       std::vector<std::pair<BrowserCaller, std::optional<std::string>>>{
           {BrowserCaller::Formula, "acosd"}, {BrowserCaller::MatlabCommand, "ACOSD"}}) {
    auto browser = open(caller);
    browser->cmbCategory->setCurrentIndex(0);
    choose(*browser->lstFunc, 0);
    browser->cmdOK->click();
    EXPECT_EQ(browser->chosenName(), expected);
    EXPECT_EQ(browser->result(), QDialog::Accepted);
  }
  auto nothing = open();
  nothing->cmdOK->click();
  EXPECT_EQ(nothing->chosenName(), std::nullopt);
}

TEST_F(FunctionBrowserTest, AnExistingCatalogueIsReadOnceAndWithoutFilesSectionStillOpens) {
  WriteBytes(scratch_ / "app/mfiles.txt", "[Directories]\r\nelfun;" + scratch_ / "c/elfun" + "\r\n");
  auto browser = open();
  EXPECT_EQ(items(*browser->cmbCategory), QStringList{"zzz All M files zzz"});
  EXPECT_TRUE(tables_.loaded);
  EXPECT_TRUE(tables_.scanDirs.empty());  // no scan
  fs::remove(scratch_ / "app/mfiles.txt");
  auto again = open();  // the tables in memory serve
  EXPECT_FALSE(fs::exists(scratch_ / "app/mfiles.txt"));
}

TEST_F(FunctionBrowserTest, AFileGoneSinceTheScanAsksToRescanAndYesRefreshesBothLists) {
  auto browser = open();
  browser->cmbCategory->setCurrentIndex(1);  // Strings
  fs::remove_all(scratch_ / "c/strings");
  fs::create_directories(scratch_ / "c/more");
  WriteBytes(scratch_ / "c/more/new.m", "% new\n");
  questions_.answers = {"No"};
  choose(*browser->lstFunc, 0);
  ASSERT_EQ(questions_.questions.size(), 1u);
  EXPECT_EQ(questions_.questions[0],
            "message 52 \"Quorvin\" \"File not found. Maybe the drives should be Rescan ?\"");
  EXPECT_EQ(browser->lblHelp->text(), "");
  EXPECT_EQ(count(*browser->lstFunc), 1);  // No: nothing more

  choose(*browser->lstFunc, -1);
  questions_.answers = {"Yes"};
  choose(*browser->lstFunc, 0);
  EXPECT_EQ(items(*browser->cmbCategory), (QStringList{"Elfun", "More", "zzz All M files zzz"}));
  EXPECT_EQ(count(*browser->lstFunc), 0);
  EXPECT_EQ(tables_.catalogue.mFiles.size(), 2u);
}

TEST_F(FunctionBrowserTest, RescanDrivesKeepsTheChosenCategoryWithItsNewFiles) {
  auto browser = open();
  browser->cmbCategory->setCurrentIndex(0);
  WriteBytes(scratch_ / "c/elfun/cosd.m", "% cosd\n");
  browser->cmdRescn->click();
  EXPECT_EQ(browser->cmbCategory->currentText(), "Elfun");
  EXPECT_EQ(count(*browser->lstFunc), 2);
  EXPECT_EQ(browser->lblHelp->text(), "");
}

// Octave keeps a "private" directory beside many others: each shows as
// "Private", and each entry lists the m-files of its own directory, also
// after Rescan drives.
TEST_F(FunctionBrowserTest, CategoriesOfTheSameTextEachListTheirOwnDirectory) {
  const std::string inner = scratch_ / "c/elfun/private/inner.m";
  const std::string other = scratch_ / "c/strings/private/other.m";
  for (const std::string& file : {inner, other}) {
    fs::create_directories(fs::path(file).parent_path());
    WriteBytes(file, "% help\n");
  }
  auto browser = open();
  const QStringList shown = items(*browser->cmbCategory);
  ASSERT_EQ(shown.count("Private"), 2);
  const auto listed = [&] { return items(*browser->lstFunc).join(" ").toStdString(); };
  std::vector<std::string> listedByEntry;
  for (int i = 0; i < shown.size(); ++i) {
    if (shown[i] != "Private") continue;
    browser->cmbCategory->setCurrentIndex(i);
    listedByEntry.push_back(listed());
  }
  std::sort(listedByEntry.begin(), listedByEntry.end());
  EXPECT_EQ(listedByEntry, (std::vector<std::string>{inner, other}));

  const std::string last = listed();
  browser->cmdRescn->click();
  EXPECT_EQ(browser->cmbCategory->currentIndex(), shown.lastIndexOf("Private"));
  EXPECT_EQ(listed(), last);
}

TEST_F(FunctionBrowserTest, OnThisMachineTheInterpreterTreeOffersElfunAndTheHelpOfAcosd) {
  settings_.rootsOfDrive = SystemDriveRoots("");
  auto browser = open(BrowserCaller::Formula);
  const int elfun = browser->cmbCategory->findText("Elfun");
  ASSERT_GE(elfun, 0) << "Octave is installed on the build machines";
  browser->cmbCategory->setCurrentIndex(elfun);
  const QStringList files = items(*browser->lstFunc);
  const auto acosd = std::find_if(files.begin(), files.end(),
                                  [](const QString& f) { return f.endsWith("/elfun/acosd.m"); });
  ASSERT_NE(acosd, files.end());
  choose(*browser->lstFunc, static_cast<int>(acosd - files.begin()));
  EXPECT_TRUE(browser->lblHelp->text().contains("Compute the inverse cosine in degrees"))
      << browser->lblHelp->text().toStdString();
  browser->cmdOK->click();
  EXPECT_EQ(browser->chosenName(), "acosd");
}

// An older volume names its files in Latin-1, which is no UTF-8: such a
// file is catalogued by its bytes, shown with its letters as its directory
// is, opened when it is picked from the catalogue file, and handed over by
// its name.
TEST_F(FunctionBrowserTest, AFileNamedInLatin1OpensFromTheCatalogueLikeAnyOther) {
  const std::string cafe = scratch_ / "c/r\xe9seau/caf\xe9.m";
  fs::create_directories(scratch_ / "c/r\xe9seau");
  WriteBytes(cafe, "% CAFE brews.\n");
  open();  // scans and writes the catalogue file
  EXPECT_NE(ReadBytes(scratch_ / "app/mfiles.txt").find("\r\n" + cafe + "\r\n"), std::string::npos);
  tables_ = {};
  auto browser = open();  // reads it
  ASSERT_TRUE(tables_.scanDirs.empty());
  EXPECT_EQ(items(*browser->cmbCategory).join(", ").toStdString(),
            "Elfun, R\xc3\xa9seau, Strings, zzz All M files zzz");
  browser->cmbCategory->setCurrentIndex(1);
  EXPECT_EQ(items(*browser->lstFunc).join('\n').toStdString(),
            scratch_ / "c/r\xc3\xa9seau/caf\xc3\xa9.m");
  choose(*browser->lstFunc, 0);
  EXPECT_EQ(browser->lblHelp->text(), "CAFE brews.\n");
  EXPECT_TRUE(questions_.questions.empty());
  browser->cmdOK->click();
  EXPECT_EQ(browser->chosenName(), "caf\xc3\xa9");
}

// A scan of a home directory or a mounted volume can catalogue a million
// m-files: the browser opens over them and lists them all in moments (it
// made a list item for each, one by one, and took minutes).
TEST_F(FunctionBrowserTest, AMillionMFilesOpenAndShowAllInMoments) {
  constexpr int kFiles = 1000000;
  constexpr int kPerDir = 1000;
  for (int d = 0; d < kFiles / kPerDir; ++d) {
    const std::string name = "pkg" + std::to_string(d);
    const std::string dir = "/volume/lib" + std::to_string(d / 100) + "/" + name;
    tables_.catalogue.mFileDirs.push_back({name, dir});
    for (int f = 0; f < kPerDir; ++f)
      tables_.catalogue.mFiles.push_back(dir + "/f" + std::to_string(f) + ".m");
  }
  tables_.loaded = true;
  const auto started = std::chrono::steady_clock::now();
  auto browser = open();
  browser->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(browser.get()));
  browser->cmbCategory->setCurrentIndex(browser->cmbCategory->count() - 1);
  QCoreApplication::processEvents();  // laid out and painted
  const auto took = std::chrono::steady_clock::now() - started;
  const QAbstractItemModel& shown = *browser->lstFunc->model();
  ASSERT_EQ(shown.rowCount(), kFiles);
  EXPECT_EQ(shown.index(0, 0).data().toString(), "/volume/lib0/pkg0/f0.m");
  EXPECT_EQ(shown.index(kFiles - 1, 0).data().toString(), "/volume/lib9/pkg999/f999.m");
  EXPECT_LT(took, std::chrono::seconds(3))
      << std::chrono::duration_cast<std::chrono::milliseconds>(took).count() << " ms";
}

// Over a large catalogue the lists take a moment to fill: the pointer is
// busy meanwhile, and is itself again afterwards.
TEST_F(FunctionBrowserTest, ThePointerIsBusyWhileTheListsAreFilled) {
  tables_.catalogue = {{{"elfun", "/c/elfun"}}, {"/c/elfun/acosd.m"}};
  tables_.loaded = true;
  auto browser = open();
  std::vector<Qt::CursorShape> pointers;
  const auto note = [&] {
    const QCursor* pointer = QApplication::overrideCursor();
    pointers.push_back(pointer ? pointer->shape() : Qt::ArrowCursor);
  };
  QObject::connect(browser->cmbCategory->model(), &QAbstractItemModel::rowsInserted, note);
  QObject::connect(browser->lstFunc->model(), &QAbstractItemModel::rowsInserted, note);
  browser->Form_Load();
  browser->cmbCategory->setCurrentIndex(0);
  EXPECT_EQ(pointers, std::vector<Qt::CursorShape>(3, Qt::WaitCursor))
      << "Elfun and all files, then acosd";
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(FunctionBrowserTest, AClickOnTheBackgroundWalksNothing) {
  auto browser = open();
  const std::vector<std::string> walked = tables_.scanDirs;
  QTest::mouseClick(browser.get(), Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_EQ(tables_.scanDirs, walked);
}

TEST_F(FunctionBrowserTest, TheFileListShowsEveryPathWholeAtTheBrowsersOwnSize) {
  // As long as the longest paths of an interpreter's own tree.
  const std::string deep = "c/image/private";
  fs::create_directories(scratch_ / deep);
  WriteBytes(scratch_ / (deep + "/colorspace_input_check.m"), "% Checks.\n");
  auto browser = open();
  browser->show();
  browser->cmbCategory->setCurrentIndex(browser->cmbCategory->count() - 1);  // all m-files
  ASSERT_EQ(count(*browser->lstFunc), 3);
  QCoreApplication::processEvents();
  EXPECT_EQ(testing_support::CutTexts(*browser, TitleBarWidth), std::vector<std::string>{});
}

TEST_F(FunctionBrowserTest, APathTooLongForTheScreenKeepsItsNameInSight) {
  std::string deep = "c";
  for (int i = 0; i < 12; ++i) deep += "/a_directory_of_the_tree";
  fs::create_directories(scratch_ / deep);
  WriteBytes(scratch_ / (deep + "/farthest.m"), "% Far.\n");
  auto browser = open();
  browser->show();
  browser->cmbCategory->setCurrentIndex(browser->cmbCategory->count() - 1);
  QCoreApplication::processEvents();
  EXPECT_LE(browser->width(), browser->screen()->availableGeometry().width());
  const QAbstractItemView& list = *browser->lstFunc;
  // The list never scrolls its names out of sight: the middle of a path
  // gives way, and the whole path shows on hovering.
  EXPECT_EQ(list.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(list.textElideMode(), Qt::ElideMiddle);
  EXPECT_EQ(items(list, Qt::ToolTipRole), items(list));
}

}  // namespace
}  // namespace quorvin
