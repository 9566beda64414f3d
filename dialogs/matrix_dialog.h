#pragma once
// frmMatrix, "Matrix Input": the grid in which the compiler asks for the
// matrix of a "Matrix Input" box each time it writes one. The grid shows a
// MatrixGrid and hands it every key: it opens no cell editor of its own.
// OK takes the literal body of the grid and hides the dialog; a dialog
// closed without OK answers what OK on a fresh grid takes, so the script
// stays a valid (empty) matrix.

#include <QDialog>
#include <QPushButton>
#include <QTableWidget>
#include <optional>
#include <string>

#include "dialogs/matrix_grid.h"

class QInputMethodEvent;
class QKeyEvent;

namespace quorvin {

// The table over a MatrixGrid: its data cells as table cells, its header
// row and column as the table's headers.
class MatrixGridView : public QTableWidget {
 public:
  explicit MatrixGridView(QWidget* parent = nullptr);

  const MatrixGrid& model() const { return grid_; }
  // The fresh grid whole: headers, 4 by 4 data cells and frame, no scroll
  // bars and no empty band beside or below the cells.
  QSize sizeHint() const override;
  // The grid key of a Qt key, or nothing for a key that types.
  static std::optional<MatrixGrid::Key> GridKeyOf(int qtKey);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // Text composed through an input method (dead keys, compose sequences)
  // is typed like a key's text.
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  // Shows the grid's cells, headers and current cell.
  void refresh();
  void cellChosen(int row, int column);

  MatrixGrid grid_;
  bool refreshing_ = false;
};

class MatrixDialog : public QDialog {
 public:
  explicit MatrixDialog(QWidget* parent = nullptr);

  void cmdOK_Click();
  // The literal OK took; FreshMatrixLiteral() when the dialog closed any
  // other way.
  std::string answer() const;

  MatrixGridView* grid;
  QPushButton* cmdOK;

 private:
  std::string literal_;
};

// Shows frmMatrix modally and returns its answer: the matrix question of a
// compile.
std::string AskForMatrix(QWidget* parent);

}  // namespace quorvin
