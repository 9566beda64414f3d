#include "canvas/logic/rubber_band.h"

namespace quorvin {

namespace {

// One axis of the band: the near edge follows the pointer only outwards,
// the far edge whenever the pointer is past the near edge.
void Stretch(double pointer, double& nearEdge, double& extent) {
  if (pointer <= nearEdge) {
    extent = extent + nearEdge - pointer;
    nearEdge = pointer;
  } else {
    extent = pointer - nearEdge;
  }
}

}  // namespace

void FormMouseMove(Model& m, WindowState& w, MouseButtons held, double x, double y,
                   const ToolPickup& pickup) {
  pickup.pick.runPicked(pickup.runTool);
  if (!w.bubble.caption.empty()) w.bubble = Bubble{};
  if (!held.only(MouseButton::Left) || m.editor.mode() != EditMode::Select) return;
  RubberBand& band = w.band;
  if (!band.visible) {
    band.rect.top = y;
    band.rect.left = x;
    band.visible = true;
    return;
  }
  Stretch(x, band.rect.left, band.rect.width);
  Stretch(y, band.rect.top, band.rect.height);
}

void FormMouseUp(Model& m, const WindowState& w, int doc) {
  if (!w.band.visible) {
    m.editor.deselect();
    return;
  }
  const WindowRect& band = w.band.rect;
  m.editor.selectInside(
      doc, {w.scrH.value + band.left, w.scrV.value + band.top, band.width, band.height});
}

}  // namespace quorvin
