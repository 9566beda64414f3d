// Arrows as data: the elbow, the head's four cases at their edges, the entry
// an arrow arrives at, and which links of the box table become arrows.
#include "canvas/logic/arrow_geometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "canvas/logic/box_button.h"
#include "tests/canvas/box_table_fixture.h"
#include "tests/canvas/twips_printing.h"

namespace quorvin {

namespace {

constexpr std::int32_t kRed = 0x000000FF;
constexpr std::int32_t kGreen = 0x0000FF00;

// The target's button in the head-case table: a 480-twip button at 1000, 2000.
const TwipsRect kTarget{1000, 2000, 480, 480};

struct HeadCaseRow {
  const char* what;
  double sourceLeft;
  double sourceTop;
  ArrowHeadCase expected;
};

TEST(ArrowHeadTest, CasesAtTheirEdges) {
  const HeadCaseRow rows[] = {
      {"far above", 1000, 0, ArrowHeadCase::Down},
      {"just above half a button up", 1000, 1759, ArrowHeadCase::Down},
      // T1 == T2 - H2/2 is no longer above: it counts as level.
      {"exactly half a button up, left of it", 999, 1760, ArrowHeadCase::Right},
      {"exactly half a button up, same left", 1000, 1760, ArrowHeadCase::Left},
      {"level, far left", -5000, 2000, ArrowHeadCase::Right},
      {"level, one twip left", 999, 2000, ArrowHeadCase::Right},
      {"level, same left edge", 1000, 2000, ArrowHeadCase::Left},
      {"level, right of it", 3000, 2000, ArrowHeadCase::Left},
      {"just under half a button down, left", 999, 2239, ArrowHeadCase::Right},
      {"just under half a button down, right", 1001, 2239, ArrowHeadCase::Left},
      // T1 == T2 + H2/2 is below.
      {"exactly half a button down, left", 999, 2240, ArrowHeadCase::Up},
      {"exactly half a button down, right", 1001, 2240, ArrowHeadCase::Up},
      {"far below", 1000, 9000, ArrowHeadCase::Up},
  };
  for (const HeadCaseRow& row : rows) {
    const TwipsRect source{row.sourceLeft, row.sourceTop, 480, 480};
    EXPECT_EQ(ArrowBetween(source, kTarget, 1, kRed).head.kind, row.expected) << row.what;
  }
}

TEST(ArrowHeadTest, EachCaseHasItsTipRadiusAndAngles) {
  struct Row {
    double sourceLeft, sourceTop;
    TwipsPoint tip;
    double radius, start, end;
    double startApprox, endApprox;
  };
  // Entry 2: the vertical segment stands at 2/5 of the width, 1000 + 192.
  const Row rows[] = {
      {1000, 0, {1192, 1990}, 100, 0.95, 2.2, 0.95, 2.2},
      {0, 2000, {1000, 240}, 150, 0.3 + 0.85 * 3.14, 1.2 + 0.75 * 3.14, 2.969, 3.555},
      {4000, 2000, {1480, 240}, 100, 1.05 + 1.5 * 3.14, 0.7, 5.76, 0.7},
      {1000, 5000, {1192, 2490}, 100, 0.95 + 3.14, 2.2 + 3.14, 4.09, 5.34},
  };
  for (const Row& row : rows) {
    const TwipsRect source{row.sourceLeft, row.sourceTop, 480, 480};
    const ArrowHead head = ArrowBetween(source, kTarget, 2, kRed).head;
    SCOPED_TRACE(static_cast<int>(head.kind));
    // The side heads sit level with the source's middle, not the target's.
    const TwipsPoint tip = head.kind == ArrowHeadCase::Right || head.kind == ArrowHeadCase::Left
                               ? TwipsPoint{row.tip.x, row.sourceTop + row.tip.y}
                               : row.tip;
    EXPECT_EQ(head.tip, tip);
    EXPECT_EQ(head.radius, row.radius);
    EXPECT_DOUBLE_EQ(head.startAngle, row.start);
    EXPECT_DOUBLE_EQ(head.endAngle, row.end);
    EXPECT_NEAR(head.startAngle, row.startApprox, 0.001);
    EXPECT_NEAR(head.endAngle, row.endApprox, 0.001);
  }
}

TEST(ArrowShapeTest, ElbowRunsLevelWithTheSourceThenToTheTargetsTopEdge) {
  const TwipsRect source{300, 400, 480, 480};
  const TwipsRect target{2000, 3000, 500, 480};
  for (int entry = 1; entry <= 3; ++entry) {
    const Arrow arrow = ArrowBetween(source, target, entry, kGreen);
    const double entryX = 2000 + 100.0 * entry;  // entry fifths of 500
    EXPECT_EQ(arrow.horizontal.from, (TwipsPoint{300 + 96.0 * entry, 640})) << entry;
    EXPECT_EQ(arrow.horizontal.to, (TwipsPoint{entryX, 640})) << entry;
    EXPECT_EQ(arrow.vertical.from, (TwipsPoint{entryX, 640})) << entry;
    EXPECT_EQ(arrow.vertical.to, (TwipsPoint{entryX, 3000})) << entry;
    EXPECT_EQ(arrow.head.tip, (TwipsPoint{entryX, 2990})) << entry;
    EXPECT_EQ(arrow.colour, kGreen);
    EXPECT_EQ(arrow.entry, entry);
  }
}

TEST(ArrowShapeTest, TargetAboveKeepsTheVerticalSegmentToItsTopEdge) {
  const Arrow arrow = ArrowBetween({1000, 5000, 480, 480}, kTarget, 1, kRed);
  EXPECT_EQ(arrow.head.kind, ArrowHeadCase::Up);
  EXPECT_EQ(arrow.vertical.to.y, 2000);
  EXPECT_EQ(arrow.head.tip.y, 2000 + 480 + 10);
}

// --- The box table ------------------------------------------------------

class ArrowTableTest : public ::testing::Test {
 protected:
  BoxRecord& Add(int doc, int x, int y) {
    return table[testing_support::AddBox(table, doc, x, y)];
  }
  void Link(int from, int exit, int to, int entry) {
    testing_support::LinkBoxes(table, from, exit, to, entry);
  }
  BoxTable table;
};

TEST_F(ArrowTableTest, FindInSlotGivesTheFirstEntryHoldingTheSourceElseOne) {
  Add(1, 0, 0);
  Add(1, 0, 1000);
  Add(1, 0, 2000);
  table[2].InLink = {0, 3, 1, 1};
  EXPECT_EQ(FindInSlot(table, 1, 2), 2);
  EXPECT_EQ(FindInSlot(table, 3, 2), 1);
  EXPECT_EQ(FindInSlot(table, 1, 3), 1) << "unlinked pair";
  for (int target : {0, -1, 4, 350, 351, 5000, INT_MIN})
    EXPECT_EQ(FindInSlot(table, 1, target), 1) << "no box " << target;
}

TEST_F(ArrowTableTest, EntriesArriveAtTheirFifthsInTheSourcesColourOfThatEntry) {
  Add(1, 0, 0);
  Add(1, 0, 0);
  Add(1, 0, 0);
  Add(1, 3000, 3000);
  // Each exit colour differs so that the one read shows.
  table[1].OutColor = {0, 11, 12, 13, 14, 15};
  table[2].OutColor = {0, 21, 22, 23, 24, 25};
  table[3].OutColor = {0, 31, 32, 33, 34, 35};
  Link(1, 1, 4, 1);
  Link(2, 1, 4, 2);
  Link(3, 4, 4, 3);
  const std::vector<Arrow> arrows = ArrowsOfDocument(table, 1, 0, 0);
  ASSERT_EQ(arrows.size(), 3u);
  for (int n = 0; n < 3; ++n) {
    EXPECT_EQ(arrows[n].source, n + 1);
    EXPECT_EQ(arrows[n].target, 4);
    EXPECT_EQ(arrows[n].entry, n + 1);
    EXPECT_EQ(arrows[n].colour, 10 * (n + 1) + n + 1);
    EXPECT_EQ(arrows[n].vertical.to, (TwipsPoint{3000 + 96.0 * (n + 1), 3000}));
  }
}

TEST_F(ArrowTableTest, ADoubledLinkIsDrawnTwiceAtTheFirstEntryHoldingTheSource) {
  Add(1, 0, 0);
  Add(1, 0, 3000);
  Add(1, 5000, 0);
  Link(3, 1, 2, 1);
  Link(1, 1, 2, 2);
  Link(1, 2, 2, 3);
  const std::vector<Arrow> arrows = ArrowsOfDocument(table, 1, 0, 0);
  ASSERT_EQ(arrows.size(), 3u);
  EXPECT_EQ(arrows[0].entry, 2);
  EXPECT_EQ(arrows[1].entry, 2);
  EXPECT_EQ(arrows[0], arrows[1]);
  EXPECT_EQ(arrows[2].source, 3);
  EXPECT_EQ(arrows[2].entry, 1);
}

TEST_F(ArrowTableTest, ButtonsFollowTheScrollValues) {
  Add(1, 1000, 2000);
  Add(1, 1000, 5000);
  Link(1, 1, 2, 1);
  const std::vector<Arrow> arrows = ArrowsOfDocument(table, 1, 300, 700);
  ASSERT_EQ(arrows.size(), 1u);
  EXPECT_EQ(arrows[0].horizontal.from, (TwipsPoint{700 + 96, 1300 + 240}));
  EXPECT_EQ(arrows[0].vertical.to, (TwipsPoint{700 + 96, 4300}));
}

TEST_F(ArrowTableTest, OnlyTheDocumentsOwnBoxesAndRealTargetsGiveArrows) {
  Add(1, 0, 0);     // 1
  Add(1, 0, 1000);  // 2
  Add(2, 0, 0);     // 3
  Add(2, 0, 1000);  // 4
  Link(1, 1, 2, 1);
  Link(3, 1, 4, 1);
  Link(1, 2, 4, 2);  // into another document's box: no button on this window
  table[2].OutLink = {0, -1, 0, 5, 351, -7};  // absent, free, beyond nextBox, beyond the table
  const std::vector<Arrow> first = ArrowsOfDocument(table, 1, 0, 0);
  ASSERT_EQ(first.size(), 1u);
  EXPECT_EQ(first[0].source, 1);
  EXPECT_EQ(first[0].target, 2);
  const std::vector<Arrow> second = ArrowsOfDocument(table, 2, 0, 0);
  ASSERT_EQ(second.size(), 1u);
  EXPECT_EQ(second[0].source, 3);
  EXPECT_TRUE(ArrowsOfDocument(table, 3, 0, 0).empty());
  EXPECT_TRUE(ArrowsOfDocument(table, 0, 0, 0).empty()) << "a window without a number";
}

TEST_F(ArrowTableTest, ABoxWithoutAButtonOnTheWindowIsLeftOut) {
  Add(1, 0, 0);
  Add(1, 0, 1000);
  Add(1, 0, 2000);
  Link(1, 1, 2, 1);
  Link(2, 1, 3, 1);
  const std::vector<Arrow> arrows = ArrowsOfDocument(table, 1, [&](int n) -> std::optional<TwipsRect> {
    if (n == 3) return std::nullopt;
    return BoxButtonRect(table[n], 0, 0);
  });
  ASSERT_EQ(arrows.size(), 1u);
  EXPECT_EQ(arrows[0].target, 2);
}

TEST_F(ArrowTableTest, AFullTableIsDrawnWithoutAskingPastTheLastBox) {
  // Records past nextBox keep what their last box left: a stale box of the
  // same document with links must not be drawn.
  for (int n = 1; n <= kMaxBoxes; ++n) Add(1, 0, 600 * n);
  for (int n = 1; n < kMaxBoxes; ++n) Link(n, 1, n + 1, 1);
  table[kMaxBoxes].OutLink[1] = kMaxBoxes + 1;
  std::set<int> asked;
  const ButtonRectOf recordingButtons = [&](int n) -> std::optional<TwipsRect> {
    asked.insert(n);
    return BoxButtonRect(table[n], 0, 0);
  };
  EXPECT_EQ(ArrowsOfDocument(table, 1, recordingButtons).size(), kMaxBoxes - 1u);
  EXPECT_EQ(*asked.begin(), 1);
  EXPECT_EQ(*asked.rbegin(), kMaxBoxes);

  // A counter gone past the table (a corrupt state) still stops at its end.
  table.nextBox = 2000;
  asked.clear();
  EXPECT_EQ(ArrowsOfDocument(table, 1, recordingButtons).size(), kMaxBoxes - 1u);
  EXPECT_LE(*asked.rbegin(), kMaxBoxes);

  // With fewer boxes in use, the rest are stale.
  table.nextBox = 11;
  asked.clear();
  EXPECT_EQ(ArrowsOfDocument(table, 1, recordingButtons).size(), 9u);
  EXPECT_EQ(*asked.rbegin(), 10);
}

TEST_F(ArrowTableTest, ExtremePositionsDoNotOverflow) {
  Add(1, INT32_MAX, INT32_MIN);
  Add(1, INT32_MIN, INT32_MAX);
  Link(1, 1, 2, 3);
  Link(2, 1, 1, 1);
  const std::vector<Arrow> arrows = ArrowsOfDocument(table, 1, 32767, -32768);
  ASSERT_EQ(arrows.size(), 2u);
  const double left1 = double{INT32_MAX} - 32767, top1 = double{INT32_MIN} + 32768;
  const double left2 = double{INT32_MIN} - 32767, top2 = double{INT32_MAX} + 32768;
  // 1 -> 2: the target lies far below and left.
  EXPECT_EQ(arrows[0].horizontal.from, (TwipsPoint{left1 + 288, top1 + 240}));
  EXPECT_EQ(arrows[0].vertical.to, (TwipsPoint{left2 + 288, top2}));
  EXPECT_EQ(arrows[0].head.kind, ArrowHeadCase::Down);
  EXPECT_EQ(arrows[0].head.tip, (TwipsPoint{left2 + 288, top2 - 10}));
  // 2 -> 1: far above and right.
  EXPECT_EQ(arrows[1].head.kind, ArrowHeadCase::Up);
  EXPECT_EQ(arrows[1].head.tip, (TwipsPoint{left1 + 96, top1 + 490}));
}

}  // namespace
}  // namespace quorvin
