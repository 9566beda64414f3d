#include <gtest/gtest.h>

#include <optional>

#include "canvas/logic/box_buttons.h"
#include "canvas/logic/canvas_press.h"
#include "canvas/logic/edit_commands.h"
#include "canvas_fixture.h"
#include "model/flowchart_file.h"
#include "model/pending_box.h"

namespace quorvin {
namespace {

using testing::CanvasFixture;

struct Modes : ::testing::Test {
  CanvasFixture f;
  int doc = 0, a = 0, b = 0, c = 0, d = 0;
  void SetUp() override {
    doc = f.OpenDocument();
    a = f.AddBox(doc, 1000, 1000);
    b = f.AddBox(doc, 2000, 1000);
    c = f.AddBox(doc, 3000, 1000);
    d = f.AddBox(doc, 4000, 1000);
  }
  void Click(int n) { BoxClick(f.m, f.canvas, f.window(doc), doc, n); }
  void Press() { FormMouseDown(f.m, f.canvas, f.window(doc), doc, 500, 500); }
};

TEST_F(Modes, ArrowToolArmsThenSourceThenTargetBackToSelect) {
  SetArrowTool(f.m);
  EXPECT_EQ(f.m.editMode, EditMode::ArrowArmed);
  EXPECT_EQ(f.views.pointers.back(), Pointer::NoDrop);
  Click(a);
  EXPECT_EQ(f.m.editMode, EditMode::ArrowSource);
  EXPECT_EQ(f.canvas.arrowFrom, a);
  Click(b);
  EXPECT_EQ(f.m.editMode, EditMode::Select);
  EXPECT_EQ(f.views.pointers.back(), Pointer::Default);
  EXPECT_EQ(f.m.table[a].OutLink[1], b);
  // Without multiple arrows a click in select mode does nothing.
  Click(c);
  Click(d);
  EXPECT_EQ(f.m.editMode, EditMode::Select);
  EXPECT_EQ(f.m.table[c].OutLink[1], 0);
}

TEST_F(Modes, MultipleArrowsStartsAnArrowOnEveryClickInSelectMode) {
  ToggleMultipleArrows(f.window(doc));
  ASSERT_TRUE(f.window(doc).multipleArrows);
  Click(a);
  EXPECT_EQ(f.m.editMode, EditMode::ArrowSource);
  Click(b);
  Click(c);  // the third click starts the next arrow from c
  EXPECT_EQ(f.canvas.arrowFrom, c);
  Click(d);
  EXPECT_EQ(f.m.table[a].OutLink[1], b);
  EXPECT_EQ(f.m.table[c].OutLink[1], d);
  EXPECT_EQ(f.m.editMode, EditMode::Select);
  ToggleMultipleArrows(f.window(doc));
  EXPECT_FALSE(f.window(doc).multipleArrows);
}

TEST_F(Modes, MultipleArrowsAreEachWindowsOwn) {
  const int other = f.OpenDocument();
  ToggleMultipleArrows(f.window(other));
  Click(a);  // this window's flag is off
  EXPECT_EQ(f.m.editMode, EditMode::Select);
}

TEST_F(Modes, MoveAndCopyAreArmedAndAPressEndsThem) {
  for (auto arm : {&EditMoveBoxes, &EditCopyBoxes}) {
    f.m.selection.clear();  // nothing selected: nothing moves or appears
    arm(f.m);
    EXPECT_NE(f.m.editMode, EditMode::Select);
    Press();
    EXPECT_EQ(f.m.editMode, EditMode::Select);
    EXPECT_EQ(f.m.table.highestBox(), d);
    EXPECT_TRUE(f.m.documents.docInfo[doc].Changed);
  }
}

TEST_F(Modes, PressWhileConnectingKeepsTheModeAndResetsThePointer) {
  SetArrowTool(f.m);
  Press();
  EXPECT_EQ(f.m.editMode, EditMode::ArrowArmed);
  EXPECT_EQ(f.views.pointers.back(), Pointer::Default);
  Click(a);
  Press();
  EXPECT_EQ(f.m.editMode, EditMode::ArrowSource);
}

TEST_F(Modes, ClearBoxesDeletesTheSelectionWithWarningsAndSelects) {
  f.m.table[a].Params = "box2";
  f.m.selection = {static_cast<int16_t>(b)};
  EditMoveBoxes(f.m);
  EditClearBoxes(f.m);
  EXPECT_EQ(f.m.editMode, EditMode::Select);
  EXPECT_EQ(f.m.table.highestBox(), 3);
  ASSERT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.dialogs.messages[0].style, style::kExclamation);
}

TEST_F(Modes, ToolboxPickDropsAConnectGestureAndArrowArmsAtOnce) {
  std::string txtEvent;
  for (EditMode from : {EditMode::ArrowArmed, EditMode::ArrowSource}) {
    f.m.editMode = from;
    ToolboxToolClicked(f.m, txtEvent, "Cos");
    EXPECT_EQ(f.m.editMode, EditMode::Select);
    EXPECT_EQ(txtEvent, "Cos");
  }
  f.m.editMode = EditMode::Move;
  ToolboxToolClicked(f.m, txtEvent, "Sin");
  EXPECT_EQ(f.m.editMode, EditMode::Move) << "only a connect gesture is dropped";
  ToolboxToolClicked(f.m, txtEvent, "Arrow");
  EXPECT_EQ(f.m.editMode, EditMode::ArrowArmed);
  EXPECT_EQ(txtEvent, "");
}

TEST_F(Modes, RedrawTellsTheDocumentItsArrowsAreToBeDrawn) {
  EditRedrawArrows(f.m, doc);
  EditRedrawArrows(f.m, 99);  // no such document
  EXPECT_EQ(f.views.arrowsRedrawn, std::vector<int>{doc});
}

// A colour dialog with one scripted answer.
class OneColour : public ColourChooser {
 public:
  explicit OneColour(std::optional<std::uint32_t> c) : colour_(c) {}
  std::optional<std::uint32_t> chooseColour() override { return colour_; }

 private:
  std::optional<std::uint32_t> colour_;
};

TEST_F(Modes, ChangeLineColorTakesTheChoiceForThisDocumentOnlyAndCancelKeepsIt) {
  const int other = f.OpenDocument();
  OneColour red(0x0000FFu), cancelled(std::nullopt);
  EditChangeLineColor(f.m, doc, red);
  EXPECT_EQ(f.m.documents.docs[doc].arrowColor, 0x0000FF);
  EXPECT_EQ(f.m.documents.docs[other].arrowColor, 0);
  EditChangeLineColor(f.m, doc, cancelled);
  EXPECT_EQ(f.m.documents.docs[doc].arrowColor, 0x0000FF);
  // The colour goes to the boxes created from now on.
  f.AddBox(doc, 0, 0);
  EXPECT_EQ(f.m.table[f.m.table.highestBox()].OutColor[5], 0x0000FF);
}

// A box waiting to be placed when the mode moves on elsewhere.
struct AbandonedBox : Modes {
  int pending = 0;
  void Wait() {
    f.m.editMode = EditMode::Select;
    ASSERT_TRUE(NewBox(f.m, doc));
    pending = f.m.table.highestBox();
    f.m.table[pending].Kind = "Cos";
  }
  void ExpectDiscarded(int placed) {
    EXPECT_EQ(f.m.table.highestBox(), placed);
    EXPECT_EQ(PendingBox(f.m), 0);
    EXPECT_EQ(f.m.table[pending].Kind, "");
    EXPECT_EQ(f.m.table[pending].Doc, 0);
    // Neither saved nor compiled: the document holds only its placed boxes.
    EXPECT_EQ(FormatFlowchart(f.m.table, doc).substr(0, 3), std::to_string(placed) + "\r\n");
  }
};

TEST_F(AbandonedBox, IsNotShownWhileWaiting) {
  Wait();
  EXPECT_EQ(ShownBoxes(f.m, doc), (std::vector<int>{a, b, c, d}));
  EXPECT_EQ(PendingBox(f.m), pending);
}

TEST_F(AbandonedBox, DroppedByArrowMoveCopyClearAndNew) {
  const std::vector<std::pair<const char*, std::function<void()>>> transitions = {
      {"Arrow", [&] { SetArrowTool(f.m); }},
      {"Move", [&] { EditMoveBoxes(f.m); }},
      {"Copy", [&] { EditCopyBoxes(f.m); }},
      {"Clear", [&] { EditClearBoxes(f.m); }},
      {"New", [&] { f.OpenDocument(); }},
      {"Open", [&] { LoadFlowchart(f.m, "/nonexistent/chart.qvn"); }},
      {"toolbox Arrow", [&] { std::string t; ToolboxToolClicked(f.m, t, "Arrow"); }},
  };
  for (const auto& [name, transition] : transitions) {
    SCOPED_TRACE(name);
    Wait();
    transition();
    ExpectDiscarded(d);
  }
}

TEST_F(AbandonedBox, DroppedBeforeADeletionCanRenumberItIntoAPlacedBox) {
  Wait();
  f.m.selection = {static_cast<int16_t>(b)};
  DeleteSelection(f.m, true);
  ExpectDiscarded(3);
  EXPECT_EQ(f.m.table[b].Kind, "Sin") << "box d took b's number, not the waiting box";
  EXPECT_EQ(f.m.table[b].X, 4000);
}

TEST_F(AbandonedBox, RetypedNotDroppedByAnotherToolAndPlacedByAPress) {
  Wait();
  std::string txtEvent;
  ToolboxToolClicked(f.m, txtEvent, "Sin");
  ASSERT_TRUE(NewBox(f.m, doc));  // the tool's command re-types the waiting box
  EXPECT_EQ(f.m.table.highestBox(), pending);
  Press();
  EXPECT_EQ(PendingBox(f.m), 0);
  EXPECT_EQ(ShownBoxes(f.m, doc).back(), pending);
}

}  // namespace
}  // namespace quorvin
