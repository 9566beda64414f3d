// The option dialogs as built from their table, offscreen.

#include "dialogs/option_dialog.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QTest>

#include "commands/option_commands.h"
#include "tests/support/qt_application.h"
#include "tests/support/quiet_questions.h"

namespace quorvin {
namespace {

class OptionDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { testing_support::EnsureGuiApplication(); }
};

// Every option dialog: OK and no Cancel, no text box but its extras, one
// option for each index from the first on, the first of them chosen and
// answered: index 0 (1 on frmLogic).
TEST_F(OptionDialogTest, EveryDialogHasOkAndItsFirstOptionChosen) {
  for (const OptionCommand& family : OptionCommands()) {
    const OptionForm& form = family.dialog;
    SCOPED_TRACE(std::string(form.form));
    OptionDialog dialog(family);
    EXPECT_EQ(dialog.cmdOK->text(), "OK");
    EXPECT_EQ(dialog.findChild<QPushButton*>("cmdCancel"), nullptr);
    EXPECT_EQ(dialog.findChildren<QLineEdit*>().size(),
              static_cast<qsizetype>(form.extras.size()));
    EXPECT_EQ(dialog.answer().index, form.form == "frmLogic" ? 1 : 0);
    const int count = static_cast<int>(family.rows.size());
    for (int i = 0; i < count; ++i) {
      QRadioButton* button = dialog.option(form.firstIndex + i);
      ASSERT_NE(button, nullptr);
      EXPECT_EQ(button->isChecked(), i == 0);
    }
    EXPECT_EQ(dialog.option(form.firstIndex - 1), nullptr);
    EXPECT_EQ(dialog.option(form.firstIndex + count), nullptr);
  }
}

// What a few dialogs show, misspellings included.
TEST_F(OptionDialogTest, PromptsTitlesAndCaptionsAsTheyAreShown) {
  struct Shown {
    const char* form;
    const char* title;
    const char* prompt;
    int index;
    const char* caption;
  };
  for (const Shown& s :
       {Shown{"frmBessel", "Bessel Functions", "", 3,
              "Modified Bessel func. of the second kind (K)"},
        Shown{"frmStrCompare", "Compare & Change Strings", "", 0, "Compare strings"},
        Shown{"frmEig", "Manipulate a Matrix", "Select required manipulation:", 2,
              "Characteristic polynomial"},
        Shown{"frmMatMan", "Manipulate a Matrix", "Select how to manipulate the matrix:", 0,
              "Create or Extract Diagonal no."},
        Shown{"frmCorr", "Correlation Operators", "Select the required operator:", 1,
              "Covarience matrix"},
        Shown{"frmSound", "Sound Proccessing", "Select how to proccess the sound:", 2,
              "Write mu-law encloded audio file"},
        Shown{"frmMakeMat", "Create a Matrix", "Select the contents of the matrix", 4,
              "Normaly Distibuted Random Numbers"},
        Shown{"frmBetaFunc", "Beta, Gamma & Other Functions", "Select Function", 7,
              "Associated Legandre function"},
        Shown{"frmConst", "Get a Constant", "Select the required constant", 5,
              "Arbiturary constant:"},
        Shown{"frmCheck", "Make Checks", "Select what to check", 12,
              "True for infinite elements"}}) {
    OptionDialog dialog(*FindOptionDialog(s.form));
    EXPECT_EQ(dialog.objectName(), s.form);
    EXPECT_EQ(dialog.windowTitle(), s.title) << s.form;
    EXPECT_EQ(dialog.Frame1->title(), s.prompt) << s.form;
    ASSERT_NE(dialog.option(s.index), nullptr) << s.form;
    EXPECT_EQ(dialog.option(s.index)->text(), s.caption) << s.form;
  }
}

TEST_F(OptionDialogTest, ExtraWidgetsWithLabelsAndInitialTexts) {
  struct Extra {
    const char* form;
    const char* widget;
    const char* label;  // nullptr: stands beside an option
    const char* initial;
  };
  for (const Extra& e : {Extra{"frmBessel", "txtOrder", "Order:", "0"},
                         Extra{"frmCheck", "txtCond", "Optional condition:", ""},
                         Extra{"frmConst", "txtConst", nullptr, ""},
                         Extra{"frmMakeMat", "txtRows", "Rows:", "1"},
                         Extra{"frmMakeMat", "txtCols", "Columns:", "1"},
                         Extra{"frmMatMan", "diag", nullptr, "1"}}) {
    OptionDialog dialog(*FindOptionDialog(e.form));
    QLineEdit* box = dialog.extra(e.widget);
    ASSERT_NE(box, nullptr) << e.form << " " << e.widget;
    EXPECT_EQ(box->text(), e.initial);
    if (e.label) {
      ASSERT_NE(dialog.extraLabel(e.widget), nullptr);
      EXPECT_EQ(dialog.extraLabel(e.widget)->text(), e.label);
    } else {
      EXPECT_EQ(dialog.extraLabel(e.widget), nullptr);
    }
  }
  OptionDialog makeMat(*FindOptionDialog("frmMakeMat"));
  auto* size = makeMat.findChild<QGroupBox*>("Frame2");
  ASSERT_NE(size, nullptr);
  EXPECT_EQ(size->title(), "Matrix size");
}

TEST_F(OptionDialogTest, TheLastClickedOptionIsTheIndex) {
  OptionDialog dialog(*FindOptionDialog("frmCheck"));
  dialog.show();
  dialog.option(3)->click();
  dialog.option(1)->click();
  EXPECT_EQ(dialog.answer().index, 1);
  dialog.option(1)->click();
  EXPECT_EQ(dialog.answer().index, 1);
  dialog.option(12)->click();
  EXPECT_EQ(dialog.answer().index, 12);
  EXPECT_TRUE(dialog.option(12)->isChecked());
}

TEST_F(OptionDialogTest, LogicOperatorsStandInTwoRowsFromIndexOne) {
  OptionDialog dialog(*FindOptionDialog("frmLogic"));
  dialog.show();
  EXPECT_EQ(dialog.objectName(), "frmLogic");
  EXPECT_EQ(dialog.windowTitle(), "Logic Operators");
  EXPECT_EQ(dialog.Frame1->title(), "Choose an operator");
  EXPECT_EQ(dialog.option(4)->objectName(), "btnOps");
  EXPECT_EQ(dialog.option(4)->text(), "XOR");
  EXPECT_EQ(dialog.answer().index, 1);
  EXPECT_TRUE(dialog.option(1)->isChecked());
  EXPECT_EQ(dialog.option(1)->text(), "OR");
  // OR beside AND, above NOT beside XOR.
  EXPECT_EQ(dialog.option(1)->y(), dialog.option(2)->y());
  EXPECT_LT(dialog.option(1)->x(), dialog.option(2)->x());
  EXPECT_LT(dialog.option(1)->y(), dialog.option(3)->y());
  EXPECT_EQ(dialog.option(3)->y(), dialog.option(4)->y());
  dialog.option(4)->click();
  EXPECT_EQ(dialog.answer().index, 4);
}

TEST_F(OptionDialogTest, OkHidesAndKeepsTheAnswer) {
  OptionDialog dialog(*FindOptionDialog("frmMatMan"));
  dialog.show();
  dialog.option(0)->click();
  dialog.extra("diag")->setText("-2");
  dialog.cmdOK->click();
  EXPECT_TRUE(dialog.isHidden());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.answer().extra("diag"), "-2");
}

class ConstantDialogTest : public OptionDialogTest {
 protected:
  struct Messages : testing_support::QuietDialogs {
    Answer messageBox(const std::string& text, MessageStyle style,
                      const std::string& title) override {
      shown.push_back(text + "|" + std::to_string(style.code()) + "|" + title);
      return Answer::Ok;
    }
    std::vector<std::string> shown;
  } messages;
};

TEST_F(ConstantDialogTest, TypingChoosesTheArbitraryConstantAndKeepsNumbersOnly) {
  struct Typed {
    const char* keys;
    const char* kept;
  };
  // A number typed key by key passes through beginnings of one ("-", "1e"),
  // which stay; a text that can no longer become a number empties the box.
  for (const Typed& t : {Typed{"2", "2"}, Typed{"2x", ""}, Typed{"-", "-"}, Typed{"abc", ""},
                         Typed{"2.5", "2.5"}, Typed{"12", "12"}, Typed{"-5", "-5"},
                         Typed{".5", ".5"}, Typed{"1.5e-3", "1.5e-3"}, Typed{"-x", ""},
                         Typed{"1e5e", ""}}) {
    ConstantDialog dialog(messages);
    dialog.show();
    dialog.txtConst->setFocus();
    QTest::keyClicks(dialog.txtConst, t.keys);
    EXPECT_EQ(dialog.txtConst->text(), t.kept) << t.keys;
    EXPECT_TRUE(dialog.option(5)->isChecked()) << t.keys;
    EXPECT_EQ(dialog.answer().index, 5) << t.keys;
  }
  ConstantDialog pasted(messages);
  pasted.txtConst->setText("-3");
  EXPECT_EQ(pasted.txtConst->text(), "-3") << "a whole negative number is numeric";
}

TEST_F(ConstantDialogTest, OkRefusesAnEmptyArbitraryConstant) {
  ConstantDialog dialog(messages);
  dialog.show();
  dialog.option(5)->click();
  dialog.cmdOK->click();
  EXPECT_TRUE(dialog.isVisible());
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0], "Please enter a value for the constant.|48|Quorvin");
  EXPECT_EQ(dialog.answer().index, 5);

  for (const char* unfinished : {"-", "1e", "2.5e-"}) {
    dialog.txtConst->setText(unfinished);
    dialog.cmdOK->click();
    EXPECT_TRUE(dialog.isVisible()) << unfinished;
    EXPECT_EQ(messages.shown.back(), "Please enter a value for the constant.|48|Quorvin")
        << unfinished;
  }
  EXPECT_EQ(messages.shown.size(), 4u);

  dialog.option(0)->click();
  dialog.cmdOK->click();
  EXPECT_TRUE(dialog.isHidden()) << "pi closes whatever the box holds";
  EXPECT_EQ(messages.shown.size(), 4u);
}

}  // namespace
}  // namespace quorvin
