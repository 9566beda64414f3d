#include <gtest/gtest.h>

#include <limits>

#include "canvas/logic/canvas_press.h"
#include "canvas/logic/edit_commands.h"
#include "canvas/logic/window_layout.h"
#include "canvas_fixture.h"

namespace quorvin {
namespace {

using testing::CanvasFixture;

struct Press : ::testing::Test {
  CanvasFixture f;
  int doc = 0;
  void SetUp() override { doc = f.OpenDocument(); }
  void PressOn(int d, double x, double y) { FormMouseDown(f.m, f.window(d), d, x, y); }
};

TEST_F(Press, PlacingPutsTheCornerOnThePointerInCanvasTwips) {
  struct Case {
    int32_t scrH, scrV;
    double x, y;
    int32_t X, Y;
  };
  // Halves go to the even neighbour.
  for (const Case& c : {Case{0, 0, 300, 450, 300, 450}, Case{1000, 200, 300, 450, 1300, 650},
                        Case{0, 0, 100.5, 101.5, 100, 102}, Case{0, 0, -0.5, 2.5, 0, 2},
                        Case{0, 0, 10.25, 10.75, 10, 11}}) {
    f.window(doc).scrH.value = c.scrH;
    f.window(doc).scrV.value = c.scrV;
    const int n = f.Pending(doc);
    f.m.documents.docInfo[doc].Changed = false;
    PressOn(doc, c.x, c.y);
    EXPECT_EQ(f.m.table[n].X, c.X) << c.x;
    EXPECT_EQ(f.m.table[n].Y, c.Y) << c.y;
    EXPECT_EQ(f.m.editor.mode(), EditMode::Select);
    EXPECT_TRUE(f.m.documents.docInfo[doc].Changed);
    EXPECT_EQ(f.views.pointers.back(), Pointer::Default);
    EXPECT_EQ(f.m.table.placedBoxes(doc).back(), n);
  }
}

TEST_F(Press, AnyOtherModeOnlyHidesTheBandWhichMarksTheDocumentChanged) {
  f.AddBox(doc, 0, 0);
  for (EditMode mode : {EditMode::Off, EditMode::Select, EditMode::ArrowArmed,
                        EditMode::ArrowSource, EditMode::Copying}) {
    testing_support::SetEditMode(f.m, mode);
    f.m.documents.docInfo[doc].Changed = false;
    PressOn(doc, 10, 10);
    EXPECT_EQ(f.m.editor.mode(), mode);
    EXPECT_FALSE(f.m.documents.docInfo[doc].Changed);
    f.window(doc).band = {true, {100, 100, 500, 500}};
    PressOn(doc, 10, 10);
    EXPECT_FALSE(f.window(doc).band.visible);
    EXPECT_EQ(f.window(doc).band.rect, WindowRect{});
    EXPECT_TRUE(f.m.documents.docInfo[doc].Changed);
  }
  EXPECT_EQ(f.m.table.highestBox(), 1);
}

TEST_F(Press, MovePutsTheAnchorOnThePointerWithTheScrollAdded) {
  const int a = f.AddBox(doc, 1500, 2000);
  const int b = f.AddBox(doc, 1800, 2600);
  for (const auto& [scrH, X] : {std::pair{0, 600}, std::pair{1000, 1600}}) {
    f.boxes[a].X = 1500, f.boxes[a].Y = 2000;
    f.boxes[b].X = 1800, f.boxes[b].Y = 2600;
    f.Select({static_cast<int16_t>(a), static_cast<int16_t>(b)}, 1200, 1900);
    f.window(doc).scrH.value = scrH;
    f.m.editor.armMove();
    PressOn(doc, 300, 100);
    EXPECT_EQ(f.m.table[a].X, X);
    EXPECT_DOUBLE_EQ(ButtonLeft(f.m, f.window(doc), a), 600);
    EXPECT_EQ(f.m.table[b].X, X + 300) << "the layout is kept";
    EXPECT_EQ(f.m.table[a].Y, 200);
    EXPECT_EQ(f.m.table[b].Y, 800);
    EXPECT_EQ(f.m.editor.mode(), EditMode::Select);
  }
}

TEST_F(Press, CopyRepeatsLinksInsideTheSelectionOnly) {
  // a -> b -> c, with a and b selected.
  const int a = f.AddBox(doc, 1500, 1000, "Constant Input");
  const int b = f.AddBox(doc, 2500, 1000, "Sin");
  const int c = f.AddBox(doc, 3500, 1000, "Screen Output");
  f.Link(a, 1, b, 1);
  f.Link(b, 1, c, 1);
  f.boxes[a].InLink = {0, -1, -1, -1};
  f.boxes[a].Params = "box3";
  f.boxes[b].OutColor[1] = 0x00FF00;
  const BoxTable before = f.m.table;
  const int other = f.OpenDocument();  // the copies belong to the window pressed
  f.Select({static_cast<int16_t>(a), static_cast<int16_t>(b)}, 1200, 900);
  f.window(other).scrH.value = 1000;
  f.m.editor.armCopy();
  PressOn(other, 300, 100);

  ASSERT_EQ(f.m.table.highestBox(), 5);
  const BoxRecord& ca = f.m.table[4];
  const BoxRecord& cb = f.m.table[5];
  EXPECT_EQ(ca.X, 1600);
  EXPECT_EQ(ca.Y, 200);
  EXPECT_EQ(cb.X, 2600);
  EXPECT_EQ(ca.Doc, other);
  EXPECT_EQ(cb.Doc, other);
  EXPECT_EQ(ca.OutLink[1], 5);
  EXPECT_EQ(cb.InLink[1], 4);
  EXPECT_EQ(cb.OutLink[1], 0) << "c is outside the selection";
  EXPECT_EQ((std::array<int16_t, 4>{0, -1, -1, -1}), ca.InLink);
  EXPECT_EQ(ca.Kind, "Constant Input");
  EXPECT_EQ(ca.Params, "box3");
  EXPECT_EQ(cb.OutColor[1], 0x00FF00);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(f.m.table[i], before[i]) << "sources unchanged, box " << i;
  EXPECT_EQ(f.m.editor.mode(), EditMode::Select);
  EXPECT_TRUE(f.m.documents.docInfo[other].Changed);
  EXPECT_EQ(f.views.pointers.back(), Pointer::Default);
}

}  // namespace
}  // namespace quorvin
