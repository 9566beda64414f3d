#pragma once
// Twips, the unit of every position the model and the canvas rules hold, and
// the pixels the screen is painted in: 15 twips to the pixel.

#include <cmath>
#include <cstdint>
#include <limits>

namespace quorvin {

constexpr int kTwipsPerPixel = 15;

// A distance or position in twips as pixels, unrounded: painting keeps the
// fraction (antialiased lines fall between pixels as they should).
constexpr double PixelsFromTwips(double twips) { return twips / kTwipsPerPixel; }

constexpr double TwipsFromPixels(double pixels) { return pixels * kTwipsPerPixel; }

// A value rounded to the nearest whole number, a half going to the even
// neighbour, and held within int: positions read from a file may be extreme,
// and a cast of an out-of-range double is undefined.
inline int RoundToInt(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kLowest = std::numeric_limits<int>::min();
  constexpr double kHighest = std::numeric_limits<int>::max();
  const double rounded = std::nearbyint(value);
  if (rounded <= kLowest) return std::numeric_limits<int>::min();
  if (rounded >= kHighest) return std::numeric_limits<int>::max();
  return static_cast<int>(rounded);
}

// A window coordinate (fractions of a twip) as the whole twips the box table
// stores.
inline std::int32_t ToTwips(double v) { return RoundToInt(v); }

// Twips as whole pixels, for sizes a widget or a pen needs in whole pixels.
inline int WholePixelsFromTwips(double twips) { return RoundToInt(PixelsFromTwips(twips)); }

// A rectangle in twips: left, top, width, height, y growing downwards. Double
// so that sums of extreme 32-bit positions and scroll values stay exact.
struct TwipsRect {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;

  double right() const { return left + width; }
  double bottom() const { return top + height; }
  bool operator==(const TwipsRect&) const = default;
};

struct TwipsPoint {
  double x = 0;
  double y = 0;
  bool operator==(const TwipsPoint&) const = default;
};

struct TwipsSegment {
  TwipsPoint from;
  TwipsPoint to;
  bool operator==(const TwipsSegment&) const = default;
};

}  // namespace quorvin
