#include <gtest/gtest.h>

#include "canvas/logic/box_buttons.h"
#include "canvas/logic/edit_commands.h"
#include "canvas/logic/document_closing.h"
#include "canvas_fixture.h"

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

TEST_F(Buttons, ConnectUsesTheFirstFreeSlotsSkipsAbsentOnesAndMarksTheDocumentChanged) {
  const int s = f.AddBox(doc, 0, 0);
  const int t = f.AddBox(doc, 0, 0);
  f.m.table[s].OutLink = {0, 7, -1, 0, 0, 0};
  f.m.table[t].InLink = {0, 9, -1, 0};
  f.m.documents.docInfo[doc].Changed = false;
  Connect(s, t);
  EXPECT_EQ(f.m.table[s].OutLink[2], -1);
  EXPECT_EQ(f.m.table[s].OutLink[3], t);
  EXPECT_EQ(f.m.table[t].InLink[3], s) << "entry 2 absent: the arrow enters at 3";
  EXPECT_TRUE(f.dialogs.messages.empty());
  EXPECT_TRUE(f.m.documents.docInfo[doc].Changed) << "closing must ask to save the arrow";
  EXPECT_EQ(f.views.arrowsRedrawn, std::vector<int>{doc});
}

TEST_F(Buttons, ABoxMayLinkToItself) {
  const int a = f.AddBox(doc, 0, 0);
  Connect(a, a);
  EXPECT_EQ(f.m.table[a].OutLink[1], a);
  EXPECT_EQ(f.m.table[a].InLink[1], a);
}

TEST_F(Buttons, RefusalsTellWhyInOrderAndLinkNothing) {
  struct Case {
    const char* name;
    std::array<int16_t, 4> targetIn;
    std::array<int16_t, 6> sourceOut;
    bool sameDocument;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"other document", {0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, false,
       "Boxes are not in the same document"},
      {"entries full", {0, 5, -1, 6}, {0, 0, 0, 0, 0, 0}, true, "No more entries for box2 !"},
      {"exits full", {0, 0, 0, 0}, {0, 5, 6, -1, -1, -1}, true, "No more exits for box1 !"},
      {"entries before exits", {0, -1, -1, -1}, {0, -1, -1, -1, -1, -1}, true,
       "No more entries for box2 !"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CanvasFixture g;
    const int d1 = g.OpenDocument();
    const int d2 = g.OpenDocument();
    const int s = g.AddBox(d1, 0, 0);
    const int t = g.AddBox(c.sameDocument ? d1 : d2, 0, 0);
    g.m.table[t].InLink = c.targetIn;
    g.m.table[s].OutLink = c.sourceOut;
    g.m.documents.docInfo[d1].Changed = false;
    const BoxTable before = g.m.table;
    g.m.editor.armArrowTool();
    BoxClick(g.m, g.window(d1), d1, s);
    BoxClick(g.m, g.window(d1), d1, t);
    ASSERT_EQ(g.dialogs.messages.size(), 1u);
    EXPECT_EQ(g.dialogs.messages[0].text, c.message);
    EXPECT_EQ(g.dialogs.messages[0].style, 48);
    EXPECT_EQ(g.dialogs.messages[0].title, "Quorvin");
    EXPECT_EQ(g.m.table, before);
    EXPECT_EQ(g.m.editor.mode(), EditMode::Select);
    EXPECT_EQ(g.views.pointers.back(), Pointer::Default);
    EXPECT_FALSE(g.m.documents.docInfo[d1].Changed);
  }
}

TEST_F(Buttons, ConnectedThenClosedAsksToSave) {
  const int a = f.AddBox(doc, 0, 0);
  const int b = f.AddBox(doc, 0, 0);
  f.m.documents.docInfo[doc].Changed = false;
  Connect(a, b);
  f.dialogs.answers = {Answer::Cancel};
  EXPECT_FALSE(FormQueryUnload(f.m, f.window(doc), doc));
  EXPECT_EQ(f.messageTexts(), std::vector<std::string>{kSaveBeforeClosing});
}

TEST_F(Buttons, RightButtonAloneTogglesTheDragModeOthersAskForInformation) {
  WindowState& w = f.window(doc);
  EXPECT_EQ(BoxMouseDown(w, 4, mouse::kRight, 0), BoxPress::DragModeToggled);
  EXPECT_TRUE(w.dragAutomatic[4]);
  EXPECT_EQ(BoxMouseDown(w, 4, mouse::kRight, 0), BoxPress::DragModeToggled);
  EXPECT_FALSE(w.dragAutomatic[4]);
  EXPECT_EQ(BoxMouseDown(w, 4, mouse::kRight, 1), BoxPress::BoxInformation);
  EXPECT_EQ(BoxMouseDown(w, 4, mouse::kMiddle, 0), BoxPress::BoxInformation);
  EXPECT_EQ(BoxMouseDown(w, 4, mouse::kLeft, 0), BoxPress::Nothing);
  EXPECT_EQ(BoxMouseDown(w, 999, mouse::kRight, 0), BoxPress::DragModeToggled);  // no slot
  EXPECT_FALSE(w.dragAutomatic[4]);
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
  f.m.table[note].Params = "first";
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
  f.m.table[note].Params = "second";
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
