// The insert commands in a real document window: its Functions menu, the
// toolbox hand-over, the matrix entry of its compile questions and the
// guided tour's panel.
#include <gtest/gtest.h>

#include <QMenu>
#include <QTest>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "canvas/document_window.h"
#include "tests/canvas/fake_frame.h"
#include "tests/canvas/window_events.h"
#include "tests/commands/command_fixture.h"
#include "tests/support/qt_application.h"
#include "tests/support/scripted_questions.h"

namespace quorvin {
namespace {

using testing::WindowsFixture;

class DocumentWindowCommandsTest : public ::testing::Test, public WindowsFixture {
 protected:
  static void SetUpTestSuite() { testing_support::EnsureGuiApplication(); }

  DocumentWindow& open() {
    const int doc = NewDocument(m);
    DocumentWindow* w = windows.window(doc);
    EXPECT_NE(w, nullptr);
    w->setCommandQuestions(&answers);
    return *w;
  }
  // The menu item of that object name anywhere under w's Functions menu.
  static QAction* item(const DocumentWindow& w, const char* name) {
    return w.functionsMenu()->findChild<QAction*>(name);
  }

  testing::ScriptedCommandQuestions answers;
};

using testing::MoveOver;

TEST_F(DocumentWindowCommandsTest, TheFunctionsMenuHoldsTheInsertItemsUnderTheirSubmenus) {
  DocumentWindow& w = open();
  const QMenu* functions = w.functionsMenu();
  QStringList submenus;
  for (const QAction* action : functions->actions())
    if (action->menu() != nullptr) submenus << action->menu()->objectName() + "=" + action->text();
  EXPECT_TRUE(submenus.contains("mnuInput=&Inputs"));
  EXPECT_TRUE(submenus.contains("mnuTrig=&Trigonometric Functions"));
  EXPECT_TRUE(submenus.contains("mnuSpec=&Special Commands"));
  // Arrow and Multiple Arrows stay first.
  EXPECT_EQ(functions->actions().value(0)->objectName(), "mnuArrow");
  EXPECT_EQ(functions->actions().value(1)->objectName(), "mnuMultipleArrows");

  const struct {
    const char* object;
    const char* caption;
    const char* submenu;
  } items[] = {
      {"mnuConst", "&Constants...", "mnuInput"},
      {"mnuTrigSin", "&Sin", "mnuTrig"},
      {"mnuOperatorsArith", "&Arithmatic Operators ...", "mnuOperators"},
      {"mnuOutputPlot", "Matlab &Plot", "mnuOutput"},
      {"mnuSpecSubStart", "&Start a Subroutine", "mnuSpecSub"},
  };
  for (const auto& expected : items) {
    const QAction* action = item(w, expected.object);
    ASSERT_NE(action, nullptr) << expected.object;
    EXPECT_EQ(action->text(), expected.caption);
    EXPECT_EQ(action->parent()->objectName(), expected.submenu) << expected.object;
  }
  // Every window has its own items, which run on its own document.
  DocumentWindow& second = open();
  EXPECT_NE(item(second, "mnuTrigSin"), item(w, "mnuTrigSin"));
}

TEST_F(DocumentWindowCommandsTest, AMenuInsertWaitsAndTheNextPressPlacesItWithItsIcon) {
  DocumentWindow& w = open();
  item(w, "mnuTrigSin")->trigger();
  EXPECT_EQ(m.editor.mode(), EditMode::Placing);
  const int sin = m.table.highestBox();
  EXPECT_EQ(m.table[sin].Kind, "Sin");
  EXPECT_EQ(w.boxButton(sin), nullptr) << "a waiting box has no button yet";
  QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(60, 50));
  EXPECT_EQ(m.editor.mode(), EditMode::Select);
  ASSERT_NE(w.boxButton(sin), nullptr);
  EXPECT_EQ(w.boxButton(sin)->iconKey(), "Sin");
  EXPECT_TRUE(w.boxButton(sin)->isVisible());

  // A constant asks its dialog: the arbitrary constant with the text typed.
  answers.scriptOption("frmConst", 5, {{"txtConst", "2.5"}});
  item(w, "mnuConst")->trigger();
  const int constant = m.table.highestBox();
  EXPECT_EQ(answers.asked, std::vector<std::string>({"frmConst"}));
  QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(60, 150));
  EXPECT_EQ(m.table[constant].Kind, "Constant Input");
  EXPECT_EQ(m.table[constant].Params, "2.5");
  ASSERT_NE(w.boxButton(constant), nullptr);
  EXPECT_EQ(w.boxButton(constant)->iconKey(), "Constant Input");
}

TEST_F(DocumentWindowCommandsTest, AWaitingBoxRetypedElsewhereShowsTheNewIconWhereItIsPlaced) {
  DocumentWindow& first = open();
  DocumentWindow& second = open();
  item(first, "mnuTrigSin")->trigger();
  const int n = m.table.highestBox();
  // Matrix Manipulation shows the icon its command chose, not its kind's.
  answers.scriptOption("frmMatMan", 0);
  item(second, "mnuMatMan")->trigger();
  EXPECT_EQ(m.table.highestBox(), n) << "the waiting box is re-typed, not a second one made";
  EXPECT_EQ(m.table[n].Kind, "Matrix Manipulation");
  const std::string key = first.iconKeyOf(n);
  EXPECT_NE(key, "Sin");
  QTest::mouseClick(&second, Qt::LeftButton, {}, QPoint(80, 80));
  ASSERT_NE(second.boxButton(n), nullptr);
  EXPECT_EQ(second.boxButton(n)->iconKey(), key);
  EXPECT_EQ(first.boxButton(n), nullptr);
}

TEST_F(DocumentWindowCommandsTest, AToolPickedInTheToolboxInsertsOnTheFirstMoveOverTheCanvas) {
  DocumentWindow& w = open();
  frame.toolbox.pick(m.editor, "Sin");
  MoveOver(w, {60, 60});
  EXPECT_EQ(frame.toolbox.picked(), nullptr) << "one pick inserts one box";
  ASSERT_EQ(m.table.highestBox(), 1);
  EXPECT_EQ(m.table[1].Kind, "Sin");
  EXPECT_EQ(m.editor.mode(), EditMode::Placing);
  MoveOver(w, {70, 70});
  EXPECT_EQ(m.table.highestBox(), 1);
  QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(70, 70));
  ASSERT_NE(w.boxButton(1), nullptr);
  EXPECT_EQ(w.boxButton(1)->iconKey(), "Sin");

  // Names that are no tool, in another case, run nothing.
  frame.toolbox.pick(m.editor, "sin");
  MoveOver(w, {90, 90});
  EXPECT_EQ(m.table.highestBox(), 1);
  EXPECT_EQ(m.editor.mode(), EditMode::Select);

  frame.toolbox.pick(m.editor, "Arrow");
  MoveOver(w, {90, 90});
  EXPECT_EQ(m.editor.mode(), EditMode::ArrowArmed);
}

TEST_F(DocumentWindowCommandsTest, TheHandOverIsEmptyWhileTheToolsCommandRuns) {
  DocumentWindow& w = open();
  DocumentWindow& other = open();
  std::vector<std::string> ran;
  windows.setDispatcher([&](DocumentWindow& on, const Tool& tool) {
    const Tool* picked = frame.toolbox.picked();
    ran.push_back(std::string(tool.name) + " " + std::to_string(on.doc()) + " [" +
                  (picked ? std::string(picked->name) : "") + "]");
    // A move over another canvas while the command asks its question.
    MoveOver(other, {50, 50});
  });
  frame.toolbox.pick(m.editor, "Sin");
  MoveOver(w, {60, 60});
  EXPECT_EQ(ran, std::vector<std::string>({"Sin " + std::to_string(w.doc()) + " []"}));
  EXPECT_EQ(frame.toolbox.picked(), nullptr);
}

TEST_F(DocumentWindowCommandsTest, TheSubroutineToolPopsUpTheWindowsSubroutinesMenu) {
  DocumentWindow& w = open();
  auto* subroutines = w.functionsMenu()->findChild<QMenu*>("mnuSpecSub");
  ASSERT_NE(subroutines, nullptr);
  frame.toolbox.pick(m.editor, "Subroutine");
  MoveOver(w, {60, 60});
  EXPECT_TRUE(subroutines->isVisible());
  EXPECT_EQ(m.table.highestBox(), 0);
  subroutines->findChild<QAction*>("mnuSpecSubEnd")->trigger();
  subroutines->hide();
  ASSERT_EQ(m.table.highestBox(), 1);
  EXPECT_EQ(m.table[1].Kind, "End Subroutine");
}

TEST_F(DocumentWindowCommandsTest, NoInsertWhileARunReadsTheBoxes) {
  DocumentWindow& w = open();
  frame.isRunning = true;
  frame.toolbox.pick(m.editor, "Sin");
  MoveOver(w, {60, 60});
  EXPECT_EQ(m.table.highestBox(), 0);
  emit w.functionsMenu()->aboutToShow();
  // Every submenu and item below the Arrow items, "S&ound Commands..." too.
  const auto submenusEnabled = [&w] {
    std::vector<bool> enabled;
    for (const QAction* action : w.functionsMenu()->actions())
      if (action->menu() != nullptr || action->objectName() == "mnuSounds")
        enabled.push_back(action->isEnabled());
    return enabled;
  };
  EXPECT_EQ(submenusEnabled(), std::vector<bool>(submenusEnabled().size(), false));
  EXPECT_EQ(submenusEnabled().size(), 12u);
  EXPECT_TRUE(w.mnuArrow->isEnabled());
  frame.isRunning = false;
  emit w.functionsMenu()->aboutToShow();
  EXPECT_EQ(submenusEnabled(), std::vector<bool>(submenusEnabled().size(), true));
}

TEST_F(DocumentWindowCommandsTest, TheMatrixEntryAnswersTheGridsLiteral) {
  DocumentWindow& w = open();
  // Closed without OK: what OK on a fresh grid writes.
  w.windowQuestions().setShowDialog([](QDialog& dialog) { dialog.reject(); });
  EXPECT_EQ(w.questions().matrixEntry(), kUnansweredMatrix);

  w.windowQuestions().setShowDialog([&w](QDialog& dialog) {
    auto& matrix = static_cast<MatrixDialog&>(dialog);
    EXPECT_EQ(matrix.parentWidget(), &w);
    matrix.show();
    QTest::keyClicks(matrix.grid, "1");
    QTest::keyClick(matrix.grid, Qt::Key_Tab);
    QTest::keyClicks(matrix.grid, "2");
    matrix.cmdOK->click();
  });
  // 1 and 2 in the first row: each cell and every empty one after it
  // followed by two blanks, the empty rows trimmed away.
  EXPECT_EQ(w.questions().matrixEntry(), "[1  2      ");
}

TEST_F(DocumentWindowCommandsTest, TheFunctionBrowserOpensOverTheWindowWhoseDialogAsks) {
  DocumentWindow& w = open();
  EXPECT_FALSE(w.functionBrowser()) << "no browser until the frame hands one in";
  std::vector<std::pair<BrowserCaller, std::string>> opened;  // and the window it opened over
  windows.setFunctionBrowser(
      [&](QWidget* parent, BrowserCaller caller) -> std::optional<std::string> {
        opened.emplace_back(caller, parent != nullptr ? parent->windowTitle().toStdString() : "");
        return "acosd";
      });
  DocumentWindow& later = open();
  ASSERT_TRUE(w.functionBrowser());
  ASSERT_TRUE(later.functionBrowser());
  EXPECT_EQ(w.functionBrowser()(BrowserCaller::Formula), std::optional<std::string>("acosd"));
  EXPECT_EQ(later.functionBrowser()(BrowserCaller::MatlabCommand),
            std::optional<std::string>("acosd"));
  EXPECT_EQ(opened, (std::vector<std::pair<BrowserCaller, std::string>>{
                        {BrowserCaller::Formula, "Untitled:1"},
                        {BrowserCaller::MatlabCommand, "Untitled:2"}}));

  windows.setFunctionBrowser({});
  EXPECT_FALSE(w.functionBrowser());
}

TEST_F(DocumentWindowCommandsTest, TheTourPanelShowsTheTourTextAndReportsItsClicks) {
  DocumentWindow& w = open();
  ASSERT_EQ(w.findChild<QWidget*>("pnlTour"), w.pnlTour);
  EXPECT_TRUE(w.pnlTour->isHidden());
  EXPECT_TRUE(w.pnlTour->isReadOnly());
  EXPECT_FALSE(w.mnuHelpTour->isEnabled()) << "no tour until the frame hands one in";

  std::vector<std::string> calls;
  windows.setTourHooks(
      {[&](DocumentWindow& on, bool itemChecked) {
         calls.push_back(std::string("menu ") + (itemChecked ? "checked" : "unchecked"));
         if (itemChecked) {
           on.hideTour();
           on.checkTour(false);
         } else {
           on.showTour("Welcome.\r\n\r\nPlease press this panel to continue.");
           on.checkTour(true);
         }
       },
       [&](DocumentWindow& on) {
         calls.push_back("panel " + std::to_string(on.doc()));
       }});
  EXPECT_TRUE(w.mnuHelpTour->isEnabled());

  w.mnuHelpTour->trigger();
  EXPECT_TRUE(w.pnlTour->isVisible());
  EXPECT_EQ(w.pnlTour->toPlainText(), "Welcome.\n\nPlease press this panel to continue.");
  EXPECT_TRUE(w.mnuHelpTour->isChecked());
  // Near the top of the canvas, clear of the scroll bar and the bottom strip.
  EXPECT_LT(w.pnlTour->y(), 20);
  EXPECT_LE(w.pnlTour->geometry().right(), w.scrV->x());
  EXPECT_LT(w.pnlTour->geometry().bottom(), w.scrH->y());
  EXPECT_GT(w.pnlTour->height(), 40);

  QTest::mouseClick(w.pnlTour->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
  QTest::mouseClick(w.pnlTour->viewport(), Qt::RightButton, {}, QPoint(20, 10));
  w.mnuHelpTour->trigger();
  EXPECT_TRUE(w.pnlTour->isHidden());
  EXPECT_FALSE(w.mnuHelpTour->isChecked());
  EXPECT_EQ(calls, std::vector<std::string>({"menu unchecked", "panel " + std::to_string(w.doc()),
                                             "menu checked"}));

  // A window opened later gets the same hooks.
  DocumentWindow& later = open();
  EXPECT_TRUE(later.mnuHelpTour->isEnabled());
}

TEST_F(DocumentWindowCommandsTest, AFaultInATourHookIsToldAndTheItemKeepsItsMark) {
  DocumentWindow& w = open();
  testing_support::ScriptedQuestions told;
  w.setQuestions(&told);
  windows.setTourHooks({[](DocumentWindow&, bool) { throw std::runtime_error("tour broke"); }, {}});
  w.mnuHelpTour->trigger();
  EXPECT_FALSE(w.mnuHelpTour->isChecked());
  ASSERT_EQ(told.questions.size(), 1u);
  EXPECT_NE(told.questions[0].find("tour broke"), std::string::npos);
}

}  // namespace
}  // namespace quorvin
