// Placing, moving, copying and dropping boxes, and the selection they act on.
#include <vector>

#include "model/box_editor.h"

namespace quorvin {

namespace {

// Where a selected box lands: the anchor goes to the pointer and the box
// keeps its offset from it. In double so that no offset of two 32-bit
// positions can overflow.
int32_t Landing(double pointer, int32_t boxPosition, int32_t anchor) {
  return ToTwips(pointer + (static_cast<double>(boxPosition) - anchor));
}

int16_t Unlinked(int16_t slot) { return slot >= 1 ? kFreeSlot : slot; }

// Kind, parameters and exit colours of src go to copy; its links are
// not copied (those slots become free) but its absent slots stay absent.
// Document and position are the caller's.
void CopyUnlinked(const BoxRecord& src, BoxRecord& copy) {
  copy.Kind = src.Kind;
  copy.Params = src.Params;
  for (int i = 1; i <= kEntries; ++i) copy.InLink[i] = Unlinked(src.InLink[i]);
  for (int j = 1; j <= kExits; ++j) copy.OutLink[j] = Unlinked(src.OutLink[j]);
  copy.OutColor = src.OutColor;
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

bool StrictlyInside(double position, double from, double extent) {
  return from < position && position < from + extent;
}

}  // namespace

void BoxEditor::changed(int doc) {
  documents_.markChanged(doc);
  views_.boxesChanged(doc);
}

void BoxEditor::placePendingBox(int doc, double x, double y) {
  const int n = pendingBox();
  if (n == 0 || !documents_.isOpen(doc)) return;
  BoxRecord& r = table_[n];
  // A box asked for on one document and placed on another belongs to the
  // document it is placed on.
  const int requestedOn = r.Doc;
  r.Doc = static_cast<int16_t>(doc);
  table_.setWaitingBox(0);
  mode_ = EditMode::Select;
  r.X = ToTwips(x);
  r.Y = ToTwips(y);
  views_.setDocsPointer(Pointer::Default);
  documents_.markChanged(doc);
  if (requestedOn != doc && documents_.isOpen(requestedOn)) views_.boxesChanged(requestedOn);
  views_.boxesChanged(doc);
}

void BoxEditor::moveSelection(int doc, double x, double y) {
  for (const int16_t s : selection_) {
    BoxRecord* r = table_.box(s);
    // Only this window's boxes move: a band drawn on another window selects
    // boxes whose buttons are not here.
    if (r == nullptr || r->Doc != doc) continue;
    r->X = Landing(x, r->X, anchorX_);
    r->Y = Landing(y, r->Y, anchorY_);
  }
  mode_ = EditMode::Select;
  changed(doc);
}

void BoxEditor::copySelection(int doc, double x, double y) {
  BoxTable& t = table_;
  std::vector<int> sources, copies;
  for (const int16_t s : selection_) {
    if (!t.exists(s)) continue;
    // Every copy gets a number of its own. At the box limit makeBox refuses
    // once, with its message; the copies made so far stay and nothing else
    // is created.
    const int n = makeBox(doc);
    if (n == 0) break;
    BoxRecord& copy = t[n];
    const BoxRecord& src = t[s];
    CopyUnlinked(src, copy);
    copy.X = Landing(x, src.X, anchorX_);
    copy.Y = Landing(y, src.Y, anchorY_);
    sources.push_back(s);
    copies.push_back(n);
  }
  Relink(t, sources, copies);
  mode_ = EditMode::Select;
  changed(doc);
}

void BoxEditor::copyBox(int doc, int n) {
  if (!table_.exists(n)) return;
  if (!newBox(doc)) return;  // refused at the box limit: nothing to fill
  CopyUnlinked(table_[n], table_[pendingBox()]);
}

bool BoxEditor::dropBox(int doc, int n, double x, double y) {
  BoxRecord* r = table_.box(n);
  // A box belongs to one document: dropping its button on another window
  // would leave it drawn where its document is not.
  if (r == nullptr || r->Doc != doc || isPendingBox(n)) return false;
  r->X = ToTwips(x);
  r->Y = ToTwips(y);
  changed(doc);
  return true;
}

void BoxEditor::selectInside(int doc, const TwipsRect& band) {
  std::vector<int16_t>& sel = selection_;
  sel.clear();
  for (const int i : table_.placedBoxes(doc)) {
    const BoxRecord& r = table_[i];
    if (StrictlyInside(r.X, band.left, band.width) && StrictlyInside(r.Y, band.top, band.height))
      sel.push_back(static_cast<int16_t>(i));
  }
  anchorX_ = ToTwips(band.left);
  anchorY_ = ToTwips(band.top);
}

void BoxEditor::deselect() { selection_.clear(); }

}  // namespace quorvin
