#include "app/splash_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QSysInfo>
#include <QVBoxLayout>

#include "platform/icon_sheet.h"

namespace quorvin {

QString SplashVersionText() { return "Version " + QStringLiteral(QUORVIN_VERSION); }

QString PlatformName() {
  const QString kernel = QSysInfo::kernelType();
  if (kernel == "linux") return "Linux";
  return kernel.isEmpty() ? QString("Unknown") : kernel.left(1).toUpper() + kernel.mid(1);
}

namespace {

QLabel* AddLabel(QVBoxLayout* layout, QWidget* parent, const char* name, const QString& text,
                 int pointSize, bool bold) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  QFont font = label->font();
  if (pointSize > 0) font.setPointSize(pointSize);
  font.setBold(bold);
  label->setFont(font);
  layout->addWidget(label);
  return label;
}

}  // namespace

SplashWindow::SplashWindow(int pauseMs, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName("frmSplash");
  // Captionless; the title only names the window to the window system.
  setWindowTitle("Quorvin Splash");
  setAttribute(Qt::WA_DeleteOnClose, false);
  auto* outer = new QVBoxLayout(this);
  Frame1 = new QFrame(this);
  Frame1->setObjectName("Frame1");
  Frame1->setFrameShape(QFrame::Box);
  outer->addWidget(Frame1);
  auto* layout = new QVBoxLayout(Frame1);
  layout->setContentsMargins(24, 18, 24, 18);
  imgLogo = new QLabel(Frame1);
  imgLogo->setObjectName("imgLogo");
  imgLogo->setPixmap(ProgramIcon());
  layout->addWidget(imgLogo);
  lblProductName = AddLabel(layout, Frame1, "lblProductName", "Quorvin", 24, true);
  lblPurpose = AddLabel(layout, Frame1, "lblPurpose",
                        "Flowcharts that become MATLAB script", 0, false);
  lblVersion = AddLabel(layout, Frame1, "lblVersion", SplashVersionText(), 0, false);
  lblPlatform = AddLabel(layout, Frame1, "lblPlatform", PlatformName(), 0, false);
  lblTerms = AddLabel(layout, Frame1, "lblTerms",
                      "Free to copy and give away, as a complete package.", 0, false);
  lblWarning = AddLabel(layout, Frame1, "lblWarning", kSplashWarning, 0, false);
  adjustSize();

  pause_.setSingleShot(true);
  pause_.setInterval(pauseMs > 0 ? pauseMs : 0);
  connect(&pause_, &QTimer::timeout, this, [this] { close(); });
}

void SplashWindow::start() {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  show();
  raise();
  pause_.start();
}

void SplashWindow::keyPressEvent(QKeyEvent* event) {
  event->accept();
  close();
}

void SplashWindow::mousePressEvent(QMouseEvent* event) {
  event->accept();
  close();
}

void SplashWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  finish();
}

void SplashWindow::finish() {
  pause_.stop();
  if (closed_) return;
  closed_ = true;
  // Gone from the screen before the start-up goes on: the directory picker
  // and the start-up's messages come next, and none may lie under it.
  hide();
  emit finished();
}

}  // namespace quorvin
