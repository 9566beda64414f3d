// NewDocument: a new, empty document in select mode.
#include "model/model.h"

namespace quorvin {

int NewDocument(Model& m) {
  const int16_t n = m.documents.FindFreeDoc();
  m.editor.enterSelectMode();  // a box still waiting is abandoned by the new window
  m.views.documentOpened(n);
  m.views.captionChanged(n, m.documents.caption(n));
  return n;
}

}  // namespace quorvin
