#include "canvas/logic/box_buttons.h"

#include <algorithm>

#include "canvas/logic/box_button.h"

namespace quorvin {

void BoxClick(Model& m, const WindowState& w, int doc, int n) {
  BoxEditor& editor = m.editor;
  if (!m.table.exists(n) || editor.isPendingBox(n)) return;
  switch (editor.mode()) {
    case EditMode::Select:
      // With Multiple Arrows every click in select mode starts an arrow.
      if (w.multipleArrows) editor.chooseArrowSource(n);
      break;
    case EditMode::ArrowArmed: editor.chooseArrowSource(n); break;
    case EditMode::ArrowSource: editor.connectArrowTo(n); break;
    case EditMode::Copy: editor.copyBox(doc, n); break;
    default: break;
  }
}

BoxPress BoxMouseDown(WindowState& w, int n, MouseButton button, ModifierKeys keys) {
  if (button == MouseButton::Right && keys.none()) {
    if (n >= 1 && n <= kMaxBoxes) w.dragAutomatic[n] = !w.dragAutomatic[n];
    return BoxPress::DragModeToggled;
  }
  if (button == MouseButton::Middle || button == MouseButton::Right)
    return BoxPress::BoxInformation;
  return BoxPress::Nothing;
}

void BoxRenumbered(WindowState& w, int deleted, int highest) {
  const auto numbered = [](int n) { return n >= 1 && n <= kMaxBoxes; };
  if (!numbered(deleted)) return;
  const bool moved = numbered(highest) && w.dragAutomatic[highest];
  if (numbered(highest)) w.dragAutomatic[highest] = false;
  w.dragAutomatic[deleted] = highest != deleted && moved;
}

bool FormDragDrop(Model& m, WindowState& w, int doc, int n, const WindowRect& button, double x,
                  double y) {
  // The button is centred on the pointer.
  if (!m.editor.dropBox(doc, n, w.scrH.value + (x - button.width / 2),
                        w.scrV.value + (y - button.height / 2)))
    return false;
  if (!w.bubble.caption.empty()) w.bubble = Bubble{};
  return true;
}

void BoxMouseMove(const Model& m, WindowState& w, int n, const WindowRect& button) {
  const BoxRecord* r = m.table.box(n);
  if (r == nullptr || !w.bubbleShow || w.bubble.caption == r->Kind) return;
  w.bubble.caption = r->Kind == "Comment" ? "Comment: " + r->Params : r->Kind;
  w.bubble.left = button.left + button.width;
  w.bubble.top = button.top + button.height;
  w.bubble.visible = true;
}

TwipsPoint BubbleShown(const Bubble& bubble, double width, double height, double areaWidth,
                       double areaHeight) {
  TwipsPoint at{bubble.left, bubble.top};
  if (at.x + width > areaWidth) at.x = std::max(0.0, areaWidth - width);
  // Above the button: its top is a button's height above the bubble's place.
  if (at.y + height > areaHeight) at.y = std::max(0.0, bubble.top - kBoxButtonTwips - height);
  return at;
}

}  // namespace quorvin
