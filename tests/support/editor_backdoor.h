#pragma once
// What a test sets up that no edit makes: an edit mode taken at will (a box
// "placed" without a click), a selection across documents with any anchor,
// and records written field by field (damaged links, far positions). The
// program has no such door: the editor lets only this struct in.

#include <cstdint>
#include <utility>
#include <vector>

#include "model/model.h"

namespace quorvin::testing_support {

struct EditorBackdoor {
  static BoxTable& table(BoxEditor& e) { return e.table_; }
  // A box waits exactly while the mode is placing: taken out of it, the box
  // that waited counts as placed where its record says; taken into it, the
  // highest box waits.
  static void setMode(BoxEditor& e, EditMode mode) {
    e.mode_ = mode;
    e.table_.setWaitingBox(mode == EditMode::Placing ? e.table_.highestBox() : 0);
  }
  static void select(BoxEditor& e, std::vector<int16_t> boxes) {
    e.selection_ = std::move(boxes);
  }
  static void anchor(BoxEditor& e, int32_t x, int32_t y) {
    e.anchorX_ = x;
    e.anchorY_ = y;
  }
};

// The box table, writable.
inline BoxTable& WritableTable(Model& m) { return EditorBackdoor::table(m.editor); }
inline void SetEditMode(Model& m, EditMode mode) { EditorBackdoor::setMode(m.editor, mode); }
inline void SetSelection(Model& m, std::vector<int16_t> boxes) {
  EditorBackdoor::select(m.editor, std::move(boxes));
}
inline void SetSelectionAnchor(Model& m, int32_t x, int32_t y) {
  EditorBackdoor::anchor(m.editor, x, y);
}

}  // namespace quorvin::testing_support
