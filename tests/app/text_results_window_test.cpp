#include "app/text_results_window.h"

#include <gtest/gtest.h>

#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

TEST(TextResultsWindow, KeepsTheExchangeAcrossRunsUntilOk) {
  testing_support::EnsureGuiApplication();
  TextResultsWindow window;
  EXPECT_EQ(window.objectName(), "frmTextResults");
  EXPECT_EQ(window.windowTitle(), "Matlab Text Results");
  EXPECT_EQ(window.cmdOK->text(), "OK");
  EXPECT_TRUE(window.isWindow());
  EXPECT_FALSE(window.isModal());

  window.show();
  window.append("box1=[ 1 2 3 ];\r\n");
  window.append("box3=box2\r\nbox3 = 0.8415\r\n");  // a second run goes on from the first
  EXPECT_EQ(window.text(), "box1=[ 1 2 3 ];\r\nbox3=box2\r\nbox3 = 0.8415\r\n");
  EXPECT_EQ(window.txt->toPlainText(), "box1=[ 1 2 3 ];\nbox3=box2\nbox3 = 0.8415\n");

  window.cmdOK->click();
  EXPECT_TRUE(window.isHidden());
  EXPECT_EQ(window.text(), "");
  EXPECT_EQ(window.txt->toPlainText(), "");
  window.append("x\r\n");
  EXPECT_EQ(window.txt->toPlainText(), "x\n");

  window.show();
  window.close();  // the close box
  EXPECT_TRUE(window.isHidden());
  EXPECT_EQ(window.text(), "");
}

}  // namespace
}  // namespace quorvin
