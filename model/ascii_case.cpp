#include "model/ascii_case.h"

#include <algorithm>

namespace quorvin {

std::string LowerCased(std::string_view text) {
  std::string lowered(text);
  std::transform(lowered.begin(), lowered.end(), lowered.begin(), LowerAsciiChar);
  return lowered;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && StartsWithIgnoringCase(a, b);
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(),
                    [](char x, char y) { return LowerAsciiChar(x) == LowerAsciiChar(y); });
}

}  // namespace quorvin
