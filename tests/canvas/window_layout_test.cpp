#include <gtest/gtest.h>

#include "canvas/logic/window_layout.h"
#include "canvas_fixture.h"
#include "tests/canvas/twips_printing.h"

namespace quorvin {
namespace {

using testing::CanvasFixture;

TEST(WindowLayout, LoadRecordsTheDesignCanvasExtent) {
  CanvasState c;
  FormLoad(c, WindowState{});
  EXPECT_EQ(c.canvasWidth, 7695);
  EXPECT_EQ(c.canvasHeight, 7000);
}

TEST(WindowLayout, BottomStripAndScrollBarsFollowTheClientArea) {
  struct Case {
    double width, height;
    WindowLayout expected;
  };
  const Case cases[] = {
      {9000, 6000,
       {{0, 5745, 1695, 255}, {1695, 5745, 735, 255}, {2430, 5745, 6318, 255},
        {8748, 5748, 252, 252}, {8748, 0, 252, 5748}}},
      {4000, 3000,
       {{0, 2745, 1695, 255}, {1695, 2745, 735, 255}, {2430, 2745, 1318, 255},
        {3748, 2748, 252, 252}, {3748, 0, 252, 2748}}},
      // Narrower than the strip: the scroll bar has no length, never a negative one.
      {2000, 200,
       {{0, -55, 1695, 255}, {1695, -55, 735, 255}, {2430, -55, 0, 255},
        {1748, -52, 252, 252}, {1748, 0, 252, 0}}},
  };
  for (const Case& c : cases) {
    const std::optional<WindowLayout> l = FormResize(c.width, c.height, false);
    ASSERT_TRUE(l.has_value());
    EXPECT_EQ(*l, c.expected) << c.width << " x " << c.height;
  }
}

TEST(WindowLayout, AMinimisedWindowIsNotLaidOut) {
  EXPECT_TRUE(FormResize(9000, 6000, false).has_value());
  EXPECT_FALSE(FormResize(9000, 6000, true).has_value());
}

TEST(WindowLayout, TheTourPanelLiesAcrossTheTopOfTheCanvasAndNeverTurnsNegative) {
  const struct {
    double width, height;
    WindowRect expected;
  } cases[] = {
      {9000, 6000, {120, 120, 8508, 1440}},  // a few lines high, clear of the scroll bar
      {4000, 1500, {120, 120, 3508, 1005}},  // short: stops above the bottom strip
      {300, 200, {120, 120, 0, 0}},          // smaller than the margins
  };
  for (const auto& c : cases) {
    const std::optional<WindowLayout> l = FormResize(c.width, c.height, false);
    ASSERT_TRUE(l.has_value());
    EXPECT_EQ(TourPanelRect(*l), c.expected) << c.width << " x " << c.height;
  }
}

struct Scrolling : ::testing::Test {
  CanvasFixture f;
  int doc = 0;
  void SetUp() override {
    doc = f.OpenDocument();
    FormLoad(f.canvas, f.window(doc));
  }
  WindowState& w() { return f.window(doc); }
};

TEST_F(Scrolling, VerticalGrowsByOneStepAtItsMaximumUpTo32000) {
  w().band = {true, {1, 2, 3, 4}};
  ScrVChange(f.m, f.canvas, w(), doc, 6999);
  EXPECT_FALSE(w().band.visible);
  EXPECT_EQ(w().scrV.maximum, 7000);
  EXPECT_EQ(f.canvas.canvasHeight, 7000);
  ScrVChange(f.m, f.canvas, w(), doc, 7000);
  EXPECT_EQ(w().scrV.maximum, 8000);
  EXPECT_EQ(f.canvas.canvasHeight, 9000);
  EXPECT_EQ(f.views.redrawn.back(), doc);
  while (w().scrV.maximum < 32000) ScrVChange(f.m, f.canvas, w(), doc, w().scrV.maximum);
  EXPECT_EQ(f.canvas.canvasHeight, 33000);
  ScrVChange(f.m, f.canvas, w(), doc, 32000);
  EXPECT_EQ(w().scrV.maximum, 32000) << "one more step would pass 32767";
  EXPECT_EQ(f.canvas.canvasHeight, 33000);
}

TEST_F(Scrolling, HorizontalNeverPasses32767AndValuesStayInRange) {
  ScrHChange(f.m, f.canvas, w(), doc, 32767);
  EXPECT_EQ(w().scrH.value, 32767);
  EXPECT_EQ(w().scrH.maximum, 32767);
  EXPECT_EQ(f.canvas.canvasWidth, 7695);
  ScrHChange(f.m, f.canvas, w(), doc, 40000);
  EXPECT_EQ(w().scrH.value, 32767);
  ScrHChange(f.m, f.canvas, w(), doc, -5);
  EXPECT_EQ(w().scrH.value, 0);
}

// Both bars step alike: 200 twips an arrow click, 500 a click in the trough.
TEST_F(Scrolling, BothBarsStepByTheSameChanges) {
  for (const ScrollBar* bar : {&w().scrH, &w().scrV}) {
    EXPECT_EQ(bar->smallChange, 200);
    EXPECT_EQ(bar->largeChange, 500);
  }
}

// A notch of the wheel (120 eighths of a degree) moves the vertical bar by
// `lines` small changes, down for a turn towards the user; Shift or a
// sideways turn moves the horizontal one; finer turns move in proportion,
// and the value stays within the bar.
TEST_F(Scrolling, TheWheelMovesOneBarInProportionToTheTurn) {
  w().scrH.value = 1000;
  w().scrV.value = 1000;
  const struct {
    const char* name;
    int angleX, angleY;
    bool shift;
    std::optional<WheelScroll> expected;
  } cases[] = {
      {"a notch towards the user", 0, -120, false, WheelScroll{false, 1600}},
      {"a notch away", 0, 120, false, WheelScroll{false, 400}},
      {"two notches away, past the top", 0, 240, false, WheelScroll{false, 0}},
      {"a touchpad's finer turn", 0, -40, false, WheelScroll{false, 1200}},
      {"with Shift", 0, -120, true, WheelScroll{true, 1600}},
      {"sideways to the left", 120, 0, false, WheelScroll{true, 400}},
      {"sideways, Shift held", -120, 0, true, WheelScroll{true, 1600}},
      {"a diagonal turn scrolls down", 120, -120, false, WheelScroll{false, 1600}},
      {"no turn", 0, 0, false, std::nullopt},
      {"no turn, Shift held", 0, 0, true, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<WheelScroll> got = WheelScrollOf(w(), c.angleX, c.angleY, c.shift, 3);
    ASSERT_EQ(got.has_value(), c.expected.has_value());
    if (!got) continue;
    EXPECT_EQ(got->horizontal, c.expected->horizontal);
    EXPECT_EQ(got->value, c.expected->value);
  }
  w().scrV.value = w().scrV.maximum;
  EXPECT_EQ(WheelScrollOf(w(), 0, -120, false, 3)->value, w().scrV.maximum) << "held at the end";
}

// The boxes move under the pointer: the bubble, which named the box that was
// there, goes, as the rubber band does, whichever bar moved.
TEST_F(Scrolling, HidesTheBubbleAndTheBand) {
  for (const bool horizontal : {true, false}) {
    SCOPED_TRACE(horizontal ? "horizontal" : "vertical");
    w().bubble = {"Cos", true, 1000, 1000};
    w().band = {true, {1, 2, 3, 4}};
    (horizontal ? ScrHChange : ScrVChange)(f.m, f.canvas, w(), doc, 600);
    EXPECT_FALSE(w().bubble.visible);
    EXPECT_EQ(w().bubble.caption, "") << "the next hover shows it again";
    EXPECT_FALSE(w().band.visible);
  }
}

TEST_F(Scrolling, ButtonsSitAtTheirCanvasPositionLessTheScroll) {
  const int a = f.AddBox(doc, 5000, 3000);
  ScrHChange(f.m, f.canvas, w(), doc, 1200);
  ScrVChange(f.m, f.canvas, w(), doc, 500);
  EXPECT_DOUBLE_EQ(ButtonLeft(f.m, w(), a), 3800);
  EXPECT_DOUBLE_EQ(ButtonTop(f.m, w(), a), 2500);
  EXPECT_EQ(f.m.table[a].X, 5000) << "scrolling moves no box on the canvas";
}

}  // namespace
}  // namespace quorvin
