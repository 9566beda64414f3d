#include "canvas/box_information_dialog.h"

#include <gtest/gtest.h>

#include <QTest>
#include <cmath>

#include "tests/canvas/box_information_fixture.h"
#include "tests/support/cut_texts.h"
#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

class BoxInformationDialogTest : public ::testing::Test, public testing::ColouredBoxesFixture {
 protected:
  void SetUp() override { testing_support::EnsureGuiApplication(); }
};

// Every row check box and label, as the window shows them, by object name.
std::vector<QWidget*> RowWidgets(const BoxInformationDialog& d) {
  std::vector<QWidget*> rows;
  for (int k = 1; k <= kEntries; ++k) rows.insert(rows.end(), {d.lblFrom[k], d.chkFrom[k]});
  for (int k = 1; k <= kExits; ++k) rows.insert(rows.end(), {d.lblTo[k], d.chkTo[k]});
  return rows;
}

TEST_F(BoxInformationDialogTest, ControlsSitWhereTheTableOfControlsPutsThem) {
  struct Control {
    const char* name;
    const char* caption;  // nullptr: none to check
    int left, top, width, height;
  };
  const Control controls[] = {
      {"Label1", "It get's it's data from:", 120, 720, 2292, 252},
      {"Label3", "Disconnect", 2640, 720, 1092, 252},
      {"lblBoxName", nullptr, 120, 120, 3612, 252},
      {"lblfunc", nullptr, 120, 480, 3612, 252},
      {"lblFrom1", nullptr, 120, 960, 2772, 252},
      {"lblFrom2", nullptr, 120, 1200, 2772, 252},
      {"lblFrom3", nullptr, 120, 1440, 2892, 252},
      {"chkFrom1", "", 3120, 960, 252, 252},
      {"chkFrom3", "", 3120, 1440, 252, 252},
      {"chkLockedInputs", "Open Locked Inputs", 120, 1680, 2652, 252},
      {"Label2", "It gives it's data to:", 120, 2040, 3132, 252},
      {"lblTo1", nullptr, 120, 2280, 2892, 252},
      {"lblTo5", nullptr, 120, 3240, 2892, 252},
      {"chkTo1", "", 3120, 2280, 252, 252},
      {"chkTo4", "", 3120, 3000, 252, 252},
      {"chkTo5", "", 3120, 3240, 252, 252},
      {"chkLockedOutputs", "Open Locked Outputs", 120, 3480, 2652, 252},
      {"lblEmpty", nullptr, 120, 3840, 3612, 492},
      {"cmdColor", "Change color", 120, 4440, 1455, 375},
      {"cmdCancel", "Cancel", 1800, 4440, 855, 375},
      {"cmdOK", "OK", 2880, 4440, 855, 375},
  };
  const int n = Box("Cos");
  BoxInformationDialog d(m, n, colours);
  EXPECT_EQ(d.objectName(), "frmInfo");
  EXPECT_EQ(d.windowTitle(), "Box Information");
  EXPECT_EQ(d.size(), QSize(258, 327)) << "3870 by 4905 twips";
  for (const Control& c : controls) {
    SCOPED_TRACE(c.name);
    auto* w = d.findChild<QWidget*>(c.name);
    ASSERT_NE(w, nullptr);
    // 15 twips to the pixel; no position of the table falls on a half pixel.
    auto px = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
    EXPECT_EQ(w->geometry(), QRect(px(c.left), px(c.top), px(c.width), px(c.height)));
    if (!c.caption) continue;
    if (auto* label = qobject_cast<QLabel*>(w)) {
      EXPECT_EQ(label->text(), c.caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      EXPECT_EQ(button->text(), c.caption);
    }
  }
  EXPECT_EQ(d.lblFrom[2], d.findChild<QLabel*>("lblFrom2"));
  EXPECT_EQ(d.chkTo[3], d.findChild<QCheckBox*>("chkTo3"));
}

TEST_F(BoxInformationDialogTest, UnlinkedBoxShowsNoRowsNorLockedSlotBoxes) {
  Box("Cos");
  const int n = Box("Keyboard Input");
  BoxInformationDialog d(m, n, colours);
  EXPECT_TRUE(d.describesABox());
  EXPECT_EQ(d.lblBoxName->text(), "This box's name is: box2 (Keyboard Input)");
  EXPECT_TRUE(d.lblfunc->isHidden());
  for (QWidget* w : RowWidgets(d)) EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
  EXPECT_TRUE(d.chkLockedInputs->isHidden());
  EXPECT_TRUE(d.chkLockedOutputs->isHidden());
  EXPECT_EQ(d.lblEmpty->text(), "There are 3 empty inputs, and 5 empty outputs.");
  EXPECT_FALSE(d.cmdColor->isHidden());
}

TEST_F(BoxInformationDialogTest, LinksLockedSlotsAndFunctionAreShown) {
  const int s = Box("Keyboard Input"), n = Box("Compute Function", "f;box1"), t = Box("Cos");
  Link(s, 1, n, 1);
  Link(n, 2, t, 1);
  (*this)[n].InLink[2] = (*this)[n].InLink[3] = kAbsentSlot;
  (*this)[n].OutLink[5] = kAbsentSlot;
  BoxInformationDialog d(m, n, colours);
  EXPECT_FALSE(d.lblfunc->isHidden());
  EXPECT_EQ(d.lblfunc->text(), "Function: f;box1");
  EXPECT_FALSE(d.lblFrom[1]->isHidden());
  EXPECT_FALSE(d.chkFrom[1]->isHidden());
  EXPECT_EQ(d.lblFrom[1]->text(), "box1 (Keyboard Input)");
  EXPECT_TRUE(d.lblFrom[2]->isHidden());
  EXPECT_EQ(d.lblFrom[2]->text(), "");
  EXPECT_EQ(d.lblTo[2]->text(), "box3 (Cos)");
  EXPECT_FALSE(d.chkTo[2]->isHidden());
  EXPECT_TRUE(d.chkTo[1]->isHidden());
  EXPECT_FALSE(d.chkLockedInputs->isHidden());
  EXPECT_FALSE(d.chkLockedOutputs->isHidden());
  EXPECT_EQ(d.lblEmpty->text(), "There are no empty inputs, and 3 empty outputs.");
}

// The longest kinds and a long formula are shown whole: the window grows
// wide enough, its check boxes and buttons moving right with the rows.
TEST_F(BoxInformationDialogTest, LongNamesAreShownWhole) {
  const int s = Box("Vector Make Input");
  const int n = Box("Wilkinson's eigenvalue test matrix");
  const int f = Box("Compute Function", "sqrt(Input1.^2+Input2.^2)./(1+abs(Input3))");
  const int t = Box("Scaled complementary error function");
  Link(s, 1, n, 1);
  Link(n, 1, f, 1);
  Link(f, 1, t, 1);
  for (const int shown : {s, n, f}) {
    BoxInformationDialog d(m, shown, colours);
    d.show();
    EXPECT_EQ(testing_support::CutTexts(d, nullptr), std::vector<std::string>{})
        << "box" << shown;
    for (int k = 1; k <= kExits; ++k) {
      if (d.lblTo[k]->isHidden()) continue;
      EXPECT_LE(d.lblTo[k]->geometry().right(), d.chkTo[k]->x()) << "exit " << k;
    }
    EXPECT_LE(d.cmdCancel->geometry().right(), d.cmdOK->x());
    EXPECT_LE(d.cmdOK->geometry().right(), d.width());
  }
}

TEST_F(BoxInformationDialogTest, RecordTextsAreShownAsPlainText) {
  const int s = Box("<b>Input</b>"), n = Box("Compute Function", "<i>f</i>");
  Link(s, 1, n, 1);
  BoxInformationDialog d(m, n, colours);
  for (QLabel* label : {d.lblBoxName, d.lblfunc, d.lblFrom[1], d.lblTo[1], d.lblEmpty})
    EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
  EXPECT_EQ(d.lblFrom[1]->text(), "box1 (<b>Input</b>)");
}

TEST_F(BoxInformationDialogTest, OkCutsTheTickedLinksAndMarksTheDocument) {
  const int s = Box("Keyboard Input"), n = Box("Cos"), t = Box("Sin");
  Link(s, 1, n, 1);
  Link(n, 1, t, 1);
  BoxInformationDialog d(m, n, colours);
  d.show();
  QTest::mouseClick(d.chkFrom[1], Qt::LeftButton);
  d.cmdOK->click();
  EXPECT_TRUE(d.isHidden());
  EXPECT_TRUE(d.applyAnswer());
  EXPECT_EQ((*this)[n].InLink[1], 0);
  EXPECT_EQ((*this)[s].OutLink[1], 0);
  EXPECT_EQ((*this)[n].OutLink[1], t);
  EXPECT_TRUE(changed());
}

TEST_F(BoxInformationDialogTest, CancelChangesNoLink) {
  const int s = Box("Keyboard Input"), n = Box("If");
  Link(s, 1, n, 1);
  (*this)[n].OutLink[5] = kAbsentSlot;
  const BoxTable before = m.table;
  BoxInformationDialog d(m, n, colours);
  d.chkFrom[1]->setChecked(true);
  d.chkLockedOutputs->setChecked(true);
  d.cmdCancel->click();
  EXPECT_FALSE(d.applyAnswer());
  EXPECT_EQ(m.table, before);
  EXPECT_FALSE(changed());
}

TEST_F(BoxInformationDialogTest, OkOpensLockedSlots) {
  const int n = Box("If");
  (*this)[n].InLink[3] = kAbsentSlot;
  (*this)[n].OutLink[4] = (*this)[n].OutLink[5] = kAbsentSlot;
  BoxInformationDialog d(m, n, colours);
  d.chkLockedInputs->setChecked(true);
  d.chkLockedOutputs->setChecked(true);
  d.cmdOK->click();
  EXPECT_TRUE(d.applyAnswer());
  EXPECT_EQ((*this)[n].InLink, (std::array<int16_t, 4>{}));
  EXPECT_EQ((*this)[n].OutLink, (std::array<int16_t, 6>{}));
}

TEST_F(BoxInformationDialogTest, NewColourStaysAfterCancel) {
  const int n = Box("Cos");
  colours.answers = {0x00ff8000u};
  BoxInformationDialog d(m, n, colours);
  d.show();
  d.cmdColor->click();
  EXPECT_FALSE(d.isHidden()) << "the dialog stays open";
  EXPECT_EQ((*this)[n].OutColor[3], 0x00ff8000) << "at once";
  d.cmdCancel->click();
  EXPECT_TRUE(d.applyAnswer()) << "the colour is an edit even after Cancel";
  for (int k = 1; k <= kExits; ++k) EXPECT_EQ((*this)[n].OutColor[k], 0x00ff8000) << k;
  EXPECT_TRUE(changed());
}

TEST_F(BoxInformationDialogTest, CancelledColourDialogChangesNothing) {
  const int n = Box("Cos");
  const BoxTable before = m.table;
  BoxInformationDialog d(m, n, colours);
  d.cmdColor->click();
  EXPECT_EQ(colours.asked, 1);
  d.cmdCancel->click();
  EXPECT_FALSE(d.applyAnswer());
  EXPECT_EQ(m.table, before);
  EXPECT_FALSE(changed());
}

TEST_F(BoxInformationDialogTest, EachOpeningStartsFresh) {
  const int s = Box("Keyboard Input"), n = Box("If");
  Link(s, 1, n, 1);
  (*this)[n].OutLink[5] = kAbsentSlot;
  {
    BoxInformationDialog cancelled(m, n, colours);
    cancelled.chkFrom[1]->setChecked(true);
    cancelled.chkLockedOutputs->setChecked(true);
    cancelled.cmdCancel->click();
    cancelled.applyAnswer();
  }
  (*this)[n].OutLink[5] = 0;  // nothing locked any more
  BoxInformationDialog next(m, n, colours);
  EXPECT_FALSE(next.chkFrom[1]->isChecked());
  EXPECT_FALSE(next.chkLockedOutputs->isChecked());
  EXPECT_TRUE(next.chkLockedOutputs->isHidden());
  next.cmdOK->click();
  EXPECT_FALSE(next.applyAnswer());
  EXPECT_EQ((*this)[n].InLink[1], s);
}

TEST_F(BoxInformationDialogTest, NumberThatNamesNoBoxShowsNothing) {
  Box("Cos");
  for (int n : {0, 2, 351}) {
    BoxInformationDialog d(m, n, colours);
    EXPECT_FALSE(d.describesABox()) << n;
    EXPECT_FALSE(ShowBoxInformation(nullptr, m, n, colours)) << n;
  }
}

}  // namespace
}  // namespace quorvin
