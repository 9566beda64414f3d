#pragma once
// frmSplash: the captionless window the program shows while it starts. It
// names the program, its version and the platform, and warns to read the
// terms before use. It closes when its pause runs out, or earlier at a key
// or a click; the start-up goes on when it has closed.

#include <QFrame>
#include <QLabel>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace quorvin {

inline const QString kSplashWarning =
    "  Warning: Please read disclaimer and copyright statement before use.";

// "Version " and the program's version as major.minor.patch.
QString SplashVersionText();
// The platform the program runs on, as a person names it ("Linux").
QString PlatformName();

class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  // pauseMs: how long the window stays before it closes by itself; 0 closes
  // it at the first turn of the event loop.
  explicit SplashWindow(int pauseMs, QWidget* parent = nullptr);

  // Shows the window and starts its pause.
  void start();
  bool closedAlready() const { return closed_; }

  QFrame* Frame1;
  QLabel* imgLogo;
  QLabel* lblProductName;
  QLabel* lblVersion;
  QLabel* lblPlatform;
  QLabel* lblWarning;
  QLabel* lblPurpose;
  QLabel* lblTerms;

 signals:
  // Sent once, when the window has closed for whatever reason.
  void finished();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void finish();

  QTimer pause_;
  bool closed_ = false;
};

}  // namespace quorvin
