#include "model/text_lines.h"

namespace quorvin {

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::vector<std::string> WholeLines(const std::string& bytes) {
  std::vector<std::string> lines;
  for (std::string_view line : SplitLines(bytes)) lines.emplace_back(line);
  return lines;
}

}  // namespace quorvin
