#include "canvas/logic/edit_commands.h"

#include "model/pending_box.h"

namespace quorvin {

void SetArrowTool(Model& m) {
  DiscardPendingBox(m);
  m.editMode = EditMode::ArrowArmed;
  m.views.setDocsPointer(Pointer::NoDrop);
}

void HideCopyShape(WindowState& w) { w.band = RubberBand{}; }

void EditMoveBoxes(Model& m) {
  DiscardPendingBox(m);
  m.editMode = EditMode::Move;
}

void EditCopyBoxes(Model& m) {
  DiscardPendingBox(m);
  m.editMode = EditMode::Copy;
}

void EditClearBoxes(Model& m) { DeleteSelection(m, false); }

void EditRedrawArrows(Model& m, int doc) {
  if (m.documents.isOpen(doc)) m.views.arrowsChanged(doc);
}

void EditChangeLineColor(Model& m, int doc, ColourChooser& chooser) {
  if (!m.documents.isOpen(doc)) return;
  if (const std::optional<std::uint32_t> colour = chooser.chooseColour())
    m.documents.docs[doc].arrowColor = static_cast<int32_t>(*colour & 0x00FFFFFFu);
}

void ToggleMultipleArrows(WindowState& w) { w.multipleArrows = !w.multipleArrows; }

void ToolboxToolClicked(Model& m, std::string& txtEvent, const std::string& tool) {
  if (m.editMode == EditMode::ArrowArmed || m.editMode == EditMode::ArrowSource)
    m.editMode = EditMode::Select;
  txtEvent = tool;
  if (txtEvent == "Arrow") {
    SetArrowTool(m);
    txtEvent.clear();
  }
}

std::vector<int> ShownBoxes(const Model& m, int doc) {
  std::vector<int> shown;
  const int pending = PendingBox(m);
  for (int i = 1; i <= m.table.highestBox(); ++i)
    if (m.table[i].Doc == doc && i != pending) shown.push_back(i);
  return shown;
}

}  // namespace quorvin
