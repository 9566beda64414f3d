#pragma once
// Finding the name of a box ("box" followed by its number) inside a
// parameter text. Only whole names count: "box12" is not a reference inside
// "box123", "box12a" or "inbox12".

#include <cstddef>
#include <string>
#include <vector>

namespace quorvin {

// Positions (0-based) where "box" n stands as a whole name in text.
std::vector<std::size_t> FindBoxReferences(const std::string& text, int n);

// text with every whole reference to box `from` renamed to box `to`.
std::string RenameBoxReferences(const std::string& text, int from, int to);

}  // namespace quorvin
