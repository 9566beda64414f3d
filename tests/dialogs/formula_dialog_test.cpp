#include "dialogs/formula_dialog.h"

#include <gtest/gtest.h>

#include <QTest>
#include <stdexcept>

#include "tests/dialogs/dialog_test_support.h"
#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

class FormulaDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { testing_support::EnsureGuiApplication(); }


  testing::ScriptedDialogs questions;
};

TEST_F(FormulaDialogTest, ControlsAndCaptions) {
  FormulaDialog d(nullptr, &questions);
  EXPECT_EQ(d.objectName(), "frmFunc");
  EXPECT_EQ(d.windowTitle(), "Function Editor");
  EXPECT_EQ(d.Frame1->title(), "Function to compute");
  EXPECT_EQ(d.Frame2->title(), "Echo input");
  EXPECT_EQ(d.Frame3->title(), "Manipulate a single cell");
  EXPECT_EQ(d.Label1->text(), "=");
  EXPECT_EQ(d.Label2->text(), "and column:");
  EXPECT_EQ(d.cmdMatlab->text(), "Select a Matlab command");
  EXPECT_EQ(d.chkcell->text(), "Manipulate a cell on row:");
  EXPECT_EQ(d.cmdOK->text(), "OK");
  EXPECT_EQ(d.findChild<QPushButton*>("cmdCancel"), nullptr) << "there is no Cancel";
  for (int k = 1; k <= 3; ++k) {
    const auto name = QString("opnInput(%1)").arg(k);
    auto* box = d.findChild<QCheckBox*>(name);
    ASSERT_NE(box, nullptr) << name.toStdString();
    EXPECT_EQ(box, d.opnInput[static_cast<std::size_t>(k - 1)]);
    EXPECT_EQ(box->text(), QString("Input #%1").arg(k));
    EXPECT_FALSE(box->isChecked());
  }
  for (const char* name : {"txtoutput", "txtFunc", "txtRow", "txtCol", "cmdMatlab", "chkcell"}) {
    EXPECT_NE(d.findChild<QWidget*>(name), nullptr) << name;
  }
  // A freshly loaded editor, before the command writes anything.
  EXPECT_EQ(d.txtoutput->text(), "output");
  EXPECT_EQ(d.txtFunc->text(), "");
  EXPECT_FALSE(d.chkcell->isChecked());
  EXPECT_EQ(d.txtRow->text(), "");
  EXPECT_EQ(d.txtCol->text(), "");
}

TEST_F(FormulaDialogTest, TheInsertPresetOpensAtRowOneColumnOneWithTheCellTicked) {
  FormulaDialog d(nullptr, &questions);
  d.presetForInsert();
  EXPECT_EQ(d.txtRow->text(), "1");
  EXPECT_EQ(d.txtCol->text(), "1");
  EXPECT_TRUE(d.chkcell->isChecked());
  EXPECT_EQ(d.txtFunc->text(), "");
}

TEST_F(FormulaDialogTest, EchoButtonsAppendTheirPlaceholderAndUntickThemselves) {
  FormulaDialog d(nullptr, &questions);
  d.txtFunc->setText("max(");
  d.opnInput[1]->click();
  EXPECT_FALSE(d.opnInput[1]->isChecked());
  d.opnInput[1]->click();
  EXPECT_FALSE(d.opnInput[1]->isChecked());
  EXPECT_EQ(d.txtFunc->text(), "max(Input2Input2") << "nothing between";
  d.opnInput[2]->click();
  d.opnInput[0]->click();
  EXPECT_EQ(d.txtFunc->text(), "max(Input2Input2Input3Input1");
  for (QCheckBox* box : d.opnInput) EXPECT_FALSE(box->isChecked());
}

TEST_F(FormulaDialogTest, RowAndColumnKeepNumbersOnlyAndTickTheCellBox) {
  FormulaDialog d(nullptr, &questions);
  d.show();
  struct Step {
    const char* typed;
    const char* stays;
  };
  // Every keystroke is checked: a lone "-" or "1e" is no number yet and goes.
  const Step steps[] = {{"2", "2"}, {"x", ""}, {"12.5", "12.5"}, {"-1.5", "1.5"},
                        {"e", ""},  {"1e3", "3"}};
  for (const Step& s : steps) {
    d.txtRow->clear();
    d.chkcell->setChecked(false);
    QTest::keyClicks(d.txtRow, s.typed);
    EXPECT_EQ(d.txtRow->text(), s.stays) << s.typed;
    EXPECT_TRUE(d.chkcell->isChecked()) << s.typed;
  }
  d.txtCol->setText("-1.5");  // a whole number pasted or set stays
  EXPECT_EQ(d.txtCol->text(), "-1.5");
  d.txtCol->setText("3");
  QTest::keyClicks(d.txtCol, "a");  // a letter after a digit clears the whole text
  EXPECT_EQ(d.txtCol->text(), "");
  d.chkcell->setChecked(false);
  d.txtCol->setText("4");  // set by a caller: ticks just the same
  EXPECT_TRUE(d.chkcell->isChecked());
}

TEST_F(FormulaDialogTest, OkWithATickedCellNeedsRowAndColumn) {
  FormulaDialog d(nullptr, &questions);
  d.presetForInsert();
  d.show();
  d.txtRow->clear();
  EXPECT_TRUE(d.chkcell->isChecked()) << "clearing the row leaves the cell ticked";
  d.cmdOK->click();
  EXPECT_TRUE(d.isVisible()) << "the editor stays open";
  ASSERT_EQ(questions.messages.size(), 1u);
  EXPECT_EQ(questions.messages[0].text, "Please enter which cell to change.");
  EXPECT_EQ(questions.messages[0].style, style::kExclamation);
  EXPECT_EQ(questions.messages[0].title, "Quorvin");
  EXPECT_FALSE(d.answer().accepted);

  d.txtRow->setText("2");
  d.txtCol->clear();
  d.cmdOK->click();
  EXPECT_TRUE(d.isVisible());
  EXPECT_EQ(questions.messages.size(), 2u);

  d.chkcell->setChecked(false);  // unticked, empty boxes are fine
  d.cmdOK->click();
  EXPECT_TRUE(d.isHidden());
  EXPECT_EQ(questions.messages.size(), 2u);
  const FormulaAnswer a = d.answer();
  EXPECT_TRUE(a.accepted);
  EXPECT_FALSE(a.cell);
  EXPECT_EQ(a.row, "2");
  EXPECT_EQ(a.column, "");
}

TEST_F(FormulaDialogTest, OkAnswersWhatTheWidgetsHold) {
  FormulaDialog d(nullptr, &questions);
  d.presetForInsert();
  d.show();
  d.txtoutput->setText("y");
  QTest::keyClicks(d.txtFunc, "sin(");
  d.opnInput[0]->click();
  QTest::keyClicks(d.txtFunc, ")");
  d.txtRow->setText("2");
  d.txtCol->setText("3");
  d.cmdOK->click();
  EXPECT_TRUE(d.isHidden());
  const FormulaAnswer a = d.answer();
  EXPECT_EQ(a, (FormulaAnswer{true, "y", "sin(Input1)", true, "2", "3"}));
  EXPECT_EQ(ComputeFunctionParams(5, a), "y(2,3)=sin(Input1);");
}

TEST_F(FormulaDialogTest, ClosedWithoutOkAnswersAFreshEditor) {
  FormulaDialog d(nullptr, &questions);
  d.presetForInsert();
  d.show();
  d.txtoutput->setText("z");
  d.txtFunc->setText("Input2");
  testing::CloseWithoutOk(d);
  EXPECT_TRUE(d.isHidden());
  EXPECT_EQ(d.answer(), FormulaAnswer{});
  EXPECT_EQ(d.answer().output, "output");
  EXPECT_FALSE(d.answer().cell);
  EXPECT_TRUE(questions.messages.empty());
}

TEST_F(FormulaDialogTest, BrowserAppendsTheNameInLowerCase) {
  FormulaDialog d(nullptr, &questions);
  std::vector<BrowserCaller> callers;
  std::vector<QString> captions;
  std::vector<Qt::CursorShape> pointers;
  std::deque<std::optional<std::string>> picks{"LINSPACE", "Sin", std::nullopt, ""};
  d.setFunctionBrowser([&](BrowserCaller caller) {
    callers.push_back(caller);
    captions.push_back(d.windowTitle());
    pointers.push_back(d.cursor().shape());
    auto pick = picks.front();
    picks.pop_front();
    return pick;
  });
  d.txtFunc->setText("x+");
  d.cmdMatlab->click();
  EXPECT_EQ(d.txtFunc->text(), "x+linspace");
  d.cmdMatlab->click();
  EXPECT_EQ(d.txtFunc->text(), "x+linspacesin") << "a second pick appends too";
  d.cmdMatlab->click();  // closed without a name
  d.cmdMatlab->click();  // OK with nothing chosen
  EXPECT_EQ(d.txtFunc->text(), "x+linspacesin");
  EXPECT_EQ(callers, std::vector<BrowserCaller>(4, BrowserCaller::Formula));
  EXPECT_EQ(captions, std::vector<QString>(4, "Loading M-file panel"));
  EXPECT_EQ(pointers, std::vector<Qt::CursorShape>(4, Qt::WaitCursor));
  EXPECT_EQ(d.windowTitle(), "Function Editor");
  EXPECT_EQ(d.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(FormulaDialogTest, WithoutABrowserTheButtonChangesNothing) {
  FormulaDialog d(nullptr, &questions);
  d.txtFunc->setText("Input1");
  d.cmdMatlab->click();
  EXPECT_EQ(d.txtFunc->text(), "Input1");
  EXPECT_EQ(d.windowTitle(), "Function Editor");
  EXPECT_EQ(d.cursor().shape(), Qt::ArrowCursor);
  EXPECT_TRUE(questions.messages.empty());
}

TEST_F(FormulaDialogTest, AFailingBrowserIsToldAndChangesNothing) {
  FormulaDialog d(nullptr, &questions);
  d.setFunctionBrowser([](BrowserCaller) -> std::optional<std::string> {
    throw std::runtime_error("catalogue unreadable");
  });
  d.txtFunc->setText("a");
  d.cmdMatlab->click();
  EXPECT_EQ(d.txtFunc->text(), "a");
  EXPECT_EQ(d.windowTitle(), "Function Editor");
  ASSERT_EQ(questions.messages.size(), 1u);
  EXPECT_NE(questions.messages[0].text.find("catalogue unreadable"), std::string::npos);
  EXPECT_EQ(questions.messages[0].title, "Quorvin");
}

}  // namespace
}  // namespace quorvin
