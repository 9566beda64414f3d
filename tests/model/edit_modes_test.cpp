#include <gtest/gtest.h>

#include "tests/model/editor_fixture.h"

namespace quorvin {
namespace {

using EditModes = testing::FourBoxes<testing::EditorFixture>;

TEST_F(EditModes, ClearBoxesDeletesTheSelectionWithWarningsAndSelects) {
  f.boxes[a].Params = "box2";
  testing_support::SetSelection(f.m, {static_cast<int16_t>(b)});
  f.m.editor.armMove();
  f.m.editor.deleteSelection(false);
  EXPECT_EQ(f.m.editor.mode(), EditMode::Select);
  EXPECT_EQ(f.m.table.highestBox(), 3);
  ASSERT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.dialogs.messages[0].style, style::kExclamation);
}

TEST_F(EditModes, RedrawTellsTheDocumentItsArrowsAreToBeDrawn) {
  f.m.editor.redrawArrows(doc);
  f.m.editor.redrawArrows(99);  // no such document
  EXPECT_EQ(f.views.arrowsRedrawn, std::vector<int>{doc});
}

// A box waiting to be placed when the mode moves on elsewhere.
using WaitingBox = EditModes;

TEST_F(WaitingBox, IsNotShownWhileWaiting) {
  Wait();
  EXPECT_EQ(f.m.table.placedBoxes(doc), (std::vector<int>{a, b, c, d}));
  EXPECT_EQ(f.m.editor.pendingBox(), pending);
}

TEST_F(WaitingBox, DroppedBeforeADeletionCanRenumberItIntoAPlacedBox) {
  Wait();
  testing_support::SetSelection(f.m, {static_cast<int16_t>(b)});
  f.m.editor.deleteSelection(true);
  ExpectDiscarded(3);
  EXPECT_EQ(f.m.table[b].Kind, "Sin") << "box d took b's number, not the waiting box";
  EXPECT_EQ(f.m.table[b].X, 4000);
}

}  // namespace
}  // namespace quorvin
