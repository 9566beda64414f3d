#include "app/toolbox_editing.h"
#include "app/toolbox_layout.h"

#include <gtest/gtest.h>

#include <set>

namespace quorvin {
namespace {

TEST(ToolboxEditing, ThePaletteHoldsSixtyThreeDistinctToolsInRowsOfSix) {
  const auto names = PaletteToolNames();
  ASSERT_EQ(names.size(), 63u);
  EXPECT_EQ(std::set<std::string_view>(names.begin(), names.end()).size(), 63u);
  EXPECT_EQ(PaletteToolAt(1), "Arrow");
  EXPECT_EQ(PaletteToolAt(14), "Basic Arithmatic");
  EXPECT_EQ(PaletteToolAt(49), "Differences");
  EXPECT_EQ(PaletteToolAt(63), "Check");
  EXPECT_EQ(PaletteToolAt(64), "");
  EXPECT_EQ(PaletteToolAt(0), "");
  EXPECT_EQ(PalettePosition(0, 1), 1);
  EXPECT_EQ(PalettePosition(8, 1), 49);
  EXPECT_EQ(PalettePosition(8, 18), 66);
  EXPECT_EQ(PalettePosition(kPaletteScrollMax, 18), 108);
}

TEST(ToolboxEditing, ButtonsSitThreeARowAtAPitchOf495Twips) {
  const TwipsPoint corner{120, 240};
  struct Case {
    int k, left, top;
  };
  for (const Case& c : std::vector<Case>{{1, 120, 240}, {2, 615, 240}, {3, 1110, 240},
                                         {4, 120, 735}, {24, 1110, 3705}}) {
    const TwipsPoint at = ToolboxButtonPosition(c.k, corner);
    EXPECT_EQ(at.x, c.left) << c.k;
    EXPECT_EQ(at.y, c.top) << c.k;
  }
}

TEST(ToolboxEditing, FileBytesEndWithAnEmptyLine) {
  EXPECT_EQ(ToolboxFileBytes({"For", "Next"}), std::string("For\r\nNext\r\n\r\n"));
  EXPECT_EQ(ToolboxFileBytes({"For", "Next"}).size(), 13u);
  EXPECT_EQ(ToolboxFileBytes({}), "\r\n");
}

// What the editor saves, the palette reads back name for name: a comma is
// part of a name.
TEST(ToolboxEditing, ThePaletteReadsBackTheNamesTheEditorSaves) {
  const std::vector<std::string> names = {"Sin", "Odd, name"};
  EXPECT_EQ(ToolboxNames(ToolboxFileBytes(names)), names);
}

TEST(ToolboxEditing, RelativeNamesLieInTheProgramDirectory) {
  EXPECT_EQ(ToolboxPath("my_box.tlb", "/opt/q"), "/opt/q/my_box.tlb");
  EXPECT_EQ(ToolboxPath("my_box.tlb", "/opt/q/"), "/opt/q/my_box.tlb");
  EXPECT_EQ(ToolboxPath("/home/x/a.tlb", "/opt/q"), "/home/x/a.tlb");
  EXPECT_EQ(ToolboxPath("a.tlb", ""), "a.tlb");
}

TEST(ToolboxEditing, AddStopsAtTwentyFourAndRemoveMovesLaterToolsUp) {
  EditedToolbox box;
  for (int i = 0; i < kMaxToolboxTools; ++i) EXPECT_TRUE(box.add("Sin"));
  EXPECT_TRUE(box.full());
  EXPECT_FALSE(box.add("Cos"));
  EXPECT_EQ(box.count(), 24);

  EditedToolbox three;
  three.load({"Sin", "Cos", "Tan"});
  EXPECT_TRUE(three.remove(2));
  EXPECT_EQ(three.tools(), (std::vector<std::string>{"Sin", "Tan"}));
  EXPECT_TRUE(three.remove(1));
  EXPECT_EQ(three.tools(), std::vector<std::string>{"Tan"});
  EXPECT_FALSE(three.remove(0));
  EXPECT_FALSE(three.remove(2));
  EXPECT_EQ(three.text(), "Tan\r\n");
}

}  // namespace
}  // namespace quorvin
