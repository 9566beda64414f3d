#include "dialogs/matlab_command_dialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "dialogs/dialog_settling.h"
#include "dialogs/named_widget.h"

namespace quorvin {

namespace {

const QString kCaption = "Matlab Function";

// Check boxes captioned "1" to "N", named name(1) to name(N), in a row.
template <std::size_t N>
void AddNumberedChecks(QGroupBox* frame, const std::string& name,
                       std::array<QCheckBox*, N>& checks) {
  auto* row = new QHBoxLayout(frame);
  for (std::size_t k = 1; k <= N; ++k) {
    const int index = static_cast<int>(k);
    checks[k - 1] = Named<QCheckBox>(QString::fromStdString(IndexedName(name, index)),
                                     QString::number(index), frame);
    row->addWidget(checks[k - 1]);
  }
  row->addStretch(1);
}

template <std::size_t N>
std::array<bool, N> Ticks(const std::array<QCheckBox*, N>& checks) {
  std::array<bool, N> ticks{};
  for (std::size_t k = 0; k < N; ++k) ticks[k] = checks[k]->isChecked();
  return ticks;
}

}  // namespace

MatlabCommandDialog::MatlabCommandDialog(QWidget* parent, Dialogs* questions)
    : QDialog(parent),
      Frame1(Named<QGroupBox>("Frame1", "Function Name", this)),
      txtFunc(Named<QLineEdit>("txtFunc", Frame1)),
      Frame2(Named<QGroupBox>("Frame2", "Open inputs", this)),
      Frame3(Named<QGroupBox>("Frame3", "Open outputs", this)),
      cmdShowFunc(Named<QPushButton>("cmdShowFunc", "Show Functions", this)),
      cmdOK(Named<QPushButton>("cmdOK", "OK", this)),
      questions_(this, questions) {
  setObjectName("frmMatlabFunction");
  setWindowTitle(kCaption);
  setModal(true);
  cmdOK->setDefault(true);

  auto* command = new QVBoxLayout(Frame1);
  command->addWidget(txtFunc);
  AddNumberedChecks(Frame2, "chkInputs", chkInputs);
  AddNumberedChecks(Frame3, "chkOutputs", chkOutputs);

  auto* openings = new QHBoxLayout;
  openings->addWidget(Frame2);
  openings->addWidget(Frame3, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(cmdShowFunc);
  bottom->addStretch(1);
  bottom->addWidget(cmdOK);
  auto* outer = new QVBoxLayout(this);
  outer->addWidget(Frame1);
  outer->addLayout(openings);
  outer->addLayout(bottom);
  resize(440, sizeHint().height());

  connect(cmdShowFunc, &QPushButton::clicked, this, [this] { cmdShowFunc_Click(); });
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  SettleParameterDialog(*this);
}

MatlabCommandDialog::~MatlabCommandDialog() = default;

void MatlabCommandDialog::cmdShowFunc_Click() {
  const std::optional<std::string> name =
      RunFunctionBrowser(*this, browser_, BrowserCaller::MatlabCommand, kCaption, *questions_);
  if (name) txtFunc->setText(QString::fromStdString(*name));
}

void MatlabCommandDialog::cmdOK_Click() { accept(); }

MatlabCommandAnswer MatlabCommandDialog::answer() const {
  if (result() != QDialog::Accepted) return {};
  MatlabCommandAnswer a;
  a.accepted = true;
  a.command = txtFunc->text().toStdString();
  a.inputs = Ticks(chkInputs);
  a.outputs = Ticks(chkOutputs);
  return a;
}

MatlabCommandAnswer AskForMatlabCommand(QWidget* parent, FunctionBrowser browser,
                                        Dialogs* questions) {
  MatlabCommandDialog dialog(parent, questions);
  dialog.setFunctionBrowser(std::move(browser));
  dialog.exec();
  return dialog.answer();
}

}  // namespace quorvin
