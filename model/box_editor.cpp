// The edit mode and the box waiting to be placed: its creation and type.
#include "model/box_editor.h"

#include "model/model.h"

namespace quorvin {

namespace {

// A fresh record for document doc: no links, every exit in the document's
// current arrow colour.
void FillFreshRecord(BoxRecord& r, int doc, int32_t arrowColor) {
  r.Kind.clear();
  r.Status.clear();
  r.Params.clear();
  r.Doc = static_cast<int16_t>(doc);
  r.InLink.fill(0);
  r.OutLink.fill(0);
  r.OutColor.fill(0);
  for (int j = 1; j <= kExits; ++j) r.OutColor[j] = arrowColor;
}

}  // namespace

EditMode BoxEditor::mode() const { return m_.editMode; }

const std::vector<int16_t>& BoxEditor::selection() const { return m_.selection; }

int BoxEditor::pendingBox() const {
  if (m_.editMode != EditMode::Placing) return 0;
  const int n = m_.table.highestBox();
  return m_.table.exists(n) ? n : 0;
}

std::vector<int> BoxEditor::placedBoxes(int doc) const {
  std::vector<int> placed;
  const int pending = pendingBox();
  for (int i = 1; i <= m_.table.highestBox(); ++i)
    if (m_.table[i].Doc == doc && i != pending) placed.push_back(i);
  return placed;
}

bool BoxEditor::newBox(int doc) {
  BoxTable& t = m_.table;
  if (m_.editMode == EditMode::Placing) {
    // A box is already waiting to be placed: it takes the newly chosen kind,
    // so whatever the earlier kind set up is cleared first.
    BoxRecord* pending = t.box(t.highestBox());
    if (pending == nullptr) return false;
    pending->Kind.clear();
    pending->Params.clear();
    pending->InLink.fill(0);
    pending->OutLink.fill(0);
    return true;
  }
  if (!m_.documents.isOpen(doc)) return false;
  if (t.nextBox > kMaxBoxes) {
    m_.dialogs.messageBox("The maximum number of boxes (" + std::to_string(kMaxBoxes) +
                              ") has been exceeded.",
                          style::kCritical, kAppTitle);
    return false;
  }
  // In every mode but placing the request gets a new number: no existing
  // box is ever handed out again.
  FillFreshRecord(t[t.nextBox], doc, m_.documents.docs[doc].arrowColor);
  ++t.nextBox;
  m_.views.setDocsPointer(Pointer::CrossHair);
  m_.editMode = EditMode::Placing;
  m_.views.setResourceGauge(t.fillPercent());
  return true;
}

bool BoxEditor::typePendingBox(int n, const BoxType& type) {
  if (!isPendingBox(n)) return false;
  BoxRecord& r = m_.table[n];
  r.Kind = type.kind;
  r.Params = type.params;
  r.Status.clear();
  for (int k = 1; k <= kEntries; ++k) r.InLink[k] = type.entries.has(k) ? kFreeSlot : kAbsentSlot;
  for (int k = 1; k <= kExits; ++k) r.OutLink[k] = type.exits.has(k) ? kFreeSlot : kAbsentSlot;
  return true;
}

void BoxEditor::discardPendingBox() {
  const int n = pendingBox();
  if (n == 0) return;
  BoxTable& t = m_.table;
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
  --t.nextBox;
  m_.editMode = EditMode::Select;
  m_.views.setDocsPointer(Pointer::Default);
  m_.views.setResourceGauge(t.fillPercent());
  if (m_.documents.isOpen(doc)) m_.views.boxesChanged(doc);
}

void BoxEditor::armArrowTool() {
  discardPendingBox();
  m_.editMode = EditMode::ArrowArmed;
  m_.views.setDocsPointer(Pointer::NoDrop);
}

void BoxEditor::armMove() {
  discardPendingBox();
  m_.editMode = EditMode::Move;
}

void BoxEditor::armCopy() {
  discardPendingBox();
  m_.editMode = EditMode::Copy;
}

void BoxEditor::enterSelectMode() {
  discardPendingBox();
  m_.editMode = EditMode::Select;
}

void BoxEditor::endArrowGesture() {
  if (m_.editMode == EditMode::ArrowArmed || m_.editMode == EditMode::ArrowSource)
    m_.editMode = EditMode::Select;
}

EditMode BoxEditor::holdForExit() {
  const EditMode before = m_.editMode;
  if (before != EditMode::Placing) m_.editMode = EditMode::Off;
  return before;
}

void BoxEditor::resumeAfterExit(EditMode before) {
  if (m_.editMode == EditMode::Off) m_.editMode = before;
}

void BoxEditor::chooseArrowSource(int n) {
  arrowFrom_ = n;
  m_.editMode = EditMode::ArrowSource;
}

void BoxEditor::redrawArrows(int doc) {
  if (m_.documents.isOpen(doc)) m_.views.arrowsChanged(doc);
}

}  // namespace quorvin
