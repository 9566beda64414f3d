#pragma once
// The small value dialogs of the insert commands: frmBasic (arithmetic
// operator), frmPause (seconds), frmUserInput (prompt), frmMakeVector (range)
// and frmSplit (rows or columns). Each opens at the default of its answer
// (commands/dialog_answers.h) and answers what it shows.

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <array>
#include <string>

#include "commands/dialog_answers.h"

namespace quorvin {

class BasicDialog : public QDialog {
 public:
  explicit BasicDialog(QWidget* parent = nullptr);
  ArithmeticAnswer answer() const;

  QGroupBox* Frame1;
  QRadioButton *add, *sub, *mul, *div, *power;
  QCheckBox* chkElement;
  QPushButton* cmdOK;

 private:
  // The operator buttons by ArithmeticOperator.
  std::array<QRadioButton*, 5> operators() const { return {add, sub, mul, div, power}; }
};

class PauseDialog : public QDialog {
 public:
  explicit PauseDialog(QWidget* parent = nullptr);
  PauseAnswer answer() const;

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

class UserInputDialog : public QDialog {
 public:
  explicit UserInputDialog(QWidget* parent = nullptr);
  // The prompt as typed.
  std::string answer() const;

  QGroupBox* Frame1;
  QLineEdit* txtPrompt;
  QPushButton* cmdOK;
};

class MakeVectorDialog : public QDialog {
 public:
  explicit MakeVectorDialog(QWidget* parent = nullptr);
  VectorAnswer answer() const;

  QLineEdit *txtMin, *txtStep, *txtMax;
  QLabel *lblMin, *lblStep, *lblMax;
  QPushButton* cmdOK;
};

class SplitDialog : public QDialog {
 public:
  explicit SplitDialog(QWidget* parent = nullptr);
  SplitAnswer answer() const;

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
