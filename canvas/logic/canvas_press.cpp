#include "canvas/logic/canvas_press.h"

#include "canvas/logic/edit_commands.h"

namespace quorvin {

void FormMouseDown(Model& m, WindowState& w, int doc, double x, double y) {
  if (!m.documents.isOpen(doc)) return;
  BoxEditor& editor = m.editor;
  // The pointer on the canvas, as the editor places and moves by it.
  const double canvasX = w.scrH.value + x;
  const double canvasY = w.scrV.value + y;
  switch (editor.mode()) {
    case EditMode::Placing: editor.placePendingBox(doc, canvasX, canvasY); break;
    case EditMode::Move: editor.moveSelection(doc, canvasX, canvasY); break;
    case EditMode::Copy: editor.copySelection(doc, canvasX, canvasY); break;
    default: break;
  }
  if (w.band.visible) {
    HideCopyShape(w);
    RubberBandDismissed(m, doc);
  }
  m.views.setDocsPointer(Pointer::Default);
}

}  // namespace quorvin
