#pragma once
// The boxes whose code the compile under way has written: the compile's own
// mark, so that compiling writes nothing into the shared box records.

#include <bitset>
#include <cstddef>

#include "model/box_table.h"

namespace quorvin {

class WrittenBoxes {
 public:
  // Numbers outside 1..kMaxBoxes are never written.
  bool contains(int box) const { return inRange(box) && marks_.test(index(box)); }
  void mark(int box) {
    if (inRange(box)) marks_.set(index(box));
  }
  void unmark(int box) {
    if (inRange(box)) marks_.reset(index(box));
  }
  void clear() { marks_.reset(); }
  bool empty() const { return marks_.none(); }

 private:
  static bool inRange(int box) { return box >= 1 && box <= kMaxBoxes; }
  static std::size_t index(int box) { return static_cast<std::size_t>(box); }

  std::bitset<kMaxBoxes + 1> marks_;
};

}  // namespace quorvin
