#pragma once
// Which of many patterns occur, as a case-sensitive substring, in any of many
// texts: one pass over the texts through an automaton of all the patterns
// (Aho-Corasick), so the time grows with the total length of patterns and
// texts, not with their product. The function browser asks it which of a
// catalogue's directories hold an m-file, half a million of each. Standard
// library only.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvin {

// One flag per pattern: true when some text holds it. The empty pattern lies
// in every text, so it occurs when there is a text at all.
std::vector<bool> PatternsOccurring(std::span<const std::string_view> patterns,
                                    std::span<const std::string> texts);

}  // namespace quorvin
