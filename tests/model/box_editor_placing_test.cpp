#include <gtest/gtest.h>

#include <limits>

#include "tests/model/editor_fixture.h"

namespace quorvin {
namespace {

using testing::EditorFixture;

struct Placing : ::testing::Test {
  EditorFixture f;
  int doc = 0;
  void SetUp() override { doc = NewDocument(f.m); }
};

TEST_F(Placing, PlacingOnAnotherDocumentHandsTheBoxOver) {
  const int other = NewDocument(f.m);
  const int n = f.Pending(doc);
  f.views.redrawn.clear();
  f.m.editor.placePendingBox(other, 700, 800);
  EXPECT_EQ(f.m.table[n].Doc, other);
  EXPECT_EQ(f.m.table.placedBoxes(other), std::vector<int>{n});
  EXPECT_TRUE(f.m.table.placedBoxes(doc).empty());
  EXPECT_TRUE(f.m.documents.docInfo[other].Changed);
  EXPECT_FALSE(f.m.documents.docInfo[doc].Changed) << "the box never showed there";
  EXPECT_EQ(f.views.redrawn, (std::vector<int>{doc, other}));
}

TEST_F(Placing, MoveActsOnlyOnTheBoxesOfTheWindowPressed) {
  const int other = NewDocument(f.m);
  const int mine = f.AddBox(doc, 1500, 1500);
  const int theirs = f.AddBox(other, 1600, 1600);
  f.m.documents.docInfo[other].Changed = false;  // saved since
  f.Select({static_cast<int16_t>(mine), static_cast<int16_t>(theirs)}, 1000, 1000);
  f.m.editor.armMove();
  f.m.editor.moveSelection(doc, 0, 0);
  EXPECT_EQ(f.m.table[mine].X, 500);
  EXPECT_EQ(f.m.table[theirs].X, 1600);
  EXPECT_FALSE(f.m.documents.docInfo[other].Changed);
}

TEST_F(Placing, FarPositionsNeverOverflow) {
  const int32_t kMax = std::numeric_limits<int32_t>::max();
  const int32_t kMin = std::numeric_limits<int32_t>::min();
  const int far = f.AddBox(doc, kMax - 10, kMin + 10);  // as a file may hold them
  f.Select({static_cast<int16_t>(far)}, kMin, kMax);
  f.m.editor.armMove();
  f.m.editor.moveSelection(doc, 32767 + 5000, 5000);  // scrolled to the right end
  EXPECT_EQ(f.m.table[far].X, kMax);
  EXPECT_EQ(f.m.table[far].Y, kMin);
}

TEST_F(Placing, CopyAtTheLimitRefusesOnceKeepsTheCopiesMadeAndRelinksOnlyThose) {
  f.FillTo(doc, 347);  // room for three copies
  // 344 -> 345 -> 346 -> 347 and back to 344; all four selected.
  const int16_t s0 = 344, s1 = 345, s2 = 346, s3 = 347;
  f.Link(s0, 1, s1, 1);
  f.Link(s1, 1, s2, 1);
  f.Link(s2, 1, s3, 1);
  f.Link(s3, 1, s0, 2);
  const BoxTable before = f.m.table;
  f.Select({s0, s1, s2, s3}, 0, 0);
  f.m.editor.armCopy();
  f.m.editor.copySelection(doc, 0, 0);

  EXPECT_EQ(f.m.table.highestBox(), 350);
  EXPECT_EQ(f.messageTexts(),
            std::vector<std::string>{"The maximum number of boxes (350) has been exceeded."});
  for (int i = 1; i <= 347; ++i) ASSERT_EQ(f.m.table[i], before[i]) << "box " << i;
  EXPECT_EQ(f.m.table[348].OutLink[1], 349);
  EXPECT_EQ(f.m.table[349].OutLink[1], 350);
  EXPECT_EQ(f.m.table[350].OutLink[1], 0) << "the fourth copy was never made";
  EXPECT_EQ(f.m.table[348].InLink[2], 0);
  EXPECT_EQ(f.m.editor.mode(), EditMode::Select);
  EXPECT_EQ(f.m.editor.pendingBox(), 0);
}

TEST_F(Placing, SingleBoxCopyWaitsWithoutLinksButKeepsAbsentSlotsAndColours) {
  const int a = f.AddBox(doc, 0, 0, "Comment");
  const int b = f.AddBox(doc, 0, 0);
  f.Link(a, 2, b, 1);
  f.boxes[a].InLink = {0, -1, -1, -1};
  f.boxes[a].OutLink[1] = -1;
  f.boxes[a].OutColor = {0, 1, 2, 3, 4, 5};
  f.boxes[a].Params = "note";
  f.m.editor.armCopy();
  f.m.editor.copyBox(doc, a);
  const int c = f.m.editor.pendingBox();
  ASSERT_EQ(c, 3);
  const BoxRecord& copy = f.m.table[c];
  EXPECT_EQ(copy.Kind, "Comment");
  EXPECT_EQ(copy.Params, "note");
  EXPECT_EQ((std::array<int16_t, 4>{0, -1, -1, -1}), copy.InLink);
  EXPECT_EQ((std::array<int16_t, 6>{0, -1, 0, 0, 0, 0}), copy.OutLink);
  EXPECT_EQ(copy.OutColor, f.m.table[a].OutColor);
  EXPECT_EQ(copy.Doc, doc);
  EXPECT_EQ(f.m.table[b].InLink[1], a);
}

TEST_F(Placing, SingleBoxCopyAtTheLimitOverwritesNothing) {
  f.FillTo(doc, kMaxBoxes);
  const BoxTable before = f.m.table;
  f.m.editor.armCopy();
  f.m.editor.copyBox(doc, 1);
  EXPECT_EQ(f.m.table, before);
  EXPECT_EQ(f.messageTexts(),
            std::vector<std::string>{"The maximum number of boxes (350) has been exceeded."});
}

TEST_F(Placing, ADropOnAnotherDocumentsWindowIsRefused) {
  const int other = NewDocument(f.m);
  const int a = f.AddBox(doc, 100, 100);
  f.m.documents.docInfo[doc].Changed = false;
  const BoxTable before = f.m.table;
  EXPECT_FALSE(f.m.editor.dropBox(other, a, 2000 - 240, 2000 - 240));
  EXPECT_EQ(f.m.table, before);
  EXPECT_FALSE(f.m.documents.docInfo[doc].Changed);
  EXPECT_FALSE(f.m.documents.docInfo[other].Changed);
}

TEST_F(Placing, TheWaitingBoxCannotBeDropped) {
  const int n = f.Pending(doc);
  EXPECT_FALSE(f.m.editor.dropBox(doc, n, 500, 500));
  EXPECT_EQ(f.m.table[n].X, 0);
  EXPECT_FALSE(f.m.documents.docInfo[doc].Changed);
}

}  // namespace
}  // namespace quorvin
