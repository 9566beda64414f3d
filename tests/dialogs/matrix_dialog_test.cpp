#include "dialogs/matrix_dialog.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

class MatrixDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { testing_support::EnsureGuiApplication(); }
};

QString Header(const QTableWidget& grid, Qt::Orientation side, int section) {
  const QTableWidgetItem* item =
      side == Qt::Horizontal ? grid.horizontalHeaderItem(section) : grid.verticalHeaderItem(section);
  return item ? item->text() : QString();
}

TEST_F(MatrixDialogTest, ControlsCaptionsAndFreshGrid) {
  MatrixDialog dialog;
  EXPECT_EQ(dialog.objectName(), "frmMatrix");
  EXPECT_EQ(dialog.windowTitle(), "Matrix Input");
  EXPECT_EQ(dialog.grid->objectName(), "grid");
  EXPECT_EQ(dialog.cmdOK->objectName(), "cmdOK");
  EXPECT_EQ(dialog.cmdOK->text(), "OK");
  EXPECT_EQ(dialog.findChild<QPushButton*>("cmdCancel"), nullptr) << "there is no Cancel";
  EXPECT_EQ(dialog.grid->rowCount(), 4);
  EXPECT_EQ(dialog.grid->columnCount(), 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(Header(*dialog.grid, Qt::Horizontal, i), QString::number(i + 1));
    EXPECT_EQ(Header(*dialog.grid, Qt::Vertical, i), QString::number(i + 1));
  }
  EXPECT_EQ(dialog.grid->currentRow(), 0);
  EXPECT_EQ(dialog.grid->currentColumn(), 0);
  EXPECT_EQ(dialog.grid->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(MatrixDialogTest, KeysGoToTheGridAndOkWritesTheLiteral) {
  MatrixDialog dialog;
  dialog.show();
  QTest::keyClicks(dialog.grid, "-1.5");
  QTest::keyClick(dialog.grid, Qt::Key_Return);
  QTest::keyClicks(dialog.grid, "x");
  QTest::keyClick(dialog.grid, Qt::Key_F2);  // would open a cell editor in a plain table
  QTest::keyClick(dialog.grid, Qt::Key_Down);
  QTest::keyClicks(dialog.grid, "37");
  QTest::keyClick(dialog.grid, Qt::Key_Backspace);
  EXPECT_EQ(dialog.grid->item(0, 0)->text(), "-1.5");
  EXPECT_EQ(dialog.grid->item(0, 1)->text(), "x");
  EXPECT_EQ(dialog.grid->item(1, 0)->text(), "3");
  EXPECT_EQ(dialog.grid->findChild<QLineEdit*>(), nullptr) << "no cell editor of its own";
  EXPECT_EQ(dialog.grid->model().currentText(), "3");
  EXPECT_TRUE(dialog.isVisible()) << "Enter belongs to the grid, not to OK";

  dialog.cmdOK->click();
  EXPECT_TRUE(dialog.isHidden());
  EXPECT_EQ(dialog.answer(), "[-1.5  x      ; 3        ");
}

TEST_F(MatrixDialogTest, TabAndDownGrowTheTable) {
  MatrixDialog dialog;
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  dialog.grid->setFocus();
  QWidget* const focused = nullptr;  // keys go to the focus widget, as typed keys do
  for (int i = 0; i < 4; ++i) QTest::keyClick(focused, Qt::Key_Tab);
  EXPECT_EQ(dialog.grid->columnCount(), 5);
  EXPECT_EQ(Header(*dialog.grid, Qt::Horizontal, 4), "5");
  EXPECT_EQ(dialog.grid->currentColumn(), 4);
  EXPECT_TRUE(dialog.grid->hasFocus()) << "Tab stays in the grid";
  for (int i = 0; i < 4; ++i) QTest::keyClick(focused, Qt::Key_Down);
  EXPECT_EQ(dialog.grid->rowCount(), 5);
  EXPECT_EQ(Header(*dialog.grid, Qt::Vertical, 4), "");
  EXPECT_EQ(dialog.grid->currentRow(), 4);
  EXPECT_EQ(dialog.grid->currentColumn(), 0);
}

TEST_F(MatrixDialogTest, ArrowKeysMoveTheTableAsTheGridSaysAndNoFurther) {
  MatrixDialog dialog;
  dialog.show();
  const auto current = [&dialog] {
    return std::pair(dialog.grid->currentRow(), dialog.grid->currentColumn());
  };
  for (int i = 0; i < 3; ++i) QTest::keyClick(dialog.grid, Qt::Key_Right);
  EXPECT_EQ(current(), std::pair(0, 3));
  QTest::keyClick(dialog.grid, Qt::Key_Right);
  EXPECT_EQ(current(), std::pair(1, 0)) << "wrapped to the next row's start";
  QTest::keyClick(dialog.grid, Qt::Key_Right);
  QTest::keyClick(dialog.grid, Qt::Key_Right);
  QTest::keyClick(dialog.grid, Qt::Key_Left);
  EXPECT_EQ(current(), std::pair(1, 1)) << "one column left";
  QTest::keyClick(dialog.grid, Qt::Key_Down);
  EXPECT_EQ(current(), std::pair(2, 0));
  QTest::keyClick(dialog.grid, Qt::Key_Up);
  EXPECT_EQ(current(), std::pair(1, 0));
  EXPECT_EQ(current(), std::pair(dialog.grid->model().row() - 1, dialog.grid->model().col() - 1));
}

// Whether the data cell (row, column), 0-based, lies whole in the grid's view.
bool CellInView(const QTableWidget& grid, int row, int column) {
  return grid.viewport()->rect().contains(grid.visualRect(grid.model()->index(row, column)));
}

TEST_F(MatrixDialogTest, TheWindowFitsTheFreshFourByFourGridExactly) {
  MatrixDialog dialog;
  dialog.show();
  QCoreApplication::processEvents();
  const QTableWidget& grid = *dialog.grid;
  EXPECT_FALSE(grid.horizontalScrollBar()->isVisible());
  EXPECT_FALSE(grid.verticalScrollBar()->isVisible());
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) EXPECT_TRUE(CellInView(grid, r, c)) << r << "," << c;
  // No empty band beside the last column or below the last row.
  const QRect last = grid.visualRect(grid.model()->index(3, 3));
  EXPECT_LE(grid.viewport()->width() - last.right(), 2);
  EXPECT_LE(grid.viewport()->height() - last.bottom(), 2);
  // The cursor in column 4 keeps column 1 in view.
  for (int i = 0; i < 3; ++i) QTest::keyClick(dialog.grid, Qt::Key_Tab);
  EXPECT_EQ(grid.currentColumn(), 3);
  EXPECT_TRUE(CellInView(grid, 0, 0));
}

TEST_F(MatrixDialogTest, AnAddedColumnOrRowComesIntoView) {
  MatrixDialog dialog;
  dialog.show();
  QCoreApplication::processEvents();
  for (int i = 0; i < 6; ++i) {
    QTest::keyClick(dialog.grid, Qt::Key_Tab);
    QCoreApplication::processEvents();
    EXPECT_TRUE(CellInView(*dialog.grid, 0, dialog.grid->currentColumn()))
        << "column " << dialog.grid->currentColumn() + 1;
  }
  EXPECT_EQ(dialog.grid->columnCount(), 7);
  for (int i = 0; i < 6; ++i) {
    QTest::keyClick(dialog.grid, Qt::Key_Down);
    QCoreApplication::processEvents();
    EXPECT_TRUE(CellInView(*dialog.grid, dialog.grid->currentRow(), 0))
        << "row " << dialog.grid->currentRow() + 1;
  }
  EXPECT_EQ(dialog.grid->rowCount(), 7);
}

TEST_F(MatrixDialogTest, ComposedTextIsTypedToo) {
  MatrixDialog dialog;
  dialog.show();
  QInputMethodEvent composed;
  composed.setCommitString(QString::fromUtf8("\xC3\xA9"));
  QCoreApplication::sendEvent(dialog.grid, &composed);
  EXPECT_EQ(dialog.grid->model().currentText(), "\xC3\xA9");
  EXPECT_EQ(dialog.grid->item(0, 0)->text(), QString::fromUtf8("\xC3\xA9"));
}

TEST_F(MatrixDialogTest, AClickChoosesTheCell) {
  MatrixDialog dialog;
  dialog.show();
  const QRect cell = dialog.grid->visualItemRect(dialog.grid->item(2, 1));
  QTest::mouseClick(dialog.grid->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(dialog.grid->model().row(), 3);
  EXPECT_EQ(dialog.grid->model().col(), 2);
  QTest::keyClicks(dialog.grid, "8");
  EXPECT_EQ(dialog.grid->model().text(3, 2), "8");
}

TEST_F(MatrixDialogTest, ClosedWithoutOkAnswersTheFreshGridNeverMat) {
  MatrixDialog closed;
  closed.show();
  QTest::keyClicks(closed.grid, "42");
  QCloseEvent close;
  QCoreApplication::sendEvent(&closed, &close);
  EXPECT_EQ(closed.answer(), FreshMatrixLiteral());
  EXPECT_EQ(closed.answer(), "[        ");

  MatrixDialog escaped;
  escaped.show();
  QTest::keyClicks(escaped.grid, "42");
  QTest::keyClick(escaped.grid, Qt::Key_Escape);
  EXPECT_TRUE(escaped.isHidden());
  EXPECT_EQ(escaped.result(), QDialog::Rejected);
  EXPECT_EQ(escaped.answer(), "[        ");

  MatrixDialog fresh;
  fresh.show();
  fresh.cmdOK->click();
  EXPECT_EQ(fresh.answer(), closed.answer()) << "closing answers what OK on a fresh grid gives";
}

}  // namespace
}  // namespace quorvin
