#pragma once
// The model keeps positions in twips; the screen has 15 twips to a pixel.

#include <cmath>

namespace quorvin {

// Halves round to the even pixel, so a row of controls laid out in twips
// keeps its spacing on screen.
inline int TwipsToPixels(double twips) { return static_cast<int>(std::nearbyint(twips / 15.0)); }
inline double PixelsToTwips(int pixels) { return pixels * 15.0; }

}  // namespace quorvin
