// The toolbox palette as a window: what it loads, how it re-flows, and how a
// picked tool reaches the documents.
#include "app/toolbox_palette.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QSignalSpy>
#include <QResizeEvent>
#include <QScreen>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>
#include <filesystem>
#include <set>

#include "app/toolbox_file.h"
#include "app/toolbox_layout.h"
#include "canvas/logic/rubber_band.h"
#include "tests/model/model_fakes.h"
#include "tests/support/file_sandbox.h"
#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

using testing::ModelFixture;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;

class PaletteTest : public ::testing::Test, public ModelFixture {
 protected:
  void SetUp() override {
    testing_support::EnsureGuiApplication();
    ASSERT_TRUE(dir.ok());
    m.appDir = dir / "";
    m.prefs = DesignPreferences();
  }
  // The toolbox file title in the program directory, holding bytes.
  void UseToolbox(const std::string& fileName, const std::string& bytes,
                  const std::string& title = "") {
    WriteBytes(dir / fileName, bytes);
    m.prefs.txtToolbox = title.empty() ? fileName : title;
  }
  QPoint TwipsAt(int i, const ToolboxPalette& p) const {
    return {static_cast<int>(p.cmd[i]->x() * 15), static_cast<int>(p.cmd[i]->y() * 15)};
  }

  ScratchFolder dir;
  ToolPick toolbox;
  // The name of the tool picked, "" for none.
  std::string picked() const { return toolbox.picked() ? std::string(toolbox.picked()->name) : ""; }
};

TEST_F(PaletteTest, BuiltInToolboxHasEightToolsInTwoColumns) {
  ToolboxPalette p(m, toolbox);
  EXPECT_EQ(p.objectName(), "frmPictures");
  EXPECT_TRUE(p.windowFlags() & Qt::Tool);
  EXPECT_TRUE(p.isHidden());
  EXPECT_EQ(p.toolCount, 8);
  EXPECT_EQ(p.toolboxColumns, 2);
  ASSERT_EQ(p.cmd.size(), 9u);
  EXPECT_TRUE(p.cmd[0]->isHidden());
  EXPECT_EQ(p.toolNames[1], "Arrow");
  EXPECT_EQ(p.toolNames[8], "Plot Output");
  // 480 across, 400 down (whole pixels: 32 and 26.67).
  EXPECT_EQ(p.cmd[2]->pos(), QPoint(32, 0));
  EXPECT_EQ(p.cmd[3]->pos(), QPoint(0, 27));
  EXPECT_EQ(p.cmd[8]->pos(), QPoint(32, 80));
  EXPECT_FALSE(p.cmd[1]->icon().isNull());
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PaletteTest, ThirtyNamesGiveTwentyFourButtonsAndCountAll) {
  std::string bytes;
  for (int i = 1; i <= 30; ++i) bytes += (i % 2 ? "Sin" : "Cos") + std::string("\r\n");
  UseToolbox("thirty.tlb", bytes + "\r\n");
  m.prefs.lbltoolboxsize = "3X10";
  ToolboxPalette p(m, toolbox);
  EXPECT_EQ(p.toolCount, 30);
  EXPECT_EQ(p.toolNames.size(), 31u);
  EXPECT_EQ(p.cmd.size(), 25u);
  EXPECT_EQ(p.toolboxColumns, 3);
  EXPECT_EQ(TwipsAt(24, p), QPoint(1020, 3570));
  EXPECT_EQ(p.widthTwips(), 1605);                    // 3 * 510 + 70, whole pixels
  EXPECT_EQ(p.heightTwips(), (30 / 3 + 1) * 510 + 360);
}

TEST_F(PaletteTest, LoaderCases) {
  struct Case {
    const char* name;
    std::string bytes;
    int toolCount;
    std::size_t buttons;
  } cases[] = {
      {"BlankLinesLeaveNoGap", "Sin\r\n\r\n\r\nCos\r\n\r\nTan\r\n", 3, 4},
      {"EmptyFile", "", 1, 1},
      {"LfOnly", "Sin\nCos\n", 2, 3},
      {"NoLastLineEnd", "Sin\r\nCos", 2, 3},
      // The UTF-8 byte-order mark an editor put first is no part of a name.
      {"AfterAUtf8ByteOrderMark", "\xEF\xBB\xBFSin\r\nCos\r\n", 2, 3},
      {"OneNameAfterAUtf8ByteOrderMark", "\xEF\xBB\xBFSin\r\n", 1, 2},
  };
  for (const Case& c : cases) {
    UseToolbox("case.tlb", c.bytes);
    dialogs.messages.clear();
    ToolboxPalette p(m, toolbox);
    EXPECT_EQ(p.toolCount, c.toolCount) << c.name;
    EXPECT_EQ(p.cmd.size(), c.buttons) << c.name;
    EXPECT_TRUE(dialogs.messages.empty()) << c.name;
    if (c.buttons > 1) {
      EXPECT_EQ(p.toolNames[1], "Sin") << c.name;
    }
    if (c.buttons > 2) {
      EXPECT_EQ(p.toolNames[2], "Cos") << c.name;
      EXPECT_EQ(TwipsAt(2, p), QPoint(510, 0)) << c.name;
    }
  }
}

TEST_F(PaletteTest, MissingFileIsReportedAndGivesNoButtons) {
  m.prefs.txtToolbox = "nowhere.tlb";
  ToolboxPalette p(m, toolbox);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text, "Toolbox file not found.");
  EXPECT_EQ(dialogs.messages[0].style.code(), 48);
  EXPECT_EQ(dialogs.messages[0].title, "Quorvin");
  EXPECT_EQ(p.cmd.size(), 1u);
  EXPECT_EQ(p.toolCount, 1);
  EXPECT_EQ(p.heightTwips(), 1 * 510 + 360);
  p.cmd_Click(1);  // no button, no tool
  EXPECT_EQ(picked(), "");
}

// A file whose lines name no tool (a binary file, a text of another kind,
// names in another case) is said once, with its name, as a missing one is,
// and gives no buttons: not a button per line that shows no tool.
TEST_F(PaletteTest, AFileThatNamesNoToolIsSaidOnceAndGivesNoButtons) {
  std::string manyLines;
  for (int i = 0; i < 100000; ++i) manyLines += "line " + std::to_string(i) + "\r\n";
  const std::pair<const char*, std::string> cases[] = {
      {"OtherText", "[Prefrences]\r\nShow Toolbox=1\r\n"},
      {"AnotherCase", "sin\r\nCOS\r\n\r\n"},
      {"ManyLines", manyLines},
  };
  for (const auto& [name, bytes] : cases) {
    UseToolbox("Junk.TLB", bytes, "junk.tlb");
    dialogs.messages.clear();
    ToolboxPalette p(m, toolbox);
    ASSERT_EQ(dialogs.messages.size(), 1u) << name;
    EXPECT_EQ(dialogs.messages[0].text, "Toolbox file names no tool:\r\n" + (dir / "Junk.TLB"))
        << name;
    EXPECT_EQ(dialogs.messages[0].style.code(), 48) << name;
    EXPECT_EQ(dialogs.messages[0].title, "Quorvin") << name;
    EXPECT_EQ(p.cmd.size(), 1u) << name;
    EXPECT_EQ(p.toolCount, 1) << name;
    EXPECT_EQ(p.heightTwips(), 1 * 510 + 360) << name;
  }
}

// Bytes that are no text of the program name no tool, whatever lines they
// seem to hold; the message says why, as the flowchart reader's do.
TEST_F(PaletteTest, AFileThatIsNoTextIsSaidOnceWithWhy) {
  const auto utf16 = [](const std::string& text, bool bigEndian, bool mark) {
    std::string out = mark ? (bigEndian ? "\xFE\xFF" : "\xFF\xFE") : "";
    for (const char c : text) out += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    return out;
  };
  const std::string wide = "Not a text file of this program (it is written in UTF-16 ";
  const struct {
    const char* name;
    std::string bytes;
    std::string why;
  } cases[] = {
      {"Utf16LeWithMark", utf16("Sin\r\nCos\r\n", false, true),
       wide + "LE, not in ASCII, Latin-1 or UTF-8)."},
      {"Utf16BeWithoutMark", utf16("Sin\r\nFor\r\nNext\r\n", true, false),
       wide + "BE, not in ASCII, Latin-1 or UTF-8)."},
      {"Binary", std::string("\x7f" "ELF\x02\x01\x01\0\0\n\xff\xfe\r\n\x01", 15),
       "Not a text file of this program (it holds NUL bytes)."},
      {"ToolsAndANulByte", std::string("Sin\r\n\0\r\nCos\r\n", 12),
       "Not a text file of this program (it holds NUL bytes)."},
  };
  for (const auto& c : cases) {
    UseToolbox("Wide.tlb", c.bytes, "wide.tlb");
    dialogs.messages.clear();
    ToolboxPalette p(m, toolbox);
    ASSERT_EQ(dialogs.messages.size(), 1u) << c.name;
    EXPECT_EQ(dialogs.messages[0].text,
              "Toolbox file names no tool:\r\n" + (dir / "Wide.tlb") + "\r\n" + c.why)
        << c.name;
    EXPECT_EQ(dialogs.messages[0].style.code(), 48) << c.name;
    EXPECT_EQ(p.cmd.size(), 1u) << c.name;
    EXPECT_EQ(p.toolCount, 1) << c.name;
  }
}

// A file that is there but cannot be read is said once, with why: one too
// large for any toolbox is refused before it is read, not read whole.
TEST_F(PaletteTest, AFileThatCannotBeReadIsSaidOnceWithWhy) {
  std::string huge;
  huge.reserve(kLargestToolboxFile + 5);
  while (huge.size() <= kLargestToolboxFile) huge += "Sin\r\n";
  UseToolbox("huge.tlb", huge);
  ToolboxPalette p(m, toolbox);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0].text,
            "The toolbox file could not be read:\r\n" + (dir / "huge.tlb") + "\r\nFile too large.");
  EXPECT_EQ(dialogs.messages[0].style.code(), 48);
  EXPECT_EQ(dialogs.messages[0].title, "Quorvin");
  EXPECT_EQ(p.cmd.size(), 1u);
  EXPECT_EQ(p.toolCount, 1);
  EXPECT_EQ(p.heightTwips(), 1 * 510 + 360);
}

// Permissions mean nothing to root: the check runs as another user.
TEST_F(PaletteTest, AFileTheUserMayNotReadIsSaidAsSuch) {
  WriteBytes(dir / "secret.tlb", "Sin\r\n", 0200);
  m.prefs.txtToolbox = "secret.tlb";
  QUORVIN_EXPECT_AS_OTHER_USER([&] {
    testing_support::Findings found;
    ToolboxPalette p(m, toolbox);
    found.expect(dialogs.messages.size() == 1, "not one message");
    if (dialogs.messages.size() == 1)
      found.expect(dialogs.messages[0].text == "The toolbox file could not be read:\r\n" +
                                                   (dir / "secret.tlb") + "\r\nPermission denied.",
                   "the message: " + dialogs.messages[0].text);
    found.expect(p.cmd.size() == 1, "buttons were made");
    return found.text;
  });
}

TEST_F(PaletteTest, TitleIsFoundWhateverTheCaseOfTheFile) {
  UseToolbox("MyTools.TLB", "Sin\r\n", "mytools.tlb");
  ToolboxPalette p(m, toolbox);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(p.toolCount, 1);
  EXPECT_EQ(p.toolNames[1], "Sin");
  // The same file named with capitals in the preference.
  m.prefs.txtToolbox = "MYTOOLS.tlb";
  p.Reload(false);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(p.toolNames[1], "Sin");
}

TEST_F(PaletteTest, TitleWithADirectoryIsNoToolboxOfTheProgramDirectory) {
  WriteBytes(dir / "elsewhere.tlb", "Sin\r\n");
  m.appDir = dir / "sub";
  std::filesystem::create_directory(m.appDir);
  m.prefs.txtToolbox = "../elsewhere.tlb";
  ToolboxPalette p(m, toolbox);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(p.cmd.size(), 1u);
}

TEST_F(PaletteTest, DefaultTitleInOtherCaseIsAFile) {
  m.prefs.txtToolbox = "Default.tlb";
  ToolboxPalette p(m, toolbox);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(p.cmd.size(), 1u);
}

TEST_F(PaletteTest, UnreadableSizeTextOrNoColumnsDividesByNothing) {
  UseToolbox("two.tlb", "Sin\r\nCos\r\n");
  for (const char* size : {"abc", "0X0", "X"}) {
    m.prefs.lbltoolboxsize = size;
    ToolboxPalette p(m, toolbox);
    EXPECT_EQ(p.toolboxColumns, 3) << size;
    EXPECT_EQ(TwipsAt(2, p), QPoint(510, 0)) << size;
  }
}

TEST_F(PaletteTest, ResizeReflowsAndWritesTheSize) {
  ToolboxPalette p(m, toolbox);
  p.resize(2200 / 15, 4000 / 15);  // hidden: no resize event yet
  p.Form_Resize();
  EXPECT_EQ(m.prefs.lbltoolboxsize, "4X2");
  EXPECT_EQ(p.toolboxColumns, 4);
  EXPECT_EQ(TwipsAt(4, p), QPoint(1500, 0));
  EXPECT_EQ(TwipsAt(5, p), QPoint(0, 495));  // 500 twips as whole pixels
  EXPECT_EQ(p.size(), QSize(141, 91));        // 2120 by 1360 twips

  // A tiny window still gets one column, nothing divides by zero, and the
  // palette grows to hold every tool.
  p.resize(2, 2);
  p.Form_Resize();
  EXPECT_EQ(m.prefs.lbltoolboxsize, "1X8");
  EXPECT_EQ(p.size(), QSize(41, 291));  // 620 by 4360 twips
  EXPECT_EQ(TwipsAt(8, p), QPoint(0, 3495));

  // The person resizing the shown palette re-flows it.
  p.show();
  p.resize(1700 / 15, 4000 / 15);
  EXPECT_EQ(m.prefs.lbltoolboxsize, "3X2");
  EXPECT_EQ(p.size(), QSize(108, 124));  // 1620 by 1860 twips

  // No re-flow while reloading.
  m.prefs.lbltoolboxsize = "";
  p.toolboxReloading = true;
  p.resize(300, 300);
  p.Form_Resize();
  EXPECT_EQ(m.prefs.lbltoolboxsize, "");
}

TEST_F(PaletteTest, EveryButtonFindsItsPlaceInsideThePaletteWhateverItsSize) {
  std::string bytes;
  for (int i = 1; i <= 24; ++i) bytes += "Sin\r\n";
  UseToolbox("many.tlb", bytes);
  ToolboxPalette p(m, toolbox);
  p.show();
  // The sizes a person may drag it to, the smallest first.
  for (const QSize& dragged : {QSize(10, 10), QSize(60, 40), QSize(150, 60), QSize(400, 30),
                               QSize(90, 700), QSize(1000, 1000)}) {
    p.resize(dragged);
    std::set<std::pair<int, int>> spots;
    for (std::size_t i = 1; i < p.cmd.size(); ++i) {
      EXPECT_TRUE(p.rect().contains(p.cmd[i]->geometry()))
          << dragged.width() << "x" << dragged.height() << " button " << i;
      spots.insert({p.cmd[i]->x(), p.cmd[i]->y()});
    }
    EXPECT_EQ(spots.size(), 24u) << "no two buttons share a place";
    // It settles: its own size re-flows to the same layout.
    const QSize settled = p.size();
    p.Form_Resize();
    EXPECT_EQ(p.size(), settled);
  }
}

// The window system's sizes come while the person drags the border, and a
// window manager drops a size asked for meanwhile: the buttons follow each
// size at once, and the palette asks for its own size once they stop.
TEST_F(PaletteTest, ADraggedPaletteSettlesAtItsOwnSizeWhenTheDragEnds) {
  ToolboxPalette p(m, toolbox);
  p.ShowAsLoaded();
  // The window manager makes the palette 60 by 300 pixels and says so.
  p.toolboxReloading = true;
  p.resize(60, 300);
  p.toolboxReloading = false;
  QResizeEvent dragged(QSize(60, 300), QSize(97, 272));
  QSpontaneKeyEvent::setSpontaneous(&dragged);
  qApp->notify(&p, &dragged);  // sendEvent would take it for the program's own
  EXPECT_EQ(m.prefs.lbltoolboxsize, "1X8");
  EXPECT_EQ(TwipsAt(8, p), QPoint(0, 3495)) << "placed at once";
  EXPECT_EQ(p.size(), QSize(60, 300)) << "no size asked for during the drag";
  // 620 by 4360 twips, once the sizes stopped.
  EXPECT_TRUE(QTest::qWaitFor([&] { return p.size() == QSize(41, 291); }));
}

TEST_F(PaletteTest, TenThousandNamesNeverGrowPastTheScreen) {
  std::string bytes;
  for (int i = 0; i < 10000; ++i) bytes += "Cos\r\n";
  UseToolbox("huge.tlb", bytes);
  ToolboxPalette p(m, toolbox);
  EXPECT_EQ(p.toolCount, 10000);
  ASSERT_NE(p.screen(), nullptr);
  const QRect screen = p.screen()->availableGeometry();
  EXPECT_LE(p.height(), screen.height());
  p.show();
  p.resize(40, 5000);
  EXPECT_LE(p.height(), screen.height());
  EXPECT_LE(p.width(), screen.width());
  for (std::size_t i = 1; i < p.cmd.size(); ++i)
    EXPECT_TRUE(p.rect().contains(p.cmd[i]->geometry())) << i;
  // Wherever it floated, a palette as high as the screen lies wholly on it:
  // its title bar can be reached.
  p.move(screen.right() - 20, screen.bottom() - 20);
  p.Reload(true);
  EXPECT_TRUE(screen.contains(p.frameGeometry()));
}

// A window manager frames the palette only once it is shown: its title bar
// and borders are not known when the palette is first sized and placed.
// Whatever it holds, once framed it lies whole on its screen.
TEST_F(PaletteTest, PlacedBeforeItsFrameIsKnownItLiesWholeOnTheScreenOnceFramed) {
  std::string huge;
  for (int i = 0; i < 100000; ++i) huge += "Cos\r\n";
  const std::pair<const char*, std::string> toolboxes[] = {{"BuiltIn", ""}, {"Huge", huge}};
  for (const auto& [name, bytes] : toolboxes) {
    if (bytes.empty())
      m.prefs.txtToolbox = kDefaultToolboxTitle;
    else
      UseToolbox("huge.tlb", bytes);
    ToolboxPalette p(m, toolbox);
    ASSERT_NE(p.screen(), nullptr);
    const QRect screen = p.screen()->availableGeometry();
    // Floated over a frame that reaches past the screen's corner.
    p.move(screen.right(), screen.bottom());
    p.keepOnScreen();
    p.ShowAsLoaded();
    EXPECT_TRUE(QTest::qWaitFor([&] { return screen.contains(p.frameGeometry()); }))
        << name << ": " << p.frameGeometry().x() << "," << p.frameGeometry().y() << " "
        << p.frameGeometry().width() << "x" << p.frameGeometry().height();
  }
}

TEST_F(PaletteTest, ReloadFollowsTheToolboxAndShowsOnlyWhenAsked) {
  ToolboxPalette p(m, toolbox);
  QSignalSpy closed(&p, &ToolboxPalette::closedByUser);
  UseToolbox("two.tlb", "For\r\nNext\r\n\r\n");
  p.Reload(false);
  EXPECT_TRUE(p.isHidden());
  EXPECT_FALSE(p.toolboxReloading);
  EXPECT_EQ(p.toolCount, 2);
  EXPECT_EQ(p.cmd.size(), 3u);
  p.Reload(true);
  EXPECT_TRUE(p.isVisible());
  EXPECT_EQ(closed.count(), 0);

  p.close();
  EXPECT_TRUE(p.isHidden());
  EXPECT_EQ(closed.count(), 1);
}

TEST_F(PaletteTest, ClickDropsAConnectGestureAndHandsTheToolOver) {
  UseToolbox("pick.tlb", "Sin\r\nArrow\r\n");
  ToolboxPalette p(m, toolbox);
  testing_support::SetEditMode(m, EditMode::ArrowSource);
  p.cmd[1]->click();
  EXPECT_EQ(m.editor.mode(), EditMode::Select);
  EXPECT_EQ(picked(), "Sin");
}

TEST_F(PaletteTest, ArrowWhileABoxWaitsArmsTheConnectToolAtOnce) {
  UseToolbox("pick.tlb", "Sin\r\nArrow\r\n");
  ToolboxPalette p(m, toolbox);
  const int doc = NewDocument(m);
  testing_support::SetEditMode(m, EditMode::Select);
  ASSERT_TRUE(m.editor.newBox(doc));
  ASSERT_EQ(m.editor.mode(), EditMode::Placing);
  p.cmd_Click(2);
  EXPECT_EQ(m.editor.mode(), EditMode::ArrowArmed);
  EXPECT_EQ(picked(), "");
  EXPECT_EQ(m.editor.pendingBox(), 0);  // the waiting box is given up
  ASSERT_FALSE(views.pointers.empty());
  EXPECT_EQ(views.pointers.back(), Pointer::NoDrop);
}

TEST_F(PaletteTest, AnotherToolIsTakenByTheFirstDocumentOnly) {
  UseToolbox("pick.tlb", "Sin\r\nArrow\r\n");
  ToolboxPalette p(m, toolbox);
  NewDocument(m);
  NewDocument(m);
  testing_support::SetEditMode(m, EditMode::Select);
  p.cmd_Click(1);
  EXPECT_EQ(picked(), "Sin");
  std::vector<std::pair<int, std::string>> ran;
  WindowState first, second;
  FormMouseMove(m, first, {}, 100, 100,
                {toolbox, [&](const Tool& tool) { ran.push_back({1, std::string(tool.name)}); }});
  FormMouseMove(m, second, {}, 100, 100,
                {toolbox, [&](const Tool& tool) { ran.push_back({2, std::string(tool.name)}); }});
  EXPECT_EQ(ran, (std::vector<std::pair<int, std::string>>{{1, "Sin"}}));
  EXPECT_EQ(picked(), "");
}

}  // namespace
}  // namespace quorvin
