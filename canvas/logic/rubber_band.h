#pragma once
// Mouse moves and releases over the empty canvas of a document window: the
// hand-over of a tool picked in the toolbox, hiding the bubble, and the rubber
// band that selects boxes.

#include <functional>

#include "canvas/logic/canvas_state.h"
#include "commands/toolbox_dispatcher.h"
#include "model/model.h"

namespace quorvin {

// The toolbox hand-over as a window offers it: pick holds the tool picked
// last; runTool runs a tool's command on this window, dialogs and all.
struct ToolPickup {
  ToolPick& pick;
  std::function<void(const Tool& tool)> runTool;
};

// held: the mouse buttons held (the left one alone draws the band); x, y: the
// pointer in window twips.
void FormMouseMove(Model& m, WindowState& w, MouseButtons held, double x, double y,
                   const ToolPickup& pickup);

// The editor selects from the band: the boxes of document doc whose
// top-left corner lies strictly inside it, and the band's corner as anchor;
// without a band nothing is selected.
void FormMouseUp(Model& m, const WindowState& w, int doc);

}  // namespace quorvin
