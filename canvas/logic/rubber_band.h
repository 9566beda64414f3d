#pragma once
// Mouse moves and releases over the empty canvas of a document window: the
// hand-over of a tool picked in the toolbox, hiding the bubble, and the rubber
// band that selects boxes.

#include <functional>
#include <string>

#include "canvas/logic/canvas_state.h"
#include "model/model.h"

namespace quorvin {

// The toolbox hand-over as a window offers it: txtEvent holds the name of
// the tool picked last ("" for none); runTool runs that tool's command on
// this window, dialogs and all.
struct ToolPickup {
  std::string& txtEvent;
  std::function<void(const std::string& tool)> runTool;
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
