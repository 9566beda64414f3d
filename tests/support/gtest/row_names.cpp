#include "tests/support/gtest/row_names.h"

namespace quorvin::testing_support {

std::string TestNameOf(std::string_view text) {
  if (text.empty()) return "Empty";
  std::string name;
  for (const char c : text) {
    const bool letterOrDigit =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    name += letterOrDigit ? c : '_';
  }
  return name;
}

}  // namespace quorvin::testing_support
