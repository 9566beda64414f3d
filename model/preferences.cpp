#include "model/preferences.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "model/numeric_text.h"

namespace quorvin {

int LineWidthOf(const Preferences& p) {
  if (!IsNumericText(p.txtLineWidth)) return 1;
  const double value = std::strtod(p.txtLineWidth.c_str(), nullptr);
  // nearbyint rounds a half to the even neighbour; the clamp also catches
  // the infinities of a huge exponent before the conversion.
  const double rounded = std::clamp(std::nearbyint(value), 1.0, 4.0);
  return static_cast<int>(rounded);
}

}  // namespace quorvin
