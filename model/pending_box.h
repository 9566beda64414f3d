#pragma once
// The box an insert command leaves waiting for its placing click. It has a
// number and a record but no place on any canvas yet, so whenever the edit
// mode moves on without placing it, it is dropped rather than left behind as
// an invisible box that would still be compiled and saved.

#include "model/model.h"

namespace quorvin {

// The number of the box waiting to be placed, or 0 when none waits.
int PendingBox(const Model& m);
inline bool IsPendingBox(const Model& m, int n) { return n != 0 && n == PendingBox(m); }

// Drops the waiting box, if any: its record is cleared, its number freed and
// the mode returns to select. No document counts as changed, since the box
// never showed on one.
void DiscardPendingBox(Model& m);

}  // namespace quorvin
