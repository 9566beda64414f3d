#include "app/mfile_help.h"

#include <algorithm>
#include <vector>

#include "model/ascii_case.h"
#include "model/line_end.h"
#include "model/safe_file.h"
#include "model/text_encoding.h"
#include "model/text_lines.h"

namespace quorvin {

namespace {


bool IsCommentSign(char c) { return c == '%' || c == '#'; }

// The line's text after its comment signs and one blank, or nothing when
// the line is no comment.
std::optional<std::string> CommentText(const std::string& line) {
  std::size_t at = line.find_first_not_of(" \t");
  if (at == std::string::npos || !IsCommentSign(line[at])) return std::nullopt;
  while (at < line.size() && IsCommentSign(line[at])) ++at;
  if (at < line.size() && line[at] == ' ') ++at;
  return line.substr(at);
}

bool IsCopyrightNotice(const std::vector<std::string>& block) {
  for (const std::string& text : block) {
    const std::size_t at = text.find_first_not_of(" \t");
    if (at == std::string::npos) continue;
    return LowerCased(text.substr(at, 9)) == "copyright";
  }
  return false;
}

}  // namespace

std::string HelpTextOf(const std::string& bytes) {
  const std::vector<std::string> lines = WholeLines(std::string(WithoutUtf8Mark(bytes)));
  std::size_t i = 0;
  while (i < lines.size()) {
    std::vector<std::string> block;
    for (; i < lines.size(); ++i) {
      std::optional<std::string> text = CommentText(lines[i]);
      if (!text) break;
      block.push_back(std::move(*text));
    }
    if (!block.empty() && !IsCopyrightNotice(block)) {
      std::string help;
      for (const std::string& text : block) help += text + kCrLf;
      return help;
    }
    if (block.empty()) ++i;
  }
  return {};
}

std::optional<std::string> MFileHelp(const std::string& path) {
  // The help stands at the top: its start is enough of a file of any size
  // (data written as script runs to gigabytes), and a help block runs to a
  // few kilobytes.
  constexpr std::size_t kHelpRead = std::size_t{1} << 20;
  std::string bytes;
  if (ReadFileStart(path, bytes, kHelpRead) != ReadOutcome::kRead) return std::nullopt;
  return HelpTextOf(bytes);
}

}  // namespace quorvin
