#include "dialogs/matrix_grid.h"

namespace quorvin {

namespace {

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

bool IsControl(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u < 0x20 || u == 0x7F;
}

// Drops the last character of UTF-8 text, all of its bytes.
void DropLastCharacter(std::string& text) {
  while (!text.empty()) {
    const char last = text.back();
    text.pop_back();
    if (!IsContinuationByte(last)) break;
  }
}

}  // namespace

MatrixGrid::MatrixGrid()
    : cells_(kInitialRows, std::vector<std::string>(kInitialCols)) {
  for (int i = 1; i < kInitialCols; ++i) cell(0, i) = std::to_string(i);
  for (int i = 1; i < kInitialRows; ++i) cell(i, 0) = std::to_string(i);
}

std::string MatrixGrid::text(int row, int col) const {
  if (row < 0 || row >= rows() || col < 0 || col >= cols()) return {};
  return cell(row, col);
}

std::string& MatrixGrid::cell(int row, int col) {
  return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

const std::string& MatrixGrid::cell(int row, int col) const {
  return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void MatrixGrid::addRow() { cells_.emplace_back(static_cast<std::size_t>(cols())); }

void MatrixGrid::addColumn() {
  for (auto& r : cells_) r.emplace_back();
  cell(0, cols() - 1) = std::to_string(cols() - 1);
}

void MatrixGrid::press(Key key) {
  const int rowBefore = row_, colBefore = col_;
  handlerStep(key);
  // An arrow moves the cell once along its own line: the grid's step
  // follows unless the handler's step already moved it that way.
  const bool vertical = key == Key::Up || key == Key::Down;
  if (vertical ? row_ == rowBefore : col_ == colBefore) arrowStep(key);
}

void MatrixGrid::handlerStep(Key key) {
  const bool lastCol = col_ + 1 == cols();
  const bool lastRow = row_ + 1 == rows();
  switch (key) {
    case Key::Backspace:
    case Key::Delete:
      DropLastCharacter(cell(row_, col_));
      break;
    case Key::Tab:
      if (lastCol) addColumn();
      ++col_;
      break;
    case Key::Enter:
      if (!lastCol) {
        ++col_;
      } else if (!lastRow) {
        col_ = 1;
        ++row_;
      }
      break;
    case Key::Left:
      if (col_ > 1) --col_;
      break;
    case Key::Up:
      if (row_ > 1) col_ = 1;
      break;
    case Key::Right:
      if (lastCol) {
        col_ = 1;
        if (!lastRow) ++row_;
      }
      break;
    case Key::Down:
      if (lastRow) addRow();
      col_ = 1;
      break;
  }
}

void MatrixGrid::arrowStep(Key key) {
  switch (key) {
    case Key::Left:
      if (col_ > 1) --col_;
      break;
    case Key::Up:
      if (row_ > 1) --row_;
      break;
    case Key::Right:
      if (col_ + 1 < cols()) ++col_;
      break;
    case Key::Down:
      if (row_ + 1 < rows()) ++row_;
      break;
    default:
      break;
  }
}

void MatrixGrid::type(std::string_view produced) {
  for (char c : produced)
    if (!IsControl(c)) cell(row_, col_) += c;
}

bool MatrixGrid::select(int row, int col) {
  if (row < 1 || row >= rows() || col < 1 || col >= cols()) return false;
  row_ = row;
  col_ = col;
  return true;
}

std::string MatrixGrid::literal() const {
  std::vector<std::vector<std::string>> data;
  for (std::size_t r = 1; r < cells_.size(); ++r)
    data.emplace_back(cells_[r].begin() + 1, cells_[r].end());
  return MatrixLiteral(data);
}

std::string MatrixLiteral(const std::vector<std::vector<std::string>>& dataRows) {
  std::string text = "[";
  for (const auto& row : dataRows) {
    for (const std::string& cellText : row) text += cellText + "  ";
    text += "; ";
  }
  const std::size_t lastFilled = text.find_last_not_of("; ");  // "[" at the latest
  const std::size_t cut = text.find(';', lastFilled + 1);
  if (cut != std::string::npos) text.erase(cut);
  return text;
}

std::string FreshMatrixLiteral() { return MatrixGrid().literal(); }

}  // namespace quorvin
