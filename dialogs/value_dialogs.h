#pragma once
// The small value dialogs of the insert commands: frmBasic (arithmetic
// operator), frmPause (seconds), frmUserInput (prompt), frmMakeVector (range)
// and frmSplit (rows or columns). Each starts from the initial values of
// InitialAnswer() and answers with the same widget names.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "dialogs/form_dialog.h"

namespace quorvin {

class BasicDialog : public FormDialog {
 public:
  explicit BasicDialog(QWidget* parent = nullptr);
  FormAnswer answer() const override;

  QGroupBox* Frame1;
  QRadioButton *add, *sub, *mul, *div, *power;
  QCheckBox* chkElement;
  QPushButton* cmdOK;
};

class PauseDialog : public FormDialog {
 public:
  explicit PauseDialog(QWidget* parent = nullptr);
  FormAnswer answer() const override;

  // Ticked: the seconds and their scroll bar are greyed out; the seconds
  // keep their text either way.
  void chkNoNumber_Click();
  // Keeps the seconds a non-negative number: anything else becomes "0".
  void lblSecs_Change();
  void IncrementSeconds();
  void DecrementSeconds();

  QLabel* Label1;
  QLineEdit* lblSecs;
  QLabel* Label3;
  QScrollBar* spn;
  QCheckBox* chkNoNumber;
  QPushButton* cmdOK;
};

class UserInputDialog : public FormDialog {
 public:
  explicit UserInputDialog(QWidget* parent = nullptr);
  FormAnswer answer() const override;

  QGroupBox* Frame1;
  QLineEdit* txtPrompt;
  QPushButton* cmdOK;
};

class MakeVectorDialog : public FormDialog {
 public:
  explicit MakeVectorDialog(QWidget* parent = nullptr);
  FormAnswer answer() const override;

  QLineEdit *txtMin, *txtStep, *txtMax;
  QLabel *lblMin, *lblStep, *lblMax;
  QPushButton* cmdOK;
};

class SplitDialog : public FormDialog {
 public:
  explicit SplitDialog(QWidget* parent = nullptr);
  FormAnswer answer() const override;

  // A last index typed with no first index gives the first index 1.
  void txtTo_Change();

  QGroupBox* Frame1;
  QRadioButton* row;
  QRadioButton* Col;
  QLineEdit *txtFrom, *txtTo;
  QLabel *lblFrom, *lblTo;
  QPushButton* cmdOK;
};

}  // namespace quorvin
