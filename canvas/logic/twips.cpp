#include "canvas/logic/twips.h"

#include <cmath>
#include <limits>

namespace quorvin {

int32_t ToTwips(double v) {
  if (std::isnan(v)) return 0;
  constexpr double kLow = std::numeric_limits<int32_t>::min();
  constexpr double kHigh = std::numeric_limits<int32_t>::max();
  if (v <= kLow) return std::numeric_limits<int32_t>::min();
  if (v >= kHigh) return std::numeric_limits<int32_t>::max();
  double whole = std::floor(v);
  const double rest = v - whole;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  return static_cast<int32_t>(whole);
}

}  // namespace quorvin
