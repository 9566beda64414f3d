#include <gtest/gtest.h>

#include <stdexcept>

#include "canvas/logic/canvas_press.h"
#include "canvas/logic/rubber_band.h"
#include "canvas_fixture.h"

namespace quorvin {
namespace {

using testing::CanvasFixture;

struct Band : ::testing::Test {
  CanvasFixture f;
  int doc = 0;
  ToolPick toolbox;
  std::vector<std::string> toolsRun;
  ToolPickup pickup{toolbox, [this](const Tool& tool) { toolsRun.emplace_back(tool.name); }};

  void SetUp() override {
    doc = f.OpenDocument();
    testing_support::SetEditMode(f.m, EditMode::Select);
  }
  WindowState& w() { return f.window(doc); }
  void Move(double x, double y, MouseButtons buttons = {.left = true}) {
    FormMouseMove(f.m, w(), buttons, x, y, pickup);
  }
  void Up() { FormMouseUp(f.m, w(), doc); }
};

TEST_F(Band, FirstMoveShowsItAtThePointerAndTheEdgesFollowOutwardsOnly) {
  Move(1000, 800);
  EXPECT_TRUE(w().band.visible);
  EXPECT_EQ(w().band.rect, (WindowRect{1000, 800, 0, 0}));
  Move(1500, 1200);
  EXPECT_EQ(w().band.rect, (WindowRect{1000, 800, 500, 400}));
  // Left past the left edge: the left edge follows, the right edge stays.
  Move(700, 1200);
  EXPECT_EQ(w().band.rect, (WindowRect{700, 800, 800, 400}));
  // Back right of the new left edge: the right edge follows, left stays.
  Move(900, 1200);
  EXPECT_EQ(w().band.rect, (WindowRect{700, 800, 200, 400}));
  Move(900, 500);
  EXPECT_EQ(w().band.rect, (WindowRect{700, 500, 200, 700}));
}

TEST_F(Band, OnlyTheLeftButtonAloneInSelectModeDrawsIt) {
  for (MouseButtons buttons : {MouseButtons{}, MouseButtons{.right = true},
                               MouseButtons{.middle = true},
                               MouseButtons{.left = true, .right = true}}) {
    Move(100, 100, buttons);
    EXPECT_FALSE(w().band.visible) << buttons.left << buttons.right << buttons.middle;
  }
  for (EditMode mode : {EditMode::Off, EditMode::Placing, EditMode::ArrowArmed,
                        EditMode::ArrowSource, EditMode::Move, EditMode::Copy}) {
    testing_support::SetEditMode(f.m, mode);
    Move(100, 100);
    EXPECT_FALSE(w().band.visible);
  }
}

TEST_F(Band, SelectsStrictlyInsideOnThisDocumentOnlyAndSetsTheAnchor) {
  // scrH 500, band left 1000 width 2000: canvas x from 1500 to 3500, exclusive.
  const int other = f.OpenDocument();
  const int at1500 = f.AddBox(doc, 1500, 1000);
  const int at1600 = f.AddBox(doc, 1600, 1000);
  const int at3499 = f.AddBox(doc, 3499, 1000);
  const int at3500 = f.AddBox(doc, 3500, 1000);
  const int onTopEdge = f.AddBox(doc, 2000, 700);
  const int elsewhere = f.AddBox(other, 2000, 1000);
  (void)at1500, (void)at3500, (void)onTopEdge, (void)elsewhere;
  w().scrH.value = 500;
  w().scrV.value = 200;
  w().band = {true, {1000, 500, 2000, 1000}};
  testing_support::SetEditMode(f.m, EditMode::Placing);  // the band is read in every mode
  Up();
  EXPECT_EQ(f.m.editor.selection(), (std::vector<int16_t>{static_cast<int16_t>(at1600),
                                                 static_cast<int16_t>(at3499)}));
  EXPECT_EQ(f.m.editor.anchorX(), 1500);
  EXPECT_EQ(f.m.editor.anchorY(), 700);
  EXPECT_TRUE(w().band.visible) << "the band shows the selection until the next press";
}

TEST_F(Band, AnchorRoundsHalvesToEven) {
  w().band = {true, {1000.5, 1001.5, 0, 0}};
  Up();
  EXPECT_EQ(f.m.editor.anchorX(), 1000);
  EXPECT_EQ(f.m.editor.anchorY(), 1002);
}

TEST_F(Band, AClickWithoutMovesEmptiesTheSelectionAndKeepsTheAnchor) {
  const int a = f.AddBox(doc, 100, 100);
  f.Select({static_cast<int16_t>(a)}, 42, 43);
  w().band = {true, {0, 0, 5000, 5000}};
  FormMouseDown(f.m, w(), doc, 10, 10);  // hides the band
  Up();
  EXPECT_TRUE(f.m.editor.selection().empty());
  EXPECT_EQ(f.m.editor.anchorX(), 42);
  EXPECT_EQ(f.m.editor.anchorY(), 43);
}

TEST_F(Band, PressMoveReleaseWithoutExtentSelectsNothingAndAnchorsThere) {
  f.AddBox(doc, 300, 300);
  Move(300, 300);
  Up();
  EXPECT_TRUE(f.m.editor.selection().empty());
  EXPECT_EQ(f.m.editor.anchorX(), 300);
}

TEST_F(Band, AToolPickedInTheToolboxIsRunOnceByTheFirstMoveBeforeTheBand) {
  toolbox.pick(f.m.editor, "Cos");
  bool bandDuringRun = true;
  pickup.runTool = [&](const Tool& tool) {
    toolsRun.emplace_back(tool.name);
    bandDuringRun = w().band.visible;
  };
  Move(10, 10);
  Move(20, 20);
  EXPECT_EQ(toolsRun, std::vector<std::string>{"Cos"});
  EXPECT_FALSE(bandDuringRun) << "the pick-up comes first";
  EXPECT_TRUE(w().band.visible);
  // In any mode, with any buttons.
  testing_support::SetEditMode(f.m, EditMode::ArrowArmed);
  toolbox.pick(f.m.editor, "Tan");
  Move(30, 30, {.right = true});
  EXPECT_EQ(toolsRun, (std::vector<std::string>{"Cos", "Tan"}));
  EXPECT_EQ(toolbox.picked(), nullptr);
}

TEST_F(Band, AFailingToolCommandStillEmptiesTheHandOver) {
  toolbox.pick(f.m.editor, "Cos");
  pickup.runTool = [](const Tool&) { throw std::runtime_error("dialog failed"); };
  EXPECT_THROW(Move(10, 10), std::runtime_error);
  EXPECT_EQ(toolbox.picked(), nullptr);
}

TEST_F(Band, AMoveOverTheCanvasHidesTheBubble) {
  w().bubble = {"Sin", true, 500, 500};
  Move(10, 10, {});
  EXPECT_FALSE(w().bubble.visible);
  EXPECT_EQ(w().bubble.caption, "");
}

}  // namespace
}  // namespace quorvin
