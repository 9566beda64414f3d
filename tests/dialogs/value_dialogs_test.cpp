// The value dialogs, the numeric test, and what every dialog gives when it
// is closed without OK.

#include "dialogs/value_dialogs.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QTest>

#include "dialogs/comment_dialog.h"
#include "model/numeric_text.h"
#include "dialogs/option_dialog.h"
#include "dialogs/modal_answer.h"
#include "tests/dialogs/dialog_test_support.h"
#include "tests/support/qt_application.h"
#include "tests/support/quiet_questions.h"

namespace quorvin {
namespace {

class ValueDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { testing_support::EnsureGuiApplication(); }
  testing_support::QuietDialogs messages;
};

TEST(NumericText, DecimalNumbersOnly) {
  for (const char* yes : {"0", "2", "-3", "+4", "2.5", ".5", "5.", "05", "1e3", "1E-3", "-2.5e+10"})
    EXPECT_TRUE(IsNumericText(yes)) << yes;
  for (const char* no : {"", "-", "+", ".", "2x", "abc", "1.2.3", "1e", "e5", " 1", "1 ", "1,5",
                         "0x1F", "--1", "1e+"})
    EXPECT_FALSE(IsNumericText(no)) << '"' << no << '"';
}

TEST(NumericText, BeginningsOfNumbersAreNumbersBeingTyped) {
  for (const char* yes : {"", "-", "+", ".", "-.", "1e", "1E-", "2.5e+", "-3", "1.5e-3"})
    EXPECT_TRUE(IsNumberBeingTyped(yes)) << '"' << yes << '"';
  for (const char* no : {"2x", "e", "-e", "1..", "1e5e", "1e-+", "--", " 1", "abc"})
    EXPECT_FALSE(IsNumberBeingTyped(no)) << '"' << no << '"';
}

TEST_F(ValueDialogTest, TitlesCaptionsAndInitialState) {
  BasicDialog basic;
  EXPECT_EQ(basic.windowTitle(), "Basic Arithmatic");
  EXPECT_EQ(basic.Frame1->title(), "Choose a function");
  EXPECT_TRUE(basic.add->isChecked());
  EXPECT_EQ(basic.power->text(), "^");
  EXPECT_EQ(basic.chkElement->text(), "Element by element operation");
  EXPECT_FALSE(basic.chkElement->isChecked());

  PauseDialog pause;
  EXPECT_EQ(pause.windowTitle(), "Pause execution");
  EXPECT_EQ(pause.Label1->text(), "Pause for: ");
  EXPECT_EQ(pause.lblSecs->text(), "1");
  EXPECT_EQ(pause.Label3->text(), "Seconds");
  EXPECT_EQ(pause.chkNoNumber->text(), "Wait until user prompts");

  UserInputDialog user;
  EXPECT_EQ(user.windowTitle(), "User prompt for input");
  EXPECT_EQ(user.Frame1->title(), "Enter the prompt for user input:");

  MakeVectorDialog vector;
  EXPECT_EQ(vector.windowTitle(), "Make Vector");
  EXPECT_EQ(vector.lblMin->text(), "Minimum:");
  EXPECT_EQ(vector.lblStep->text(), "Step:");
  EXPECT_EQ(vector.lblMax->text(), "Maximum");

  SplitDialog split;
  EXPECT_EQ(split.windowTitle(), "Matrix Split");
  EXPECT_EQ(split.Frame1->title(), "Select row or column");
  EXPECT_TRUE(split.row->isChecked());
  EXPECT_EQ(split.Col->text(), "Column");
  EXPECT_EQ(split.lblFrom->text(), "From:");
  EXPECT_EQ(split.lblTo->text(), "To:");
}

// What a dialog answers as it opens, which is also what it answers when it
// is closed without OK.
TEST_F(ValueDialogTest, EveryDialogOpensAtItsInitialValues) {
  EXPECT_EQ(BasicDialog().answer(), (ArithmeticAnswer{ArithmeticOperator::Add, false}));
  EXPECT_EQ(PauseDialog().answer(), (PauseAnswer{"1", false}));
  EXPECT_EQ(UserInputDialog().answer(), "");
  EXPECT_EQ(MakeVectorDialog().answer(), (VectorAnswer{"1", "1", "1"}));
  EXPECT_EQ(SplitDialog().answer(), (SplitAnswer{true, "", ""}));
  EXPECT_EQ(CommentDialog().answer(), "");
}

TEST_F(ValueDialogTest, PauseSecondsFilter) {
  struct Case {
    const char* text;
    const char* kept;
  };
  for (const Case& c : {Case{"abc", "0"}, Case{"-3", "0"}, Case{"2.5", "2.5"}, Case{"05", "05"},
                        Case{"2x", "0"}, Case{"", "0"}}) {
    PauseDialog pause;
    pause.lblSecs->setText(c.text);
    EXPECT_EQ(pause.lblSecs->text(), c.kept) << c.text;
  }
}

TEST_F(ValueDialogTest, WaitingForTheUserGreysOutTheSeconds) {
  PauseDialog pause;
  pause.show();
  pause.lblSecs->setText("4");
  QTest::mouseClick(pause.chkNoNumber, Qt::LeftButton);
  EXPECT_FALSE(pause.lblSecs->isEnabled());
  EXPECT_FALSE(pause.spn->isEnabled());
  EXPECT_EQ(pause.lblSecs->text(), "4");
  QTest::mouseClick(pause.chkNoNumber, Qt::LeftButton);
  EXPECT_TRUE(pause.lblSecs->isEnabled());
  EXPECT_TRUE(pause.spn->isEnabled());
  EXPECT_EQ(pause.lblSecs->text(), "4");
}

TEST_F(ValueDialogTest, TheScrollBarStepsTheSecondsButNeverBelowZero) {
  PauseDialog pause;
  pause.spn->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(pause.lblSecs->text(), "2");
  pause.spn->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  pause.spn->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  pause.spn->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(pause.lblSecs->text(), "0");
}

TEST_F(ValueDialogTest, TypingTheLastIndexFillsAnEmptyFirstIndex) {
  SplitDialog split;
  split.show();
  QTest::keyClicks(split.txtTo, "5");
  EXPECT_EQ(split.txtFrom->text(), "1");
  EXPECT_EQ(split.txtTo->text(), "5");
  split.txtFrom->setText("3");
  QTest::keyClicks(split.txtTo, "7");
  EXPECT_EQ(split.txtFrom->text(), "3");

  SplitDialog other;
  other.show();
  QTest::keyClicks(other.txtFrom, "2");
  EXPECT_EQ(other.txtTo->text(), "") << "typing into From: never touches To:";
}

// Shows a dialog, edits it, and closes it with OK or through the window:
// OK gives what it shows, closing what it opened with, whatever was changed
// meanwhile.
template <typename Dialog>
void ExpectClosingGivesTheOpeningAnswer(const std::string& what,
                                        const std::function<std::unique_ptr<Dialog>()>& make,
                                        const std::function<void(Dialog&)>& edit) {
  for (bool ok : {false, true}) {
    std::unique_ptr<Dialog> dialog = make();
    const auto opened = dialog->answer();
    dialog->show();
    edit(*dialog);
    const auto edited = dialog->answer();
    ASSERT_NE(edited, opened) << what;
    if (ok)
      dialog->template findChild<QPushButton*>("cmdOK")->click();
    else
      testing::CloseWithoutOk(*dialog);
    EXPECT_TRUE(dialog->isHidden()) << what;
    EXPECT_TRUE(AnswerAfterShow(*dialog, opened) == (ok ? edited : opened))
        << what << (ok ? " OK" : " closed");
  }
}

// A value dialog of type Dialog, edited by edit (see above).
template <typename Dialog>
void ExpectValueDialogClosing(const std::string& what, const std::function<void(Dialog&)>& edit) {
  ExpectClosingGivesTheOpeningAnswer<Dialog>(
      what, [] { return std::make_unique<Dialog>(); }, edit);
}

TEST_F(ValueDialogTest, ClosingWithoutOkGivesTheInitialValues) {
  ExpectValueDialogClosing<BasicDialog>("frmBasic",
                                        [](BasicDialog& d) { d.div->setChecked(true); });
  ExpectValueDialogClosing<BasicDialog>("frmBasic element",
                                        [](BasicDialog& d) { d.chkElement->setChecked(true); });
  ExpectValueDialogClosing<PauseDialog>("frmPause",
                                        [](PauseDialog& d) { d.lblSecs->setText("9"); });
  ExpectValueDialogClosing<PauseDialog>("frmPause waits",
                                        [](PauseDialog& d) { d.chkNoNumber->setChecked(true); });
  ExpectValueDialogClosing<UserInputDialog>("frmUserInput",
                                            [](UserInputDialog& d) { d.txtPrompt->setText("x?"); });
  ExpectValueDialogClosing<MakeVectorDialog>("frmMakeVector",
                                             [](MakeVectorDialog& d) { d.txtMax->setText("7"); });
  ExpectValueDialogClosing<SplitDialog>("frmSplit",
                                        [](SplitDialog& d) { d.Col->setChecked(true); });
  ExpectValueDialogClosing<SplitDialog>("frmSplit range",
                                        [](SplitDialog& d) { d.txtTo->setText("4"); });
  ExpectValueDialogClosing<CommentDialog>("frmComment",
                                          [](CommentDialog& d) { d.txtComment->setText("n"); });
  const auto option = [this](const char* form, const std::function<void(OptionDialog&)>& edit) {
    ExpectClosingGivesTheOpeningAnswer<OptionDialog>(
        form, [this, form] { return MakeOptionDialog(*FindOptionDialog(form), messages); }, edit);
  };
  option("frmBessel", [](OptionDialog& d) { d.opn_Click(2); });
  option("frmLogic", [](OptionDialog& d) { d.opn_Click(3); });
  option("frmConst",
         [](OptionDialog& d) { static_cast<ConstantDialog&>(d).txtConst->setText("4"); });
}

}  // namespace
}  // namespace quorvin
