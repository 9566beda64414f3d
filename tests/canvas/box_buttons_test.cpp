#include <gtest/gtest.h>

#include "canvas/logic/box_buttons.h"
#include "canvas/logic/edit_commands.h"
#include "canvas_fixture.h"
#include "model/document_closing.h"

namespace quorvin {
namespace {

using testing::CanvasFixture;

struct Buttons : ::testing::Test {
  CanvasFixture f;
  int doc = 0;
  void SetUp() override { doc = f.OpenDocument(); }
  void Click(int n) { BoxClick(f.m, f.window(doc), doc, n); }
  void Connect(int from, int to) {
    f.m.editor.armArrowTool();
    Click(from);
    Click(to);
  }
};

TEST_F(Buttons, ConnectedThenClosedAsksToSave) {
  const int a = f.AddBox(doc, 0, 0);
  const int b = f.AddBox(doc, 0, 0);
  f.m.documents.docInfo[doc].Changed = false;
  Connect(a, b);
  f.dialogs.answers = {Answer::Cancel};
  EXPECT_FALSE(CloseDocument(f.m, doc));
  EXPECT_EQ(f.messageTexts(), std::vector<std::string>{kSaveBeforeClosing});
}

TEST_F(Buttons, RightButtonAloneTogglesTheDragModeOthersAskForInformation) {
  WindowState& w = f.window(doc);
  EXPECT_EQ(BoxMouseDown(w, 4, MouseButton::Right, {}), BoxPress::DragModeToggled);
  EXPECT_TRUE(w.dragAutomatic[4]);
  EXPECT_EQ(BoxMouseDown(w, 4, MouseButton::Right, {}), BoxPress::DragModeToggled);
  EXPECT_FALSE(w.dragAutomatic[4]);
  EXPECT_EQ(BoxMouseDown(w, 4, MouseButton::Right, {.shift = true}), BoxPress::BoxInformation);
  EXPECT_EQ(BoxMouseDown(w, 4, MouseButton::Middle, {}), BoxPress::BoxInformation);
  EXPECT_EQ(BoxMouseDown(w, 4, MouseButton::Left, {}), BoxPress::Nothing);
  EXPECT_EQ(BoxMouseDown(w, 999, MouseButton::Right, {}), BoxPress::DragModeToggled);  // no slot
  EXPECT_FALSE(w.dragAutomatic[4]);
}

TEST(BoxRenumbered, TheDragModeGoesWithTheBoxThatTakesTheNumberOnItsOwnWindow) {
  WindowState deletedOn, movedFrom;
  deletedOn.dragAutomatic[3] = true;  // the deleted box
  movedFrom.dragAutomatic[9] = true;  // the highest box, of another document
  for (WindowState* w : {&deletedOn, &movedFrom}) BoxRenumbered(*w, 3, 9);
  EXPECT_FALSE(deletedOn.dragAutomatic[3]);
  EXPECT_TRUE(movedFrom.dragAutomatic[3]);
  EXPECT_FALSE(movedFrom.dragAutomatic[9]) << "the next box numbered 9 starts manual";
  BoxRenumbered(movedFrom, 3, 3);  // the highest deleted: nothing moves
  EXPECT_FALSE(movedFrom.dragAutomatic[3]);
  movedFrom.dragAutomatic[kMaxBoxes] = true;
  const auto before = movedFrom.dragAutomatic;
  BoxRenumbered(movedFrom, 0, kMaxBoxes + 1);  // no such numbers: nothing happens
  BoxRenumbered(movedFrom, kMaxBoxes + 1, kMaxBoxes);
  EXPECT_EQ(movedFrom.dragAutomatic, before);
}

TEST_F(Buttons, ADropCentresTheButtonOnThePointerInCanvasTwips) {
  const int a = f.AddBox(doc, 0, 0);
  WindowState& w = f.window(doc);
  w.scrH.value = 1000;
  w.scrV.value = 300;
  w.bubble = {"Sin", true, 1, 1};
  f.m.documents.docInfo[doc].Changed = false;
  EXPECT_TRUE(FormDragDrop(f.m, w, doc, a, {0, 0, 480, 481}, 2000, 1500));
  EXPECT_EQ(f.m.table[a].X, 2760);
  EXPECT_EQ(f.m.table[a].Y, 1560) << "1500 - 240.5 + 300, the half to even";
  EXPECT_FALSE(w.bubble.visible);
  EXPECT_TRUE(f.m.documents.docInfo[doc].Changed);
}

TEST_F(Buttons, BubbleNamesTheKindBelowRightOfTheButton) {
  const int sin = f.AddBox(doc, 0, 0, "Sin");
  const int sin2 = f.AddBox(doc, 0, 0, "Sin");
  const int note = f.AddBox(doc, 0, 0, "Comment");
  f.boxes[note].Params = "first";
  WindowState& w = f.window(doc);
  BoxMouseMove(f.m, w, sin, {100, 200, 480, 480});
  EXPECT_EQ(w.bubble.caption, "Sin");
  EXPECT_TRUE(w.bubble.visible);
  EXPECT_EQ(w.bubble.left, 580);
  EXPECT_EQ(w.bubble.top, 680);
  // Straight onto another box of the same kind: the bubble stays where it was.
  BoxMouseMove(f.m, w, sin2, {900, 900, 480, 480});
  EXPECT_EQ(w.bubble.left, 580);
  // A comment's bubble shows its text, refreshed on every move.
  BoxMouseMove(f.m, w, note, {0, 0, 480, 480});
  EXPECT_EQ(w.bubble.caption, "Comment: first");
  f.boxes[note].Params = "second";
  BoxMouseMove(f.m, w, note, {0, 0, 480, 480});
  EXPECT_EQ(w.bubble.caption, "Comment: second");
  // With the option off nothing changes.
  w.bubble = Bubble{};
  w.bubbleShow = false;
  BoxMouseMove(f.m, w, sin, {0, 0, 480, 480});
  EXPECT_FALSE(w.bubble.visible);
}

}  // namespace
}  // namespace quorvin
