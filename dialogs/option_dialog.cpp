#include "dialogs/option_dialog.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "dialogs/dialog_settling.h"
#include "model/numeric_text.h"

namespace quorvin {

namespace {

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Long lists stand in two columns, filled top to bottom.
constexpr int kOptionsPerColumn = 8;

}  // namespace

OptionDialog::OptionDialog(const OptionCommand& family, QWidget* parent)
    : QDialog(parent),
      Frame1(new QGroupBox(Q(family.dialog.prompt), this)),
      cmdOK(new QPushButton("OK", this)),
      form_(family.dialog),
      chosen_(family.dialog.firstIndex) {
  const OptionForm& form = family.dialog;
  setObjectName(Q(form.form));
  setWindowTitle(Q(form.title));
  setModal(true);
  Frame1->setObjectName("Frame1");
  cmdOK->setObjectName("cmdOK");
  cmdOK->setDefault(true);

  const int count = static_cast<int>(family.rows.size());
  const int rows = form.columns > 1 ? (count + form.columns - 1) / form.columns
                   : count > kOptionsPerColumn ? (count + 1) / 2
                                               : count;
  auto* grid = new QGridLayout(Frame1);
  for (int i = 0; i < count; ++i) {
    const int index = form.firstIndex + i;
    auto* button = new QRadioButton(Q(family.rows[static_cast<std::size_t>(i)].caption), Frame1);
    button->setObjectName(Q(form.optionArray));
    button->setProperty("Index", index);
    button->setChecked(i == 0);
    const int row = form.columns > 1 ? i / form.columns : i % rows;
    const int column = form.columns > 1 ? i % form.columns : i / rows;
    grid->addWidget(button, row, 2 * column);
    connect(button, &QRadioButton::clicked, this, [this, index] { opn_Click(index); });
    options_.push_back(button);
  }

  auto* extrasForm = new QFormLayout;
  QGroupBox* extrasFrame = nullptr;
  if (!form.extrasFrame.empty()) {
    extrasFrame = new QGroupBox(Q(form.extrasFrame), this);
    extrasFrame->setObjectName("Frame2");
    extrasFrame->setLayout(extrasForm);
  }
  for (const ExtraWidget& e : form.extras) {
    auto* box = new QLineEdit(Q(e.initial), this);
    box->setObjectName(Q(e.name));
    extras_[std::string(e.name)] = box;
    if (e.besideOption >= 0) {
      const int i = e.besideOption - form.firstIndex;
      const int row = form.columns > 1 ? i / form.columns : i % rows;
      const int column = form.columns > 1 ? i % form.columns : i / rows;
      grid->addWidget(box, row, 2 * column + 1);
    } else {
      auto* label = new QLabel(Q(e.label), this);
      labels_[std::string(e.name)] = label;
      extrasForm->addRow(label, box);
    }
  }

  auto* outer = new QVBoxLayout(this);
  outer->addWidget(Frame1);
  if (extrasFrame) {
    outer->addWidget(extrasFrame);
  } else {
    outer->addLayout(extrasForm);
  }
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(cmdOK);
  outer->addLayout(bottom);

  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  SettleParameterDialog(*this);
}

OptionAnswer OptionDialog::answer() const {
  OptionAnswer a{chosen_, {}};
  for (const auto& [name, box] : extras_) a.extras[name] = box->text().toStdString();
  return a;
}

QRadioButton* OptionDialog::option(int index) const {
  const int i = index - form_.firstIndex;
  return i >= 0 && i < static_cast<int>(options_.size()) ? options_[i] : nullptr;
}

QLineEdit* OptionDialog::extra(const std::string& name) const {
  const auto it = extras_.find(name);
  return it == extras_.end() ? nullptr : it->second;
}

QLabel* OptionDialog::extraLabel(const std::string& name) const {
  const auto it = labels_.find(name);
  return it == labels_.end() ? nullptr : it->second;
}

void OptionDialog::opn_Click(int index) { chosen_ = index; }

void OptionDialog::cmdOK_Click() { accept(); }

ConstantDialog::ConstantDialog(Dialogs& messages, QWidget* parent)
    : OptionDialog(*FindOptionDialog("frmConst"), parent),
      txtConst(extra("txtConst")),
      messages_(messages) {
  connect(txtConst, &QLineEdit::textChanged, this, [this] { txtConst_Change(); });
}

void ConstantDialog::txtConst_Change() {
  option(kArbitrary)->setChecked(true);
  opn_Click(kArbitrary);
  // What is typed stays while it can still become a number, so that "-5"
  // and "1e-3" can be typed key by key; anything else empties the box.
  if (!IsNumberBeingTyped(txtConst->text().toStdString())) txtConst->setText("");
}

void ConstantDialog::cmdOK_Click() {
  // A number not typed to its end ("-", "1e") is no value either.
  if (option(kArbitrary)->isChecked() && !IsNumericText(txtConst->text().toStdString())) {
    messages_.messageBox("Please enter a value for the constant.", style::kExclamation,
                         kAppTitle);
    return;
  }
  accept();
}

std::unique_ptr<OptionDialog> MakeOptionDialog(const OptionCommand& family, Dialogs& messages,
                                               QWidget* parent) {
  if (family.dialog.form == "frmConst") return std::make_unique<ConstantDialog>(messages, parent);
  return std::make_unique<OptionDialog>(family, parent);
}

}  // namespace quorvin
