#include "model/box_references.h"

#include <cctype>

namespace quorvin {

namespace {
bool IsNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}
}  // namespace

std::vector<std::size_t> FindBoxReferences(const std::string& text, int n) {
  std::vector<std::size_t> found;
  const std::string name = "box" + std::to_string(n);
  for (std::size_t at = text.find(name); at != std::string::npos;
       at = text.find(name, at + 1)) {
    const std::size_t end = at + name.size();
    const bool wholeBefore = at == 0 || !IsNameChar(text[at - 1]);
    const bool wholeAfter = end == text.size() || !IsNameChar(text[end]);
    if (wholeBefore && wholeAfter) found.push_back(at);
  }
  return found;
}

std::string RenameBoxReferences(const std::string& text, int from, int to) {
  const std::vector<std::size_t> refs = FindBoxReferences(text, from);
  if (refs.empty()) return text;
  const std::size_t oldLen = 3 + std::to_string(from).size();
  const std::string newName = "box" + std::to_string(to);
  std::string out;
  std::size_t copied = 0;
  for (std::size_t at : refs) {
    out.append(text, copied, at - copied);
    out += newName;
    copied = at + oldLen;
  }
  out.append(text, copied, std::string::npos);
  return out;
}

}  // namespace quorvin
