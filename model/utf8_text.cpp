#include "model/utf8_text.h"

#include <array>

namespace quorvin {

void AppendUtf8(std::string& text, char32_t c) {
  const auto byte = [](char32_t bits) {
    return static_cast<char>(static_cast<unsigned char>(bits));
  };
  if (c < 0x80) {
    text += byte(c);
  } else if (c < 0x800) {
    text += byte(0xC0 | (c >> 6));
    text += byte(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    text += byte(0xE0 | (c >> 12));
    text += byte(0x80 | ((c >> 6) & 0x3F));
    text += byte(0x80 | (c & 0x3F));
  } else {
    text += byte(0xF0 | (c >> 18));
    text += byte(0x80 | ((c >> 12) & 0x3F));
    text += byte(0x80 | ((c >> 6) & 0x3F));
    text += byte(0x80 | (c & 0x3F));
  }
}

std::string FirstCharacters(const std::string& text, std::size_t count) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0u) == 0x80u;
    if (!continuation && characters++ == count) return text.substr(0, i);
  }
  return text;
}

namespace {

// What Windows-1252 puts at 0x80 to 0x9F, where Latin-1 has control
// characters; 0 where it has nothing.
constexpr std::array<char32_t, 32> kWindowsLatinHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr char32_t kReplacement = 0xFFFD;

// The length of the well-formed UTF-8 sequence at the start of bytes, or 0
// when it starts with none (an overlong form, a surrogate, a character past
// U+10FFFF, a cut or stray byte).
std::size_t Utf8SequenceAt(std::string_view bytes) {
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char lead = at(0);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned char low = 0x80;  // the second byte's range
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (bytes.size() < length || at(1) < low || at(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i)
    if (at(i) < 0x80 || at(i) > 0xBF) return 0;
  return length;
}

}  // namespace

std::string ReadableText(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  while (!bytes.empty()) {
    const std::size_t length = Utf8SequenceAt(bytes);
    if (length > 0) {
      text.append(bytes.substr(0, length));
      bytes.remove_prefix(length);
      continue;
    }
    const auto byte = static_cast<unsigned char>(bytes.front());
    bytes.remove_prefix(1);
    const char32_t c = byte >= 0xA0 ? byte : kWindowsLatinHigh[byte - 0x80u];
    AppendUtf8(text, c != 0 ? c : kReplacement);
  }
  return text;
}

}  // namespace quorvin
