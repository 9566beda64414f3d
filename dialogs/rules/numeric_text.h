#pragma once
// The numeric test of the text filters: a text counts as numeric when it
// reads as a decimal number. Standard library only.

#include <string_view>

namespace quorvin {

// An optional sign, digits with at most one decimal point (at least one
// digit), and an optional exponent: "e" or "E", an optional sign and at least
// one digit. No blanks. The empty text, a lone sign and a lone point are not
// numeric.
bool IsNumericText(std::string_view text);

}  // namespace quorvin
