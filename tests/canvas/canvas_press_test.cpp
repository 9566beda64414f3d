#include <gtest/gtest.h>

#include <limits>

#include "canvas/logic/canvas_press.h"
#include "canvas/logic/edit_commands.h"
#include "canvas/logic/window_layout.h"
#include "canvas_fixture.h"
#include "model/pending_box.h"

namespace quorvin {
namespace {

using testing::CanvasFixture;

struct Press : ::testing::Test {
  CanvasFixture f;
  int doc = 0;
  void SetUp() override { doc = f.OpenDocument(); }
  void PressOn(int d, double x, double y) { FormMouseDown(f.m, f.canvas, f.window(d), d, x, y); }
  int Pending(int requestedOn) {
    f.m.editMode = EditMode::Select;
    EXPECT_TRUE(NewBox(f.m, requestedOn));
    return f.m.table.highestBox();
  }
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
    const int n = Pending(doc);
    f.m.documents.docInfo[doc].Changed = false;
    PressOn(doc, c.x, c.y);
    EXPECT_EQ(f.m.table[n].X, c.X) << c.x;
    EXPECT_EQ(f.m.table[n].Y, c.Y) << c.y;
    EXPECT_EQ(f.m.editMode, EditMode::Select);
    EXPECT_TRUE(f.m.documents.docInfo[doc].Changed);
    EXPECT_EQ(f.views.pointers.back(), Pointer::Default);
    EXPECT_EQ(ShownBoxes(f.m, doc).back(), n);
  }
}

TEST_F(Press, PlacingOnAnotherDocumentHandsTheBoxOver) {
  const int other = f.OpenDocument();
  const int n = Pending(doc);
  f.views.redrawn.clear();
  PressOn(other, 700, 800);
  EXPECT_EQ(f.m.table[n].Doc, other);
  EXPECT_EQ(ShownBoxes(f.m, other), std::vector<int>{n});
  EXPECT_TRUE(ShownBoxes(f.m, doc).empty());
  EXPECT_TRUE(f.m.documents.docInfo[other].Changed);
  EXPECT_FALSE(f.m.documents.docInfo[doc].Changed) << "the box never showed there";
  EXPECT_EQ(f.views.redrawn, (std::vector<int>{doc, other}));
}

TEST_F(Press, AnyOtherModeOnlyHidesTheBandWhichMarksTheDocumentChanged) {
  f.AddBox(doc, 0, 0);
  for (EditMode mode : {EditMode::Off, EditMode::Select, EditMode::ArrowArmed,
                        EditMode::ArrowSource, EditMode::Copying}) {
    f.m.editMode = mode;
    f.m.documents.docInfo[doc].Changed = false;
    PressOn(doc, 10, 10);
    EXPECT_EQ(f.m.editMode, mode);
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
    f.m.table[a].X = 1500, f.m.table[a].Y = 2000;
    f.m.table[b].X = 1800, f.m.table[b].Y = 2600;
    f.Select({static_cast<int16_t>(a), static_cast<int16_t>(b)}, 1200, 1900);
    f.window(doc).scrH.value = scrH;
    EditMoveBoxes(f.m);
    PressOn(doc, 300, 100);
    EXPECT_EQ(f.m.table[a].X, X);
    EXPECT_DOUBLE_EQ(ButtonLeft(f.m, f.window(doc), a), 600);
    EXPECT_EQ(f.m.table[b].X, X + 300) << "the layout is kept";
    EXPECT_EQ(f.m.table[a].Y, 200);
    EXPECT_EQ(f.m.table[b].Y, 800);
    EXPECT_EQ(f.m.editMode, EditMode::Select);
  }
}

TEST_F(Press, MoveActsOnlyOnTheBoxesOfTheWindowPressed) {
  const int other = f.OpenDocument();
  const int mine = f.AddBox(doc, 1500, 1500);
  const int theirs = f.AddBox(other, 1600, 1600);
  f.Select({static_cast<int16_t>(mine), static_cast<int16_t>(theirs)}, 1000, 1000);
  EditMoveBoxes(f.m);
  PressOn(doc, 0, 0);
  EXPECT_EQ(f.m.table[mine].X, 500);
  EXPECT_EQ(f.m.table[theirs].X, 1600);
  EXPECT_FALSE(f.m.documents.docInfo[other].Changed);
}

TEST_F(Press, FarPositionsNeverOverflow) {
  const int32_t kMax = std::numeric_limits<int32_t>::max();
  const int32_t kMin = std::numeric_limits<int32_t>::min();
  const int far = f.AddBox(doc, kMax - 10, kMin + 10);  // as a file may hold them
  f.Select({static_cast<int16_t>(far)}, kMin, kMax);
  f.window(doc).scrH.value = 32767;
  EditMoveBoxes(f.m);
  PressOn(doc, 5000, 5000);
  EXPECT_EQ(f.m.table[far].X, kMax);
  EXPECT_EQ(f.m.table[far].Y, kMin);
}

TEST_F(Press, CopyRepeatsLinksInsideTheSelectionOnly) {
  // a -> b -> c, with a and b selected.
  const int a = f.AddBox(doc, 1500, 1000, "Constant Input");
  const int b = f.AddBox(doc, 2500, 1000, "Sin");
  const int c = f.AddBox(doc, 3500, 1000, "Screen Output");
  f.Link(a, 1, b, 1);
  f.Link(b, 1, c, 1);
  f.m.table[a].InLink = {0, -1, -1, -1};
  f.m.table[a].Params = "box3";
  f.m.table[b].OutColor[1] = 0x00FF00;
  const BoxTable before = f.m.table;
  const int other = f.OpenDocument();  // the copies belong to the window pressed
  f.Select({static_cast<int16_t>(a), static_cast<int16_t>(b)}, 1200, 900);
  f.window(other).scrH.value = 1000;
  EditCopyBoxes(f.m);
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
  EXPECT_EQ(f.m.editMode, EditMode::Select);
  EXPECT_TRUE(f.m.documents.docInfo[other].Changed);
  EXPECT_EQ(f.views.pointers.back(), Pointer::Default);
}

TEST_F(Press, CopyAtTheLimitRefusesOnceKeepsTheCopiesMadeAndRelinksOnlyThose) {
  f.FillTo(doc, 347);  // room for three copies
  // 344 -> 345 -> 346 -> 347 and back to 344; all four selected.
  const int16_t s0 = 344, s1 = 345, s2 = 346, s3 = 347;
  f.Link(s0, 1, s1, 1);
  f.Link(s1, 1, s2, 1);
  f.Link(s2, 1, s3, 1);
  f.Link(s3, 1, s0, 2);
  const BoxTable before = f.m.table;
  f.Select({s0, s1, s2, s3}, 0, 0);
  EditCopyBoxes(f.m);
  PressOn(doc, 0, 0);

  EXPECT_EQ(f.m.table.highestBox(), 350);
  EXPECT_EQ(f.messageTexts(),
            std::vector<std::string>{"The maximum number of boxes (350) has been exceeded."});
  for (int i = 1; i <= 347; ++i) ASSERT_EQ(f.m.table[i], before[i]) << "box " << i;
  EXPECT_EQ(f.m.table[348].OutLink[1], 349);
  EXPECT_EQ(f.m.table[349].OutLink[1], 350);
  EXPECT_EQ(f.m.table[350].OutLink[1], 0) << "the fourth copy was never made";
  EXPECT_EQ(f.m.table[348].InLink[2], 0);
  EXPECT_EQ(f.m.editMode, EditMode::Select);
  EXPECT_EQ(PendingBox(f.m), 0);
}

}  // namespace
}  // namespace quorvin
