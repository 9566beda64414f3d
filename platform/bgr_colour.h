#pragma once
// The model's colours are 0x00BBGGRR ints (red in the low byte); Qt's are
// QColor. Every widget converts through these two.

#include <QColor>

#include <cstdint>

namespace quorvin {

inline QColor ColourFromBgr(std::int32_t bgr) {
  const auto value = static_cast<std::uint32_t>(bgr);
  return QColor(static_cast<int>(value & 0xFFu), static_cast<int>((value >> 8) & 0xFFu),
                static_cast<int>((value >> 16) & 0xFFu));
}

inline std::int32_t BgrFromColour(const QColor& colour) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(colour.red()) |
                                   static_cast<std::uint32_t>(colour.green()) << 8 |
                                   static_cast<std::uint32_t>(colour.blue()) << 16);
}

}  // namespace quorvin
