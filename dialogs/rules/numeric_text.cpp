#include "dialogs/rules/numeric_text.h"

#include <cstddef>

namespace quorvin {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSign(char c) { return c == '+' || c == '-'; }

}  // namespace

bool IsNumericText(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && IsSign(text[i])) ++i;
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
  if (i < text.size() && IsSign(text[i])) ++i;
  const std::size_t exponentStart = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i > exponentStart && i == text.size();
}

}  // namespace quorvin
