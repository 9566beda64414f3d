// What the frame does for the whole program: the preferences read at the
// start and applied to every window, the palette and its Show Toolbox items,
// the current toolbox and the Help commands of frame and documents.
#include <QApplication>
#include <QSignalSpy>
#include <QTimer>
#include <algorithm>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <functional>

#include "app/guided_tour.h"
#include "app/help_viewer.h"
#include "app/toolbox_palette.h"
#include "model/settings_file.h"
#include "tests/app/frame_with_windows_fixture.h"

namespace quorvin {
namespace {

using testing::FrameWithWindows;

struct FrameWiring : FrameWithWindows {
  QTemporaryDir dir;

  // Starts the program in dir, holding a settings file of text when given.
  void startUp(const std::optional<std::string>& settings) {
    const std::string where = dir.path().toStdString();
    if (settings) std::ofstream(where + "/QUORVIN.INI", std::ios::binary) << *settings;
    AppDirProbe probe;
    probe.currentDirectory = [where] { return where; };
    probe.holdsSettings = [](const std::string& d) { return FindSettingsFile(d).has_value(); };
    probe.pickDirectory = [this] {
      splashShownAtPicker = SplashShown();
      return std::string();
    };
    QSignalSpy loaded(&frame, &FrameWindow::loaded);
    frame.MDIForm_Load(probe);
    ASSERT_TRUE(loaded.wait(2000));
  }
  DocumentWindow* newWindow() {
    frame.mnuFileNew->trigger();
    return windows.activeWindow();
  }
  static bool SplashShown() {
    for (const QWidget* window : QApplication::topLevelWidgets())
      if (window->objectName() == "frmSplash" && window->isVisible()) return true;
    return false;
  }
  std::optional<bool> splashShownAtPicker;
};

// No start-up question lies under the splash window: it has gone before the
// directory picker opens.
TEST_F(FrameWiring, TheSplashWindowHasGoneBeforeThePickerAsks) {
  startUp(std::nullopt);
  ASSERT_TRUE(splashShownAtPicker.has_value()) << "no settings file: the picker asks";
  EXPECT_FALSE(*splashShownAtPicker);
}

// A settings file the start-up cannot read is told once, over the frame and
// with the splash window gone, naming the file on a line of its own and
// why; the program starts on the built-in preferences. A folder of that
// name is no settings file to find (the picker asks, and finds none either),
// a file of NUL bytes is found and then refused.
TEST_F(FrameWiring, ASettingsFileThatCannotBeReadIsToldOnce) {
  const std::string where = dir.path().toStdString();
  const std::string bad = where + "/QUORVIN.INI";
  const struct {
    const char* what;
    std::function<void()> make;
    std::string why;
  } cases[] = {
      {"a folder", [&] { std::filesystem::create_directory(bad); }, "Is a directory"},
      {"NUL bytes",
       [&] {
         std::ofstream(bad, std::ios::binary) << "[Prefrences]\r\nLine Width=3" << '\0';
       },
       "Not a text file of this program (it holds NUL bytes)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all(bad);
    c.make();
    dialogs.messages.clear();
    std::optional<bool> splashShown, frameShown;
    dialogs.whenAsked = [&] {
      splashShown = SplashShown();
      frameShown = frame.isVisible();
    };
    startUp(std::nullopt);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "The settings file could not be read:\r\n" + bad + "\r\n" +
                                            c.why + ".\r\nThe program starts with its built-in "
                                                    "preferences.");
    EXPECT_EQ(dialogs.messages[0].style, style::kExclamation);
    EXPECT_EQ(dialogs.messages[0].title, "Quorvin");
    EXPECT_EQ(splashShown, false);
    EXPECT_EQ(frameShown, true);
    EXPECT_EQ(LineWidthOf(m.prefs), 1);
  }
}

// The palette is loaded once at start-up, so a missing toolbox file is
// reported once; shown or hidden, and when a palette was made before.
TEST_F(FrameWiring, AMissingToolboxFileIsReportedOnceAtStartUp) {
  for (const char* show : {"1", "0"}) {
    dialogs.messages.clear();
    startUp(std::string("[Prefrences]\r\nDefault Toolbox=nowhere.tlb\r\nShow Toolbox=") + show +
            "\r\n");
    EXPECT_EQ(std::count_if(dialogs.messages.begin(), dialogs.messages.end(),
                            [](const auto& message) { return message.text == kToolboxNotFound; }),
              1)
        << show;
    EXPECT_EQ(frame.palette().isVisible(), show[0] == '1');
    EXPECT_EQ(frame.palette().cmd.size(), 1u);
  }
}

TEST_F(FrameWiring, StartUpTakesThePreferencesOfTheSettingsFile) {
  startUp("[prefrences]\r\nline width=3\r\nShow Bubbles=0\r\nShow Toolbox=0\r\n"
          "Unused Boxs for Input=0\r\nScan Drives=cd\r\n");
  EXPECT_EQ(LineWidthOf(m.prefs), 3);
  EXPECT_FALSE(m.prefs.chkShowBubbles);
  EXPECT_FALSE(m.prefs.chkInput);
  EXPECT_EQ(m.prefs.txtDrives, "cd");
  EXPECT_EQ(frame.preferencesWindow()->txtLineWidth->text(), "3");
  ASSERT_TRUE(frame.hasPalette());
  EXPECT_TRUE(frame.palette().isHidden());
  EXPECT_FALSE(frame.mnuOptionsToolbox->isChecked());
  EXPECT_EQ(frame.mnuOptionsCurrentToolbox->text(), "Current Toolbox: default.tlb");

  // A document opened later draws and bubbles as the preferences say.
  DocumentWindow* window = newWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->state().lineWidth, 3);
  EXPECT_FALSE(window->state().bubbleShow);
  EXPECT_FALSE(window->mnuOptionsBubbleShow->isChecked());
  EXPECT_FALSE(window->mnuOptionsToolbox->isChecked());
}

TEST_F(FrameWiring, StartUpWithoutSettingsShowsThePaletteAndChecksItsItem) {
  startUp(std::nullopt);
  EXPECT_EQ(m.appDir, dir.path().toStdString());
  EXPECT_TRUE(m.prefs.chkInput) << "the preferences window's design value";
  ASSERT_TRUE(frame.hasPalette());
  EXPECT_TRUE(frame.palette().isVisible());
  EXPECT_TRUE(frame.mnuOptionsToolbox->isChecked()) << "the check follows what is shown";
  EXPECT_EQ(frame.palette().toolCount, 8) << "the built-in toolbox";
}

TEST_F(FrameWiring, StartUpWithShowToolboxOnShowsThePalette) {
  startUp("[Prefrences]\r\nShow Toolbox=yes\r\n");
  EXPECT_TRUE(frame.palette().isVisible());
  EXPECT_TRUE(frame.mnuOptionsToolbox->isChecked());
}

// The Preferences command of one document gives every open document the
// line width and bubbles, once OK hides the window.
TEST_F(FrameWiring, PreferencesReachEveryOpenWindow) {
  startUp(std::nullopt);
  DocumentWindow* first = newWindow();
  DocumentWindow* second = newWindow();
  ASSERT_NE(first, second);
  second->mnuOptionsPrefs->trigger();
  PreferencesWindow& prefs = *frame.preferencesWindow();
  ASSERT_TRUE(prefs.isVisible());
  prefs.txtLineWidth->setText("4");
  prefs.chkShowBubbles->setChecked(false);
  prefs.chkShowToolbox->setChecked(false);
  std::ofstream(dir.path().toStdString() + "/mine.tlb", std::ios::binary) << "Arrow\r\n";
  prefs.txtToolbox->setText("mine.tlb");
  prefs.cmdOK->click();
  EXPECT_FALSE(prefs.isVisible());
  for (DocumentWindow* window : {first, second}) {
    EXPECT_EQ(window->state().lineWidth, 4);
    EXPECT_FALSE(window->state().bubbleShow);
    EXPECT_FALSE(window->mnuOptionsBubbleShow->isChecked());
    EXPECT_FALSE(window->mnuOptionsToolbox->isChecked());
    EXPECT_EQ(window->mnuOptionsCurrentToolbox->text(), "Current Toolbox: mine.tlb");
  }
  EXPECT_EQ(frame.lineWidth(), 4);
  EXPECT_FALSE(frame.mnuOptionsToolbox->isChecked());
  EXPECT_TRUE(frame.palette().isHidden());
}

// A document's Show Identification Bubble sets the preference as well:
// Prefrences shows it and a window opened later starts from it, while the
// other open windows keep their own check.
TEST_F(FrameWiring, ABubbleItemSetsThePreferenceForWindowsToCome) {
  startUp(std::nullopt);
  DocumentWindow* first = newWindow();
  DocumentWindow* second = newWindow();
  first->mnuOptionsBubbleShow->trigger();
  EXPECT_FALSE(first->state().bubbleShow);
  EXPECT_TRUE(second->mnuOptionsBubbleShow->isChecked());
  EXPECT_FALSE(m.prefs.chkShowBubbles);
  DocumentWindow* third = newWindow();
  EXPECT_FALSE(third->mnuOptionsBubbleShow->isChecked());
  EXPECT_FALSE(third->state().bubbleShow);
  second->mnuOptionsPrefs->trigger();
  PreferencesWindow& prefs = *frame.preferencesWindow();
  ASSERT_TRUE(prefs.isVisible());
  EXPECT_FALSE(prefs.chkShowBubbles->isChecked());
  prefs.cmdCancel->click();

  third->mnuOptionsBubbleShow->trigger();
  EXPECT_TRUE(m.prefs.chkShowBubbles);
  EXPECT_FALSE(first->mnuOptionsBubbleShow->isChecked());
}

TEST_F(FrameWiring, ShowToolboxChecksFollowThePalette) {
  startUp("[Prefrences]\r\nShow Toolbox=0\r\n");
  DocumentWindow* first = newWindow();
  DocumentWindow* second = newWindow();
  frame.mdi->setActiveSubWindow(first->subWindow());
  first->mnuOptionsToolbox->trigger();  // a document's item
  EXPECT_TRUE(frame.palette().isVisible());
  EXPECT_TRUE(frame.mnuOptionsToolbox->isChecked());
  EXPECT_TRUE(second->mnuOptionsToolbox->isChecked()) << "every open document follows";

  // The person closes the palette: every Show Toolbox item loses its check.
  frame.palette().close();
  EXPECT_TRUE(frame.palette().isHidden());
  for (QAction* item :
       {frame.mnuOptionsToolbox, first->mnuOptionsToolbox, second->mnuOptionsToolbox})
    EXPECT_FALSE(item->isChecked());

  frame.mnuOptionsToolbox->trigger();  // the frame's item
  EXPECT_TRUE(frame.palette().isVisible());
  EXPECT_TRUE(first->mnuOptionsToolbox->isChecked());
  frame.mnuOptionsToolbox->trigger();
  EXPECT_TRUE(frame.palette().isHidden());
  EXPECT_FALSE(second->mnuOptionsToolbox->isChecked());
}

TEST_F(FrameWiring, CurrentToolboxTakesTheLowerCasedTitleEverywhere) {
  startUp(std::nullopt);
  const std::string where = dir.path().toStdString();
  std::ofstream(where + "/mybox.tlb", std::ios::binary) << "Start\r\nArrow\r\nStop\r\n\r\n";
  DocumentWindow* window = newWindow();
  dialogs.fileAnswers = {where + "/MyBox.TLB"};
  window->mnuOptionsCurrentToolbox->trigger();
  EXPECT_EQ(dialogs.filters.back(), "Quorvin Toolbox Files (*.tlb)|*.tlb|All Files (*.*)|*.*");
  EXPECT_EQ(m.prefs.txtToolbox, "mybox.tlb");
  EXPECT_EQ(frame.mnuOptionsCurrentToolbox->text(), "Current Toolbox: mybox.tlb");
  EXPECT_EQ(window->mnuOptionsCurrentToolbox->text(), "Current Toolbox: mybox.tlb");
  EXPECT_EQ(frame.palette().toolCount, 3) << "the palette was rebuilt from the file";
  EXPECT_TRUE(frame.palette().isVisible());

  // A cancel changes nothing; "Default.tlb" is the built-in toolbox again.
  frame.mnuOptionsCurrentToolbox->trigger();
  EXPECT_EQ(m.prefs.txtToolbox, "mybox.tlb");
  dialogs.fileAnswers = {where + "/Default.tlb"};
  frame.mnuOptionsCurrentToolbox->trigger();
  EXPECT_EQ(window->mnuOptionsCurrentToolbox->text(), "Current Toolbox: default.tlb");
  EXPECT_EQ(frame.palette().toolCount, 8);
}

// A toolbox title is shown as it is: its "&" is no access key.
TEST_F(FrameWiring, TheCurrentToolboxCaptionShowsAnAmpersand) {
  startUp(std::nullopt);
  const std::string where = dir.path().toStdString();
  std::ofstream(where + "/r&d.tlb", std::ios::binary) << "Arrow\r\n";
  DocumentWindow* window = newWindow();
  dialogs.fileAnswers = {where + "/R&D.tlb"};
  window->mnuOptionsCurrentToolbox->trigger();
  EXPECT_EQ(m.prefs.txtToolbox, "r&d.tlb");
  EXPECT_EQ(frame.mnuOptionsCurrentToolbox->text(), "Current Toolbox: r&&d.tlb");
  EXPECT_EQ(window->mnuOptionsCurrentToolbox->text(), "Current Toolbox: r&&d.tlb");
  EXPECT_EQ(newWindow()->mnuOptionsCurrentToolbox->text(), "Current Toolbox: r&&d.tlb");
}

// Every Options menu, the frame's and each document's, shows the toolbox
// state of the moment: a window opened while the palette is hidden, and
// windows open, active or not, when another one changes the state.
TEST_F(FrameWiring, EveryOptionsMenuShowsTheToolboxStateOfTheMoment) {
  const std::string where = dir.path().toStdString();
  for (const char* name : {"mine.tlb", "other.tlb"})
    std::ofstream(where + "/" + name, std::ios::binary) << "Arrow\r\nComment\r\n\r\n";
  startUp("[Prefrences]\r\nShow Toolbox=0\r\nDefault Toolbox=mine.tlb\r\n");
  std::vector<std::pair<QAction*, QAction*>> menus = {
      {frame.mnuOptionsToolbox, frame.mnuOptionsCurrentToolbox}};
  const auto expectEveryMenu = [&](bool shown, const char* caption) {
    for (const auto& [check, current] : menus) {
      EXPECT_EQ(check->isChecked(), shown) << check->parent()->objectName().toStdString();
      EXPECT_EQ(current->text().toStdString(), caption);
    }
  };
  DocumentWindow* first = newWindow();
  menus.push_back({first->mnuOptionsToolbox, first->mnuOptionsCurrentToolbox});
  expectEveryMenu(false, "Current Toolbox: mine.tlb");
  DocumentWindow* second = newWindow();
  menus.push_back({second->mnuOptionsToolbox, second->mnuOptionsCurrentToolbox});
  expectEveryMenu(false, "Current Toolbox: mine.tlb");

  ASSERT_EQ(windows.activeWindow(), second);
  dialogs.fileAnswers = {where + "/Other.tlb"};
  first->mnuOptionsCurrentToolbox->trigger();  // the window not active
  expectEveryMenu(false, "Current Toolbox: other.tlb");
  second->mnuOptionsToolbox->trigger();
  EXPECT_TRUE(frame.palette().isVisible());
  expectEveryMenu(true, "Current Toolbox: other.tlb");
  frame.mdi->setActiveSubWindow(first->subWindow());
  expectEveryMenu(true, "Current Toolbox: other.tlb");
  frame.palette().close();
  expectEveryMenu(false, "Current Toolbox: other.tlb");
  EXPECT_TRUE(dialogs.messages.empty());
}

// The items only show the toolbox state the preferences hold: what an item
// was made to show is neither what a new document shows nor what a click
// on Show Toolbox turns over.
TEST_F(FrameWiring, TheToolboxStateIsThePreferencesNotWhatAnItemShows) {
  startUp(std::nullopt);
  ASSERT_TRUE(frame.palette().isVisible());
  frame.mnuOptionsToolbox->setChecked(false);
  frame.mnuOptionsCurrentToolbox->setText("Current Toolbox: stale.tlb");
  DocumentWindow* window = newWindow();
  EXPECT_TRUE(window->mnuOptionsToolbox->isChecked());
  EXPECT_EQ(window->mnuOptionsCurrentToolbox->text(), "Current Toolbox: default.tlb");
  EXPECT_TRUE(m.prefs.toolboxShown);
  window->mnuOptionsToolbox->trigger();
  EXPECT_TRUE(frame.palette().isHidden());
  EXPECT_FALSE(m.prefs.toolboxShown);
  EXPECT_FALSE(frame.mnuOptionsToolbox->isChecked());
  EXPECT_FALSE(window->mnuOptionsToolbox->isChecked());
  EXPECT_TRUE(m.prefs.chkShowToolbox) << "the preference the start-up reads stays";
}

// Contents, Search and How to Use open the one viewer on their page, from
// the frame's menu and a document's alike; Exit closes it. The pages lie
// beside the program, whatever the program directory is.
TEST_F(FrameWiring, HelpItemsOpenTheViewerOnTheirPage) {
  m.appDir = dir.path().toStdString();
  DocumentWindow* window = newWindow();
  const std::vector<std::tuple<QAction*, QAction*, QString>> items = {
      {frame.mnuHelpContents, window->mnuHelpContents, "contents.html"},
      {frame.mnuHelpSearch, window->mnuHelpSearch, "index.html"},
      {frame.mnuHelpHowTo, window->mnuHelpHowTo, "using_help.html"}};
  for (const auto& [ofFrame, ofDocument, page] : items) {
    for (QAction* item : {ofFrame, ofDocument}) {
      ASSERT_TRUE(item->isEnabled()) << item->objectName().toStdString();
      item->trigger();
      ASSERT_NE(frame.helpViewer(), nullptr);
      EXPECT_TRUE(frame.helpViewer()->isVisible());
      EXPECT_EQ(frame.helpViewer()->browser->source().fileName(), page);
    }
  }
  const HelpViewer* viewer = frame.helpViewer();
  window->mnuHelpContents->trigger();
  EXPECT_EQ(frame.helpViewer(), viewer) << "one viewer for the program";
  EXPECT_TRUE(dialogs.messages.empty());
  ASSERT_TRUE(window->closeWindow());
  frame.mnuFileExit->trigger();
  EXPECT_FALSE(frame.helpViewer()->isVisible());
}

// About and Disclaimer open their own windows over the frame, from either
// Help menu, and no help page.
TEST_F(FrameWiring, AboutAndDisclaimerOpenTheirWindows) {
  DocumentWindow* window = newWindow();
  const std::vector<std::tuple<QAction*, QAction*, QString>> items = {
      {frame.mnuHelpAbout, window->mnuHelpAbout, "About"},
      {frame.mnuHelpDisclaimer, window->mnuHelpDisclaimer, "Disclaimer"}};
  for (const auto& [ofFrame, ofDocument, title] : items) {
    for (QAction* item : {ofFrame, ofDocument}) {
      QString shown;
      QTimer::singleShot(0, [&shown] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
          shown = modal->windowTitle();
          modal->close();
        }
      });
      item->trigger();
      EXPECT_EQ(shown.toStdString(), title.toStdString()) << item->objectName().toStdString();
    }
  }
  EXPECT_EQ(frame.helpViewer(), nullptr);
}

TEST_F(FrameWiring, ArrangeWindowsIsTheFramesServiceToTheDocuments) {
  newWindow();
  newWindow();
  FrameServices& services = frame;
  services.arrangeWindows(Arrangement::Tile);
  const QSize area = frame.mdi->viewport()->size();
  EXPECT_EQ(windows.window(1)->subWindow()->geometry(),
            QRect(0, 0, area.width(), area.height() / 2));
}

TEST_F(FrameWiring, TheFunctionBrowserScansWhereTheSettingsSay) {
  m.appDir = "/some/dir";
  m.prefs.txtDrives = "d";
  const ScanSettings settings = frame.scanSettings();
  EXPECT_EQ(settings.appDir, "/some/dir");
  EXPECT_EQ(settings.driveLetters, "d");
  ASSERT_TRUE(settings.rootsOfDrive);
  EXPECT_TRUE(settings.rootsOfDrive('a').empty()) << "a drive without roots";
  EXPECT_TRUE(static_cast<bool>(frame.functionBrowser()));
  EXPECT_TRUE(static_cast<bool>(frame.functionBrowserOver(&frame)));
}

// The documents share the frame's one tour: the Help item starts it on the
// window whose menu was used, a click on that window's panel goes on, and the
// item's check follows; the dialogs of every window browse the frame's
// catalogue.
TEST_F(FrameWiring, DocumentsShareTheFramesTourAndFunctionBrowser) {
  DocumentWindow* window = newWindow();
  ASSERT_TRUE(window->mnuHelpTour->isEnabled());
  window->mnuHelpTour->trigger();
  EXPECT_FALSE(window->pnlTour->isHidden());
  // The panel shows the texts' CR LF line ends as its own lines.
  const auto shown = [](const std::string& text) {
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  };
  EXPECT_EQ(window->pnlTour->toPlainText(), shown(kTourWelcome));
  EXPECT_TRUE(window->mnuHelpTour->isChecked());
  ASSERT_TRUE(window->pnlTour->onClicked);
  window->pnlTour->onClicked();
  EXPECT_EQ(window->pnlTour->toPlainText(), shown(TourTexts()[0]));
  window->mnuHelpTour->trigger();
  EXPECT_TRUE(window->pnlTour->isHidden());
  EXPECT_FALSE(window->mnuHelpTour->isChecked());
  EXPECT_TRUE(static_cast<bool>(window->functionBrowser()));
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace quorvin

