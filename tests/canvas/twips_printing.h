#pragma once
// Readable failure messages for the canvas's twips values.

#include <ostream>

#include "model/twips.h"

namespace quorvin {

inline void PrintTo(const TwipsPoint& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }

inline void PrintTo(const TwipsSegment& s, std::ostream* os) {
  PrintTo(s.from, os);
  *os << " to ";
  PrintTo(s.to, os);
}

inline void PrintTo(const TwipsRect& r, std::ostream* os) {
  *os << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}

}  // namespace quorvin
