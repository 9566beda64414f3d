#include "dialogs/flow_control_dialogs.h"

#include <gtest/gtest.h>

#include <QTest>

#include "tests/dialogs/dialog_test_support.h"
#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

class FlowControlDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override { testing_support::EnsureGuiApplication(); }

  // The widgets Tab visits from first on, up to and excluding first again.
  static std::vector<QString> TabOrder(QWidget* first) {
    std::vector<QString> order;
    QWidget* w = first;
    do {
      if ((w->focusPolicy() & Qt::TabFocus) != 0 && w->isEnabled()) {
        order.push_back(w->objectName());
      }
      w = w->nextInFocusChain();
    } while (w != first && order.size() < 20);
    return order;
  }
};

TEST_F(FlowControlDialogsTest, ConditionControlsAndCaptions) {
  ConditionDialog d;
  EXPECT_EQ(d.objectName(), "frmIf");
  EXPECT_EQ(d.windowTitle(), "Condition Statement");
  EXPECT_EQ(d.Label1->text(), "Please Enter The Branching Condition");
  EXPECT_EQ(d.chkelse->text(), "Second Output is '&else' Branch");
  EXPECT_EQ(d.cmdOK->text(), "OK");
  EXPECT_EQ(d.findChild<QLineEdit*>("txtCondition"), d.txtCondition);
  EXPECT_EQ(d.findChild<QCheckBox*>("chkelse"), d.chkelse);
  EXPECT_EQ(d.findChild<QPushButton*>("cmdOK"), d.cmdOK);
  EXPECT_EQ(d.txtCondition->text(), "");
  EXPECT_FALSE(d.chkelse->isChecked());
  EXPECT_EQ(d.focusWidget(), d.txtCondition);
  EXPECT_EQ(TabOrder(d.txtCondition), (std::vector<QString>{"txtCondition", "chkelse", "cmdOK"}));
}

TEST_F(FlowControlDialogsTest, ConditionWithElse) {
  ConditionDialog d;
  d.show();
  QTest::keyClicks(d.txtCondition, "x>0");
  d.chkelse->click();
  d.cmdOK->click();
  EXPECT_TRUE(d.isHidden());
  EXPECT_EQ(d.answer(), (ConditionAnswer{true, "x>0", true}));
  EXPECT_EQ(ConditionParams(d.answer()), "elsex>0");
}

TEST_F(FlowControlDialogsTest, ConditionWithoutElseAndClosed) {
  ConditionDialog ok;
  ok.txtCondition->setText("a==b");
  ok.cmdOK->click();
  EXPECT_EQ(ConditionParams(ok.answer()), "a==b");

  ConditionDialog closed;
  closed.show();
  closed.txtCondition->setText("a==b");
  closed.chkelse->setChecked(true);
  testing::CloseWithoutOk(closed);
  EXPECT_TRUE(closed.isHidden());
  EXPECT_EQ(closed.answer(), ConditionAnswer{});
  EXPECT_EQ(ConditionParams(closed.answer()), "");
}

TEST_F(FlowControlDialogsTest, ForLoopControlsCaptionsAndTabOrder) {
  ForLoopDialog d;
  EXPECT_EQ(d.objectName(), "frmForLoop");
  EXPECT_EQ(d.windowTitle(), "For Loop");
  const std::pair<QLabel*, const char*> labels[] = {
      {d.Label1, "Loop From:"}, {d.Label2, "Until:"}, {d.Label3, "Increment:"}};
  for (const auto& [label, caption] : labels) EXPECT_EQ(label->text(), caption);
  EXPECT_EQ(d.findChild<QLabel*>("Label2"), d.Label2);
  EXPECT_EQ(d.cmd->objectName(), "cmd");
  EXPECT_EQ(d.cmd->text(), "OK");
  for (QLineEdit* field : {d.txtFrom, d.txtUntil, d.txtInc}) EXPECT_EQ(field->text(), "1");
  EXPECT_EQ(d.focusWidget(), d.txtFrom);
  EXPECT_EQ(TabOrder(d.txtFrom), (std::vector<QString>{"txtFrom", "txtUntil", "txtInc", "cmd"}));
}

TEST_F(FlowControlDialogsTest, ForLoopReadsFromIncrementUntil) {
  ForLoopDialog d;
  d.show();
  d.txtFrom->setText("0");
  d.txtUntil->setText("10");
  d.txtInc->setText("2");
  d.cmd->click();
  EXPECT_TRUE(d.isHidden());
  EXPECT_EQ(d.answer(), (ForLoopAnswer{true, "0", "10", "2"}));
  EXPECT_EQ(ForLoopParams(d.answer()), "0:2:10,");
}

TEST_F(FlowControlDialogsTest, ForLoopClosedAnswersOneOneOne) {
  ForLoopDialog d;
  d.show();
  d.txtFrom->setText("5");
  testing::CloseWithoutOk(d);
  EXPECT_EQ(d.answer(), ForLoopAnswer{});
  EXPECT_EQ(ForLoopParams(d.answer()), "1:1:1,");
}

}  // namespace
}  // namespace quorvin
