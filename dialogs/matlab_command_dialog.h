#pragma once
// frmMatlabFunction, "Matlab Function": the command of a "Matlab Command"
// box and which of its entries and exits are open. "Show Functions" replaces
// the command with the name picked in the function browser. There is no
// Cancel: a dialog closed without OK answers a fresh dialog's values (empty
// command, every entry and exit closed).

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "dialogs/function_browser.h"
#include "commands/rules/formula_rules.h"
#include "dialogs/dialog_questions.h"
#include "model/host.h"

namespace quorvin {

class MatlabCommandDialog : public QDialog {
 public:
  // questions tells of a failing browser; without one the dialog uses Qt
  // message boxes of its own.
  explicit MatlabCommandDialog(QWidget* parent = nullptr, Dialogs* questions = nullptr);
  ~MatlabCommandDialog() override;

  void setFunctionBrowser(FunctionBrowser browser) { browser_ = std::move(browser); }

  void cmdShowFunc_Click();
  void cmdOK_Click();

  // The widgets after OK; a fresh dialog's values when it closed otherwise.
  MatlabCommandAnswer answer() const;

  QGroupBox* Frame1;  // "Function Name"
  QLineEdit* txtFunc;
  QGroupBox* Frame2;  // "Open inputs"
  std::array<QCheckBox*, kCommandInputs> chkInputs{};  // chkInputs(k) at [k - 1]
  QGroupBox* Frame3;  // "Open outputs"
  std::array<QCheckBox*, kCommandOutputs> chkOutputs{};  // chkOutputs(k) at [k - 1]
  QPushButton* cmdShowFunc;
  QPushButton* cmdOK;

 private:
  DialogQuestions questions_;
  FunctionBrowser browser_;
};

// Shows frmMatlabFunction modally and returns its answer.
MatlabCommandAnswer AskForMatlabCommand(QWidget* parent, FunctionBrowser browser = {},
                                        Dialogs* questions = nullptr);

}  // namespace quorvin
