#include "dialogs/flow_control_dialogs.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "dialogs/dialog_settling.h"
#include "dialogs/named_widget.h"

namespace quorvin {

namespace {

QLabel* Label(QWidget* parent, const char* name, const char* caption) {
  auto* label = Named<QLabel>(name, caption, parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

// The OK button alone at the right of the dialog's last row.
QHBoxLayout* OkRow(QPushButton* ok) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(ok);
  return row;
}

}  // namespace

ConditionDialog::ConditionDialog(QWidget* parent)
    : QDialog(parent),
      Label1(Label(this, "Label1", "Please Enter The Branching Condition")),
      txtCondition(Named<QLineEdit>("txtCondition", this)),
      chkelse(Named<QCheckBox>("chkelse", "Second Output is '&else' Branch", this)),
      cmdOK(Named<QPushButton>("cmdOK", "OK", this)) {
  setObjectName("frmIf");
  setWindowTitle("Condition Statement");
  setModal(true);
  cmdOK->setDefault(true);

  auto* outer = new QVBoxLayout(this);
  outer->addWidget(Label1);
  outer->addWidget(txtCondition);
  outer->addWidget(chkelse);
  outer->addLayout(OkRow(cmdOK));
  resize(360, sizeHint().height());

  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  SettleParameterDialog(*this);
}

void ConditionDialog::cmdOK_Click() { accept(); }

ConditionAnswer ConditionDialog::answer() const {
  if (result() != QDialog::Accepted) return {};
  return {true, txtCondition->text().toStdString(), chkelse->isChecked()};
}

ForLoopDialog::ForLoopDialog(QWidget* parent)
    : QDialog(parent),
      Label1(Label(this, "Label1", "Loop From:")),
      txtFrom(Named<QLineEdit>("txtFrom", "1", this)),
      Label2(Label(this, "Label2", "Until:")),
      txtUntil(Named<QLineEdit>("txtUntil", "1", this)),
      Label3(Label(this, "Label3", "Increment:")),
      txtInc(Named<QLineEdit>("txtInc", "1", this)),
      cmd(Named<QPushButton>("cmd", "OK", this)) {
  setObjectName("frmForLoop");
  setWindowTitle("For Loop");
  setModal(true);
  cmd->setDefault(true);

  auto* fields = new QFormLayout;
  fields->addRow(Label1, txtFrom);
  fields->addRow(Label2, txtUntil);
  fields->addRow(Label3, txtInc);
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(fields);
  outer->addLayout(OkRow(cmd));

  connect(cmd, &QPushButton::clicked, this, [this] { cmd_Click(); });
  SettleParameterDialog(*this);
}

void ForLoopDialog::cmd_Click() { accept(); }

ForLoopAnswer ForLoopDialog::answer() const {
  if (result() != QDialog::Accepted) return {};
  return {true, txtFrom->text().toStdString(), txtUntil->text().toStdString(),
          txtInc->text().toStdString()};
}

ConditionAnswer AskForCondition(QWidget* parent) {
  ConditionDialog dialog(parent);
  dialog.exec();
  return dialog.answer();
}

ForLoopAnswer AskForForLoop(QWidget* parent) {
  ForLoopDialog dialog(parent);
  dialog.exec();
  return dialog.answer();
}

}  // namespace quorvin
