#pragma once
// The window's own commands: the rubber band, Multiple Arrows, the arrow
// colour. The modes themselves are the editor's (model/box_editor.h).

#include "canvas/logic/canvas_state.h"
#include "canvas/logic/colour_chooser.h"
#include "model/model.h"

namespace quorvin {

// Hides a window's rubber band and gives it size 0 at the origin.
void HideCopyShape(WindowState& w);

// Edit > Change Line Color: the chosen colour becomes the document's arrow
// colour for the boxes created from now on; a cancel keeps the colour.
void EditChangeLineColor(Model& m, int doc, ColourChooser& chooser);
// Functions > Multiple Arrows, and a click on the arrow-colour panel.
void ToggleMultipleArrows(WindowState& w);

}  // namespace quorvin
