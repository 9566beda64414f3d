#include "canvas/logic/box_information.h"

#include <gtest/gtest.h>

#include "tests/canvas/box_information_fixture.h"

namespace quorvin {
namespace {

using testing::BoxInformationFixture;

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

TEST(ApplyBoxInformation, TickedEntryIsCutOnBothEnds) {
  BoxInformationFixture f;
  const int s = f.Box("Keyboard Input"), n = f.Box("Cos"), t = f.Box("Sin");
  f.Link(s, 2, n, 1);
  f.Link(n, 1, t, 1);
  BoxInformationAnswer answer;
  answer.disconnectFrom[1] = true;
  EXPECT_TRUE(ApplyBoxInformation(f.m, n, answer));
  EXPECT_EQ(f[n].InLink[1], 0);
  EXPECT_EQ(f[s].OutLink[2], 0);
  EXPECT_EQ(f[n].OutLink[1], t) << "an unticked link stays";
  EXPECT_EQ(f[t].InLink[1], n);
  EXPECT_TRUE(f.changed());
  EXPECT_EQ(f.views.redrawn.back(), f.doc);
}

TEST(ApplyBoxInformation, TickedExitIsCutOnBothEnds) {
  BoxInformationFixture f;
  const int n = f.Box("Keyboard Input"), t = f.Box("Plus");
  f.Link(n, 1, t, 2);
  BoxInformationAnswer answer;
  answer.disconnectTo[1] = true;
  EXPECT_TRUE(ApplyBoxInformation(f.m, n, answer));
  EXPECT_EQ(f[n].OutLink[1], 0);
  EXPECT_EQ(f[t].InLink[2], 0);
  EXPECT_TRUE(f.changed());
}

// Two links from s to n: s's exits 1 and 3 lead to n's entries 1 and 2.
// Cutting one of them frees one exit of s, never both, so what is drawn and
// what is compiled stay the same links.
TEST(ApplyBoxInformation, OneOfTwoLinksBetweenTheSameBoxesIsCutAlone) {
  struct Case {
    bool fromTick1, fromTick2;
    std::array<int, 3> sExits;   // exits 1..3 of s afterwards
    std::array<int, 2> nEntries; // entries 1..2 of n afterwards
  };
  const Case cases[] = {
      {true, false, {0, 0, 2}, {0, 1}},
      {false, true, {2, 0, 0}, {1, 0}},
      {true, true, {0, 0, 0}, {0, 0}},
  };
  for (const Case& c : cases) {
    BoxInformationFixture f;
    const int s = f.Box("Keyboard Input"), n = f.Box("Plus");
    f.Link(s, 1, n, 1);
    f.Link(s, 3, n, 2);
    BoxInformationAnswer answer;
    answer.disconnectFrom[1] = c.fromTick1;
    answer.disconnectFrom[2] = c.fromTick2;
    ApplyBoxInformation(f.m, n, answer);
    SCOPED_TRACE(::testing::Message() << c.fromTick1 << c.fromTick2);
    EXPECT_EQ((std::array<int, 3>{f[s].OutLink[1], f[s].OutLink[2], f[s].OutLink[3]}), c.sExits);
    EXPECT_EQ((std::array<int, 2>{f[n].InLink[1], f[n].InLink[2]}), c.nEntries);
  }
}

TEST(ApplyBoxInformation, OneOfTwoExitsToTheSameBoxFreesOneEntryThere) {
  BoxInformationFixture f;
  const int n = f.Box("Keyboard Input"), t = f.Box("Plus");
  f.Link(n, 2, t, 1);
  f.Link(n, 4, t, 3);
  BoxInformationAnswer answer;
  answer.disconnectTo[4] = true;
  ApplyBoxInformation(f.m, n, answer);
  EXPECT_EQ(f[n].OutLink[2], t);
  EXPECT_EQ(f[n].OutLink[4], 0);
  EXPECT_EQ(f[t].InLink[1], n);
  EXPECT_EQ(f[t].InLink[3], 0);
}

TEST(ApplyBoxInformation, HalfLinkFreesOnlyTheTickedSlot) {
  BoxInformationFixture f;
  const int s = f.Box("Keyboard Input"), n = f.Box("Plus"), other = f.Box("Cos");
  f[n].InLink[1] = static_cast<int16_t>(s);  // s holds no exit to n
  f.Link(s, 1, other, 1);
  BoxInformationAnswer answer;
  answer.disconnectFrom[1] = true;
  EXPECT_TRUE(ApplyBoxInformation(f.m, n, answer));
  EXPECT_EQ(f[n].InLink[1], 0);
  EXPECT_EQ(f[s].OutLink[1], other);
}

TEST(ApplyBoxInformation, TickOnALinkToAMissingBoxFreesTheSlotOnly) {
  BoxInformationFixture f;
  const int n = f.Box("Plus");
  f[n].InLink[2] = 300;
  BoxInformationAnswer answer;
  answer.disconnectFrom[2] = true;
  EXPECT_TRUE(ApplyBoxInformation(f.m, n, answer));
  EXPECT_EQ(f[n].InLink[2], 0);
}

TEST(ApplyBoxInformation, LinkOfABoxToItselfIsCutOnce) {
  BoxInformationFixture f;
  const int n = f.Box("Plus");
  f.Link(n, 2, n, 3);
  BoxInformationAnswer answer;
  answer.disconnectTo[2] = true;
  answer.disconnectFrom[3] = true;
  EXPECT_TRUE(ApplyBoxInformation(f.m, n, answer));
  EXPECT_EQ(f[n].OutLink[2], 0);
  EXPECT_EQ(f[n].InLink[3], 0);
}

TEST(ApplyBoxInformation, OpeningLockedSlotsFreesOnlyTheAbsentOnes) {
  BoxInformationFixture f;
  const int s = f.Box("Keyboard Input"), n = f.Box("If");
  f.Link(s, 1, n, 1);
  f[n].InLink[2] = f[n].InLink[3] = kAbsentSlot;
  f[n].OutLink[3] = f[n].OutLink[4] = f[n].OutLink[5] = kAbsentSlot;

  BoxInformationAnswer inputs;
  inputs.openLockedInputs = true;
  EXPECT_TRUE(ApplyBoxInformation(f.m, n, inputs));
  EXPECT_EQ(f[n].InLink, (std::array<int16_t, 4>{0, static_cast<int16_t>(s), 0, 0}));
  EXPECT_EQ(f[n].OutLink[3], kAbsentSlot) << "exits stay closed until asked";

  BoxInformationAnswer outputs;
  outputs.openLockedOutputs = true;
  EXPECT_TRUE(ApplyBoxInformation(f.m, n, outputs));
  EXPECT_EQ(f[n].OutLink, (std::array<int16_t, 6>{}));
  EXPECT_TRUE(f.changed());
}

TEST(ApplyBoxInformation, OkWithNothingTickedRedrawsButChangesNothing) {
  BoxInformationFixture f;
  const int s = f.Box("Keyboard Input"), n = f.Box("Cos");
  f.Link(s, 1, n, 1);
  const BoxTable before = f.m.table;
  f.views.redrawn.clear();
  BoxInformationAnswer answer;
  answer.openLockedInputs = answer.openLockedOutputs = true;  // nothing locked
  EXPECT_FALSE(ApplyBoxInformation(f.m, n, answer));
  EXPECT_EQ(f.m.table, before);
  EXPECT_FALSE(f.changed());
  EXPECT_EQ(f.views.redrawn, std::vector<int>{f.doc});
}

TEST(ApplyBoxInformation, NumberThatNamesNoBoxChangesNothing) {
  BoxInformationFixture f;
  f.Box("Cos");
  const BoxTable before = f.m.table;
  BoxInformationAnswer answer;
  answer.disconnectFrom.fill(true);
  answer.openLockedInputs = true;
  for (int n : {0, 2, 351}) EXPECT_FALSE(ApplyBoxInformation(f.m, n, answer));
  EXPECT_EQ(f.m.table, before);
}

TEST(RecolourBoxArrows, AllFiveExitsTakeTheChosenColour) {
  BoxInformationFixture f;
  const int n = f.Box("Cos");
  f.views.redrawn.clear();
  f.colours.answers = {0x00123456u};
  EXPECT_TRUE(RecolourBoxArrows(f.m, n, f.colours));
  for (int k = 1; k <= kExits; ++k) EXPECT_EQ(f[n].OutColor[k], 0x123456) << k;
  EXPECT_TRUE(f.changed());
  EXPECT_EQ(f.views.redrawn, std::vector<int>{f.doc});
}

TEST(RecolourBoxArrows, CancelledColourDialogChangesNothing) {
  BoxInformationFixture f;
  const int n = f.Box("Cos");
  f[n].OutColor = {0, 0xff, 0xff, 0xff, 0xff, 0xff};
  const BoxTable before = f.m.table;
  EXPECT_FALSE(RecolourBoxArrows(f.m, n, f.colours));
  EXPECT_EQ(f.colours.asked, 1);
  EXPECT_EQ(f.m.table, before);
  EXPECT_FALSE(f.changed());
}

TEST(RecolourBoxArrows, SameColourAgainIsNoEdit) {
  BoxInformationFixture f;
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
  EXPECT_TRUE(EditComment(f.m, n, std::string(120, 'c')));
  EXPECT_EQ(f[n].Params, std::string(100, 'c'));
  EXPECT_TRUE(f.changed());
  EXPECT_EQ(f.views.redrawn.back(), f.doc);
}

TEST(EditComment, ALongerCommentGivenBackUnchangedStaysWhole) {
  BoxInformationFixture f;
  const std::string longer(120, 'l');
  const int n = f.Box("Comment", longer.c_str());
  EXPECT_FALSE(EditComment(f.m, n, longer));
  EXPECT_EQ(f[n].Params, longer);
  EXPECT_FALSE(f.changed());
}

TEST(EditComment, UnchangedTextIsNoEdit) {
  BoxInformationFixture f;
  const int n = f.Box("Comment", "same");
  EXPECT_FALSE(EditComment(f.m, n, "same"));
  EXPECT_FALSE(f.changed());
}

TEST(FirstCharacters, CountsCharactersNotBytes) {
  const std::string e = "\xC3\xA9";  // e acute, two bytes
  EXPECT_EQ(FirstCharacters(e + e + e, 2), e + e);
  EXPECT_EQ(FirstCharacters("ab" + e, 3), "ab" + e);
  EXPECT_EQ(FirstCharacters("ab" + e, 2), "ab");
  EXPECT_EQ(FirstCharacters("", 100), "");
  EXPECT_EQ(FirstCharacters("abc", 0), "");
  EXPECT_EQ(FirstCharacters(std::string(100, 'x'), 100), std::string(100, 'x'));
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
