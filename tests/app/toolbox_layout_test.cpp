// Where the palette's buttons go, in twips, and how big the palette makes
// itself.
#include "app/toolbox_layout.h"

#include <gtest/gtest.h>

namespace quorvin {
namespace {

TEST(ToolboxNames, LinesWithoutEndsAndWithoutEmptyOnes) {
  EXPECT_EQ(ToolboxNames("For\r\nNext\r\n\r\n"), (std::vector<std::string>{"For", "Next"}));
  EXPECT_EQ(ToolboxNames("Sin\n\n\nCos"), (std::vector<std::string>{"Sin", "Cos"}));
  EXPECT_EQ(ToolboxNames("\r\n\r\nTan\r\n"), (std::vector<std::string>{"Tan"}));
  EXPECT_EQ(ToolboxNames(""), std::vector<std::string>{});
  EXPECT_EQ(ToolboxNames(" \r\n"), std::vector<std::string>{" "});  // a blank is a name
}

TEST(ToolboxColumns, NumberBeforeTheXOrThree) {
  const std::pair<const char*, int> cases[] = {
      {"", 3},   {"4X2", 4}, {"1X8", 1},  {"12X1", 12}, {"0X5", 3},
      {"X2", 3}, {"abc", 3}, {"99X1", 24}, {"99999999999999999999X", 24}, {"2", 2}};
  for (const auto& [text, columns] : cases) EXPECT_EQ(ToolboxColumns(text), columns) << text;
}

TEST(ToolboxSpots, FileAndBuiltInPitches) {
  EXPECT_EQ(FileToolSpot(1, 3), (TwipsSpot{0, 0}));
  EXPECT_EQ(FileToolSpot(3, 3), (TwipsSpot{1020, 0}));
  EXPECT_EQ(FileToolSpot(4, 3), (TwipsSpot{0, 510}));
  EXPECT_EQ(FileToolSpot(5, 0), (TwipsSpot{0, 2040}));  // no column count: one column
  EXPECT_EQ(DefaultToolSpot(1), (TwipsSpot{0, 0}));
  EXPECT_EQ(DefaultToolSpot(2), (TwipsSpot{480, 0}));
  EXPECT_EQ(DefaultToolSpot(8), (TwipsSpot{480, 1200}));
}

TEST(ToolboxExtent, FromTheNamesAndColumns) {
  EXPECT_EQ(FileToolboxExtent(30, 3), (TwipsExtent{3 * 510 + 70, 11 * 510 + 360}));
  EXPECT_EQ(FileToolboxExtent(1, 3), (TwipsExtent{1600, 870}));
  EXPECT_EQ(FileToolboxExtent(6, 3), (TwipsExtent{1600, 3 * 510 + 360}));
  EXPECT_EQ(FileToolboxExtent(4, 0), (TwipsExtent{580, 5 * 510 + 360}));
}

struct ReflowCase {
  const char* name;
  int tools;
  TwipsExtent window;
  int columns;
  std::string sizeText;
  TwipsExtent extent;
  std::size_t placed;
};

TEST(ReflowTools, Table) {
  const ReflowCase cases[] = {
      {"FourColumnsOfEight", 8, {2200, 4000}, 4, "4X2", {2120, 1360}, 8},
      {"ThreeColumnsOfEight", 8, {1700, 4000}, 3, "3X2", {1620, 1860}, 8},
      {"TwoColumnsOfTheDesignSize", 8, {1455, 4080}, 2, "2X4", {1120, 2360}, 8},
      {"LowWindowStopsAtTheRowThatNoLongerFits", 8, {2200, 800}, 4, "4X2", {2120, 1360}, 5},
      {"LowerThanARow", 8, {2200, 100}, 1, "1X8", {620, 860}, 1},
      {"NarrowerThanAColumn", 8, {300, 4000}, 1, "1X8", {620, 4360}, 8},
      {"NothingAtAll", 8, {0, 0}, 1, "1X8", {620, 860}, 1},
      {"OneTool", 1, {5000, 5000}, 1, "1X1", {620, 860}, 1},
      {"ThirtyNamesWide", 30, {12500, 9000}, 25, "25X1", {12620, 1360}, 30},
  };
  for (const ReflowCase& c : cases) {
    const ToolReflow r = ReflowTools(c.tools, c.window);
    EXPECT_EQ(r.columns, c.columns) << c.name;
    EXPECT_EQ(r.sizeText, c.sizeText) << c.name;
    EXPECT_EQ(r.extent, c.extent) << c.name;
    EXPECT_EQ(r.spots.size(), c.placed) << c.name;
    // Once every tool has its place, the palette's own size gives the same
    // layout again. (After a cut the size lets the next row in, as the
    // first button of a row that no longer fits is still placed.)
    if (r.spots.size() != static_cast<std::size_t>(c.tools)) continue;
    const ToolReflow again = ReflowTools(c.tools, r.extent);
    EXPECT_EQ(again.columns, r.columns) << c.name;
    EXPECT_EQ(again.extent, r.extent) << c.name;
  }
}

TEST(ReflowTools, FourColumnsPutTheFifthToolOnTheSecondRow) {
  const ToolReflow r = ReflowTools(8, {2200, 4000});
  ASSERT_EQ(r.spots.size(), 8u);
  EXPECT_EQ(r.spots[3], (TwipsSpot{1500, 0}));
  EXPECT_EQ(r.spots[4], (TwipsSpot{0, 500}));
  EXPECT_EQ(r.spots[7], (TwipsSpot{1500, 500}));
}

}  // namespace
}  // namespace quorvin
