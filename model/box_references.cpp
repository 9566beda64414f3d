#include "model/box_references.h"

#include <cctype>

namespace quorvin {

namespace {
bool IsNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
// Whether a name may start at `at`: nothing of a longer name stands before
// it, or it follows the "else" that an If with an else branch puts straight
// before its condition.
bool NameStartsAt(const std::string& text, std::size_t at) {
  if (at == 0 || !IsNameChar(text[at - 1])) return true;
  return at == 4 && text.compare(0, 4, "else") == 0;
}
// Box numbers have at most this many digits; a longer run names no box.
constexpr std::size_t kMaxDigits = 5;
}  // namespace

std::vector<std::size_t> FindBoxReferences(const std::string& text, int n) {
  std::vector<std::size_t> found;
  const std::string name = "box" + std::to_string(n);
  for (std::size_t at = text.find(name); at != std::string::npos;
       at = text.find(name, at + 1)) {
    const std::size_t end = at + name.size();
    const bool wholeAfter = end == text.size() || !IsNameChar(text[end]);
    if (NameStartsAt(text, at) && wholeAfter) found.push_back(at);
  }
  return found;
}

std::string RenameBoxReferences(const std::string& text, int from, int to) {
  return RenumberBoxReferences(text, [from, to](int n) { return n == from ? to : n; });
}

std::string RenumberBoxReferences(const std::string& text,
                                  const std::function<int(int)>& renumbered) {
  std::string out;
  std::size_t copied = 0;
  for (std::size_t at = text.find("box"); at != std::string::npos; at = text.find("box", at + 1)) {
    const std::size_t digits = at + 3;
    std::size_t end = digits;
    while (end < text.size() && IsDigit(text[end])) ++end;
    const bool wholeAfter = end == text.size() || !IsNameChar(text[end]);
    const std::size_t length = end - digits;
    if (!NameStartsAt(text, at) || !wholeAfter || length == 0 || length > kMaxDigits ||
        (text[digits] == '0' && length > 1))
      continue;
    const int n = std::stoi(text.substr(digits, length));
    const int renamed = renumbered(n);
    if (renamed == n) continue;
    out.append(text, copied, digits - copied);
    out += std::to_string(renamed);
    copied = end;
  }
  if (copied == 0) return text;
  out.append(text, copied, std::string::npos);
  return out;
}

}  // namespace quorvin
