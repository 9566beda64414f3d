#pragma once
// Boxes made as a person makes them, through the editor's own operations:
// asked for on a document, typed by an insert command, placed by a click.

#include <cstdint>
#include <string>

#include "model/model.h"

namespace quorvin::testing_support {

// A box asked for on document doc, waiting to be placed; its number, or 0
// when the editor refused it. A box already waiting is given up first, as a
// mode set from a menu gives it up.
inline int WaitingBox(Model& m, int doc) {
  m.editor.enterSelectMode();
  return m.editor.newBox(doc) ? m.editor.pendingBox() : 0;
}

// A box of type placed on document doc with its top-left corner at canvas
// (x, y); its number, or 0 when the editor refused it. Placing marks the
// document changed.
inline int AddPlacedBox(Model& m, int doc, int32_t x, int32_t y, const BoxType& type) {
  const int n = WaitingBox(m, doc);
  if (n == 0 || !m.editor.typePendingBox(n, type)) return 0;
  m.editor.placePendingBox(doc, x, y);
  return n;
}
// The same for a box of kind with params and every entry and exit free.
inline int AddPlacedBox(Model& m, int doc, int32_t x, int32_t y, const std::string& kind,
                        const std::string& params = "") {
  return AddPlacedBox(m, doc, x, y, BoxType{kind, params, kAllEntries, kAllExits});
}

}  // namespace quorvin::testing_support
