#pragma once
// Counting characters, not bytes, in the UTF-8 texts the records hold.

#include <cstddef>
#include <string>

namespace quorvin {

// The first `count` characters of a UTF-8 text.
std::string FirstCharacters(const std::string& text, std::size_t count);

}  // namespace quorvin
