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
  EXPECT_EQ(ToolboxNames("Odd, name\r\n"), std::vector<std::string>{"Odd, name"});  // a comma too
  // The UTF-8 byte-order mark an editor may put first is no part of a name.
  EXPECT_EQ(ToolboxNames("\xEF\xBB\xBFSin\r\n"), std::vector<std::string>{"Sin"});
  EXPECT_EQ(ToolboxNames("\xEF\xBB\xBF\r\nSin"), std::vector<std::string>{"Sin"});
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
  TwipsExtent screen = kNoScreenLimit;
};

TEST(ReflowTools, Table) {
  // A screen of 1280 by 600 pixels.
  constexpr TwipsExtent kSmallScreen = {19200, 9000};
  const ReflowCase cases[] = {
      {"FourColumnsOfEight", 8, {2200, 4000}, 4, "4X2", {2120, 1360}, 8},
      {"ThreeColumnsOfEight", 8, {1700, 4000}, 3, "3X2", {1620, 1860}, 8},
      {"TwoColumnsOfTheDesignSize", 8, {1455, 4080}, 2, "2X4", {1120, 2360}, 8},
      // However low the person makes it, every tool gets its place in the
      // columns of the width, and the palette grows to hold them.
      {"LowWindowStillPlacesEveryTool", 8, {2200, 800}, 4, "4X2", {2120, 1360}, 8},
      {"LowerThanARow", 8, {2200, 100}, 4, "4X2", {2120, 1360}, 8},
      {"NarrowerThanAColumn", 8, {300, 4000}, 1, "1X8", {620, 4360}, 8},
      {"NothingAtAll", 8, {0, 0}, 1, "1X8", {620, 4360}, 8},
      {"OneTool", 1, {5000, 5000}, 1, "1X1", {620, 860}, 1},
      // Names past the 24th have no button but count, as at the load.
      {"ThirtyNamesWide", 30, {12500, 9000}, 25, "25X1", {12620, 1360}, 24},
      {"ThirtyNamesInOneColumn", 30, {300, 900}, 1, "1X30", {620, 15360}, 24},
      // Never past the screen: one column of 24 would be 12,360 twips high,
      // so the buttons take a second column; further names only reach the
      // screen's edge.
      {"OneColumnTallerThanTheScreen", 24, {300, 900}, 2, "2X12", {1120, 6360}, 24, kSmallScreen},
      {"TenThousandNames", 10000, {2200, 900}, 4, "4X2500", {2120, 9000}, 24, kSmallScreen},
      {"WiderThanTheScreen", 24, {30000, 900}, 24, "24X1", {12120, 860}, 24, {15000, 9000}},
      {"ColumnsForTheScreenWidth", 24, {30000, 900}, 9, "9X2", {4620, 1860}, 24, {4700, 9000}},
  };
  for (const ReflowCase& c : cases) {
    const ToolReflow r = ReflowTools(c.tools, c.window, c.screen);
    EXPECT_EQ(r.columns, c.columns) << c.name;
    EXPECT_EQ(r.sizeText, c.sizeText) << c.name;
    EXPECT_EQ(r.extent, c.extent) << c.name;
    EXPECT_EQ(r.spots.size(), c.placed) << c.name;
    // Every button lies inside the palette the re-flow asks for, unless even
    // the screen cannot hold the rows of names.
    for (const TwipsSpot& spot : r.spots) {
      EXPECT_LE(spot.left + kReflowPitch, r.extent.width) << c.name;
      EXPECT_LE(spot.top + kReflowPitch, r.extent.height) << c.name;
    }
    // The palette's own size gives the same layout again: it settles.
    const ToolReflow again = ReflowTools(c.tools, r.extent, c.screen);
    EXPECT_EQ(again.columns, r.columns) << c.name;
    EXPECT_EQ(again.extent, r.extent) << c.name;
    EXPECT_EQ(again.spots, r.spots) << c.name;
  }
}

TEST(ToolboxExtent, NeverPastTheScreen) {
  // 10,000 names in 3 columns would be 1.7 million twips high.
  EXPECT_EQ(FileToolboxExtent(10000, 3, {19200, 13500}), (TwipsExtent{1600, 13500}));
  EXPECT_EQ(FileToolboxExtent(6, 3, {19200, 13500}), (TwipsExtent{1600, 3 * 510 + 360}));
  // Any number of names a file can hold, without overflow.
  EXPECT_EQ(FileToolboxExtent(2147483647, 1, {19200, 13500}), (TwipsExtent{580, 13500}));
  EXPECT_EQ(ReflowTools(2147483647, {300, 900}, {19200, 13500}).extent.height, 13500);
}

TEST(ReflowTools, FourColumnsPutTheFifthToolOnTheSecondRow) {
  const ToolReflow r = ReflowTools(8, {2200, 4000});
  ASSERT_EQ(r.spots.size(), 8u);
  EXPECT_EQ(r.spots[3], (TwipsSpot{1500, 0}));
  EXPECT_EQ(r.spots[4], (TwipsSpot{0, 500}));
  EXPECT_EQ(r.spots[7], (TwipsSpot{1500, 500}));
}

// After a drag the palette asks for its own size; a window manager may
// grant it, drop it during the drag and put its own back at the end, or
// refuse it for ever.
TEST(SizeAsking, AsksUntilGrantedOrRefusedAFewTimes) {
  const PixelSize own{41, 291};
  struct Step {
    PixelSize given;
    bool asks;
  };
  const std::pair<const char*, std::vector<Step>> cases[] = {
      {"Granted", {{{57, 73}, true}, {own, false}}},
      {"DroppedDuringTheDrag", {{{57, 73}, true}, {{57, 91}, true}, {{57, 73}, true}, {own, false}}},
      {"RefusedForEver",
       {{{60, 300}, true}, {{60, 300}, true}, {{60, 300}, true}, {{60, 300}, false},
        {{60, 300}, false}}},
      {"RefusedThenDraggedElsewhere",
       {{{60, 300}, true}, {{60, 300}, true}, {{60, 300}, true}, {{60, 300}, false},
        {{70, 300}, true}, {own, false}}},
      {"AlreadyItsOwnSize", {{own, false}, {own, false}}},
  };
  for (const auto& [name, steps] : cases) {
    SizeAsking asking;
    for (std::size_t i = 0; i < steps.size(); ++i)
      EXPECT_EQ(asking.ask(steps[i].given, own), steps[i].asks) << name << " step " << i;
  }
}

}  // namespace
}  // namespace quorvin
