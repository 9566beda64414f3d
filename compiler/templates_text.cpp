#include "compiler/templates_text.h"

#include <algorithm>

#include "compiler/arm.h"

namespace quorvin {

namespace {

bool isPlaceholderWord(std::string_view word, PlaceholderCase spelling) {
  if (word == "Input") return true;
  return spelling == PlaceholderCase::InputOrLowerInput && word == "input";
}

// True for the bytes a command word can hold as they stand. Anything else
// may end the word (blank, ",", ";"), start a comment ("%", "#"), open a
// string ("'", a double quote) or be taken apart in some other way. A
// backslash is literal in a command word.
bool plainPathByte(char c) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
  return std::string_view("/\\._-+~:@").find(c) != std::string_view::npos;
}

}  // namespace

std::string pathAsCommandWord(std::string_view path) {
  // "..." would continue the line, so it counts as not plain.
  const bool plain = std::all_of(path.begin(), path.end(), plainPathByte) &&
                     path.find("...") == std::string_view::npos;
  if (plain) return std::string(path);
  return "'" + apostrophesDoubled(path) + "'";
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
