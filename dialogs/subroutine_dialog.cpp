#include "dialogs/subroutine_dialog.h"

#include <QHBoxLayout>

#include "dialogs/dialog_settling.h"
#include "dialogs/named_widget.h"

namespace quorvin {

SubroutineDialog::SubroutineDialog(const BoxTable& table, QWidget* parent, Dialogs* questions)
    : QDialog(parent),
      available_subs(Named<QComboBox>("available_subs", this)),
      cmdOK(Named<QPushButton>("cmdOK", "OK", this)),
      questions_(this, questions) {
  setObjectName("frmSubs");
  setWindowTitle("Current Subs");
  setModal(true);
  // A typed name is taken as it stands: no completion lengthens it, and
  // Enter adds nothing to the list.
  available_subs->setEditable(true);
  available_subs->setInsertPolicy(QComboBox::NoInsert);
  available_subs->setCompleter(nullptr);
  available_subs->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  available_subs->setMinimumContentsLength(20);
  cmdOK->setDefault(true);

  auto* row = new QHBoxLayout(this);
  row->addWidget(available_subs, 1);
  row->addWidget(cmdOK);

  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  Form_Load(table);
  SettleParameterDialog(*this);
}

SubroutineDialog::~SubroutineDialog() = default;

void SubroutineDialog::Form_Load(const BoxTable& table) {
  available_subs->clear();
  for (const std::string& kind : SubroutineStartKinds(table)) {
    available_subs->addItem(QString::fromStdString(kind));
  }
  available_subs->setCurrentIndex(-1);
  available_subs->setEditText(QString());
}

void SubroutineDialog::cmdOK_Click() {
  const std::string text = available_subs->currentText().toStdString();
  if (text.empty()) return;
  const SubroutineChoice choice{false, text};
  if (const auto refusal = SubroutineNameRefusal(choice.name())) {
    questions_->messageBox(*refusal, kSubroutineRefusalStyle, kAppTitle);
    return;
  }
  accept();
}

SubroutineChoice SubroutineDialog::answer() const {
  if (result() != QDialog::Accepted) return {};
  return {true, available_subs->currentText().toStdString()};
}

std::vector<std::string> SubroutineDialog::listed() const {
  std::vector<std::string> kinds;
  for (int i = 0; i < available_subs->count(); ++i) {
    kinds.push_back(available_subs->itemText(i).toStdString());
  }
  return kinds;
}

SubroutineChoice AskForSubroutine(QWidget* parent, const BoxTable& table, Dialogs* questions) {
  SubroutineDialog dialog(table, parent, questions);
  dialog.exec();
  return dialog.answer();
}

}  // namespace quorvin
