#include "compiler/templates_text.h"

#include "compiler/arm.h"

namespace quorvin {

namespace {

char lowerChar(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool isPlaceholderWord(std::string_view word, PlaceholderCase spelling) {
  if (word == "Input") return true;
  return spelling == PlaceholderCase::InputOrLowerInput && word == "input";
}

}  // namespace

std::string lowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = lowerChar(c);
  return out;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (lowerChar(text[i]) != lowerChar(prefix[i])) return false;
  }
  return true;
}

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
