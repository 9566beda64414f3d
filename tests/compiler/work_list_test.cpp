#include "compiler/work_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorvin {
namespace {

std::vector<int16_t> Entries(const WorkList& w) {
  return std::vector<int16_t>(w.workList.begin() + 1, w.workList.end());
}

TEST(WorkList, StartsWithFiveEmptyPositionsAtLevelZero) {
  WorkList w;
  EXPECT_EQ(w.workLen, 5);
  EXPECT_EQ(w.workList.size(), 6u);
  EXPECT_EQ(w.nestLevel, 0);
  EXPECT_TRUE(w.WorkListIsEmpty());
}

TEST(WorkList, AddIgnoresQueuedAndNegativeNumbers) {
  WorkList w;
  w.WorkListAdd(7);
  w.WorkListAdd(7);
  w.WorkListAdd(-1);
  w.WorkListAdd(0);  // an empty position holds 0 already
  EXPECT_EQ(Entries(w), (std::vector<int16_t>{7, 0, 0, 0, 0}));
}

TEST(WorkList, SixthBoxGrowsLiveAndSavedListsByFive) {
  WorkList w;
  w.WorkListAdd(9);
  OpenBlock block;
  block.box = 9;
  w.OpenLevel(block);  // level 1 keeps 9 at position 1 of its copy
  for (int b = 1; b <= 6; ++b) w.WorkListAdd(b);
  EXPECT_EQ(w.workLen, 10);
  EXPECT_EQ(Entries(w), (std::vector<int16_t>{1, 2, 3, 4, 5, 6, 0, 0, 0, 0}));
  ASSERT_EQ(w.savedWorkLists[1].size(), 11u);
  EXPECT_EQ(w.savedWorkLists[1][1], 9);
  w.CloseLevel();
  EXPECT_EQ(w.workList.size(), 11u);
  EXPECT_EQ(w.workList[1], 9);
}

TEST(WorkList, RemoveAtClosesTheGapAndLeavesTheSideSlot) {
  WorkList w;
  w.workList[0] = 4;
  for (int b : {1, 2, 3}) w.WorkListAdd(b);
  w.WorkListRemoveAt(1);
  EXPECT_EQ(Entries(w), (std::vector<int16_t>{2, 3, 0, 0, 0}));
  EXPECT_EQ(w.workList[0], 4);
  w.WorkListRemoveAt(0);  // out of range: nothing
  w.WorkListRemoveAt(6);
  EXPECT_EQ(Entries(w), (std::vector<int16_t>{2, 3, 0, 0, 0}));
}

TEST(WorkList, SideSlotAloneCountsAsEmpty) {
  WorkList w;
  w.workList[0] = 3;
  EXPECT_TRUE(w.WorkListIsEmpty());
}

TEST(WorkList, NoOtherReadyLooksOnlyAtOtherEntriesLinkedEntries) {
  BoxTable t;
  t.nextBox = 5;
  t[3].InLink = {0, 1, 0, 0};  // box 3 waits for box 1
  WorkList w;
  w.WorkListAdd(2);
  EXPECT_TRUE(w.NoOtherReady(2, t));  // alone
  w.WorkListAdd(3);
  EXPECT_TRUE(w.NoOtherReady(2, t));  // box 1 not done
  w.written.mark(1);
  EXPECT_FALSE(w.NoOtherReady(2, t));
  w.WorkListAdd(4);                     // no linked entries: ready
  w.written.unmark(1);
  EXPECT_FALSE(w.NoOtherReady(2, t));
  t[4].InLink = {0, 300, -1, 0};  // names no box: never ready
  EXPECT_TRUE(w.NoOtherReady(2, t));
}

TEST(WorkList, LevelsNestAndCloseInReverseOrder) {
  WorkList w;
  w.WorkListAdd(1);
  w.WorkListAdd(2);
  OpenBlock outer;
  outer.box = 1;
  w.OpenLevel(outer, 1);  // a loop keeps its own position
  EXPECT_EQ(Entries(w), (std::vector<int16_t>{1, 0, 0, 0, 0}));
  EXPECT_EQ(w.savedWorkLists[1][1], 0);
  w.WorkListAdd(5);
  OpenBlock inner;
  inner.box = 5;
  inner.kind = BlockKind::Branch;
  w.OpenLevel(inner);
  EXPECT_TRUE(w.WorkListIsEmpty());
  EXPECT_EQ(w.innermost()->box, 5);
  EXPECT_EQ(w.CloseLevel()->box, 5);
  EXPECT_EQ(Entries(w), (std::vector<int16_t>{1, 5, 0, 0, 0}));
  EXPECT_EQ(w.CloseLevel()->box, 1);
  EXPECT_EQ(Entries(w), (std::vector<int16_t>{0, 2, 0, 0, 0}));
  EXPECT_FALSE(w.CloseLevel().has_value());
  EXPECT_EQ(w.nestLevel, 0);
}

}  // namespace
}  // namespace quorvin
