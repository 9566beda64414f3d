#pragma once
// Every arrow is stored on both boxes it joins: when exit j of box a names
// box b, an entry of b names a. The same two boxes may be joined more than
// once; then the k-th exit of a that names b pairs with the k-th entry of b
// that names a, so each side must name the other as often. Standard library
// only.

#include "model/box_record.h"

namespace quorvin {

struct LinkPairing {
  int rank = 0;      // the slot is the rank-th of its side of its box to name the other box
  int partners = 0;  // how many slots of the other box's far side name this box
  // The slot of the other box's far side that stores the same arrow: the
  // rank-th of them to name this box; 0 when there are fewer.
  int partner = 0;
  bool storedOnBoth() const { return partner != 0; }
};

// Slot k of box own (numbered ownNumber), an entry when entry is true, else
// an exit, names box other; how that arrow is stored on other. Slot numbers
// and box numbers are those the records' links use (box-table or file
// numbers alike). The one place the k-th-with-k-th rule is written: the
// reader, the writer and Box Information's cuts all pair slots by it.
LinkPairing PairingOf(const BoxRecord& own, int ownNumber, bool entry, int k,
                      const BoxRecord& other);

}  // namespace quorvin
