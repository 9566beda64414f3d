#pragma once
// The matrix-entry grid without the window: the cells, the current cell, what
// each key does, and the body of the MATLAB matrix literal that OK writes.
// Row 0 and column 0 are header cells; the others hold the matrix as typed
// (plain text, never checked for numbers). Standard library only.

#include <string>
#include <string_view>
#include <vector>

namespace quorvin {

class MatrixGrid {
 public:
  // The keys that move or edit rather than type.
  enum class Key { Backspace, Delete, Tab, Enter, Left, Up, Right, Down };

  // 5 rows by 5 columns, header included: a 4 by 4 matrix of empty cells,
  // "1" to "4" in the header row and column, the first data cell current.
  static constexpr int kInitialRows = 5;
  static constexpr int kInitialCols = 5;
  MatrixGrid();

  // Rows and columns with the header row and column.
  int rows() const { return static_cast<int>(cells_.size()); }
  int cols() const { return static_cast<int>(cells_.front().size()); }
  // The current cell: always a data cell.
  int row() const { return row_; }
  int col() const { return col_; }
  // The text of a cell; "" outside the grid.
  std::string text(int row, int col) const;
  const std::string& currentText() const { return cell(row_, col_); }

  // A key pressed in the grid takes the handler's step:
  //  Backspace, Delete: the current cell loses its last character (an empty
  //    cell stays empty).
  //  Tab: one column right; in the last column a column is added first, its
  //    header numbered.
  //  Enter: one column right; from the last column to the first column of
  //    the next row; in the last cell nothing.
  //  Left: one column left, within the data columns.
  //  Up: the first column, from any row but the first.
  //  Down: the first column; in the last row a row is added first, its
  //    header left empty.
  //  Right: from the last column to the first column of the next row, or of
  //    the same row when it is the last; elsewhere nothing.
  // Then an arrow key takes the grid's own step, one cell the way it points
  // (never onto a header cell or off the grid), unless the handler's step
  // already moved the cell along the arrow's line: each arrow moves once.
  // So Up and Down reach the first column of the row above or below, Right
  // inside a row the next column, Right from the last column the first
  // column of the next row, and Left one column left.
  void press(Key key);
  // Any other key appends the text it produced ("-", ".", "x", "1"); line
  // breaks, tabs and other control characters are left out.
  void type(std::string_view produced);
  // A click on a cell makes it current; a header cell is refused.
  bool select(int row, int col);

  // What OK answers: see MatrixLiteral.
  std::string literal() const;

 private:
  std::string& cell(int row, int col);
  const std::string& cell(int row, int col) const;
  void addRow();
  void addColumn();
  void handlerStep(Key key);
  void arrowStep(Key key);

  std::vector<std::vector<std::string>> cells_;  // [row][col], header included
  int row_ = 1;
  int col_ = 1;
};

// The body of the MATLAB matrix literal for these data rows (each as long as
// the first): "[", every cell followed by two blanks and every row by "; ",
// then cut at the first ";" after the last character that is neither ";" nor
// a blank. So the blanks after the last filled cell stay and no closing
// bracket is written; an empty row between filled ones stays as blanks.
std::string MatrixLiteral(const std::vector<std::vector<std::string>>& dataRows);

// What OK on a grid no one typed into writes: "[" and eight blanks. It is
// also the answer of a matrix dialog closed without OK.
std::string FreshMatrixLiteral();

}  // namespace quorvin
