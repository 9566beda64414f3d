#pragma once
// The compiler's queue of boxes still waiting for code, the nesting depth,
// and the copies put aside while a block's body is compiled.

#include <cstdint>
#include <vector>

#include "model/box_table.h"

namespace quorvin {

class WorkList {
 public:
  WorkList() { reset(); }

  // 5 empty positions (plus the side slot 0) and level 0.
  void reset();

  void WorkListAdd(int idx);
  void WorkListRemoveAt(int pos);
  bool WorkListIsEmpty() const;
  // 0 when some other queued box has all its linked entries done, else 1.
  int NoOtherReady(int cur, const BoxTable& table) const;

  // Positions 0..workLen; 0 is the side slot the walk never visits.
  std::vector<int16_t> workList;
  int16_t workLen = 5;
  int16_t nestLevel = 0;
  // savedWorkLists[L] is the copy of level L (1..nestLevel); element 0 unused.
  std::vector<std::vector<int16_t>> savedWorkLists;
};

}  // namespace quorvin
