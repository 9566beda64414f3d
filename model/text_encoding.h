#pragma once
// Whether bytes read from disk are text as the program writes and reads it:
// one byte per character (ASCII, Latin-1 or UTF-8, taken byte for byte) and
// no NUL byte. A file another editor saved as UTF-16 or UTF-32, or one that
// is no text at all, is told apart here, so that a reader names its
// encoding instead of finding fault with its first line; and the mark an
// editor may put before UTF-8 text is told apart from that text. Standard
// library only.

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

// The byte-order mark many editors write first in a UTF-8 file.
inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// The UTF-8 byte-order mark bytes begin with, or nothing when they begin
// with none: what a writer puts back first.
std::string_view Utf8MarkOf(std::string_view bytes);

// The text bytes hold: all of them but the UTF-8 byte-order mark they may
// begin with, which is no part of their first line. The program puts a mark
// in no file of its own (a settings file that had one keeps it); every
// reader of a file a person may have edited reads past it.
std::string_view WithoutUtf8Mark(std::string_view bytes);

}  // namespace quorvin
