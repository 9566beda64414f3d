#pragma once
// Finding the name of a box ("box" followed by its number) inside a
// parameter text. Only whole names count: "box12" is not a reference inside
// "box123", "box12a" or "inbox12"; it is one in "elsebox12>0", an If's
// condition with its else mark.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace quorvin {

// Positions (0-based) where "box" n stands as a whole name in text.
std::vector<std::size_t> FindBoxReferences(const std::string& text, int n);

// text with every whole reference to box `from` renamed to box `to`.
std::string RenameBoxReferences(const std::string& text, int from, int to);

// text with every whole reference "box" n (n in decimal, without a leading
// zero) renamed at once to "box" renumbered(n); renumbered returns n for a
// name that stays as it is.
std::string RenumberBoxReferences(const std::string& text,
                                  const std::function<int(int)>& renumbered);

}  // namespace quorvin
