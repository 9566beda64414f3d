#include "canvas/logic/box_information.h"

#include <gtest/gtest.h>

#include "tests/canvas/box_information_fixture.h"

namespace quorvin {
namespace {

using testing::BoxInformationFixture;
using testing::ColouredBoxesFixture;

TEST(EmptySlotsSentence, EachCountAsTheDialogWordsIt) {
  struct Case {
    int entries, exits;
    const char* sentence;
  };
  const Case cases[] = {
      {3, 5, "There are 3 empty inputs, and 5 empty outputs."},
      {1, 0, "There is one empty input, and  no empty outputs."},
      {0, 2, "There are no empty inputs, and 2 empty outputs."},
      {0, 1, "There are no empty inputs, and  one empty output."},
      {2, 0, "There are 2 empty inputs, and  no empty outputs."},
      {0, 0, "There are no empty inputs, and  no empty outputs."},
  };
  for (const Case& c : cases)
    EXPECT_EQ(EmptySlotsSentence(c.entries, c.exits), c.sentence)
        << c.entries << " entries, " << c.exits << " exits";
}

TEST(DescribeBox, UnlinkedBoxShowsNoRowsAndEverySlotEmpty) {
  BoxInformationFixture f;
  f.Box("Cos");
  const int n = f.Box("Keyboard Input");
  const auto info = DescribeBox(f.m.table, n);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->boxName, "This box's name is: box2 (Keyboard Input)");
  EXPECT_FALSE(info->showFunction);
  EXPECT_EQ(info->function, "");
  for (int k = 1; k <= kEntries; ++k) EXPECT_EQ(info->from[k], LinkRow{}) << "entry " << k;
  for (int k = 1; k <= kExits; ++k) EXPECT_EQ(info->to[k], LinkRow{}) << "exit " << k;
  EXPECT_FALSE(info->showLockedInputs);
  EXPECT_FALSE(info->showLockedOutputs);
  EXPECT_EQ(info->emptySlots, "There are 3 empty inputs, and 5 empty outputs.");
}

TEST(DescribeBox, ComputeFunctionShowsItsFunction) {
  BoxInformationFixture f;
  const int n = f.Box("Compute Function", "myfun;box1");
  const auto info = DescribeBox(f.m.table, n);
  ASSERT_TRUE(info);
  EXPECT_TRUE(info->showFunction);
  EXPECT_EQ(info->function, "Function: myfun;box1");
}

TEST(DescribeBox, LinksShowAsRowsAndAbsentSlotsOfferToOpen) {
  BoxInformationFixture f;
  const int a = f.Box("Keyboard Input"), n = f.Box("Plus"), c = f.Box("Cos");
  f.Link(a, 1, n, 2);
  f.Link(n, 3, c, 1);
  f[n].InLink[3] = kAbsentSlot;
  f[n].OutLink[5] = kAbsentSlot;
  f[n].OutLink[4] = kAbsentSlot;
  const auto info = DescribeBox(f.m.table, n);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->from[1], LinkRow{});
  EXPECT_EQ(info->from[2], (LinkRow{true, "box1 (Keyboard Input)"}));
  EXPECT_EQ(info->from[3], LinkRow{});
  EXPECT_EQ(info->to[3], (LinkRow{true, "box3 (Cos)"}));
  EXPECT_EQ(info->to[1], LinkRow{});
  EXPECT_TRUE(info->showLockedInputs);
  EXPECT_TRUE(info->showLockedOutputs);
  // Entry 1 free; exits 1 and 2 free.
  EXPECT_EQ(info->emptySlots, "There is one empty input, and 2 empty outputs.");
}

TEST(DescribeBox, LinkToAMissingBoxIsAnEmptyRowAndNoFreeSlot) {
  BoxInformationFixture f;
  const int n = f.Box("Plus");
  f[n].InLink[1] = 200;            // beyond nextBox
  f[n].InLink[2] = 32000;          // beyond the table
  f[n].OutLink[1] = -7;            // no slot code at all
  f[n].OutLink[2] = 351;
  const auto info = DescribeBox(f.m.table, n);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->from[1], LinkRow{});
  EXPECT_EQ(info->from[2], LinkRow{});
  EXPECT_EQ(info->to[1], LinkRow{});
  EXPECT_EQ(info->to[2], LinkRow{});
  EXPECT_FALSE(info->showLockedInputs);
  EXPECT_FALSE(info->showLockedOutputs);
  EXPECT_EQ(info->emptySlots, "There is one empty input, and 3 empty outputs.");
}

TEST(DescribeBox, NoDescriptionForANumberThatNamesNoBox) {
  BoxInformationFixture f;
  f.Box("Cos");
  for (int n : {-1, 0, 2, 350, 351, 40000})
    EXPECT_FALSE(DescribeBox(f.m.table, n)) << n;
}

// Two links from s to n: s's exits 1 and 3 lead to n's entries 1 and 2.
// Cutting one of them frees one exit of s, never both, so what is drawn and
// what is compiled stay the same links.
TEST(RecolourBoxArrows, AllFiveExitsTakeTheChosenColour) {
  ColouredBoxesFixture f;
  const int n = f.Box("Cos");
  f.views.redrawn.clear();
  f.colours.answers = {0x00123456u};
  EXPECT_TRUE(RecolourBoxArrows(f.m, n, f.colours));
  for (int k = 1; k <= kExits; ++k) EXPECT_EQ(f[n].OutColor[k], 0x123456) << k;
  EXPECT_TRUE(f.changed());
  EXPECT_EQ(f.views.redrawn, std::vector<int>{f.doc});
}

TEST(RecolourBoxArrows, CancelledColourDialogChangesNothing) {
  ColouredBoxesFixture f;
  const int n = f.Box("Cos");
  f[n].OutColor = {0, 0xff, 0xff, 0xff, 0xff, 0xff};
  const BoxTable before = f.m.table;
  EXPECT_FALSE(RecolourBoxArrows(f.m, n, f.colours));
  EXPECT_EQ(f.colours.asked, 1);
  EXPECT_EQ(f.m.table, before);
  EXPECT_FALSE(f.changed());
}

TEST(RecolourBoxArrows, SameColourAgainIsNoEdit) {
  ColouredBoxesFixture f;
  const int n = f.Box("Cos");
  f[n].OutColor = {0, 0xff, 0xff, 0xff, 0xff, 0xff};
  f.colours.answers = {0xffu};
  EXPECT_FALSE(RecolourBoxArrows(f.m, n, f.colours));
  EXPECT_FALSE(f.changed());
}

TEST(EditComment, TextIsCutToItsFirstHundredCharacters) {
  BoxInformationFixture f;
  const int n = f.Box("Comment", "old");
  ASSERT_TRUE(IsCommentBox(f.m.table, n));
  EXPECT_TRUE(f.m.editor.editComment(n, std::string(120, 'c')));
  EXPECT_EQ(f[n].Params, std::string(100, 'c'));
  EXPECT_TRUE(f.changed());
  EXPECT_EQ(f.views.redrawn.back(), f.doc);
}

TEST(IsCommentBox, OnlyAnExistingCommentBox) {
  BoxInformationFixture f;
  const int c = f.Box("Comment"), d = f.Box("Comment Out");
  EXPECT_TRUE(IsCommentBox(f.m.table, c));
  EXPECT_FALSE(IsCommentBox(f.m.table, d));
  EXPECT_FALSE(IsCommentBox(f.m.table, 3));
  EXPECT_FALSE(IsCommentBox(f.m.table, 0));
}

}  // namespace
}  // namespace quorvin
