// The matrix-entry grid without its window: keys, cells and the literal
// that OK writes.

#include "dialogs/matrix_grid.h"
#include "compiler/compile_questions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvin {
namespace {

using Key = MatrixGrid::Key;

// A grid after typing: each text is typed into the current cell, each key
// pressed, in order.
struct Step {
  bool isKey;
  Key key;
  const char* text;
};
Step K(Key key) { return {true, key, ""}; }
Step T(const char* text) { return {false, Key::Enter, text}; }

MatrixGrid After(const std::vector<Step>& steps) {
  MatrixGrid g;
  for (const Step& s : steps) {
    if (s.isKey)
      g.press(s.key);
    else
      g.type(s.text);
  }
  return g;
}

std::string Blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

TEST(MatrixGrid, FreshGridHasNumberedHeadersAndTheFirstDataCellCurrent) {
  const MatrixGrid g;
  EXPECT_EQ(g.rows(), 5);
  EXPECT_EQ(g.cols(), 5);
  EXPECT_EQ(g.row(), 1);
  EXPECT_EQ(g.col(), 1);
  EXPECT_EQ(g.text(0, 0), "");
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(g.text(0, i), std::to_string(i));
    EXPECT_EQ(g.text(i, 0), std::to_string(i));
    for (int j = 1; j <= 4; ++j) EXPECT_EQ(g.text(i, j), "");
  }
  EXPECT_EQ(g.text(5, 1), "") << "outside the grid";
  EXPECT_EQ(g.text(-1, 0), "");
}

struct MoveRow {
  const char* what;
  int startRow, startCol;
  Key key;
  int row, col;    // current cell after the key
  int rows, cols;  // grid size after the key
};

// Every key from the corners, the edges and the inside of the fresh 4 by 4
// grid. An arrow takes its handler step (Left: one column left; Up and
// Down: column 1, Down adding a row in the last row; Right in the last
// column: column 1 of the next row, or of the same row in the last one),
// then the grid's own one-cell step the way it points (never onto a header
// or off the grid) unless the handler already moved along the arrow's line.
TEST(MatrixGrid, KeysMoveTheCurrentCell) {
  const MoveRow rows[] = {
      {"Tab moves right", 2, 2, Key::Tab, 2, 3, 5, 5},
      {"Tab in the last column adds one", 2, 4, Key::Tab, 2, 5, 5, 6},
      {"Tab in the last cell adds a column too", 4, 4, Key::Tab, 4, 5, 5, 6},
      {"Enter moves right", 1, 1, Key::Enter, 1, 2, 5, 5},
      {"Enter in the last column goes to the next row", 2, 4, Key::Enter, 3, 1, 5, 5},
      {"Enter in the last cell stays", 4, 4, Key::Enter, 4, 4, 5, 5},
      {"Left from column 4", 2, 4, Key::Left, 2, 3, 5, 5},
      {"Left from column 3", 3, 3, Key::Left, 3, 2, 5, 5},
      {"Left from column 2 stops at column 1", 3, 2, Key::Left, 3, 1, 5, 5},
      {"Left in the first column stays", 3, 1, Key::Left, 3, 1, 5, 5},
      {"Up goes to the row above, first column", 3, 3, Key::Up, 2, 1, 5, 5},
      {"Up from the last cell", 4, 4, Key::Up, 3, 1, 5, 5},
      {"Up from row 2 reaches row 1", 2, 4, Key::Up, 1, 1, 5, 5},
      {"Up in the first row stays, column too", 1, 3, Key::Up, 1, 3, 5, 5},
      {"Right moves right", 2, 2, Key::Right, 2, 3, 5, 5},
      {"Right from the first cell", 1, 1, Key::Right, 1, 2, 5, 5},
      {"Right into the last column", 4, 3, Key::Right, 4, 4, 5, 5},
      {"Right in the last column wraps to the next row", 2, 4, Key::Right, 3, 1, 5, 5},
      {"Right in the first row's last column", 1, 4, Key::Right, 2, 1, 5, 5},
      {"Right in the last cell goes to the same row's start", 4, 4, Key::Right, 4, 1, 5, 5},
      {"Down goes to the row below, first column", 2, 3, Key::Down, 3, 1, 5, 5},
      {"Down from the first cell", 1, 1, Key::Down, 2, 1, 5, 5},
      {"Down in the last row adds one and enters it", 4, 3, Key::Down, 5, 1, 6, 5},
      {"Down in the last cell adds a row too", 4, 4, Key::Down, 5, 1, 6, 5},
      {"Backspace does not move", 2, 3, Key::Backspace, 2, 3, 5, 5},
      {"Delete does not move", 2, 3, Key::Delete, 2, 3, 5, 5},
  };
  for (const MoveRow& r : rows) {
    MatrixGrid g;
    ASSERT_TRUE(g.select(r.startRow, r.startCol));
    g.press(r.key);
    EXPECT_EQ(g.row(), r.row) << r.what;
    EXPECT_EQ(g.col(), r.col) << r.what;
    EXPECT_EQ(g.rows(), r.rows) << r.what;
    EXPECT_EQ(g.cols(), r.cols) << r.what;
  }
}

TEST(MatrixGrid, ArrowsInAGrownGridStepWithinItsNewEdges) {
  MatrixGrid g;
  ASSERT_TRUE(g.select(4, 4));
  g.press(Key::Tab);  // column 5 added and current
  g.press(Key::Left);
  EXPECT_EQ(g.col(), 4);
  g.press(Key::Down);  // row 5 added and current
  g.press(Key::Right);
  g.press(Key::Right);
  g.press(Key::Right);
  g.press(Key::Right);
  EXPECT_EQ(g.col(), 5) << "the added column is reached";
  g.press(Key::Right);
  EXPECT_EQ(g.row(), 5) << "the last row wraps onto itself";
  EXPECT_EQ(g.col(), 1);
  g.press(Key::Up);
  EXPECT_EQ(g.row(), 4);
  EXPECT_EQ(g.col(), 1);
  EXPECT_EQ(g.rows(), 6);
  EXPECT_EQ(g.cols(), 6);
}

TEST(MatrixGrid, AddedColumnsAreNumberedAddedRowsAreNot) {
  MatrixGrid g;
  g.select(3, 4);
  g.press(Key::Tab);
  g.press(Key::Tab);
  EXPECT_EQ(g.cols(), 7);
  EXPECT_EQ(g.text(0, 5), "5");
  EXPECT_EQ(g.text(0, 6), "6");
  EXPECT_EQ(g.row(), 3) << "the row is kept while the column is added";
  g.select(4, 1);
  g.press(Key::Down);
  g.press(Key::Down);
  EXPECT_EQ(g.rows(), 7);
  EXPECT_EQ(g.text(5, 0), "");
  EXPECT_EQ(g.text(6, 0), "");
  EXPECT_EQ(g.text(6, 6), "") << "new rows are as wide as the grid";
  EXPECT_EQ(g.row(), 6);
}

TEST(MatrixGrid, TypedTextIsWhatTheKeysProduced) {
  MatrixGrid g;
  g.type("-");
  g.type("1");
  g.type(".");
  g.type("5");
  EXPECT_EQ(g.currentText(), "-1.5");
  g.press(Key::Enter);
  g.type("x");
  g.type("e");
  g.type("-");
  g.type("3");
  EXPECT_EQ(g.currentText(), "xe-3") << "lower case stays lower case";
  g.press(Key::Enter);
  g.type("pi/2 ");
  EXPECT_EQ(g.currentText(), "pi/2 ");
  g.press(Key::Enter);
  g.type("\r\t\x1b\x7f");  // keys that produce control characters type nothing
  g.type("");              // a key that produces nothing (Shift, F5)
  EXPECT_EQ(g.currentText(), "");
  g.type("\xC3\xA4");
  EXPECT_EQ(g.currentText(), "\xC3\xA4");
}

TEST(MatrixGrid, BackspaceAndDeleteTakeTheLastCharacterAndNothingFromAnEmptyCell) {
  MatrixGrid g;
  g.type("12");
  g.press(Key::Backspace);
  EXPECT_EQ(g.currentText(), "1");
  g.press(Key::Delete);
  EXPECT_EQ(g.currentText(), "");
  g.press(Key::Backspace);
  g.press(Key::Delete);
  EXPECT_EQ(g.currentText(), "");
  EXPECT_EQ(g.row(), 1);
  EXPECT_EQ(g.col(), 1);
  g.type("a\xC3\xA4");  // a character of two bytes goes whole
  g.press(Key::Backspace);
  EXPECT_EQ(g.currentText(), "a");
}

TEST(MatrixGrid, SelectTakesDataCellsOnly) {
  MatrixGrid g;
  EXPECT_TRUE(g.select(4, 4));
  EXPECT_FALSE(g.select(0, 2));
  EXPECT_FALSE(g.select(2, 0));
  EXPECT_FALSE(g.select(5, 1));
  EXPECT_FALSE(g.select(1, 5));
  EXPECT_EQ(g.row(), 4);
  EXPECT_EQ(g.col(), 4);
}

struct LiteralRow {
  const char* what;
  std::vector<Step> steps;
  std::string literal;
};

TEST(MatrixGrid, LiteralTexts) {
  const LiteralRow rows[] = {
      {"every cell empty: \"[\" and two blanks per column", {}, "[" + Blanks(8)},
      {"1 2 over 3 4",
       {T("1"), K(Key::Enter), T("2"), K(Key::Down), T("3"), K(Key::Enter), T("4")},
       "[1  2" + Blanks(6) + "; 3  4" + Blanks(6)},
      {"a filled cell in row 1 only has no \";\"", {T("7")}, "[7" + Blanks(8)},
      {"an empty row between filled ones stays",
       {T("1"), K(Key::Down), K(Key::Down), T("3")},
       "[1" + Blanks(8) + "; " + Blanks(8) + "; 3" + Blanks(8)},
      {"blanks after the last filled cell stay",
       {K(Key::Tab), K(Key::Tab), T("9")},
       "[" + Blanks(4) + "9" + Blanks(4)},
      {"an added column",
       {T("1"), K(Key::Tab), K(Key::Tab), K(Key::Tab), K(Key::Tab), T("5")},
       "[1" + Blanks(8) + "5  "},
      {"an added row",
       {K(Key::Down), K(Key::Down), K(Key::Down), K(Key::Down), T("7")},
       "[" + Blanks(8) + "; " + Blanks(8) + "; " + Blanks(8) + "; " + Blanks(8) + "; 7" +
           Blanks(8)},
      {"negative, decimal and lower case",
       {T("-1.5"), K(Key::Enter), T("x")},
       "[-1.5  x" + Blanks(6)},
  };
  for (const LiteralRow& r : rows) EXPECT_EQ(After(r.steps).literal(), r.literal) << r.what;
}

TEST(MatrixGrid, LiteralOfSixteenOnes) {
  MatrixGrid g;
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 4; ++c) {
      g.type("1");
      g.press(Key::Enter);
    }
  const std::string row = "1  1  1  1  ";
  EXPECT_EQ(g.literal(), "[" + row + "; " + row + "; " + row + "; " + row);
}

TEST(MatrixLiteral, TrimCutsAtTheFirstSemicolonAfterTheLastFilledCharacter) {
  EXPECT_EQ(MatrixLiteral({{"1", ""}, {"", ""}}), "[1    ");
  // A ";" typed into the last filled cell is cut with what follows.
  EXPECT_EQ(MatrixLiteral({{"1", "2;"}, {"", ""}}), "[1  2");
  EXPECT_EQ(MatrixLiteral({{"", ""}}), "[    ");
  EXPECT_EQ(MatrixLiteral({}), "[");
}

TEST(MatrixLiteral, FreshGridAnswerIsAValidEmptyMatrix) {
  EXPECT_EQ(FreshMatrixLiteral(), "[" + Blanks(8));
  EXPECT_EQ(FreshMatrixLiteral(), MatrixGrid().literal());
  EXPECT_EQ(FreshMatrixLiteral(), kUnansweredMatrix);
}

}  // namespace
}  // namespace quorvin
