#include "canvas/logic/box_buttons.h"

#include <string>

#include "model/twips.h"

namespace quorvin {

namespace {

// The lowest free slot of links[1..count], or slot 1 when none is free (the
// refusal tests then find it taken).
template <std::size_t N>
int FirstFreeSlot(const std::array<int16_t, N>& links) {
  for (std::size_t i = 1; i < N; ++i)
    if (links[i] == kFreeSlot) return static_cast<int>(i);
  return 1;
}

void Refuse(Model& m, const std::string& text) {
  m.dialogs.messageBox(text, style::kExclamation, kAppTitle);
}

void Connect(Model& m, int source, int target) {
  // The gesture ends here, also when the link is refused.
  m.editMode = EditMode::Select;
  m.views.setDocsPointer(Pointer::Default);
  BoxRecord* s = m.table.box(source);
  BoxRecord* t = m.table.box(target);
  if (s == nullptr || t == nullptr) return;
  if (s->Doc != t->Doc) {
    Refuse(m, "Boxes are not in the same document");
    return;
  }
  const int entry = FirstFreeSlot(t->InLink);
  const int exit = FirstFreeSlot(s->OutLink);
  if (t->InLink[entry] != kFreeSlot) {
    Refuse(m, "No more entries for box" + std::to_string(target) + " !");
    return;
  }
  if (s->OutLink[exit] != kFreeSlot) {
    Refuse(m, "No more exits for box" + std::to_string(source) + " !");
    return;
  }
  t->InLink[entry] = static_cast<int16_t>(source);
  s->OutLink[exit] = static_cast<int16_t>(target);
  // A new arrow is an edit like any other: closing asks to save it.
  m.documents.markChanged(s->Doc);
  m.views.arrowsChanged(s->Doc);
}

}  // namespace

void BoxClick(Model& m, const WindowState& w, int doc, int n) {
  BoxEditor& editor = m.editor;
  if (!m.table.exists(n) || editor.isPendingBox(n)) return;
  switch (editor.mode()) {
    case EditMode::Select:
      // With Multiple Arrows every click in select mode starts an arrow.
      if (w.multipleArrows) editor.chooseArrowSource(n);
      break;
    case EditMode::ArrowArmed: editor.chooseArrowSource(n); break;
    case EditMode::ArrowSource: Connect(m, editor.arrowSource(), n); break;
    case EditMode::Copy: editor.copyBox(doc, n); break;
    default: break;
  }
}

BoxPress BoxMouseDown(WindowState& w, int n, int button, int shift) {
  if (button == mouse::kRight && shift == 0) {
    if (n >= 1 && n <= kMaxBoxes) w.dragAutomatic[n] = !w.dragAutomatic[n];
    return BoxPress::DragModeToggled;
  }
  if (button == mouse::kMiddle || button == mouse::kRight) return BoxPress::BoxInformation;
  return BoxPress::Nothing;
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

}  // namespace quorvin
