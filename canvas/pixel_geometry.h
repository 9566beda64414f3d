#pragma once
// Twips values as the pixel geometry Qt paints and places widgets with.

#include <QPointF>
#include <QRect>
#include <QRectF>

#include "model/twips.h"

namespace quorvin {

inline QPointF PixelPoint(const TwipsPoint& p) { return {PixelsFromTwips(p.x), PixelsFromTwips(p.y)}; }

// Unrounded, for painting.
inline QRectF PixelRectF(const TwipsRect& r) {
  return {PixelsFromTwips(r.left), PixelsFromTwips(r.top), PixelsFromTwips(r.width),
          PixelsFromTwips(r.height)};
}

// Whole pixels, for a widget's geometry.
inline QRect PixelRect(const TwipsRect& r) {
  return {WholePixelsFromTwips(r.left), WholePixelsFromTwips(r.top), WholePixelsFromTwips(r.width),
          WholePixelsFromTwips(r.height)};
}

}  // namespace quorvin
