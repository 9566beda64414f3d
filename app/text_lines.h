#pragma once
// Whole lines of a text file the program reads (catalogue, toolbox files,
// m-files): a line ends at LF, a CR before it is dropped, and a last line
// without a line end is a line like any other. Standard library only.

#include <string>
#include <vector>

namespace quorvin {

std::vector<std::string> WholeLines(const std::string& bytes);

}  // namespace quorvin
