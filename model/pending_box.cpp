#include "model/pending_box.h"

namespace quorvin {

int PendingBox(const Model& m) {
  if (m.editMode != EditMode::Placing) return 0;
  const int n = m.table.highestBox();
  return m.table.exists(n) ? n : 0;
}

void DiscardPendingBox(Model& m) {
  const int n = PendingBox(m);
  if (n == 0) return;
  BoxTable& t = m.table;
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
  m.editMode = EditMode::Select;
  m.views.setDocsPointer(Pointer::Default);
  m.views.setResourceGauge(t.fillPercent());
  if (m.documents.isOpen(doc)) m.views.boxesChanged(doc);
}

}  // namespace quorvin
