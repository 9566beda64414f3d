#include "dialogs/plot_dialog.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QTest>

#include "dialogs/dialog_settling.h"
#include "platform/icon_sheet.h"
#include "platform/title_bar.h"
#include "tests/model/model_fakes.h"
#include "tests/support/cut_texts.h"
#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

class PlotDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { testing_support::EnsureGuiApplication(); }

  // The widgets of the Z column, which show and hide together.
  static std::vector<QWidget*> ZColumn(const PlotDialog& d) {
    return {d.lblZAxis, d.chkInput(1, 3), d.chkInput(2, 3), d.chkInput(3, 3), d.lblZLabel,
            d.txtZLabel};
  }
  static std::vector<QWidget*> LineStyleWidgets(const PlotDialog& d) {
    return {d.cmbLineColor, d.cmbLineType, d.cmbPoints, d.sclLinenum};
  }
  static void ExpectZColumnHidden(const PlotDialog& d, bool hidden) {
    for (QWidget* w : ZColumn(d)) EXPECT_EQ(w->isHidden(), hidden) << w->objectName().toStdString();
  }
  static void ExpectLineStyleEnabled(const PlotDialog& d, bool enabled) {
    for (QWidget* w : LineStyleWidgets(d))
      EXPECT_EQ(w->isEnabled(), enabled) << w->objectName().toStdString();
  }
  static bool ShowsIcon(const PlotDialog& d, const std::string& key) {
    return d.pctType->pixmap().toImage() == IconForKey(key).toImage();
  }
  static void Choose(PlotDialog& d, const char* type) {
    d.cmbType->setCurrentIndex(d.cmbType->findText(type));
  }

  testing::ScriptedDialogs questions;
};

TEST_F(PlotDialogTest, ControlsAndCaptions) {
  PlotDialog d(nullptr, &questions);
  EXPECT_EQ(d.objectName(), "frmPlot");
  EXPECT_EQ(d.windowTitle(), "Plot Options");
  const std::pair<const char*, const char*> captions[] = {
      {"Label1", "Input #1:"},   {"Label5", "Input #2:"},    {"Label6", "Input #3:"},
      {"lblxAxis", "X axis"},    {"lblYAxis", "Y axis"},     {"lblLineNum", "Line #1"},
      {"Label8", "Line Color:"}, {"Label9", "Line Type:"},   {"Label11", "Data points:"},
      {"Label7", "Title:"},      {"lblXlabel", "X Label:"},  {"lblYlabel", "Y Label:"},
      {"lblZLabel", "Z Label:"},
  };
  for (const auto& [name, caption] : captions) {
    const auto* label = d.findChild<QLabel*>(name);
    ASSERT_NE(label, nullptr) << name;
    EXPECT_EQ(label->text(), caption) << name;
  }
  std::vector<QString> frames;
  for (const QGroupBox* g : {d.Frame1, d.Frame2, d.Frame3, d.Frame4}) frames.push_back(g->title());
  EXPECT_EQ(frames, (std::vector<QString>{"Graph type", "Variable Allotment",
                                          "Line color and line type",
                                          "Graph Title and Axes Label"}));
  const std::pair<const char*, const char*> checks[] = {
      {"chkHold", "Hold figure"}, {"chkFigure", "New figure"}, {"chkGrid", "Add grid"}};
  for (const auto& [name, caption] : checks) {
    const auto* box = d.findChild<QCheckBox*>(name);
    ASSERT_NE(box, nullptr) << name;
    EXPECT_EQ(box->text(), caption);
    EXPECT_FALSE(box->isChecked());
  }
  for (const char* name : {"cmbType", "cmbLineColor", "cmbLineType", "cmbPoints"}) {
    const auto* combo = d.findChild<QComboBox*>(name);
    ASSERT_NE(combo, nullptr) << name;
    EXPECT_TRUE(combo->isEditable()) << name;
  }
  for (const char* name : {"txtTitle", "txtXLabel", "txtYLabel", "txtZLabel"}) {
    const auto* text = d.findChild<QLineEdit*>(name);
    ASSERT_NE(text, nullptr) << name;
    EXPECT_EQ(text->text(), "");
  }
  for (int k = 1; k <= 3; ++k)
    for (int j = 1; j <= 3; ++j) {
      const QString name = QString("chkInput%1(%2)").arg(k).arg(j);
      const auto* box = d.findChild<QCheckBox*>(name);
      ASSERT_EQ(box, d.chkInput(k, j)) << name.toStdString();
      EXPECT_EQ(box->text(), "");
      EXPECT_FALSE(box->isChecked());
    }
  EXPECT_EQ(d.chkInput(0, 1), nullptr);
  EXPECT_EQ(d.chkInput(1, 4), nullptr);
  EXPECT_EQ(d.findChild<QScrollBar*>("sclLinenum"), d.sclLinenum);
  EXPECT_EQ(d.sclLinenum->orientation(), Qt::Horizontal);
  EXPECT_EQ(d.sclLinenum->minimum(), 1);
  EXPECT_EQ(d.sclLinenum->maximum(), 3);
  EXPECT_EQ(d.cmdOK->objectName(), "cmdOK");
  EXPECT_EQ(d.cmdOK->text(), "OK");
  EXPECT_EQ(d.findChild<QPushButton*>("cmdCancel"), nullptr) << "there is no Cancel";
  EXPECT_EQ(d.pctType->objectName(), "pctType");
  EXPECT_EQ(d.pctType->size(), QSize(33, 33));
}

TEST_F(PlotDialogTest, ListsInTheirOrder) {
  PlotDialog d(nullptr, &questions);
  ASSERT_EQ(d.cmbType->count(), kPlotTypeCount);
  for (int i = 0; i < kPlotTypeCount; ++i)
    EXPECT_EQ(d.cmbType->itemText(i).toStdString(), PlotTypes()[static_cast<std::size_t>(i)].name);
  QStringList colours, types, points;
  for (int i = 0; i < d.cmbLineColor->count(); ++i) colours << d.cmbLineColor->itemText(i);
  for (int i = 0; i < d.cmbLineType->count(); ++i) types << d.cmbLineType->itemText(i);
  for (int i = 0; i < d.cmbPoints->count(); ++i) points << d.cmbPoints->itemText(i);
  EXPECT_EQ(colours.join('|'), "Yellow|Magenta|Cyan|Red|Green|Blue|White|Black");
  EXPECT_EQ(types.join('|'), "Solid|Points|Dotted|Dashed|Dot-Dash");
  EXPECT_EQ(points.join('|'), "|o|x|+|*");
}

TEST_F(PlotDialogTest, StateRightAfterLoading) {
  PlotDialog d(nullptr, &questions);
  EXPECT_EQ(d.cmbType->currentText(), "2-D Plot");
  EXPECT_EQ(d.iconKey(), "Plot2d");
  EXPECT_TRUE(ShowsIcon(d, "Plot2d"));
  ExpectZColumnHidden(d, true);
  ExpectLineStyleEnabled(d, true);
  EXPECT_EQ(d.lblLineNum->text(), "Line #1");
  EXPECT_EQ(d.sclLinenum->value(), 1);
  EXPECT_EQ(d.cmbLineColor->currentText(), "Yellow");
  EXPECT_EQ(d.cmbLineType->currentText(), "Solid");
  EXPECT_EQ(d.cmbPoints->currentText(), "");
  EXPECT_EQ(d.lineStyles(), InitialLineStyles());
  EXPECT_FALSE(d.answer().accepted);
  EXPECT_EQ(d.answer().commands, "");
}

TEST_F(PlotDialogTest, EveryTypeSetsIconZColumnAndLineStyle) {
  PlotDialog d(nullptr, &questions);
  for (const PlotType& type : PlotTypes()) {
    SCOPED_TRACE(std::string(type.name));
    Choose(d, std::string(type.name).c_str());
    EXPECT_EQ(d.iconKey(), type.iconKey);
    EXPECT_TRUE(ShowsIcon(d, std::string(type.iconKey)));
    ExpectZColumnHidden(d, type.zColumn == ZColumn::Hidden);
    if (type.zColumn != ZColumn::Hidden) {
      EXPECT_EQ(d.lblZAxis->text(), type.zColumn == ZColumn::ErrorBar ? "Err Bar" : "Z Axis");
    }
    ExpectLineStyleEnabled(d, type.lineStyleEnabled);
  }
}

TEST_F(PlotDialogTest, ErrorBarsThenThreeDimensionalRetitleTheZColumn) {
  PlotDialog d(nullptr, &questions);
  Choose(d, "2-D Error Bars");
  ExpectZColumnHidden(d, false);
  EXPECT_EQ(d.lblZAxis->text(), "Err Bar");
  ExpectLineStyleEnabled(d, false);
  Choose(d, "3-D Plot");
  EXPECT_EQ(d.lblZAxis->text(), "Z Axis");
  EXPECT_EQ(d.iconKey(), "Plot3d");
}

// Where each widget stands in the dialog, the dialog's size first.
std::vector<QRect> Placement(const PlotDialog& d) {
  std::vector<QRect> places{d.rect()};
  for (const QWidget* w : d.findChildren<QWidget*>())
    if (!w->isHidden()) places.push_back(QRect(w->mapTo(&d, QPoint(0, 0)), w->size()));
  return places;
}

TEST_F(PlotDialogTest, ShowingOrHidingTheZColumnMovesAndResizesNothing) {
  PlotDialog d;
  d.show();
  QCoreApplication::processEvents();
  const std::vector<QRect> twoD = Placement(d);
  const QRect titleRow = d.txtTitle->geometry();
  const QRect xLabelRow = d.txtXLabel->geometry();
  const auto xyBoxes = [&d] {
    std::vector<QRect> boxes;
    for (int k = 1; k <= 3; ++k)
      for (int j = 1; j <= 2; ++j) boxes.push_back(d.chkInput(k, j)->geometry());
    return boxes;
  };
  const std::vector<QRect> xy = xyBoxes();
  for (const char* type : {"2-D Error Bars", "3-D Plot", "2-D Plot", "3-D Mesh", "2-D Polar"}) {
    SCOPED_TRACE(type);
    Choose(d, type);
    QCoreApplication::processEvents();
    EXPECT_EQ(d.size(), twoD.front().size());
    EXPECT_EQ(xyBoxes(), xy) << "the X and Y check boxes stay where they are";
    EXPECT_EQ(d.txtTitle->geometry(), titleRow) << "the title row stays";
    EXPECT_EQ(d.txtXLabel->geometry(), xLabelRow) << "the label rows stay";
    EXPECT_EQ(testing_support::CutTexts(d, TitleBarWidth), std::vector<std::string>{});
  }
  // Back on a type without a Z column, every widget stands where it stood.
  Choose(d, "2-D Plot");
  QCoreApplication::processEvents();
  EXPECT_EQ(Placement(d), twoD);
}

TEST_F(PlotDialogTest, EveryTypeFitsTheListAndNoTextIsCut) {
  PlotDialog d;
  d.show();
  for (const PlotType& type : PlotTypes()) {
    SCOPED_TRACE(std::string(type.name));
    Choose(d, std::string(type.name).c_str());
    QCoreApplication::processEvents();
    EXPECT_EQ(testing_support::CutTexts(d, TitleBarWidth), std::vector<std::string>{});
  }
}

TEST_F(PlotDialogTest, TheLineSelectorTakesTheFocusAndItsArrowsChooseTheLine) {
  PlotDialog d;
  d.show();
  d.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
  for (int i = 0; i < 30 && QApplication::focusWidget() != d.sclLinenum; ++i)
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), d.sclLinenum) << "Tab reaches the line selector";
  QTest::keyClick(d.sclLinenum, Qt::Key_Right);
  EXPECT_EQ(d.lblLineNum->text(), "Line #2");
  EXPECT_EQ(d.cmbLineColor->currentText(), "Magenta");
  QTest::keyClick(d.sclLinenum, Qt::Key_Right);
  EXPECT_EQ(d.lblLineNum->text(), "Line #3");
  QTest::keyClick(d.sclLinenum, Qt::Key_Right);
  EXPECT_EQ(d.lblLineNum->text(), "Line #3") << "three lines at most";
  // With the Z column shown, Tab visits its check boxes in their rows.
  Choose(d, "3-D Plot");
  d.cmbType->setFocus();
  std::vector<std::string> visited;
  for (int i = 0; i < 10; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(QApplication::focusWidget()->objectName().toStdString());
  }
  EXPECT_EQ(visited, (std::vector<std::string>{"chkInput1(1)", "chkInput1(2)", "chkInput1(3)",
                                                "chkInput2(1)", "chkInput2(2)", "chkInput2(3)",
                                                "chkInput3(1)", "chkInput3(2)", "chkInput3(3)",
                                                "chkHold"}));
}

TEST_F(PlotDialogTest, TypingAPartialNameChangesNothingTheFullNameActs) {
  PlotDialog d(nullptr, &questions);
  Choose(d, "3-D Plot");
  d.show();
  QLineEdit* typed = d.cmbType->lineEdit();
  typed->selectAll();
  QTest::keyClicks(typed, "2-D");
  EXPECT_EQ(d.cmbType->currentText(), "2-D") << "nothing completes the name";
  EXPECT_EQ(d.iconKey(), "Plot3d");
  ExpectZColumnHidden(d, false);
  QTest::keyClicks(typed, " Polar");
  EXPECT_EQ(d.iconKey(), "Polar");
  EXPECT_TRUE(ShowsIcon(d, "Polar"));
  ExpectZColumnHidden(d, true);
  ExpectLineStyleEnabled(d, true);
  QTest::keyClick(typed, Qt::Key_Backspace);
  EXPECT_EQ(d.iconKey(), "Polar") << "a text not in the list changes nothing";
  EXPECT_EQ(d.cmbType->count(), kPlotTypeCount);
}

TEST_F(PlotDialogTest, EachLineKeepsItsOwnStyle) {
  PlotDialog d(nullptr, &questions);
  d.sclLinenum->setValue(2);
  EXPECT_EQ(d.lblLineNum->text(), "Line #2");
  EXPECT_EQ(d.cmbLineColor->currentText(), "Magenta");
  d.cmbLineColor->setCurrentIndex(d.cmbLineColor->findText("Green"));
  d.cmbLineType->setCurrentIndex(d.cmbLineType->findText("Dotted"));
  d.cmbPoints->setCurrentIndex(d.cmbPoints->findText("+"));
  d.sclLinenum->setValue(1);
  EXPECT_EQ(d.lblLineNum->text(), "Line #1");
  EXPECT_EQ(d.cmbLineColor->currentText(), "Yellow");
  EXPECT_EQ(d.cmbLineType->currentText(), "Solid");
  EXPECT_EQ(d.cmbPoints->currentText(), "");
  EXPECT_EQ(d.MakeLineSpec(2), "'g+'");
  EXPECT_EQ(d.MakeLineSpec(1), "'y-'");
  d.sclLinenum->setValue(3);
  EXPECT_EQ(d.lblLineNum->text(), "Line #3");
  EXPECT_EQ(d.cmbLineColor->currentText(), "Cyan");
  d.sclLinenum->setValue(2);
  EXPECT_EQ(d.cmbLineColor->currentText(), "Green");
  EXPECT_EQ(d.cmbLineType->currentText(), "Dotted");
  EXPECT_EQ(d.cmbPoints->currentText(), "+");
}

TEST_F(PlotDialogTest, TypedStylesAreKeptOnEveryKeystroke) {
  PlotDialog d(nullptr, &questions);
  d.show();
  QLineEdit* colour = d.cmbLineColor->lineEdit();
  colour->selectAll();
  QTest::keyClicks(colour, "Bla");
  EXPECT_EQ(d.lineStyles()[0].colour, "Bla");
  QTest::keyClicks(colour, "ck");
  EXPECT_EQ(d.MakeLineSpec(1), "'k-'");
  EXPECT_EQ(d.cmbLineColor->count(), 8) << "typing adds nothing to the list";
}

TEST_F(PlotDialogTest, LineStylesStartAfreshInEveryDialog) {
  {
    PlotDialog first(nullptr, &questions);
    first.sclLinenum->setValue(2);
    first.cmbLineColor->setEditText("Red");
    first.cmbPoints->setEditText("o");
    EXPECT_EQ(first.MakeLineSpec(2), "'ro'");
  }
  PlotDialog second(nullptr, &questions);
  EXPECT_EQ(second.lineStyles(), InitialLineStyles());
  EXPECT_EQ(second.MakeLineSpec(2), "'m-'");
}

TEST_F(PlotDialogTest, OkRefusesWithTheMessageAndStaysOpen) {
  PlotDialog d(nullptr, &questions);
  d.show();
  d.chkInput(1, 1)->setChecked(true);
  d.cmdOK->click();
  ASSERT_EQ(questions.messages.size(), 1u);
  EXPECT_EQ(questions.messages[0].text,
            "No variable marked for Y axis. Please mark at least one input as Y axis");
  EXPECT_EQ(questions.messages[0].style, style::kOk) << "M1 carries no icon";
  EXPECT_EQ(questions.messages[0].title, "Quorvin");
  EXPECT_TRUE(d.isVisible());
  EXPECT_FALSE(d.answer().accepted);

  Choose(d, "3-D Mesh");
  d.cmdOK->click();
  ASSERT_EQ(questions.messages.size(), 2u);
  EXPECT_EQ(questions.messages[1].text, "No Z axis to use, Please mark one input as Z input");
  EXPECT_EQ(questions.messages[1].style, style::kExclamation);

  d.cmbType->setEditText("2-D");
  d.cmdOK->click();
  ASSERT_EQ(questions.messages.size(), 3u);
  EXPECT_EQ(questions.messages[2].text, "Graph type unknown. Please try again");
  EXPECT_TRUE(d.isVisible());
}

TEST_F(PlotDialogTest, OkWritesTheCommandAndHides) {
  PlotDialog d(nullptr, &questions);
  d.show();
  d.chkInput(1, 1)->setChecked(true);
  d.chkInput(2, 2)->setChecked(true);
  d.chkInput(3, 2)->setChecked(true);
  d.chkGrid->setChecked(true);
  d.txtTitle->setText("Tom's data");
  d.cmdOK->click();
  EXPECT_TRUE(questions.messages.empty());
  EXPECT_TRUE(d.isHidden());
  const std::string expected =
      "Plot2d;plot(Input1,Input2,'m-',Input1,Input3,'c-')\r\ntitle('Tom''s data')\r\ngrid;\r\n";
  const PlotAnswer a = d.answer();
  EXPECT_TRUE(a.accepted);
  EXPECT_EQ(a.commands, expected);
  EXPECT_EQ(a.iconKey(), "Plot2d");
  EXPECT_TRUE(a.marks.inputUsed(1));
  EXPECT_TRUE(a.marks.inputUsed(2));
  EXPECT_TRUE(a.marks.inputUsed(3));
}

TEST_F(PlotDialogTest, ZLabelAndZMarksAfterTheColumnWasHidden) {
  PlotDialog d(nullptr, &questions);
  Choose(d, "3-D Mesh");
  d.txtZLabel->setText("depth");
  d.chkInput(3, 3)->setChecked(true);
  Choose(d, "2-D Plot");
  d.chkInput(1, 2)->setChecked(true);
  d.cmdOK_Click();
  const PlotAnswer a = d.answer();
  EXPECT_EQ(a.commands, "Plot2d;plot([1:1:length(Input1)],Input1,'y-')\r\n");
  EXPECT_TRUE(a.marks.inputUsed(3)) << "a mark in the hidden column still keeps the entry";
  EXPECT_FALSE(a.marks.inputUsed(2));
}

TEST_F(PlotDialogTest, ClosedWithoutOkAnswersTheInitialValues) {
  PlotDialog d(nullptr, &questions);
  d.show();
  Choose(d, "3-D Mesh");
  d.chkInput(1, 1)->setChecked(true);
  d.chkInput(2, 2)->setChecked(true);
  d.chkInput(3, 3)->setChecked(true);
  QCloseEvent close;
  QCoreApplication::sendEvent(&d, &close);
  const PlotAnswer a = d.answer();
  EXPECT_FALSE(a.accepted);
  EXPECT_EQ(a.commands, "");
  EXPECT_EQ(a.iconKey(), "") << "the box shows the error cell, not the Plot3d icon";
  EXPECT_EQ(a.marks, PlotMarks{});
  EXPECT_TRUE(questions.messages.empty());
}

TEST_F(PlotDialogTest, RefusedThenClosedIsStillNotOk) {
  PlotDialog d(nullptr, &questions);
  d.show();
  d.cmdOK->click();  // no Y: refused
  QCloseEvent close;
  QCoreApplication::sendEvent(&d, &close);
  EXPECT_FALSE(d.answer().accepted);
  EXPECT_EQ(questions.messages.size(), 1u);
}

}  // namespace
}  // namespace quorvin
