#pragma once
// The help text of an m-file, as the function browser shows it: the first
// block of comment lines ("%" or "#") that is not a copyright notice, each
// line without its comment signs and one blank after them, up to the first
// line that is no comment. Whole lines: commas and quotes are text like any
// other. Standard library only.

#include <optional>
#include <string>

namespace quorvin {

// The help text of the m-file bytes, every line ended by CR LF; empty when
// the file has no such block.
std::string HelpTextOf(const std::string& bytes);

// The help text of the m-file at path, found in its first megabyte, or
// nothing when it cannot be read.
std::optional<std::string> MFileHelp(const std::string& path);

}  // namespace quorvin
