#pragma once
// The commands that change the edit mode of every document (Edit menu, the
// arrow tool, a toolbox pick), and the questions a window asks about what it
// shows. A box still waiting to be placed is dropped by every command that
// leaves the placing mode behind.

#include <string>
#include <vector>

#include "canvas/logic/canvas_state.h"
#include "canvas/logic/colour_chooser.h"
#include "model/model.h"

namespace quorvin {

// Arms the connect tool: mode ArrowArmed, the no-drop pointer on every
// document.
void SetArrowTool(Model& m);

// Hides a window's rubber band and gives it size 0 at the origin.
void HideCopyShape(WindowState& w);

// Edit > Move boxes and Edit > Copy boxes: arm moving or copying the
// selection with the next press on a canvas.
void EditMoveBoxes(Model& m);
void EditCopyBoxes(Model& m);
// Edit > Clear Boxes: deletes the selected boxes, warning about uses.
void EditClearBoxes(Model& m);
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

// The boxes of document doc that have a button on show, ascending: all of
// them but the one still waiting to be placed.
std::vector<int> ShownBoxes(const Model& m, int doc);

}  // namespace quorvin
