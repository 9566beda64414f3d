#include "canvas/logic/edit_commands.h"

namespace quorvin {

void HideCopyShape(WindowState& w) { w.band = RubberBand{}; }

void EditChangeLineColor(Model& m, int doc, ColourChooser& chooser) {
  if (!m.documents.isOpen(doc)) return;
  if (const std::optional<std::uint32_t> colour = chooser.chooseColour())
    SetArrowColour(m, doc, *colour);
}

void ToggleMultipleArrows(WindowState& w) { w.multipleArrows = !w.multipleArrows; }

}  // namespace quorvin
