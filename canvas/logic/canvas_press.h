#pragma once
// A press of any mouse button on the empty canvas of a document window: the
// editor places the waiting box, moves the selection or copies it, as the
// edit mode has armed; every press then hides the rubber band and gives
// every document the default pointer.

#include "canvas/logic/canvas_state.h"
#include "model/model.h"

namespace quorvin {

// x, y: the pointer in window twips; doc: the window's document.
void FormMouseDown(Model& m, WindowState& w, int doc, double x, double y);

}  // namespace quorvin
