#include "model/text_lines.h"

namespace quorvin {

namespace {

// The line that begins at start, without its line end; next is set to where
// the line after it begins.
std::string_view LineAt(std::string_view text, std::size_t start, std::size_t& next) {
  std::size_t end = text.find('\n', start);
  if (end == std::string_view::npos) end = text.size();
  std::string_view line = text.substr(start, end - start);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  next = end + 1;
  return line;
}

}  // namespace

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) lines.push_back(LineAt(text, start, start));
  return lines;
}

std::optional<std::string_view> FirstLine(std::string_view text) {
  if (text.empty()) return std::nullopt;
  std::size_t next = 0;
  return LineAt(text, 0, next);
}

std::vector<std::string> WholeLines(const std::string& bytes) {
  std::vector<std::string> lines;
  for (std::string_view line : SplitLines(bytes)) lines.emplace_back(line);
  return lines;
}

}  // namespace quorvin
