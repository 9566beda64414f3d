#include "model/text_encoding.h"

#include <array>

namespace quorvin {

namespace {

using namespace std::string_view_literals;

// An encoding of two or four bytes per character: its name, its byte-order
// mark, and which bytes of every four are NUL in text of ASCII characters.
struct WideEncoding {
  std::string_view name;
  std::string_view mark;
  std::array<bool, 4> nulAt;
};

// UTF-32 LE stands before UTF-16 LE: its mark begins with the other's.
constexpr std::array<WideEncoding, 4> kWideEncodings{{
    {"UTF-32 LE", "\xFF\xFE\0\0"sv, {false, true, true, true}},
    {"UTF-32 BE", "\0\0\xFE\xFF"sv, {true, true, true, false}},
    {"UTF-16 LE", "\xFF\xFE"sv, {false, true, false, true}},
    {"UTF-16 BE", "\xFE\xFF"sv, {true, false, true, false}},
}};

std::string NotText(const std::string& why) {
  return "Not a text file of this program (" + why + ")";
}

std::string WrittenIn(std::string_view encoding) {
  return NotText("it is written in " + std::string(encoding) + ", not in ASCII, Latin-1 or UTF-8");
}

// NUL bytes and all bytes at each position of every four.
struct NulCount {
  std::array<std::size_t, 4> nul{};
  std::array<std::size_t, 4> all{};
};

// Without a mark, text of mostly ASCII characters shows its encoding by
// where its NUL bytes stand: nine in ten bytes at least are NUL where the
// encoding puts them, one in ten at most elsewhere. Fewer than four bytes
// are too few to tell.
bool LooksWrittenIn(const WideEncoding& encoding, const NulCount& count) {
  for (std::size_t at = 0; at < 4; ++at) {
    const std::size_t nul = count.nul[at], all = count.all[at];
    if (all == 0) return false;
    if (encoding.nulAt[at] ? nul * 10 < all * 9 : nul * 10 > all) return false;
  }
  return true;
}

}  // namespace

std::optional<std::string> WhyNotPlainText(std::string_view bytes) {
  for (const WideEncoding& encoding : kWideEncodings)
    if (bytes.starts_with(encoding.mark)) return WrittenIn(encoding.name);
  if (bytes.find('\0') == std::string_view::npos) return std::nullopt;
  NulCount count;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    ++count.all[i % 4];
    if (bytes[i] == '\0') ++count.nul[i % 4];
  }
  for (const WideEncoding& encoding : kWideEncodings)
    if (LooksWrittenIn(encoding, count)) return WrittenIn(encoding.name);
  return NotText("it holds NUL bytes");
}

std::string_view Utf8MarkOf(std::string_view bytes) {
  return bytes.starts_with(kUtf8Mark) ? kUtf8Mark : std::string_view();
}

std::string_view WithoutUtf8Mark(std::string_view bytes) {
  return bytes.substr(Utf8MarkOf(bytes).size());
}

}  // namespace quorvin
