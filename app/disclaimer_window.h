#pragma once
// frmDisclaimer: the program's terms of use.

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace quorvin {

// The terms, paragraphs separated by an empty line.
extern const QString kDisclaimerTerms;

class DisclaimerWindow : public QDialog {
 public:
  explicit DisclaimerWindow(QWidget* parent = nullptr);

  void cmdOK_Click();

  QLabel* Label1;
  QPushButton* cmdOK;
};

// Help, Disclaimer: shows the window modally.
void ShowDisclaimer(QWidget* parent);

}  // namespace quorvin
