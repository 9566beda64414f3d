#include "canvas/logic/canvas_press.h"

#include <vector>

#include "canvas/logic/box_copy.h"
#include "canvas/logic/edit_commands.h"
#include "model/pending_box.h"
#include "model/twips.h"

namespace quorvin {

namespace {

// Where a selected box lands: the anchor goes to the pointer and the box
// keeps its offset from it. Canvas positions, in double so that no offset of
// two 32-bit positions can overflow.
double Landing(double pointer, int32_t boxPosition, int32_t anchor, int32_t scroll) {
  return scroll + pointer + (static_cast<double>(boxPosition) - anchor);
}

void Place(Model& m, const WindowState& w, int doc, double x, double y) {
  const int n = PendingBox(m);
  if (n == 0) return;
  BoxRecord& r = m.table[n];
  // A box asked for on one document and placed on another belongs to the
  // document it is placed on.
  const int requestedOn = r.Doc;
  r.Doc = static_cast<int16_t>(doc);
  m.editMode = EditMode::Select;
  r.X = ToTwips(w.scrH.value + x);
  r.Y = ToTwips(w.scrV.value + y);
  m.views.setDocsPointer(Pointer::Default);
  m.documents.markChanged(doc);
  if (requestedOn != doc && m.documents.isOpen(requestedOn)) m.views.boxesChanged(requestedOn);
  m.views.boxesChanged(doc);
}

void Move(Model& m, const CanvasState& c, const WindowState& w, int doc, double x, double y) {
  for (const int16_t s : m.selection) {
    BoxRecord* r = m.table.box(s);
    // Only this window's boxes move: a band drawn on another window selects
    // boxes whose buttons are not here.
    if (r == nullptr || r->Doc != doc) continue;
    r->X = ToTwips(Landing(x, r->X, c.selAnchorX, w.scrH.value));
    r->Y = ToTwips(Landing(y, r->Y, c.selAnchorY, w.scrV.value));
  }
  m.editMode = EditMode::Select;
  m.documents.markChanged(doc);
  m.views.boxesChanged(doc);
}

// Repeats every link between two copied boxes between their copies.
// copies[i] is the copy of sources[i].
void Relink(BoxTable& t, const std::vector<int>& sources, const std::vector<int>& copies) {
  const std::size_t made = copies.size();
  for (std::size_t i = 0; i < made; ++i) {
    const BoxRecord& src = t[sources[i]];
    BoxRecord& copy = t[copies[i]];
    for (std::size_t k = 0; k < made; ++k) {
      for (int j = 1; j <= kExits; ++j)
        if (src.OutLink[j] == sources[k]) copy.OutLink[j] = static_cast<int16_t>(copies[k]);
      for (int j = 1; j <= kEntries; ++j)
        if (src.InLink[j] == sources[k]) copy.InLink[j] = static_cast<int16_t>(copies[k]);
    }
  }
}

void Copy(Model& m, const CanvasState& c, const WindowState& w, int doc, double x, double y) {
  BoxTable& t = m.table;
  std::vector<int> sources, copies;
  for (const int16_t s : m.selection) {
    if (!t.exists(s)) continue;
    m.editMode = EditMode::Copying;  // every copy gets a number of its own
    // At the box limit NewBox refuses once, with its message; the copies
    // made so far stay and nothing else is created.
    if (!NewBox(m, doc)) break;
    const int n = t.highestBox();
    BoxRecord& copy = t[n];
    const BoxRecord& src = t[s];
    CopyUnlinked(src, copy);
    copy.X = ToTwips(Landing(x, src.X, c.selAnchorX, w.scrH.value));
    copy.Y = ToTwips(Landing(y, src.Y, c.selAnchorY, w.scrV.value));
    sources.push_back(s);
    copies.push_back(n);
  }
  Relink(t, sources, copies);
  m.editMode = EditMode::Select;
  m.documents.markChanged(doc);
  m.views.boxesChanged(doc);
}

}  // namespace

void FormMouseDown(Model& m, const CanvasState& c, WindowState& w, int doc, double x, double y) {
  if (!m.documents.isOpen(doc)) return;
  switch (m.editMode) {
    case EditMode::Placing: Place(m, w, doc, x, y); break;
    case EditMode::Move: Move(m, c, w, doc, x, y); break;
    case EditMode::Copy: Copy(m, c, w, doc, x, y); break;
    default: break;
  }
  if (w.band.visible) {
    HideCopyShape(w);
    m.documents.markChanged(doc);
  }
  m.views.setDocsPointer(Pointer::Default);
}

}  // namespace quorvin
