#include "app/about_window.h"

#include <QFont>
#include <QFontDatabase>
#include <QPalette>
#include <QVBoxLayout>

namespace quorvin {

QString MarqueeStep(const QString& text) {
  if (text.isEmpty()) return text;
  return text.mid(1) + text.front();
}

AboutWindow::AboutWindow(QWidget* parent)
    : QDialog(parent),
      Label1(new QLabel("Quorvin", this)),
      lblName(new QLabel(kAboutCreditLine, this)),
      Timer1(new QTimer(this)),
      cmdOK(new QPushButton("OK", this)) {
  setObjectName("frmAbout");
  setWindowTitle("About");
  setModal(true);
  Label1->setObjectName("Label1");
  lblName->setObjectName("lblName");
  cmdOK->setObjectName("cmdOK");

  QPalette yellow = palette();
  yellow.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xE0));  // light yellow
  setPalette(yellow);
  setAutoFillBackground(true);

  QFont big = Label1->font();
  big.setPointSize(28);
  big.setBold(true);
  Label1->setFont(big);
  QPalette blue = Label1->palette();
  blue.setColor(QPalette::WindowText, Qt::blue);
  Label1->setPalette(blue);
  Label1->setAlignment(Qt::AlignCenter);
  // A fixed-pitch font keeps the scrolling line the same width at every step.
  lblName->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  lblName->setAlignment(Qt::AlignCenter);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addWidget(lblName);
  layout->addWidget(cmdOK, 0, Qt::AlignRight);

  Timer1->setInterval(kMarqueeIntervalMs);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  Timer1->start();
}

void AboutWindow::Timer1_Timer() { lblName->setText(MarqueeStep(lblName->text())); }

void AboutWindow::cmdOK_Click() {
  Timer1->stop();
  accept();
}

void ShowAbout(QWidget* parent) {
  AboutWindow about(parent);
  about.exec();
}

}  // namespace quorvin
