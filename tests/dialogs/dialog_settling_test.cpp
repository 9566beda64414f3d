// Every box parameter dialog as a person meets it the moment it opens, at
// its own size: where typing goes, where Tab goes, that the window keeps its
// size, and that no text is cut.

#include "dialogs/dialog_settling.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "commands/option_commands.h"
#include "dialogs/comment_dialog.h"
#include "dialogs/flow_control_dialogs.h"
#include "dialogs/formula_dialog.h"
#include "dialogs/matlab_command_dialog.h"
#include "dialogs/option_dialog.h"
#include "dialogs/plot_dialog.h"
#include "dialogs/subroutine_dialog.h"
#include "dialogs/value_dialogs.h"
#include "platform/title_bar.h"
#include "tests/support/cut_texts.h"
#include "tests/support/qt_application.h"
#include "tests/support/quiet_questions.h"

namespace quorvin {
namespace {

struct DialogCase {
  std::string form;
  std::function<std::unique_ptr<QDialog>()> make;
  QStringList tabs;  // the fields Tab visits from the first one on, round to it
};

using Names = QStringList;

// A fresh dialog of type Dialog, as a case makes it.
template <typename Dialog>
std::unique_ptr<QDialog> Fresh() {
  return std::make_unique<Dialog>();
}

// Every parameter dialog with the tab stops it has when it opens, the first
// being where the focus starts.
std::vector<DialogCase> ParameterDialogs(Dialogs& messages, const BoxTable& table) {
  std::vector<DialogCase> cases;
  for (const OptionCommand& family : OptionCommands()) {
    const OptionForm& form = family.dialog;
    Names tabs{QString::fromUtf8(form.optionArray.data(), qsizetype(form.optionArray.size()))};
    for (const ExtraWidget& extra : form.extras)
      tabs << QString::fromUtf8(extra.name.data(), qsizetype(extra.name.size()));
    tabs << "cmdOK";
    cases.push_back({std::string(form.form),
                     [&messages, &family] { return MakeOptionDialog(family, messages); }, tabs});
  }
  cases.push_back({"frmBasic", Fresh<BasicDialog>, {"add", "chkElement", "cmdOK"}});
  cases.push_back({"frmPause", Fresh<PauseDialog>, {"lblSecs", "chkNoNumber", "cmdOK"}});
  cases.push_back({"frmUserInput", Fresh<UserInputDialog>, {"txtPrompt", "cmdOK"}});
  cases.push_back(
      {"frmMakeVector", Fresh<MakeVectorDialog>, {"txtMin", "txtStep", "txtMax", "cmdOK"}});
  cases.push_back({"frmSplit", Fresh<SplitDialog>, {"txtFrom", "txtTo", "cmdOK", "row"}});
  cases.push_back({"frmComment", Fresh<CommentDialog>, {"txtComment", "cmdOK"}});
  cases.push_back({"frmPlot", [&messages] { return std::make_unique<PlotDialog>(nullptr, &messages); },
                   {"cmbType", "chkInput1(1)", "chkInput1(2)", "chkInput2(1)", "chkInput2(2)",
                    "chkInput3(1)", "chkInput3(2)", "chkHold", "chkFigure", "chkGrid",
                    "sclLinenum", "cmbLineColor", "cmbLineType", "cmbPoints", "txtTitle",
                    "txtXLabel", "txtYLabel", "cmdOK"}});
  cases.push_back({"frmFunc",
                   [&messages] {
                     auto editor = std::make_unique<FormulaDialog>(nullptr, &messages);
                     editor->presetForInsert();
                     return editor;
                   },
                   {"txtFunc", "cmdMatlab", "opnInput(1)", "opnInput(2)", "opnInput(3)", "chkcell",
                    "txtRow", "txtCol", "cmdOK", "txtoutput"}});
  cases.push_back({"frmMatlabFunction",
                   [&messages] { return std::make_unique<MatlabCommandDialog>(nullptr, &messages); },
                   {"txtFunc", "chkInputs(1)", "chkInputs(2)", "chkInputs(3)", "chkOutputs(1)",
                    "chkOutputs(2)", "chkOutputs(3)", "chkOutputs(4)", "chkOutputs(5)",
                    "cmdShowFunc", "cmdOK"}});
  cases.push_back({"frmIf", [] { return std::make_unique<ConditionDialog>(); },
                   {"txtCondition", "chkelse", "cmdOK"}});
  cases.push_back({"frmForLoop", [] { return std::make_unique<ForLoopDialog>(); },
                   {"txtFrom", "txtUntil", "txtInc", "cmd"}});
  cases.push_back({"frmSubs",
                   [&messages, &table] {
                     return std::make_unique<SubroutineDialog>(table, nullptr, &messages);
                   },
                   {"available_subs", "cmdOK"}});
  return cases;
}

// The named widget the focus is in: an editable list's own text field counts
// as the list.
std::string Focused() {
  QWidget* w = QApplication::focusWidget();
  if (w == nullptr) return "(none)";
  if (w->objectName().isEmpty() && w->parentWidget() != nullptr) w = w->parentWidget();
  return w->objectName().toStdString();
}

class DialogSettlingTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing_support::EnsureGuiApplication(); }

  // The dialog shown and active, as a person sees it open.
  static std::unique_ptr<QDialog> Opened(const DialogCase& c) {
    std::unique_ptr<QDialog> dialog = c.make();
    dialog->show();
    dialog->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    return dialog;
  }

  testing_support::QuietDialogs messages;
  BoxTable table;
};

TEST_F(DialogSettlingTest, EachOpensWithTheFocusInTheFieldAPersonFillsFirst) {
  for (const DialogCase& c : ParameterDialogs(messages, table)) {
    SCOPED_TRACE(c.form);
    const std::unique_ptr<QDialog> dialog = Opened(c);
    EXPECT_EQ(Focused(), c.tabs.front().toStdString());
    if (const auto* option = qobject_cast<QRadioButton*>(QApplication::focusWidget())) {
      EXPECT_TRUE(option->isChecked()) << "the chosen option takes the focus";
    }
  }
}

TEST_F(DialogSettlingTest, TypingTheMomentADialogOpensFillsItsFirstField) {
  struct Typed {
    const char* form;
    const char* keys;
    const char* field;
    const char* text;  // the field's text after the keys
  };
  const Typed rows[] = {
      {"frmUserInput", "a b", "txtPrompt", "a b"},  // the blank does not press OK
      {"frmPause", "25", "lblSecs", "25"},         // the "1" it opens with is replaced
      {"frmMakeVector", "0", "txtMin", "0"},
      {"frmComment", "a b", "txtComment", "a b"},
      {"frmFunc", "sin(x)", "txtFunc", "sin(x)"},
      {"frmIf", "x>0", "txtCondition", "x>0"},
      {"frmForLoop", "5", "txtFrom", "5"},
      {"frmSplit", "2", "txtFrom", "2"},  // rows are chosen already; the range is typed
      {"frmMatlabFunction", "disp", "txtFunc", "disp"},
      {"frmBessel", "2", "txtOrder", "0"},  // the options have the focus, not the order
  };
  const std::vector<DialogCase> cases = ParameterDialogs(messages, table);
  for (const Typed& row : rows) {
    SCOPED_TRACE(row.form);
    const auto c = std::find_if(cases.begin(), cases.end(),
                                [&row](const DialogCase& d) { return d.form == row.form; });
    ASSERT_NE(c, cases.end());
    const std::unique_ptr<QDialog> dialog = Opened(*c);
    QTest::keyClicks(QApplication::focusWidget(), row.keys);
    EXPECT_TRUE(dialog->isVisible()) << "a typed key closed the dialog";
    auto* field = dialog->findChild<QLineEdit*>(row.field);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text().toStdString(), row.text);
  }
  // The result name of the Function Editor stays as it opened.
  const auto editor = std::find_if(cases.begin(), cases.end(),
                                   [](const DialogCase& d) { return d.form == "frmFunc"; });
  const std::unique_ptr<QDialog> dialog = Opened(*editor);
  QTest::keyClicks(QApplication::focusWidget(), "x");
  EXPECT_EQ(dialog->findChild<QLineEdit*>("txtoutput")->text().toStdString(), "output");
}

TEST_F(DialogSettlingTest, TabVisitsTheFieldsInTheOrderTheyStandOnTheScreen) {
  for (const DialogCase& c : ParameterDialogs(messages, table)) {
    SCOPED_TRACE(c.form);
    const std::unique_ptr<QDialog> dialog = Opened(c);
    std::vector<std::string> visited{Focused()};
    for (int i = 0; i < 30; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      if (Focused() == visited.front()) break;
      visited.push_back(Focused());
    }
    std::vector<std::string> expected;
    for (const QString& name : c.tabs) expected.push_back(name.toStdString());
    EXPECT_EQ(visited, expected);
  }
}

TEST_F(DialogSettlingTest, EachKeepsItsOwnSizeAndCannotBeResized) {
  for (const DialogCase& c : ParameterDialogs(messages, table)) {
    SCOPED_TRACE(c.form);
    const std::unique_ptr<QDialog> dialog = Opened(c);
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_EQ(dialog->size(), dialog->minimumSize());
    EXPECT_GE(dialog->width(), dialog->minimumSizeHint().width());
    EXPECT_GE(dialog->height(), dialog->minimumSizeHint().height());
  }
}

TEST_F(DialogSettlingTest, NoTextIsCutAtADialogsOwnSizeTheTitleIncluded) {
  for (const DialogCase& c : ParameterDialogs(messages, table)) {
    SCOPED_TRACE(c.form);
    const std::unique_ptr<QDialog> dialog = Opened(c);
    EXPECT_EQ(testing_support::CutTexts(*dialog, TitleBarWidth), std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace quorvin
