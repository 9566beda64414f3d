#include "canvas/logic/rubber_band.h"

#include "model/pending_box.h"
#include "model/twips.h"

namespace quorvin {

namespace {

// Empties txtEvent when the tool's command is over, even when it failed, so
// that one pick never inserts a second box.
class ClearWhenDone {
 public:
  explicit ClearWhenDone(std::string& text) : text_(text) {}
  ~ClearWhenDone() { text_.clear(); }
  ClearWhenDone(const ClearWhenDone&) = delete;
  ClearWhenDone& operator=(const ClearWhenDone&) = delete;

 private:
  std::string& text_;
};

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

bool StrictlyInside(double position, double from, double extent) {
  return from < position && position < from + extent;
}

}  // namespace

void FormMouseMove(Model& m, WindowState& w, int buttons, double x, double y,
                   const ToolPickup& pickup) {
  if (!pickup.txtEvent.empty()) {
    const std::string tool = pickup.txtEvent;
    ClearWhenDone clear(pickup.txtEvent);
    if (pickup.runTool) pickup.runTool(tool);
  }
  if (!w.bubble.caption.empty()) w.bubble = Bubble{};
  if (buttons != mouse::kLeft || m.editMode != EditMode::Select) return;
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

void FormMouseUp(Model& m, CanvasState& c, const WindowState& w, int doc) {
  m.selection.clear();
  if (!w.band.visible) return;
  const WindowRect& band = w.band.rect;
  const double left = w.scrH.value + band.left;
  const double top = w.scrV.value + band.top;
  const int pending = PendingBox(m);
  for (int i = 1; i <= m.table.highestBox(); ++i) {
    const BoxRecord& r = m.table[i];
    if (r.Doc != doc || i == pending) continue;
    if (StrictlyInside(r.X, left, band.width) && StrictlyInside(r.Y, top, band.height))
      m.selection.push_back(static_cast<int16_t>(i));
  }
  c.selAnchorX = ToTwips(left);
  c.selAnchorY = ToTwips(top);
}

}  // namespace quorvin
