#include <gtest/gtest.h>

#include "model_fakes.h"

namespace quorvin {
namespace {

using testing::ModelFixture;

TEST(NewBox, FirstBoxIsOneWithFreshRecordInTheDocumentsArrowColour) {
  ModelFixture f;
  const int doc = NewDocument(f.m);
  f.m.documents.docs[doc].arrowColor = 0x0000FF;
  ASSERT_TRUE(f.m.editor.newBox(doc));
  EXPECT_EQ(f.m.table.nextBox, 2);
  const BoxRecord& r = f.m.table[1];
  EXPECT_EQ(r.Doc, doc);
  for (int j = 1; j <= kExits; ++j) EXPECT_EQ(r.OutColor[j], 0x0000FF);
  EXPECT_EQ(f.m.editor.mode(), EditMode::Placing);
  EXPECT_EQ(f.views.pointers.back(), Pointer::CrossHair);
  EXPECT_DOUBLE_EQ(f.views.gauge.back(), 1.0 / 350 * 100);
  EXPECT_EQ(f.m.table[0], BoxRecord{});  // record 0 is never written
}

TEST(NewBox, SecondKindWhilePendingRetypesTheWaitingBox) {
  ModelFixture f;
  const int doc = NewDocument(f.m);
  ASSERT_TRUE(f.m.editor.newBox(doc));
  BoxRecord& pending = f.boxes[1];
  pending.Kind = "Comment";
  pending.Params = "note";
  pending.InLink = {0, -1, -1, -1};
  pending.OutLink = {0, -1, -1, -1, -1, -1};
  f.m.documents.docs[doc].arrowColor = 0x00FF00;  // changes after creation
  ASSERT_TRUE(f.m.editor.newBox(doc));
  EXPECT_EQ(f.m.table.nextBox, 2) << "no second box";
  EXPECT_EQ(pending.Kind, "");
  EXPECT_EQ(pending.Params, "");
  for (int j = 1; j <= kEntries; ++j) EXPECT_EQ(pending.InLink[j], 0);
  for (int j = 1; j <= kExits; ++j) {
    EXPECT_EQ(pending.OutLink[j], 0);
    EXPECT_EQ(pending.OutColor[j], 0) << "keeps the colour current at creation";
  }
}

TEST(NewBox, LimitCountsEveryDocumentAndRefusesThe351st) {
  ModelFixture f;
  const int a = NewDocument(f.m);
  const int b = NewDocument(f.m);
  for (int i = 1; i <= 349; ++i) ASSERT_EQ(f.AddBox(i % 2 ? a : b, "Sin"), i);
  ASSERT_EQ(f.AddBox(a, "Cos"), 350);
  EXPECT_DOUBLE_EQ(f.views.gauge.back(), 100.0);
  const BoxTable before = f.m.table;
  EXPECT_FALSE(f.m.editor.newBox(b));
  EXPECT_EQ(f.m.table, before);
  EXPECT_EQ(f.m.editor.mode(), EditMode::Select);
  ASSERT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.dialogs.messages[0].text, "The maximum number of boxes (350) has been exceeded.");
  EXPECT_EQ(f.dialogs.messages[0].style.code(), 16);
  EXPECT_EQ(f.dialogs.messages[0].title, "Quorvin");
}

TEST(NewBox, EveryModeButPlacingMakesANewBox) {
  for (EditMode editMode : {EditMode::Off, EditMode::Select, EditMode::ArrowArmed, EditMode::ArrowSource,
                       EditMode::Move, EditMode::Copy, EditMode::Copying}) {
    ModelFixture f;
    const int doc = NewDocument(f.m);
    f.AddBox(doc, "Sin");
    const BoxRecord placed = f.m.table[1];
    testing_support::SetEditMode(f.m, editMode);
    ASSERT_TRUE(f.m.editor.newBox(doc)) << static_cast<int>(editMode);
    EXPECT_EQ(f.m.table.nextBox, 3) << static_cast<int>(editMode);
    EXPECT_EQ(f.m.table[1], placed) << static_cast<int>(editMode);
  }
}

TEST(NewBox, RefusesADocumentThatIsNotOpen) {
  ModelFixture f;
  EXPECT_FALSE(f.m.editor.newBox(1));
  EXPECT_EQ(f.m.table.nextBox, 1);
}

TEST(TypePendingBox, WritesEveryFieldOfTheWaitingBoxAndNoOther) {
  ModelFixture f;
  const int doc = NewDocument(f.m);
  const int placed = f.AddBox(doc, "Cos");
  ASSERT_TRUE(f.m.editor.newBox(doc));
  const int n = f.m.editor.pendingBox();
  f.boxes[n].OutLink[2] = 7;
  ASSERT_TRUE(f.m.editor.typePendingBox(n, {"Pause", "1", {1}, {2, 5}}));
  const BoxRecord& r = f.m.table[n];
  EXPECT_EQ(r.Kind, "Pause");
  EXPECT_EQ(r.Params, "1");
  EXPECT_EQ((std::array<int16_t, 4>{0, 0, -1, -1}), r.InLink);
  EXPECT_EQ((std::array<int16_t, 6>{0, -1, 0, -1, -1, 0}), r.OutLink);
  // Once placed, or for any other box, a late answer writes nothing.
  f.m.editor.placePendingBox(doc, 500, 500);
  const BoxTable before = f.m.table;
  EXPECT_FALSE(f.m.editor.typePendingBox(placed, {"Sin", "", {}, {}}));
  EXPECT_FALSE(f.m.editor.typePendingBox(n, {"Sin", "", {}, {}}));
  EXPECT_EQ(f.m.table, before);
}

}  // namespace
}  // namespace quorvin
