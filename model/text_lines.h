#pragma once
// Whole lines of a text file the program reads (flowcharts, catalogue,
// m-files): a line ends at LF, a CR before it is dropped, and
// a last line without a line end is a line like any other. Standard library
// only.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvin {

// The lines as views into text, which must outlive them.
std::vector<std::string_view> SplitLines(std::string_view text);

// The first of those lines, found without splitting the rest of text: a
// large file is not split to read one line. None for an empty text.
std::optional<std::string_view> FirstLine(std::string_view text);

// The lines as strings of their own.
std::vector<std::string> WholeLines(const std::string& bytes);

}  // namespace quorvin
