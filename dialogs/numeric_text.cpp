#include "dialogs/numeric_text.h"

namespace quorvin {

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

bool IsNumericText(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  int digits = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      ++digits;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (digits == 0) return false;
  if (i == text.size()) return true;
  if (text[i] != 'e' && text[i] != 'E') return false;
  ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  int exponentDigits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) ++exponentDigits;
  return exponentDigits > 0 && i == text.size();
}

}  // namespace quorvin
