#pragma once
// frmFunc, "Function Editor": the formula of a "Compute Function" box, its
// result name and, optionally, the one cell of the result it assigns. The
// "Input #k" check boxes act as push buttons that append the placeholder of
// entry k; the row and column boxes tick the cell box whenever they change
// and keep numeric text only. OK refuses a ticked cell box without both a
// row and a column. There is no Cancel: a dialog closed without OK answers a
// fresh editor's values.

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "dialogs/function_browser.h"
#include "commands/rules/formula_rules.h"
#include "dialogs/dialog_questions.h"
#include "model/host.h"

namespace quorvin {

class FormulaDialog : public QDialog {
 public:
  // questions shows OK's refusal and a failing browser; without one the
  // dialog asks with Qt message boxes of its own.
  explicit FormulaDialog(QWidget* parent = nullptr, Dialogs* questions = nullptr);
  ~FormulaDialog() override;

  // What the "Compute Function" command writes before showing the editor:
  // an empty formula, no echo button ticked, row and column "1" (which tick
  // the cell box).
  void presetForInsert();
  void setFunctionBrowser(FunctionBrowser browser) { browser_ = std::move(browser); }

  // Event handlers, named after the widgets they belong to.
  void opnInput_Click(int index);
  void txtRow_Change();
  void txtCol_Change();
  void cmdMatlab_Click();
  void cmdOK_Click();

  // The widgets after OK; a fresh editor's values when it closed otherwise.
  FormulaAnswer answer() const;

  QGroupBox* Frame1;  // "Function to compute"
  QLineEdit* txtoutput;
  QLabel* Label1;  // "="
  QLineEdit* txtFunc;
  QPushButton* cmdMatlab;
  QGroupBox* Frame2;  // "Echo input"
  std::array<QCheckBox*, kFormulaInputs> opnInput{};  // opnInput(k) at [k - 1]
  QGroupBox* Frame3;  // "Manipulate a single cell"
  QCheckBox* chkcell;
  QLineEdit* txtRow;
  QLabel* Label2;  // "and column:"
  QLineEdit* txtCol;
  QPushButton* cmdOK;

 private:
  // Ticks the cell box and empties a text that is not a number.
  void FilterCellText(QLineEdit* box);

  DialogQuestions questions_;
  FunctionBrowser browser_;
};

// Shows frmFunc modally, as the "Compute Function" command presets it, and
// returns its answer.
FormulaAnswer AskForFormula(QWidget* parent, FunctionBrowser browser = {},
                            Dialogs* questions = nullptr);

}  // namespace quorvin
