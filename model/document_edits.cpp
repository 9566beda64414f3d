// SetArrowColour and RubberBandDismissed: a document's own state.
#include "model/model.h"

namespace quorvin {

void SetArrowColour(Model& m, int doc, std::uint32_t colour) {
  if (!m.documents.isOpen(doc)) return;
  m.documents.docs[doc].arrowColor = static_cast<int32_t>(colour & 0x00FFFFFFu);
  m.views.arrowColourChanged(doc);
}

void RubberBandDismissed(Model& m, int doc) { m.documents.markChanged(doc); }

}  // namespace quorvin
