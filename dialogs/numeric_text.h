#pragma once
// The numeric test of the typing filters: an optional sign, digits with at
// most one decimal point, and an optional exponent ("e" or "E", an optional
// sign, digits). The empty text, a lone sign or point, blanks, and a number
// followed by anything else are not numeric.

#include <string_view>

namespace quorvin {

bool IsNumericText(std::string_view text);

}  // namespace quorvin
