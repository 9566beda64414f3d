#pragma once
// Letter case as the program's texts need it: kinds, MATLAB names, file
// names and settings keys are compared and lowered by their ASCII letters
// only, whatever the locale; every other byte (UTF-8 included) is kept.

#include <string>
#include <string_view>

namespace quorvin {

inline char LowerAsciiChar(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// text with its ASCII capitals made small.
std::string LowerCased(std::string_view text);

// ASCII letters compared without regard to case.
bool SameIgnoringCase(std::string_view a, std::string_view b);

// Whether text begins with prefix, ASCII letters compared without regard to
// case.
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);

}  // namespace quorvin
