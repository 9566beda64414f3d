#pragma once
// The window's own commands: the rubber band, Multiple Arrows, the arrow
// colour, a toolbox pick. The modes themselves are the editor's
// (model/box_editor.h).

#include <string>

#include "canvas/logic/canvas_state.h"
#include "canvas/logic/colour_chooser.h"
#include "model/model.h"

namespace quorvin {

// Hides a window's rubber band and gives it size 0 at the origin.
void HideCopyShape(WindowState& w);

// Edit > Redraw Arrows.
void EditRedrawArrows(Model& m, int doc);
// Edit > Change Line Color: the chosen colour becomes the document's arrow
// colour for the boxes created from now on; a cancel keeps the colour.
void EditChangeLineColor(Model& m, int doc, ColourChooser& chooser);
// Functions > Multiple Arrows, and a click on the arrow-colour panel.
void ToggleMultipleArrows(WindowState& w);

// A toolbox button was clicked: a connect gesture in progress is dropped,
// then the tool's name goes to txtEvent, from where the next mouse move over
// a canvas picks it up. "Arrow" arms the connect tool at once instead.
void ToolboxToolClicked(Model& m, std::string& txtEvent, const std::string& tool);

}  // namespace quorvin
