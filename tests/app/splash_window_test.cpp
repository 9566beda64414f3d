#include "app/splash_window.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

struct Splash : ::testing::Test {
  Splash() { testing_support::EnsureGuiApplication(); }
};

TEST_F(Splash, Texts) {
  SplashWindow splash(0);
  EXPECT_EQ(splash.objectName(), "frmSplash");
  EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint) << "captionless";
  EXPECT_EQ(splash.lblProductName->text(), "Quorvin");
  EXPECT_EQ(splash.lblWarning->text(),
            "  Warning: Please read disclaimer and copyright statement before use.");
  EXPECT_EQ(splash.lblPlatform->text(), "Linux");
  EXPECT_TRUE(QRegularExpression("^Version \\d+\\.\\d+\\.\\d+$")
                  .match(splash.lblVersion->text())
                  .hasMatch())
      << splash.lblVersion->text().toStdString();
  EXPECT_EQ(splash.lblVersion->text(), "Version " QUORVIN_VERSION);
  EXPECT_FALSE(splash.imgLogo->pixmap().isNull());
  for (const QLabel* label : {splash.lblPurpose, splash.lblTerms})
    EXPECT_FALSE(label->text().isEmpty());
}

TEST_F(Splash, APauseOfZeroEndsAtTheFirstTurnOfTheLoop) {
  SplashWindow splash(0);
  QSignalSpy finished(&splash, &SplashWindow::finished);
  splash.start();
  EXPECT_TRUE(splash.isVisible());
  EXPECT_EQ(finished.count(), 0) << "no busy wait: the start returns at once";
  ASSERT_TRUE(finished.wait(1000));
  EXPECT_FALSE(splash.isVisible());
  QCoreApplication::processEvents();
  EXPECT_EQ(finished.count(), 1);
}

// What follows the splash window (the directory picker, the start-up's
// messages) must not lie under it: it is off the screen when it tells.
TEST_F(Splash, IsGoneWhenItTellsItHasFinished) {
  for (const int pauseMs : {0, 60000}) {
    SplashWindow splash(pauseMs);
    std::vector<bool> shownWhenTold;
    QObject::connect(&splash, &SplashWindow::finished,
                     [&] { shownWhenTold.push_back(splash.isVisible()); });
    splash.start();
    if (pauseMs > 0) QTest::keyClick(&splash, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shownWhenTold.empty(); }, 2000)) << pauseMs;
    EXPECT_EQ(shownWhenTold, std::vector<bool>{false}) << pauseMs;
  }
}

TEST_F(Splash, AKeyOrAClickClosesItBeforeItsPauseEnds) {
  for (const bool key : {true, false}) {
    SplashWindow splash(60000);
    QSignalSpy finished(&splash, &SplashWindow::finished);
    splash.start();
    if (key)
      QTest::keyClick(&splash, Qt::Key_Space);
    else
      QTest::mouseClick(splash.lblProductName, Qt::LeftButton);
    EXPECT_EQ(finished.count(), 1) << key;
    EXPECT_FALSE(splash.isVisible()) << key;
    splash.close();
    EXPECT_EQ(finished.count(), 1) << "told once";
  }
}

}  // namespace
}  // namespace quorvin
