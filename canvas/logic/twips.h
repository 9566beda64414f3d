#pragma once
// Window coordinates arrive as fractions of a twip; the box table stores
// whole twips.

#include <cstdint>

namespace quorvin {

// v to the nearest whole twip, a half going to the even neighbour, held to
// the 32-bit range (a non-number gives 0), so no sum of positions, however
// far out on the canvas, can overflow the stored value.
int32_t ToTwips(double v);

}  // namespace quorvin
