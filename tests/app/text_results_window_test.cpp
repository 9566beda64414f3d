#include "app/text_results_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

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

// By the keyboard alone: Tab leaves the text for OK, and Enter there does
// what a click does, as on every other OK of the program.
TEST(TextResultsWindow, TabThenEnterOnOkClosesIt) {
  testing_support::EnsureGuiApplication();
  for (const Qt::Key enter : {Qt::Key_Return, Qt::Key_Enter}) {
    SCOPED_TRACE(enter == Qt::Key_Return ? "Return" : "keypad Enter");
    TextResultsWindow window;
    window.show();
    QApplication::setActiveWindow(&window);
    window.append("box1=1\r\nbox1 = 1\r\n");
    window.txt->setFocus();
    QTest::keyClick(window.txt, Qt::Key_Tab);
    ASSERT_TRUE(window.cmdOK->hasFocus());
    QTest::keyClick(window.cmdOK, enter);
    EXPECT_TRUE(window.isHidden());
    EXPECT_EQ(window.text(), "");
  }
}

// While a statement runs, the window shows it and its output so far below
// the exchange; the statement's entry takes the place of that live tail.
TEST(TextResultsWindow, ALiveTailShowsTheRunningStatementUntilItsEntryComes) {
  testing_support::EnsureGuiApplication();
  TextResultsWindow window;
  window.show();
  window.append("box1=1;\r\n");
  window.showStatement("box2=f(box1)\r\n");
  window.showArriving("partial");
  window.showArriving(" more\nline");
  EXPECT_EQ(window.txt->toPlainText(), "box1=1;\nbox2=f(box1)\npartial more\nline");
  EXPECT_EQ(window.text(), "box1=1;\r\n");  // the tail is not part of the exchange
  window.append("box2=f(box1)\r\npartial more\r\nlines\r\nbox2 = 1\r\n");
  EXPECT_EQ(window.txt->toPlainText(), "box1=1;\nbox2=f(box1)\npartial more\nlines\nbox2 = 1\n");

  // A statement whose entry never came gives way to the next; output
  // without a statement starts a tail of its own.
  window.showStatement("a\r\n");
  window.showArriving("from a\n");
  window.showStatement("b\r\n");
  EXPECT_TRUE(window.txt->toPlainText().endsWith("box2 = 1\nb\n"));
  window.append("b\r\n");
  window.showArriving("stray");
  EXPECT_TRUE(window.txt->toPlainText().endsWith("box2 = 1\nb\nstray"));
  window.append("c\r\n");
  EXPECT_TRUE(window.txt->toPlainText().endsWith("box2 = 1\nb\nc\n"));

  // OK empties the tail with the rest.
  window.showStatement("d\r\n");
  window.cmdOK->click();
  EXPECT_EQ(window.txt->toPlainText(), "");
  window.append("e\r\n");
  EXPECT_EQ(window.txt->toPlainText(), "e\n");
}

}  // namespace
}  // namespace quorvin
