#include "dialogs/formula_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "dialogs/dialog_settling.h"
#include "dialogs/named_widget.h"
#include "model/numeric_text.h"

namespace quorvin {

namespace {

const QString kCaption = "Function Editor";

std::string Std(const QString& text) { return text.toStdString(); }

}  // namespace

FormulaDialog::FormulaDialog(QWidget* parent, Dialogs* questions)
    : QDialog(parent),
      Frame1(Named<QGroupBox>("Frame1", "Function to compute", this)),
      txtoutput(Named<QLineEdit>("txtoutput", "output", Frame1)),
      Label1(Named<QLabel>("Label1", "=", Frame1)),
      txtFunc(Named<QLineEdit>("txtFunc", Frame1)),
      cmdMatlab(Named<QPushButton>("cmdMatlab", "Select a Matlab command", Frame1)),
      Frame2(Named<QGroupBox>("Frame2", "Echo input", this)),
      Frame3(Named<QGroupBox>("Frame3", "Manipulate a single cell", this)),
      chkcell(Named<QCheckBox>("chkcell", "Manipulate a cell on row:", Frame3)),
      txtRow(Named<QLineEdit>("txtRow", Frame3)),
      Label2(Named<QLabel>("Label2", "and column:", Frame3)),
      txtCol(Named<QLineEdit>("txtCol", Frame3)),
      cmdOK(Named<QPushButton>("cmdOK", "OK", this)),
      questions_(this, questions) {
  setObjectName("frmFunc");
  setWindowTitle(kCaption);
  setModal(true);
  cmdOK->setDefault(true);
  Label1->setTextFormat(Qt::PlainText);
  Label2->setTextFormat(Qt::PlainText);

  auto* formula = new QGridLayout(Frame1);
  formula->addWidget(txtoutput, 0, 0);
  formula->addWidget(Label1, 0, 1);
  formula->addWidget(txtFunc, 0, 2);
  formula->setColumnStretch(2, 1);
  formula->addWidget(cmdMatlab, 1, 2, Qt::AlignRight);

  auto* echo = new QHBoxLayout(Frame2);
  for (int k = 1; k <= kFormulaInputs; ++k) {
    auto* box = Named<QCheckBox>(QString::fromStdString(IndexedName("opnInput", k)),
                                 QString("Input #%1").arg(k), Frame2);
    opnInput[static_cast<std::size_t>(k - 1)] = box;
    echo->addWidget(box);
    connect(box, &QCheckBox::toggled, this, [this, k] { opnInput_Click(k); });
  }

  auto* cell = new QHBoxLayout(Frame3);
  cell->addWidget(chkcell);
  cell->addWidget(txtRow);
  cell->addWidget(Label2);
  cell->addWidget(txtCol);

  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(cmdOK);
  auto* outer = new QVBoxLayout(this);
  outer->addWidget(Frame1);
  outer->addWidget(Frame2);
  outer->addWidget(Frame3);
  outer->addLayout(bottom);
  resize(480, sizeHint().height());

  connect(txtRow, &QLineEdit::textChanged, this, [this] { txtRow_Change(); });
  connect(txtCol, &QLineEdit::textChanged, this, [this] { txtCol_Change(); });
  connect(cmdMatlab, &QPushButton::clicked, this, [this] { cmdMatlab_Click(); });
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  // The formula is what a person writes; the result name is given.
  SettleParameterDialog(*this, txtFunc);
}

FormulaDialog::~FormulaDialog() = default;

void FormulaDialog::presetForInsert() {
  txtFunc->clear();
  for (QCheckBox* box : opnInput) box->setChecked(false);
  txtRow->setText("1");
  txtCol->setText("1");
}

void FormulaDialog::opnInput_Click(int index) {
  if (index < 1 || index > kFormulaInputs) return;
  QCheckBox* box = opnInput[static_cast<std::size_t>(index - 1)];
  if (!box->isChecked()) return;  // the untick below raised this
  txtFunc->setText(txtFunc->text() + QString::fromStdString(FormulaPlaceholder(index)));
  box->setChecked(false);
}

void FormulaDialog::FilterCellText(QLineEdit* box) {
  chkcell->setChecked(true);
  const QString text = box->text();
  if (!text.isEmpty() && !IsNumericText(Std(text))) box->clear();
}

void FormulaDialog::txtRow_Change() { FilterCellText(txtRow); }

void FormulaDialog::txtCol_Change() { FilterCellText(txtCol); }

void FormulaDialog::cmdMatlab_Click() {
  const std::optional<std::string> name =
      RunFunctionBrowser(*this, browser_, BrowserCaller::Formula, kCaption, *questions_);
  if (!name) return;
  txtFunc->setText(txtFunc->text() + QString::fromStdString(LowerCased(*name)));
}

void FormulaDialog::cmdOK_Click() {
  if (chkcell->isChecked() && (txtRow->text().isEmpty() || txtCol->text().isEmpty())) {
    questions_->messageBox("Please enter which cell to change.", style::kExclamation, kAppTitle);
    return;
  }
  accept();
}

FormulaAnswer FormulaDialog::answer() const {
  if (result() != QDialog::Accepted) return {};
  FormulaAnswer a;
  a.accepted = true;
  a.output = Std(txtoutput->text());
  a.formula = Std(txtFunc->text());
  a.cell = chkcell->isChecked();
  a.row = Std(txtRow->text());
  a.column = Std(txtCol->text());
  return a;
}

FormulaAnswer AskForFormula(QWidget* parent, FunctionBrowser browser, Dialogs* questions) {
  FormulaDialog dialog(parent, questions);
  dialog.setFunctionBrowser(std::move(browser));
  dialog.presetForInsert();
  dialog.exec();
  return dialog.answer();
}

}  // namespace quorvin
