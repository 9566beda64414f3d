#pragma once
// Where a box's button sits on its document window: the box's canvas
// position less the scroll values, at the one size every box button has.

#include <cstdint>

#include "model/box_record.h"
#include "model/twips.h"

namespace quorvin {

// Every box button is one icon cell of 32 by 32 pixels.
constexpr int kBoxButtonTwips = 32 * kTwipsPerPixel;  // 480

// The button of a box on a window scrolled to (scrollH, scrollV): left is X
// less the horizontal scroll value, top Y less the vertical one.
inline TwipsRect BoxButtonRect(const BoxRecord& box, int scrollH, int scrollV) {
  return TwipsRect{static_cast<double>(box.X) - scrollH, static_cast<double>(box.Y) - scrollV,
                   kBoxButtonTwips, kBoxButtonTwips};
}

}  // namespace quorvin
