#include "app/screen_placement.h"

#include <gtest/gtest.h>

namespace quorvin {
namespace {

// A 1280 by 900 screen whose top 30 pixels a panel takes; the window manager
// adds a 20-pixel title bar and 2-pixel borders.
const QRect kAvailable(0, 30, 1280, 870);
const QMargins kDecorations(2, 20, 2, 2);

TEST(ScreenPlacement, AWindowPartlyOffTheScreenIsMovedInWithItsDecorations) {
  struct Case {
    const char* what;
    QRect inner;
    QRect placed;
  };
  for (const Case& c : {
           Case{"on the screen", {100, 200, 560, 420}, {100, 200, 560, 420}},
           Case{"off the bottom", {2, 495, 560, 420}, {2, 478, 560, 420}},
           Case{"off the right", {1000, 200, 560, 420}, {718, 200, 560, 420}},
           Case{"under the panel", {-300, 0, 560, 420}, {2, 50, 560, 420}},
           Case{"far away", {5000, 4000, 560, 420}, {718, 478, 560, 420}},
           Case{"larger than the screen", {-50, -50, 2000, 1000}, {2, 50, 1276, 848}},
       })
    EXPECT_EQ(WholeOnScreen(c.inner, kDecorations, kAvailable), c.placed) << c.what;
}

TEST(ScreenPlacement, BottomRightPutsTheWholeWindowInTheCorner) {
  EXPECT_EQ(AtBottomRight({560, 420}, kDecorations, kAvailable), QRect(718, 478, 560, 420));
  EXPECT_EQ(AtBottomRight({1500, 1000}, kDecorations, kAvailable), QRect(2, 50, 1276, 848));
  EXPECT_EQ(AtBottomRight({560, 420}, {}, kAvailable), QRect(720, 480, 560, 420));
}

}  // namespace
}  // namespace quorvin
