#include "dialogs/value_dialogs.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "dialogs/dialog_settling.h"
#include "model/numeric_text.h"

namespace quorvin {

namespace {

std::string Text(const QLineEdit* box) { return box->text().toStdString(); }
QString Q(const std::string& text) { return QString::fromStdString(text); }

// The common frame of the value dialogs: title, name, and OK at the bottom
// right of a vertical layout; OK hides the dialog for the caller to read.
QVBoxLayout* Frame(QDialog& dialog, const char* name, const char* title,
                   QPushButton*& ok) {
  dialog.setObjectName(name);
  dialog.setWindowTitle(title);
  dialog.setModal(true);
  ok = new QPushButton("OK", &dialog);
  ok->setObjectName("cmdOK");
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, &dialog, [&dialog] { dialog.accept(); });
  return new QVBoxLayout(&dialog);
}

// OK at the bottom right ends every layout.
void AddOk(QVBoxLayout* outer, QPushButton* ok) {
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(ok);
  outer->addLayout(bottom);
}

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

}  // namespace

BasicDialog::BasicDialog(QWidget* parent) : QDialog(parent) {
  const ArithmeticAnswer initial;
  QVBoxLayout* outer = Frame(*this, "frmBasic", "Basic Arithmatic", cmdOK);
  Frame1 = Named(new QGroupBox("Choose a function", this), "Frame1");
  add = Named(new QRadioButton("+", Frame1), "add");
  sub = Named(new QRadioButton("-", Frame1), "sub");
  mul = Named(new QRadioButton("*", Frame1), "mul");
  div = Named(new QRadioButton("/", Frame1), "div");
  power = Named(new QRadioButton("^", Frame1), "power");
  operators()[static_cast<std::size_t>(initial.op)]->setChecked(true);
  auto* row = new QHBoxLayout(Frame1);
  for (QRadioButton* b : operators()) row->addWidget(b);
  chkElement = Named(new QCheckBox("Element by element operation", this), "chkElement");
  chkElement->setChecked(initial.elementwise);
  outer->addWidget(Frame1);
  outer->addWidget(chkElement);
  AddOk(outer, cmdOK);
  SettleParameterDialog(*this);
}

ArithmeticAnswer BasicDialog::answer() const {
  ArithmeticAnswer a;
  const std::array<QRadioButton*, 5> buttons = operators();
  for (std::size_t k = 0; k < buttons.size(); ++k) {
    if (!buttons[k]->isChecked()) continue;
    a.op = static_cast<ArithmeticOperator>(k);
    break;
  }
  a.elementwise = chkElement->isChecked();
  return a;
}

PauseDialog::PauseDialog(QWidget* parent) : QDialog(parent) {
  const PauseAnswer initial;
  QVBoxLayout* outer = Frame(*this, "frmPause", "Pause execution", cmdOK);
  Label1 = Named(new QLabel("Pause for: ", this), "Label1");
  lblSecs = Named(new QLineEdit(Q(initial.seconds), this), "lblSecs");
  Label3 = Named(new QLabel("Seconds", this), "Label3");
  spn = Named(new QScrollBar(Qt::Vertical, this), "spn");
  spn->setRange(-1, 1);
  spn->setValue(0);
  chkNoNumber = Named(new QCheckBox("Wait until user prompts", this), "chkNoNumber");
  chkNoNumber->setChecked(initial.waitForUser);
  auto* row = new QHBoxLayout;
  row->addWidget(Label1);
  row->addWidget(lblSecs);
  row->addWidget(spn);
  row->addWidget(Label3);
  outer->addLayout(row);
  outer->addWidget(chkNoNumber);
  AddOk(outer, cmdOK);
  SettleParameterDialog(*this);

  connect(chkNoNumber, &QCheckBox::toggled, this, [this] { chkNoNumber_Click(); });
  connect(lblSecs, &QLineEdit::textChanged, this, [this] { lblSecs_Change(); });
  // The scroll bar's upper arrow counts the seconds up, the lower one down.
  connect(spn, &QScrollBar::actionTriggered, this, [this](int action) {
    if (action == QAbstractSlider::SliderSingleStepSub) IncrementSeconds();
    if (action == QAbstractSlider::SliderSingleStepAdd) DecrementSeconds();
  });
  connect(spn, &QScrollBar::valueChanged, this, [this] {
    const QSignalBlocker quiet(spn);
    spn->setValue(0);
  });
}

PauseAnswer PauseDialog::answer() const { return {Text(lblSecs), chkNoNumber->isChecked()}; }

void PauseDialog::chkNoNumber_Click() {
  const bool enabled = !chkNoNumber->isChecked();
  spn->setEnabled(enabled);
  lblSecs->setEnabled(enabled);
}

void PauseDialog::lblSecs_Change() {
  if (!IsNumericText(Text(lblSecs))) {
    lblSecs->setText("0");
    return;  // the change above ran this handler again on "0"
  }
  if (lblSecs->text().toDouble() < 0) lblSecs->setText("0");
}

void PauseDialog::IncrementSeconds() {
  lblSecs->setText(QString::number(lblSecs->text().toDouble() + 1));
}

void PauseDialog::DecrementSeconds() {
  lblSecs->setText(QString::number(lblSecs->text().toDouble() - 1));
}

UserInputDialog::UserInputDialog(QWidget* parent) : QDialog(parent) {
  QVBoxLayout* outer = Frame(*this, "frmUserInput", "User prompt for input", cmdOK);
  Frame1 = Named(new QGroupBox("Enter the prompt for user input:", this), "Frame1");
  txtPrompt = Named(new QLineEdit(Frame1), "txtPrompt");
  (new QVBoxLayout(Frame1))->addWidget(txtPrompt);
  outer->addWidget(Frame1);
  AddOk(outer, cmdOK);
  SettleParameterDialog(*this);
}

std::string UserInputDialog::answer() const { return Text(txtPrompt); }

MakeVectorDialog::MakeVectorDialog(QWidget* parent) : QDialog(parent) {
  const VectorAnswer initial;
  QVBoxLayout* outer = Frame(*this, "frmMakeVector", "Make Vector", cmdOK);
  txtMin = Named(new QLineEdit(Q(initial.min), this), "txtMin");
  txtStep = Named(new QLineEdit(Q(initial.step), this), "txtStep");
  txtMax = Named(new QLineEdit(Q(initial.max), this), "txtMax");
  lblMin = new QLabel("Minimum:", this);
  lblStep = new QLabel("Step:", this);
  lblMax = new QLabel("Maximum", this);
  auto* form = new QFormLayout;
  form->addRow(lblMin, txtMin);
  form->addRow(lblStep, txtStep);
  form->addRow(lblMax, txtMax);
  outer->addLayout(form);
  AddOk(outer, cmdOK);
  SettleParameterDialog(*this);
}

VectorAnswer MakeVectorDialog::answer() const {
  return {Text(txtMin), Text(txtStep), Text(txtMax)};
}

SplitDialog::SplitDialog(QWidget* parent) : QDialog(parent) {
  const SplitAnswer initial;
  QVBoxLayout* outer = Frame(*this, "frmSplit", "Matrix Split", cmdOK);
  Frame1 = Named(new QGroupBox("Select row or column", this), "Frame1");
  row = Named(new QRadioButton("Row", Frame1), "row");
  Col = Named(new QRadioButton("Column", Frame1), "Col");
  (initial.rows ? row : Col)->setChecked(true);
  auto* options = new QHBoxLayout(Frame1);
  options->addWidget(row);
  options->addWidget(Col);
  txtFrom = Named(new QLineEdit(Q(initial.from), this), "txtFrom");
  txtTo = Named(new QLineEdit(Q(initial.to), this), "txtTo");
  lblFrom = new QLabel("From:", this);
  lblTo = new QLabel("To:", this);
  auto* range = new QHBoxLayout;
  range->addWidget(lblFrom);
  range->addWidget(txtFrom);
  range->addWidget(lblTo);
  range->addWidget(txtTo);
  outer->addWidget(Frame1);
  outer->addLayout(range);
  AddOk(outer, cmdOK);
  // Rows are chosen already: what a person types first is the range.
  SettleParameterDialog(*this, txtFrom);
  connect(txtTo, &QLineEdit::textChanged, this, [this] { txtTo_Change(); });
}

SplitAnswer SplitDialog::answer() const {
  return {row->isChecked(), Text(txtFrom), Text(txtTo)};
}

void SplitDialog::txtTo_Change() {
  if (txtFrom->text().isEmpty()) txtFrom->setText("1");
}

}  // namespace quorvin
