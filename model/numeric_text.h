#pragma once
// Whether a typed text is a number: an optional sign, digits with at most one
// decimal point, and an optional exponent. The empty text, a lone sign and a
// lone point are not numbers. The filters of typed numbers replace a text
// that fails this test as a whole.

#include <string_view>

namespace quorvin {

bool IsNumericText(std::string_view text);

// Whether text is a number or the beginning of one ("-", ".", "1e", "2e-"),
// as a person typing a number one key at a time leaves it on the way.
bool IsNumberBeingTyped(std::string_view text);

}  // namespace quorvin
