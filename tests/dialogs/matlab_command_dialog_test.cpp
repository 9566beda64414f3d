#include "dialogs/matlab_command_dialog.h"

#include <gtest/gtest.h>

#include <QTest>
#include <deque>

#include "tests/dialogs/dialog_test_support.h"
#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

class MatlabCommandDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { testing_support::EnsureGuiApplication(); }
  testing::ScriptedDialogs questions;
};

TEST_F(MatlabCommandDialogTest, ControlsAndCaptions) {
  MatlabCommandDialog d(nullptr, &questions);
  EXPECT_EQ(d.objectName(), "frmMatlabFunction");
  EXPECT_EQ(d.windowTitle(), "Matlab Function");
  EXPECT_EQ(d.Frame1->title(), "Function Name");
  EXPECT_EQ(d.Frame2->title(), "Open inputs");
  EXPECT_EQ(d.Frame3->title(), "Open outputs");
  EXPECT_EQ(d.cmdShowFunc->text(), "Show Functions");
  EXPECT_EQ(d.cmdOK->text(), "OK");
  EXPECT_EQ(d.findChild<QLineEdit*>("txtFunc"), d.txtFunc);
  EXPECT_EQ(d.txtFunc->text(), "");
  EXPECT_EQ(d.findChild<QPushButton*>("cmdCancel"), nullptr) << "there is no Cancel";
  for (int k = 1; k <= 3; ++k) {
    auto* box = d.findChild<QCheckBox*>(QString("chkInputs(%1)").arg(k));
    ASSERT_NE(box, nullptr) << k;
    EXPECT_EQ(box, d.chkInputs[static_cast<std::size_t>(k - 1)]);
    EXPECT_EQ(box->text(), QString::number(k));
    EXPECT_EQ(box->parentWidget(), d.Frame2);
    EXPECT_FALSE(box->isChecked());
  }
  for (int k = 1; k <= 5; ++k) {
    auto* box = d.findChild<QCheckBox*>(QString("chkOutputs(%1)").arg(k));
    ASSERT_NE(box, nullptr) << k;
    EXPECT_EQ(box, d.chkOutputs[static_cast<std::size_t>(k - 1)]);
    EXPECT_EQ(box->text(), QString::number(k));
    EXPECT_EQ(box->parentWidget(), d.Frame3);
    EXPECT_FALSE(box->isChecked());
  }
}

TEST_F(MatlabCommandDialogTest, EntriesAndExitsFromTheCheckBoxes) {
  MatlabCommandDialog d(nullptr, &questions);
  d.show();
  QTest::keyClicks(d.txtFunc, "PLOT(Input1)");
  d.chkInputs[0]->click();
  d.chkInputs[2]->click();
  d.chkOutputs[1]->click();
  d.chkOutputs[4]->click();
  d.chkOutputs[4]->click();  // ticked and unticked again
  d.cmdOK->click();
  EXPECT_TRUE(d.isHidden());
  const MatlabCommandAnswer a = d.answer();
  EXPECT_TRUE(a.accepted);
  EXPECT_EQ(a.command, "PLOT(Input1)") << "the dialog answers as typed";
  EXPECT_EQ(MatlabCommandParams(a.command), "Output=plot(input1)");
  EXPECT_EQ(MatlabCommandEntrySlots(a), (std::array<int16_t, 3>{0, -1, 0}));
  EXPECT_EQ(MatlabCommandExitSlots(a), (std::array<int16_t, 5>{-1, 0, -1, -1, -1}));
}

TEST_F(MatlabCommandDialogTest, OkWithNothingTickedClosesEverySlot) {
  MatlabCommandDialog d(nullptr, &questions);
  d.cmdOK->click();
  const MatlabCommandAnswer a = d.answer();
  EXPECT_TRUE(a.accepted);
  EXPECT_EQ(MatlabCommandEntrySlots(a), (std::array<int16_t, 3>{-1, -1, -1}));
  EXPECT_EQ(MatlabCommandExitSlots(a), (std::array<int16_t, 5>{-1, -1, -1, -1, -1}));
  EXPECT_EQ(MatlabCommandParams(a.command), "Output=");
}

TEST_F(MatlabCommandDialogTest, ClosedWithoutOkAnswersAFreshDialog) {
  MatlabCommandDialog d(nullptr, &questions);
  d.show();
  d.txtFunc->setText("disp(1)");
  for (QCheckBox* box : d.chkInputs) box->setChecked(true);
  for (QCheckBox* box : d.chkOutputs) box->setChecked(true);
  testing::CloseWithoutOk(d);
  EXPECT_TRUE(d.isHidden());
  EXPECT_EQ(d.answer(), MatlabCommandAnswer{});
}

TEST_F(MatlabCommandDialogTest, BrowserReplacesTheCommandKeepingTheNamesCase) {
  MatlabCommandDialog d(nullptr, &questions);
  std::vector<BrowserCaller> callers;
  std::vector<QString> captions;
  std::deque<std::optional<std::string>> picks{"FFT", "ifft", std::nullopt, ""};
  d.setFunctionBrowser([&](BrowserCaller caller) {
    callers.push_back(caller);
    captions.push_back(d.windowTitle());
    auto pick = picks.front();
    picks.pop_front();
    return pick;
  });
  d.txtFunc->setText("typed");
  d.cmdShowFunc->click();
  EXPECT_EQ(d.txtFunc->text(), "FFT");
  d.cmdShowFunc->click();
  EXPECT_EQ(d.txtFunc->text(), "ifft") << "the second pick replaces the first";
  d.cmdShowFunc->click();
  EXPECT_EQ(d.txtFunc->text(), "ifft") << "no name handed over";
  d.cmdShowFunc->click();
  EXPECT_EQ(d.txtFunc->text(), "") << "OK with nothing chosen empties the command";
  EXPECT_EQ(callers, std::vector<BrowserCaller>(4, BrowserCaller::MatlabCommand));
  EXPECT_EQ(captions, std::vector<QString>(4, "Loading M-file panel"));
  EXPECT_EQ(d.windowTitle(), "Matlab Function");
}

TEST_F(MatlabCommandDialogTest, WithoutABrowserTheButtonChangesNothing) {
  MatlabCommandDialog d(nullptr, &questions);
  d.txtFunc->setText("x");
  d.cmdShowFunc->click();
  EXPECT_EQ(d.txtFunc->text(), "x");
  EXPECT_EQ(d.windowTitle(), "Matlab Function");
}

}  // namespace
}  // namespace quorvin
