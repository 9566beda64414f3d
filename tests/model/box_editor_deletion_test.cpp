#include <gtest/gtest.h>

#include "model/box_references.h"
#include "model_fakes.h"

namespace quorvin {
namespace {

using testing::ModelFixture;

// Ten boxes on one document, numbered 1..10, each named by its kind "K<n>".
struct TenBoxes : ::testing::Test {
  ModelFixture f;
  int doc = 0;
  void SetUp() override {
    doc = NewDocument(f.m);
    for (int i = 1; i <= 10; ++i)
      ASSERT_EQ(testing_support::AddPlacedBox(f.m, doc, i * 100, i * 10, "K" + std::to_string(i)), i);
    f.views.redrawn.clear();  // what placing them showed
  }
  void Delete(std::vector<int16_t> sel, bool quiet = true) {
    testing_support::SetSelection(f.m, std::move(sel));
    f.m.editor.deleteSelection(quiet);
  }
};

TEST_F(TenBoxes, DeletingTheLastBoxMovesNothing) {
  Delete({10});
  EXPECT_EQ(f.m.table.nextBox, 10);
  EXPECT_EQ(f.m.table[10].Kind, "");
  EXPECT_EQ(f.m.table[10].X, 1000) << "position outlives the record";
  for (int i = 1; i <= 9; ++i) EXPECT_EQ(f.m.table[i].Kind, "K" + std::to_string(i));
}

TEST_F(TenBoxes, LastBoxMovesIntoTheFreedNumberWithLinksAndReferences) {
  ModelFixture::Link(f.m, 10, 1, 4, 2);  // 10 -> 4
  ModelFixture::Link(f.m, 6, 3, 10, 1);  // 6 -> 10
  f.boxes[10].OutColor[1] = 0x123456;
  f.boxes[5].Params = "box10=box10+1;";
  f.boxes[7].Params = "box100 box101 inbox10 box10a";
  Delete({3});
  const BoxTable& t = f.m.table;
  EXPECT_EQ(t.nextBox, 10);
  EXPECT_EQ(t[3].Kind, "K10");
  EXPECT_EQ(t[3].X, 1000);
  EXPECT_EQ(t[3].OutColor[1], 0x123456);
  EXPECT_EQ(t[3].OutLink[1], 4);
  EXPECT_EQ(t[4].InLink[2], 3);
  EXPECT_EQ(t[6].OutLink[3], 3);
  EXPECT_EQ(t[3].InLink[1], 6);
  EXPECT_EQ(t[5].Params, "box3=box3+1;");
  EXPECT_EQ(t[7].Params, "box100 box101 inbox10 box10a") << "only whole names are rewritten";
  EXPECT_EQ(f.m.editor.mode(), EditMode::Select);
  EXPECT_TRUE(f.m.editor.selection().empty());
}

TEST_F(TenBoxes, SelectionFollowsTheRenumbering) {
  Delete({3, 7, 10});
  const BoxTable& t = f.m.table;
  EXPECT_EQ(t.nextBox, 8);
  const std::vector<std::string> expected = {"K1", "K2", "K8", "K4", "K5", "K6", "K9"};
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(t[i].Kind, expected[i - 1]) << i;
  // The views hear each number freed and the box that took it, so that what
  // they keep by number (a button's drag mode) follows the boxes.
  EXPECT_EQ(f.views.renumbered,
            (std::vector<std::pair<int, int>>{{3, 10}, {7, 9}, {3, 8}}));
}

TEST_F(TenBoxes, OtherEndsBecomeFreeAndAbsentSlotsStay) {
  ModelFixture::Link(f.m, 2, 1, 5, 1);
  ModelFixture::Link(f.m, 5, 2, 8, 3);
  f.boxes[2].OutLink[4] = kAbsentSlot;
  f.boxes[8].InLink[1] = kAbsentSlot;
  Delete({5});
  EXPECT_EQ(f.m.table[2].OutLink[1], 0);
  EXPECT_EQ(f.m.table[2].OutLink[4], -1);
  EXPECT_EQ(f.m.table[8].InLink[3], 0);
  EXPECT_EQ(f.m.table[8].InLink[1], -1);
}

TEST_F(TenBoxes, WarningsCountWholeNamesInOtherBoxesOnly) {
  f.boxes[4].Params = "box1+box1";     // two uses
  f.boxes[6].Params = "box12 box15";  // other boxes, no warning
  f.boxes[1].Params = "box1=3;";       // itself
  Delete({1}, /*quiet=*/false);
  ASSERT_EQ(f.dialogs.messages.size(), 2u);
  EXPECT_EQ(f.dialogs.messages[0].text,
            "Warning: Box1 is about to be deleted.\r\n"
            "This box is used as an operator for box4.\r\n");
  EXPECT_EQ(f.dialogs.messages[0].style.code(), 48);
  EXPECT_EQ(f.dialogs.messages[0].title, "Quorvin");
  EXPECT_EQ(f.m.table.nextBox, 10) << "the warning does not stop the deletion";
}

TEST_F(TenBoxes, QuietDeletionWarnsNothing) {
  f.boxes[4].Params = "box1";
  Delete({1});
  EXPECT_TRUE(f.dialogs.messages.empty());
}

TEST_F(TenBoxes, EmptySelectionOnlySetsSelectMode) {
  const BoxTable before = f.m.table;
  testing_support::SetEditMode(f.m, EditMode::Move);
  Delete({});
  EXPECT_EQ(f.m.table, before);
  EXPECT_EQ(f.m.editor.mode(), EditMode::Select);
  EXPECT_TRUE(f.views.redrawn.empty());
}

TEST(DeleteSelection, PartnerInAnotherDocumentMovesAndThatDocumentIsRedrawn) {
  ModelFixture f;
  const int a = NewDocument(f.m);
  const int b = NewDocument(f.m);
  f.AddBox(a, "A1");
  f.AddBox(a, "A2");
  f.AddBox(b, "B3");
  f.boxes[3].X = 777;
  f.m.documents.docInfo[a].Changed = false;
  f.m.documents.docInfo[b].Changed = false;
  testing_support::SetSelection(f.m, {1});
  f.m.editor.deleteSelection(true);
  EXPECT_EQ(f.m.table[1].Kind, "B3");
  EXPECT_EQ(f.m.table[1].Doc, b);
  EXPECT_EQ(f.m.table[1].X, 777);
  EXPECT_TRUE(f.m.documents.docInfo[a].Changed);
  EXPECT_TRUE(f.m.documents.docInfo[b].Changed);
  EXPECT_NE(std::find(f.views.redrawn.begin(), f.views.redrawn.end(), a), f.views.redrawn.end());
  EXPECT_NE(std::find(f.views.redrawn.begin(), f.views.redrawn.end(), b), f.views.redrawn.end());
}

TEST(DeleteSelection, NumbersOutsideTheTableAreIgnored) {
  ModelFixture f;
  const int a = NewDocument(f.m);
  f.AddBox(a, "A1");
  testing_support::SetSelection(f.m, {0, 2, 351, -4});
  f.m.editor.deleteSelection(false);
  EXPECT_EQ(f.m.table.nextBox, 2);
}

TEST(BoxReferences, WholeNamesOnly) {
  EXPECT_EQ(FindBoxReferences("box12+box123+inbox12+box12_x+(box12)", 12),
            (std::vector<std::size_t>{0, 30}));
  EXPECT_EQ(RenameBoxReferences("box12=box12;box120", 12, 3), "box3=box3;box120");
  // An If's condition behind its else mark.
  EXPECT_EQ(RenameBoxReferences("elsebox12>box12", 12, 3), "elsebox3>box3");
  EXPECT_EQ(RenameBoxReferences("xelsebox12", 12, 3), "xelsebox12");
}

TEST(BoxReferences, RenumberingRenamesEveryWholeNameAtOnce) {
  const auto swapOneAndTwo = [](int n) { return n == 1 ? 2 : n == 2 ? 1 : n; };
  EXPECT_EQ(RenumberBoxReferences("box1=box2+box1;", swapOneAndTwo), "box2=box1+box2;");
  EXPECT_EQ(RenumberBoxReferences("box01+inbox1+box1a+box+box12+(box2)", swapOneAndTwo),
            "box01+inbox1+box1a+box+box12+(box1)");
  EXPECT_EQ(RenumberBoxReferences("box9999999999 box2", swapOneAndTwo), "box9999999999 box1");
  EXPECT_EQ(RenumberBoxReferences("elsebox1>0", swapOneAndTwo), "elsebox2>0");
}

}  // namespace
}  // namespace quorvin
