// The page view as data: its layout, its scale, one image per box of every
// document and one elbow per connection.
#include "canvas/logic/page_view_geometry.h"

#include <gtest/gtest.h>


#include "model/box_kinds.h"
#include "tests/canvas/box_table_fixture.h"
#include "tests/canvas/twips_printing.h"
#include "tests/model/editor_fixture.h"

namespace quorvin {

namespace {

// The calling window's scroll bar once laid out: after the progress bar
// (1695) and the arrow-colour button (735).
constexpr double kScrollLeft = 2430;
const PageViewMetrics kMetrics{kPageViewOuterWidth, kPageViewOuterHeight, kScrollLeft};
// The canvas extent of a window as loaded.
constexpr int kCanvasWidth = 7695;
constexpr int kCanvasHeight = 7000;
constexpr double kSx = (6492 - kScrollLeft) / kCanvasWidth;
constexpr double kSy = (6195.0 - 615 - 1800) / kCanvasHeight;

class PageViewGeometryTest : public ::testing::Test {
 protected:
  int Add(int doc, int x, int y, const char* kind = "Sin") {
    return testing_support::AddBox(table, doc, x, y, kind);
  }
  void Link(int from, int exit, int to, int entry) {
    testing_support::LinkBoxes(table, from, exit, to, entry);
  }
  PageViewPicture Build(int width = kCanvasWidth, int height = kCanvasHeight) const {
    return BuildPageView(table, width, height, kMetrics);
  }
  static TwipsRect Scaled(double x, double y) { return {x * kSx, y * kSy, 492 * kSx, 492 * kSy}; }

  BoxTable table;
};

TEST(PageViewLayoutTest, PanelAndOkButtonAtTheDesignedSize) {
  const PageViewLayout layout = LayOutPageView(kPageViewOuterWidth, kPageViewOuterHeight);
  EXPECT_EQ(layout.panel, (TwipsRect{0, 5160, 6372, 615}));
  EXPECT_EQ(layout.okButton, (TwipsRect{5184, 120, 975, 375}));
  EXPECT_LE(layout.okButton.right(), layout.panel.width);
}

TEST_F(PageViewGeometryTest, BoxesOfBothDocumentsAtTheirOwnCoordinates) {
  const int a = Add(1, 1000, 2000);
  const int b = Add(1, 1000, 4000, "Cos");
  const int c = Add(2, 1000, 2000, "No Such Kind");
  const int d = Add(2, 3000, 2000);
  Link(a, 1, b, 1);
  Link(c, 1, d, 1);
  const PageViewPicture picture = Build();
  EXPECT_DOUBLE_EQ(picture.scaleX, kSx);
  EXPECT_DOUBLE_EQ(picture.scaleY, kSy);
  ASSERT_EQ(picture.images.size(), 4u);
  ASSERT_NE(SelectBoxIcon("Sin").number, SelectBoxIcon("Cos").number);
  ASSERT_NE(SelectBoxIcon("Sin").number, kUnknownIcon);
  EXPECT_EQ(picture.images[0], (PageViewImage{a, Scaled(1000, 2000), SelectBoxIcon("Sin").number}));
  EXPECT_EQ(picture.images[1], (PageViewImage{b, Scaled(1000, 4000), SelectBoxIcon("Cos").number}));
  EXPECT_EQ(picture.images[2], (PageViewImage{c, Scaled(1000, 2000), kUnknownIcon}));
  EXPECT_EQ(picture.images[3].rect, Scaled(3000, 2000));
  ASSERT_EQ(picture.connections.size(), 2u);
  EXPECT_EQ(picture.connections[0].source, a);
  EXPECT_EQ(picture.connections[1].source, c);
}

TEST_F(PageViewGeometryTest, ElbowAtHalfTheSourcesHeightToTheTargetsTopAtEntryFifths) {
  const int s = Add(1, 1000, 1000);
  const int t = Add(1, 3000, 3000);
  const int other = Add(1, 0, 0);
  table[s].OutColor = {0, 11, 12, 13, 14, 15};
  Link(other, 1, t, 1);
  Link(s, 3, t, 2);
  const PageViewPicture picture = Build();
  ASSERT_EQ(picture.connections.size(), 2u);
  const PageViewConnection& line = picture.connections[0];
  EXPECT_EQ(line.source, s);
  EXPECT_EQ(line.entry, 2);
  EXPECT_EQ(line.colour, 12) << "OutColor of the entry, not of the exit";
  const TwipsRect from = Scaled(1000, 1000), to = Scaled(3000, 3000);
  const double level = from.top + from.height / 2;
  const double entryX = to.left + 2 * to.width / 5;
  EXPECT_EQ(line.horizontal, (TwipsSegment{{from.left + 2 * from.width / 5, level}, {entryX, level}}));
  EXPECT_EQ(line.vertical, (TwipsSegment{{entryX, level}, {entryX, to.top}}));
}

TEST_F(PageViewGeometryTest, TargetLeftOfAndAboveTheSourceDrawsLeftwardsAndUpwards) {
  const int t = Add(1, 500, 500);
  const int s = Add(1, 4000, 5000);
  Link(s, 1, t, 1);
  const PageViewPicture picture = Build();
  ASSERT_EQ(picture.connections.size(), 1u);
  const PageViewConnection& line = picture.connections[0];
  EXPECT_LT(line.horizontal.to.x, line.horizontal.from.x);
  EXPECT_LT(line.vertical.to.y, line.vertical.from.y);
  EXPECT_DOUBLE_EQ(line.vertical.to.y, 500 * kSy);
}

TEST_F(PageViewGeometryTest, OnlyLinksToBoxesDrawLines) {
  const int lonely = Add(1, 1000, 1000);
  const int other = Add(1, 2000, 1000);
  table[other].OutLink = {0, -1, 0, 3, 351, -4};  // absent, free, beyond nextBox, beyond the table
  const PageViewPicture picture = Build();
  EXPECT_EQ(picture.images.size(), 2u);
  EXPECT_TRUE(picture.connections.empty());
  EXPECT_EQ(picture.images[0].box, lonely);
}

TEST_F(PageViewGeometryTest, BoxesBeyondTheCanvasExtentAreInsideTheView) {
  // The canvas extent is shared and may be that of a smaller window; a file
  // may hold positions anywhere.
  const double roomX = kPageViewOuterWidth - kScrollLeft;
  const double roomY = kPageViewOuterHeight - kPageViewPanelHeight - 1800.0;
  struct Row {
    int x, y;
  };
  const Row rows[] = {{20000, 1000}, {1000, 30000}, {INT32_MAX, INT32_MAX}, {-3000, -500},
                      {INT32_MIN, 1000}};
  for (const Row& row : rows) {
    table.nextBox = 1;
    Add(1, 100, 100);
    Add(1, row.x, row.y);
    const PageViewPicture picture = Build();
    for (const PageViewImage& image : picture.images) {
      EXPECT_GE(image.rect.left, 0) << row.x << "," << row.y;
      EXPECT_GE(image.rect.top, 0) << row.x << "," << row.y;
      EXPECT_LE(image.rect.right(), roomX * (1 + 1e-12)) << row.x << "," << row.y;
      EXPECT_LE(image.rect.bottom(), roomY * (1 + 1e-12)) << row.x << "," << row.y;
    }
  }
}

TEST_F(PageViewGeometryTest, BoxesWithinTheExtentKeepTheExtentsScale) {
  Add(1, 7000, 6000);  // right edge 7492, under the extent's 7695
  const PageViewPicture picture = Build();
  EXPECT_DOUBLE_EQ(picture.scaleX, kSx);
  EXPECT_DOUBLE_EQ(picture.scaleY, kSy);
}

TEST_F(PageViewGeometryTest, NoBoxesAndNoExtentGiveAnEmptyView) {
  const PageViewPicture picture = Build(0, 0);
  EXPECT_TRUE(picture.images.empty());
  EXPECT_TRUE(picture.connections.empty());
}

TEST_F(PageViewGeometryTest, AFullTableAndACorruptCounterStopAtTheLastRecord) {
  for (int n = 1; n <= kMaxBoxes; ++n) Add(1 + n % 3, 100 * n, 50 * n);
  for (int n = 1; n < kMaxBoxes; ++n) Link(n, 1, n + 1, 1);
  table.nextBox = 1000;
  const PageViewPicture picture = Build();
  EXPECT_EQ(picture.images.size(), static_cast<std::size_t>(kMaxBoxes));
  EXPECT_EQ(picture.connections.size(), kMaxBoxes - 1u);
}

// The box an insert command left waiting has no place on any canvas yet: its
// record holds whatever position its number last had, far beyond the others
// here. The view neither draws it nor widens its scale for it.
TEST(PageViewOfTheModel, LeavesOutTheBoxWaitingToBePlaced) {
  testing::EditorFixture f;
  const int doc = f.OpenDocument();
  const int placed = f.AddBox(doc, 1000, 2000);
  const int gone = f.AddBox(doc, 90000, 90000);
  f.Select({static_cast<int16_t>(gone)}, 0, 0);
  f.m.editor.deleteSelection(true);
  const BoxTable placedOnly = f.m.table;
  const int waiting = f.Pending(doc);
  ASSERT_EQ(waiting, gone);
  ASSERT_EQ(f.m.table[waiting].X, 90000) << "a record's position outlives its box";
  const PageViewPicture picture = BuildPageView(f.m.table, kCanvasWidth, kCanvasHeight, kMetrics);
  ASSERT_EQ(picture.images.size(), 1u);
  EXPECT_EQ(picture.images[0].box, placed);
  const PageViewPicture expected = BuildPageView(placedOnly, kCanvasWidth, kCanvasHeight, kMetrics);
  EXPECT_DOUBLE_EQ(picture.scaleX, expected.scaleX);
  EXPECT_DOUBLE_EQ(picture.scaleY, expected.scaleY);
}

}  // namespace
}  // namespace quorvin
