#pragma once
// The compiler's queue of boxes still waiting for code, the boxes whose code
// is written, the nesting depth, and the copies put aside while a block's
// body is compiled.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "compiler/written_boxes.h"
#include "model/box_table.h"

namespace quorvin {

// What opened a nesting level. An If with an else part opens two levels:
// Branch (the outer one, whose copy holds the If box) and ElseBranch.
enum class BlockKind : uint8_t { Loop, Branch, ElseBranch, Call };

struct OpenBlock {
  int16_t box = 0;  // the For, While, If or Insert Subroutine box
  BlockKind kind = BlockKind::Loop;
  // Calls only: the box feeding the call's entry 1, and the start-box kind
  // ("name Subroutine") the call expands; callFound tells whether any box of
  // that kind exists.
  int16_t argument = 0;
  std::string subroutine;
  bool callFound = false;
};

class WorkList {
 public:
  WorkList() { reset(); }

  // 5 empty positions (plus the side slot 0), level 0 and no box written.
  void reset();

  void WorkListAdd(int idx);
  void WorkListRemoveAt(int pos);
  bool WorkListIsEmpty() const;
  // False when some other queued box has all its linked entries written.
  bool NoOtherReady(int cur, const BoxTable& table) const;

  // Enters a block: raises nestLevel and moves every position 0..workLen
  // into the new level's copy, emptying the live list. keepPos (when in
  // 1..workLen) stays in the live list and is left empty in the copy.
  void OpenLevel(const OpenBlock& block, int keepPos = -1);
  // Leaves the innermost block: the live list becomes that level's copy
  // again. Nothing (and no change) when no block is open.
  std::optional<OpenBlock> CloseLevel();
  // The block of the innermost level, or nullptr outside every block.
  const OpenBlock* innermost() const;
  // Position 1..workLen holding box, or 0.
  int positionOf(int box) const;

  // Positions 0..workLen; 0 is the side slot the walk never visits.
  std::vector<int16_t> workList;
  int16_t workLen = 5;
  int16_t nestLevel = 0;
  // savedWorkLists[L] is the copy of level L (1..nestLevel) and openBlocks[L]
  // what opened it; element 0 of both is unused.
  std::vector<std::vector<int16_t>> savedWorkLists;
  std::vector<OpenBlock> openBlocks;
  WrittenBoxes written;
};

}  // namespace quorvin
