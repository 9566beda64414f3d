#include <gtest/gtest.h>

#include <QTest>

#include "app/about_window.h"
#include "app/disclaimer_window.h"
#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

TEST(AboutWindow, LooksAsItShould) {
  testing_support::EnsureGuiApplication();
  AboutWindow about;
  EXPECT_EQ(about.windowTitle(), "About");
  EXPECT_EQ(about.palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xE0));
  EXPECT_EQ(about.Label1->text(), "Quorvin");
  EXPECT_TRUE(about.Label1->font().bold());
  EXPECT_EQ(about.Label1->palette().color(QPalette::WindowText), QColor(Qt::blue));
  EXPECT_EQ(about.lblName->text().size(), 40);
  EXPECT_TRUE(about.lblName->text().startsWith("By the Quorvin developers"));
  EXPECT_EQ(about.Timer1->interval(), 150);
  EXPECT_TRUE(about.Timer1->isActive());
}

TEST(AboutWindow, TheCreditLineComesBackAfterFortyTicks) {
  testing_support::EnsureGuiApplication();
  AboutWindow about;
  about.Timer1->stop();  // the test drives the ticks
  const QString start = about.lblName->text();
  about.Timer1_Timer();
  EXPECT_EQ(about.lblName->text(), start.mid(1) + start.front());
  for (int tick = 2; tick <= 40; ++tick) {
    about.Timer1_Timer();
    EXPECT_EQ(about.lblName->text() == start, tick == 40) << tick;
  }
}

TEST(AboutWindow, TheTimerDrivesTheMarquee) {
  testing_support::EnsureGuiApplication();
  AboutWindow about;
  const QString start = about.lblName->text();
  about.Timer1->setInterval(1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return about.lblName->text() != start; }, 2000));
  about.cmdOK->click();
  EXPECT_FALSE(about.Timer1->isActive());
  EXPECT_EQ(about.result(), QDialog::Accepted);
}

TEST(DisclaimerWindow, StatesTheTermsAndOkCloses) {
  testing_support::EnsureGuiApplication();
  DisclaimerWindow disclaimer;
  EXPECT_EQ(disclaimer.windowTitle(), "Disclaimer");
  const QString terms = disclaimer.Label1->text();
  EXPECT_TRUE(terms.contains("complete package"));
  EXPECT_TRUE(terms.contains("without warranty"));
  EXPECT_TRUE(terms.contains("report faults"));
  EXPECT_GE(terms.count("\n\n"), 2);
  disclaimer.show();
  disclaimer.cmdOK->click();
  EXPECT_FALSE(disclaimer.isVisible());
  EXPECT_EQ(disclaimer.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace quorvin
