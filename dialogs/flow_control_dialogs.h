#pragma once
// frmIf, "Condition Statement", and frmForLoop, "For Loop": the branch
// condition of an "If" box and the range of a "For" box. OK only hides them;
// there is no Cancel, and a dialog closed without OK answers its initial
// values.

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "commands/rules/flow_control_rules.h"

namespace quorvin {

class ConditionDialog : public QDialog {
 public:
  explicit ConditionDialog(QWidget* parent = nullptr);

  void cmdOK_Click();
  // The widgets after OK; the initial values when it closed otherwise.
  ConditionAnswer answer() const;

  QLabel* Label1;
  QLineEdit* txtCondition;
  QCheckBox* chkelse;
  QPushButton* cmdOK;
};

class ForLoopDialog : public QDialog {
 public:
  explicit ForLoopDialog(QWidget* parent = nullptr);

  void cmd_Click();
  // The widgets after OK; 1, 1 and 1 when it closed otherwise.
  ForLoopAnswer answer() const;

  QLabel* Label1;  // "Loop From:"
  QLineEdit* txtFrom;
  QLabel* Label2;  // "Until:"
  QLineEdit* txtUntil;
  QLabel* Label3;  // "Increment:"
  QLineEdit* txtInc;
  QPushButton* cmd;  // "OK"
};

// Show frmIf or frmForLoop modally and return the answer.
ConditionAnswer AskForCondition(QWidget* parent);
ForLoopAnswer AskForForLoop(QWidget* parent);

}  // namespace quorvin
