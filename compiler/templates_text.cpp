#include "compiler/templates_text.h"

#include "compiler/arm.h"

namespace quorvin {

namespace {

bool isPlaceholderWord(std::string_view word, PlaceholderCase spelling) {
  if (word == "Input") return true;
  return spelling == PlaceholderCase::InputOrLowerInput && word == "input";
}

}  // namespace

std::string apostrophesDoubled(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    out += c;
    if (c == '\'') out += '\'';
  }
  return out;
}

std::string withInputsReplaced(std::string_view text,
                               const std::array<int16_t, kEntries + 1>& inLink,
                               PlaceholderCase spelling) {
  constexpr std::size_t kWord = 5;  // "Input"
  std::string out;
  out.reserve(text.size());
  std::size_t m = 0;
  while (m < text.size()) {
    if (m + kWord < text.size() && isPlaceholderWord(text.substr(m, kWord), spelling)) {
      const char digit = text[m + kWord];
      if (digit >= '1' && digit <= '3') {
        out += boxName(inLink[static_cast<std::size_t>(digit - '0')]);
        m += kWord + 1;
        continue;
      }
    }
    out += text[m];
    ++m;
  }
  return out;
}

}  // namespace quorvin
