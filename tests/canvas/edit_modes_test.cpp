#include <gtest/gtest.h>

#include <optional>

#include "canvas/logic/box_buttons.h"
#include "canvas/logic/canvas_press.h"
#include "canvas/logic/edit_commands.h"
#include "canvas_fixture.h"
#include "commands/toolbox_dispatcher.h"

namespace quorvin {
namespace {

using testing::CanvasFixture;

struct Modes : testing::FourBoxes<CanvasFixture> {
  void Click(int n) { BoxClick(f.m, f.window(doc), doc, n); }
  void Press() { FormMouseDown(f.m, f.window(doc), doc, 500, 500); }
};

TEST_F(Modes, ArrowToolArmsThenSourceThenTargetBackToSelect) {
  f.m.editor.armArrowTool();
  EXPECT_EQ(f.m.editor.mode(), EditMode::ArrowArmed);
  EXPECT_EQ(f.views.pointers.back(), Pointer::NoDrop);
  Click(a);
  EXPECT_EQ(f.m.editor.mode(), EditMode::ArrowSource);
  EXPECT_EQ(f.m.editor.arrowSource(), a);
  Click(b);
  EXPECT_EQ(f.m.editor.mode(), EditMode::Select);
  EXPECT_EQ(f.views.pointers.back(), Pointer::Default);
  EXPECT_EQ(f.m.table[a].OutLink[1], b);
  // Without multiple arrows a click in select mode does nothing.
  Click(c);
  Click(d);
  EXPECT_EQ(f.m.editor.mode(), EditMode::Select);
  EXPECT_EQ(f.m.table[c].OutLink[1], 0);
}

TEST_F(Modes, MultipleArrowsStartsAnArrowOnEveryClickInSelectMode) {
  ToggleMultipleArrows(f.window(doc));
  ASSERT_TRUE(f.window(doc).multipleArrows);
  Click(a);
  EXPECT_EQ(f.m.editor.mode(), EditMode::ArrowSource);
  Click(b);
  Click(c);  // the third click starts the next arrow from c
  EXPECT_EQ(f.m.editor.arrowSource(), c);
  Click(d);
  EXPECT_EQ(f.m.table[a].OutLink[1], b);
  EXPECT_EQ(f.m.table[c].OutLink[1], d);
  EXPECT_EQ(f.m.editor.mode(), EditMode::Select);
  ToggleMultipleArrows(f.window(doc));
  EXPECT_FALSE(f.window(doc).multipleArrows);
}

TEST_F(Modes, MultipleArrowsAreEachWindowsOwn) {
  const int other = f.OpenDocument();
  ToggleMultipleArrows(f.window(other));
  Click(a);  // this window's flag is off
  EXPECT_EQ(f.m.editor.mode(), EditMode::Select);
}

TEST_F(Modes, MoveAndCopyAreArmedAndAPressEndsThem) {
  for (auto arm : {&BoxEditor::armMove, &BoxEditor::armCopy}) {
    testing_support::SetSelection(f.m, {});  // nothing selected: nothing moves or appears
    (f.m.editor.*arm)();
    EXPECT_NE(f.m.editor.mode(), EditMode::Select);
    Press();
    EXPECT_EQ(f.m.editor.mode(), EditMode::Select);
    EXPECT_EQ(f.m.table.highestBox(), d);
    EXPECT_TRUE(f.m.documents.docInfo[doc].Changed);
  }
}

TEST_F(Modes, PressWhileConnectingKeepsTheModeAndResetsThePointer) {
  f.m.editor.armArrowTool();
  Press();
  EXPECT_EQ(f.m.editor.mode(), EditMode::ArrowArmed);
  EXPECT_EQ(f.views.pointers.back(), Pointer::Default);
  Click(a);
  Press();
  EXPECT_EQ(f.m.editor.mode(), EditMode::ArrowSource);
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

// The colour a window's panel shows comes from the model, which tells the
// document's view once; no file keeps it, so the document is no different.
TEST_F(Modes, ChangeLineColorTellsTheViewOnceAndLeavesTheDocumentUnchanged) {
  f.m.documents.docInfo[doc].Changed = false;
  OneColour cancelled(std::nullopt), red(0xFF0000FFu);
  EditChangeLineColor(f.m, doc, cancelled);
  EXPECT_TRUE(f.views.arrowColours.empty());
  EditChangeLineColor(f.m, doc, red);
  EXPECT_EQ(f.views.arrowColours, std::vector<int>{doc});
  EXPECT_EQ(f.m.documents.docs[doc].arrowColor, 0x0000FF) << "the high byte is no colour";
  EXPECT_FALSE(f.m.documents.docInfo[doc].Changed);
}

// A box waiting to be placed when the mode moves on elsewhere.
using AbandonedBox = Modes;

TEST_F(AbandonedBox, DroppedByArrowMoveCopyClearAndNew) {
  const std::vector<std::pair<const char*, std::function<void()>>> transitions = {
      {"Arrow", [&] { f.m.editor.armArrowTool(); }},
      {"Move", [&] { f.m.editor.armMove(); }},
      {"Copy", [&] { f.m.editor.armCopy(); }},
      {"Clear", [&] { f.m.editor.deleteSelection(false); }},
      {"New", [&] { f.OpenDocument(); }},
      {"Open", [&] { LoadFlowchart(f.m, "/nonexistent/chart.qvn"); }},
      {"toolbox Arrow", [&] { ToolPick().pick(f.m.editor, "Arrow"); }},
  };
  for (const auto& [name, transition] : transitions) {
    SCOPED_TRACE(name);
    Wait();
    transition();
    ExpectDiscarded(d);
  }
}

TEST_F(AbandonedBox, RetypedNotDroppedByAnotherToolAndPlacedByAPress) {
  Wait();
  ToolPick().pick(f.m.editor, "Sin");
  ASSERT_TRUE(f.m.editor.newBox(doc));  // the tool's command re-types the waiting box
  EXPECT_EQ(f.m.table.highestBox(), pending);
  Press();
  EXPECT_EQ(f.m.editor.pendingBox(), 0);
  EXPECT_EQ(f.m.table.placedBoxes(doc).back(), pending);
}

}  // namespace
}  // namespace quorvin
