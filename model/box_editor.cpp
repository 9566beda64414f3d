// The edit mode, new boxes (one waiting to be placed, or a file's boxes) and
// the type of the waiting one.
#include "model/box_editor.h"

#include <algorithm>
#include <utility>

#include "model/box_references.h"

namespace quorvin {

namespace {

// A fresh record for document doc: no links, every exit in the document's
// current arrow colour.
void FillFreshRecord(BoxRecord& r, int doc, int32_t arrowColor) {
  r.Kind.clear();
  r.Params.clear();
  r.Doc = static_cast<int16_t>(doc);
  r.InLink.fill(0);
  r.OutLink.fill(0);
  r.OutColor.fill(0);
  for (int j = 1; j <= kExits; ++j) r.OutColor[j] = arrowColor;
}

}  // namespace

bool BoxEditor::newBox(int doc) {
  BoxTable& t = table_;
  if (mode_ == EditMode::Placing) {
    // A box is already waiting to be placed: it takes the newly chosen kind,
    // so whatever the earlier kind set up is cleared first.
    BoxRecord* pending = t.box(t.waitingBox());
    if (pending == nullptr) return false;
    pending->Kind.clear();
    pending->Params.clear();
    pending->InLink.fill(0);
    pending->OutLink.fill(0);
    return true;
  }
  // In every mode but placing the request gets a new number: no existing
  // box is ever handed out again.
  const int n = makeBox(doc);
  if (n == 0) return false;
  t.setWaitingBox(n);
  views_.setDocsPointer(Pointer::CrossHair);
  mode_ = EditMode::Placing;
  return true;
}

int BoxEditor::makeBox(int doc) {
  BoxTable& t = table_;
  if (!documents_.isOpen(doc)) return 0;
  if (t.nextBox > kMaxBoxes) {
    dialogs_.messageBox("The maximum number of boxes (" + std::to_string(kMaxBoxes) +
                              ") has been exceeded.",
                          style::kCritical, kAppTitle);
    return 0;
  }
  const int n = t.nextBox;
  FillFreshRecord(t[n], doc, documents_.docs[doc].arrowColor);
  ++t.nextBox;
  views_.setResourceGauge(t.fillPercent());
  return n;
}

bool BoxEditor::typePendingBox(int n, const BoxType& type) {
  if (!isPendingBox(n)) return false;
  BoxRecord& r = table_[n];
  r.Kind = type.kind;
  r.Params = type.params;
  for (int k = 1; k <= kEntries; ++k) r.InLink[k] = type.entries.has(k) ? kFreeSlot : kAbsentSlot;
  for (int k = 1; k <= kExits; ++k) r.OutLink[k] = type.exits.has(k) ? kFreeSlot : kAbsentSlot;
  return true;
}

int BoxEditor::freeNumbers() const {
  return kMaxBoxes + 1 - std::max<int>(table_.nextBox, 1);
}

bool BoxEditor::appendBoxes(int doc, std::vector<BoxRecord> boxes) {
  if (static_cast<long long>(boxes.size()) > freeNumbers()) return false;
  // The waiting box is the highest: the file's boxes go after it only once
  // it is given up, as the new window that reads them gives it up.
  discardPendingBox();
  BoxTable& t = table_;
  if (t.nextBox < 1) t.nextBox = 1;
  const int base = t.nextBox;
  auto shift = [base](int16_t v) { return v > 0 ? static_cast<int16_t>(v + base - 1) : v; };
  // A parameter text names the file's boxes by file number too. A name of
  // no box of the file stays as typed, unless it would fall on one of the
  // boxes opened now (box9 of a 4-box file opened after 7 boxes would name
  // the file's second box, and a save would write it so): that name moves
  // by the same offset, past them, and still names none of them.
  const int end = base + static_cast<int>(boxes.size());  // first number past them
  const auto tableName = [base, end](int n) { return n >= 1 && n < end ? n + base - 1 : n; };
  for (std::size_t k = 0; k < boxes.size(); ++k) {
    BoxRecord r = std::move(boxes[k]);
    for (int j = 1; j <= kEntries; ++j) r.InLink[j] = shift(r.InLink[j]);
    for (int j = 1; j <= kExits; ++j) r.OutLink[j] = shift(r.OutLink[j]);
    r.Params = RenumberBoxReferences(r.Params, tableName);
    r.Doc = static_cast<int16_t>(doc);
    t[base + static_cast<int>(k)] = std::move(r);
  }
  t.nextBox = static_cast<int16_t>(t.nextBox + static_cast<int>(boxes.size()));
  views_.boxesChanged(doc);
  views_.setResourceGauge(t.fillPercent());
  return true;
}

void BoxEditor::discardPendingBox() {
  const int n = pendingBox();
  if (n == 0) return;
  BoxTable& t = table_;
  const int doc = t[n].Doc;
  // A waiting box has no arrows of its own; any slot that names it anyway
  // (a hand-edited link) is freed so that nothing points past the table.
  for (int i = 1; i < n; ++i) {
    for (int j = 1; j <= kEntries; ++j)
      if (t[i].InLink[j] == n) t[i].InLink[j] = kFreeSlot;
    for (int j = 1; j <= kExits; ++j)
      if (t[i].OutLink[j] == n) t[i].OutLink[j] = kFreeSlot;
  }
  const int32_t x = t[n].X, y = t[n].Y;  // a record's position outlives its box
  t[n] = BoxRecord{};
  t[n].X = x;
  t[n].Y = y;
  t.setWaitingBox(0);
  --t.nextBox;
  mode_ = EditMode::Select;
  views_.setDocsPointer(Pointer::Default);
  views_.setResourceGauge(t.fillPercent());
  if (documents_.isOpen(doc)) views_.boxesChanged(doc);
}

void BoxEditor::armArrowTool() {
  discardPendingBox();
  mode_ = EditMode::ArrowArmed;
  views_.setDocsPointer(Pointer::NoDrop);
}

void BoxEditor::armMove() {
  discardPendingBox();
  mode_ = EditMode::Move;
}

void BoxEditor::armCopy() {
  discardPendingBox();
  mode_ = EditMode::Copy;
}

void BoxEditor::enterSelectMode() {
  discardPendingBox();
  mode_ = EditMode::Select;
}

void BoxEditor::endArrowGesture() {
  if (mode_ == EditMode::ArrowArmed || mode_ == EditMode::ArrowSource)
    mode_ = EditMode::Select;
}

EditMode BoxEditor::holdForExit() {
  const EditMode before = mode_;
  if (before != EditMode::Placing) mode_ = EditMode::Off;
  return before;
}

void BoxEditor::resumeAfterExit(EditMode before) {
  if (mode_ == EditMode::Off) mode_ = before;
}

void BoxEditor::chooseArrowSource(int n) {
  arrowFrom_ = n;
  mode_ = EditMode::ArrowSource;
}

void BoxEditor::redrawArrows(int doc) {
  if (documents_.isOpen(doc)) views_.arrowsChanged(doc);
}

}  // namespace quorvin
