// The input hold of a command that waits in an event loop of its own.
#include "app/input_hold.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <optional>
#include <vector>

#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

// A window that records the mouse buttons pressed and let go on it.
struct Recording : QWidget {
  std::vector<std::string> seen;
  void mousePressEvent(QMouseEvent*) override { seen.push_back("press"); }
  void mouseReleaseEvent(QMouseEvent*) override { seen.push_back("release"); }
};

// A press the hold swallowed is let go of after the hold has ended: the
// window never saw the press, so it must not see its release either (a
// canvas takes a release alone for the end of a rubber band and drops the
// selection). The next press and release are its own again.
TEST(InputHold, TheReleaseOfAPressItSwallowedGoesTheSameWay) {
  testing_support::EnsureGuiApplication();
  Recording window;
  window.resize(100, 100);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  {
    const InputHold hold;
    QTest::mousePress(&window, Qt::LeftButton, {}, {10, 10});
  }
  QTest::mouseRelease(&window, Qt::LeftButton, {}, {10, 10});
  EXPECT_TRUE(window.seen.empty());
  QTest::mousePress(&window, Qt::LeftButton, {}, {20, 20});
  QTest::mouseRelease(&window, Qt::LeftButton, {}, {20, 20});
  EXPECT_EQ(window.seen, (std::vector<std::string>{"press", "release"}));
}

}  // namespace
}  // namespace quorvin
