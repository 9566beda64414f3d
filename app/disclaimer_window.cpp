#include "app/disclaimer_window.h"

#include <QVBoxLayout>

namespace quorvin {

const QString kDisclaimerTerms =
    "Quorvin may be copied and given to others free of charge, provided that the complete "
    "package is distributed: the program, its help pages and its files, unchanged. It may "
    "not be sold.\n\n"
    "Quorvin is provided \"as is\", without warranty of any kind, express or implied, "
    "including the warranties of merchantability, of fitness for a particular purpose and "
    "of non-infringement. Its developers accept no liability for any damage or loss that "
    "arises from using the program or the MATLAB script it writes. Check every generated "
    "script before relying on its results.\n\n"
    "Please report faults, together with a flowchart that shows them, on the issue tracker "
    "of the Quorvin project, so that they can be mended in a later version.";

DisclaimerWindow::DisclaimerWindow(QWidget* parent)
    : QDialog(parent), Label1(new QLabel(kDisclaimerTerms, this)), cmdOK(new QPushButton("OK", this)) {
  setObjectName("frmDisclaimer");
  setWindowTitle("Disclaimer");
  setModal(true);
  Label1->setObjectName("Label1");
  cmdOK->setObjectName("cmdOK");
  Label1->setWordWrap(true);
  Label1->setMinimumWidth(420);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(cmdOK, 0, Qt::AlignRight);
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

void DisclaimerWindow::cmdOK_Click() { accept(); }

void ShowDisclaimer(QWidget* parent) {
  DisclaimerWindow disclaimer(parent);
  disclaimer.exec();
}

}  // namespace quorvin
