#pragma once
// frmAbout: the product name on light yellow, and a credit line that
// scrolls to the left without end, one character every 150 ms.

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace quorvin {

// Exactly 40 characters: the marquee comes back to its start after 40 steps.
inline const QString kAboutCreditLine = "By the Quorvin developers               ";
constexpr int kMarqueeIntervalMs = 150;

// One step of the marquee: the text without its first character, followed
// by that character.
QString MarqueeStep(const QString& text);

class AboutWindow : public QDialog {
 public:
  explicit AboutWindow(QWidget* parent = nullptr);

  void Timer1_Timer();
  void cmdOK_Click();

  QLabel* Label1;
  QLabel* lblName;
  QTimer* Timer1;
  QPushButton* cmdOK;
};

// Help, About: shows the window modally.
void ShowAbout(QWidget* parent);

}  // namespace quorvin
