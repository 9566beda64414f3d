#include "model/numeric_text.h"

#include <cctype>
#include <string>

namespace quorvin {

namespace {
bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool IsSign(char c) { return c == '+' || c == '-'; }
}  // namespace

bool IsNumericText(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && IsSign(text[i])) ++i;
  std::size_t digits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) ++digits;
  if (i < text.size() && text[i] == '.')
    for (++i; i < text.size() && IsDigit(text[i]); ++i) ++digits;
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && IsSign(text[i])) ++i;
    std::size_t exponent = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) ++exponent;
    if (exponent == 0) return false;
  }
  return i == text.size();
}

bool IsNumberBeingTyped(std::string_view text) {
  // Any beginning of a number lacks at most one digit: of the mantissa after
  // a sign or a point, or of the exponent after its "e" and sign.
  if (IsNumericText(text)) return true;
  std::string completed(text);
  completed += '0';
  return IsNumericText(completed);
}

}  // namespace quorvin
