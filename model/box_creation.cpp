// NewBox: the one way a box comes into being.
#include "model/model.h"
#include "model/pending_box.h"

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

bool NewBox(Model& m, int doc) {
  BoxTable& t = m.table;
  if (m.editMode == EditMode::Placing) {
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
  if (!m.documents.isOpen(doc)) return false;
  if (t.nextBox > kMaxBoxes) {
    m.dialogs.messageBox("The maximum number of boxes (" + std::to_string(kMaxBoxes) +
                             ") has been exceeded.",
                         style::kCritical, kAppTitle);
    return false;
  }
  // In every mode but 2 the request gets a new number: no existing box is
  // ever handed out again.
  FillFreshRecord(t[t.nextBox], doc, m.documents.docs[doc].arrowColor);
  ++t.nextBox;
  m.views.setDocsPointer(Pointer::CrossHair);
  m.editMode = EditMode::Placing;
  m.views.setResourceGauge(m.table.fillPercent());
  return true;
}

int NewDocument(Model& m) {
  const int16_t n = m.documents.FindFreeDoc();
  m.documents.curDoc = n;
  DiscardPendingBox(m);  // a box still waiting is abandoned by the new window
  m.editMode = EditMode::Select;
  m.views.documentOpened(n);
  m.views.captionChanged(n, m.documents.caption(n));
  return n;
}

}  // namespace quorvin
