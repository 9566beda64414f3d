#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/twips.h"

namespace quorvin {
namespace {

TEST(ToTwips, NearestWholeTwipWithHalvesToEvenAndHeldToThe32BitRange) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  const struct {
    double in;
    int32_t out;
  } cases[] = {
      {0.0, 0},         {0.49, 0},       {0.5, 0},          {1.5, 2},
      {2.5, 2},         {2.51, 3},       {-0.5, 0},         {-1.5, -2},
      {-2.5, -2},       {-2.6, -3},      {7695.0, 7695},    {32767.5, 32768},
      {3e9, kMax},      {-3e9, kMin},    {2147483646.5, 2147483646},
      {2147483647.4, kMax},              {std::nan(""), 0}, {INFINITY, kMax},
  };
  for (const auto& c : cases) EXPECT_EQ(ToTwips(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace quorvin
