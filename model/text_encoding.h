#pragma once
// Whether bytes read from disk are text as the program writes and reads it:
// one byte per character (ASCII, Latin-1 or UTF-8, taken byte for byte) and
// no NUL byte. A file another editor saved as UTF-16 or UTF-32, or one that
// is no text at all, is told apart here, so that a reader names its
// encoding instead of finding fault with its first line. Standard library
// only.

#include <optional>
#include <string>
#include <string_view>

namespace quorvin {

// Why bytes are not such text, in words for a message: "Not a text file of
// this program (it is written in UTF-16 LE, not in ASCII, Latin-1 or
// UTF-8)", or "(it holds NUL bytes)" for other bytes that hold a NUL.
// Nothing for any text without a NUL byte that does not begin with the
// byte-order mark of UTF-16 or UTF-32.
std::optional<std::string> WhyNotPlainText(std::string_view bytes);

}  // namespace quorvin
