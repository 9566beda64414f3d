#pragma once
// Counting characters, not bytes, in the UTF-8 texts the records hold,
// writing a character as UTF-8, and a text to show for bytes that need not
// be UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvin {

// Appends code point c (at most U+10FFFF) as its one to four UTF-8 bytes.
// A surrogate is written by the same rule as its three bytes, as a MATLAB
// peer may send half of a pair.
void AppendUtf8(std::string& text, char32_t c);

// The first `count` characters of a UTF-8 text.
std::string FirstCharacters(const std::string& text, std::size_t count);

// UTF-8 text to show for bytes that may be none, such as a file name from
// an older volume ("caf\xe9.m" in Latin-1): each well-formed UTF-8 sequence
// as it is, and every other byte as the Windows-1252 character it stands
// for (Latin-1, with printable characters for 0x80 to 0x9F), or U+FFFD for
// the five bytes that stand for none there.
std::string ReadableText(std::string_view bytes);

}  // namespace quorvin
