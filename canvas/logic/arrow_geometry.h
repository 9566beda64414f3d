#pragma once
// Arrows between linked boxes as plain data: the elbow of two segments from
// a source's exit to a target's entry, and the sector-shaped head at the
// target. The document window paints what these functions return; nothing
// here draws or keeps state.

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "model/box_table.h"
#include "model/twips.h"

namespace quorvin {

// The entry i (1 to 3) of box target whose InLink(i) is source, the first
// such; 1 when none is (or target is no box).
int FindInSlot(const BoxTable& table, int source, int target);

// Which way the head points, by the order the cases are tested in.
enum class ArrowHeadCase {
  Down = 1,   // the source lies above: tip on the target's top edge
  Right = 2,  // level, the source further left: tip on the target's left edge
  Left = 3,   // level, the source at the same left edge or further right
  Up = 4,     // the source lies below: tip on the target's bottom edge
};

// A circular sector whose centre is the arrow's tip. Angles in radians,
// counter-clockwise from pointing right as seen on the screen; the arc runs
// counter-clockwise from startAngle to endAngle (it may wrap through 0).
struct ArrowHead {
  ArrowHeadCase kind = ArrowHeadCase::Down;
  TwipsPoint tip;
  double radius = 0;
  double startAngle = 0;
  double endAngle = 0;
  bool operator==(const ArrowHead&) const = default;
};

struct Arrow {
  int source = 0;
  int target = 0;
  int entry = 1;           // the target's entry the arrow arrives at, 1 to 3
  std::int32_t colour = 0;  // 0x00BBGGRR
  TwipsSegment horizontal;  // from under the source's exit to above the entry
  TwipsSegment vertical;    // down (or up) to the target's top edge
  ArrowHead head;
  bool operator==(const Arrow&) const = default;
};

// The arrow from the source's button to the target's button (window twips)
// arriving at entry `entry` (1 to 3), in `colour`. Only geometry and colour
// are filled; source and target numbers are the caller's.
Arrow ArrowBetween(const TwipsRect& source, const TwipsRect& target, int entry,
                   std::int32_t colour);

// The button of box n on the window being drawn, or nothing when that
// window shows no button for n.
using ButtonRectOf = std::function<std::optional<TwipsRect>(int box)>;

// Every arrow of document doc: for each placed box i of doc and each exit j
// whose OutLink(j) is a placed box, the arrow to it at the entry FindInSlot
// gives, coloured OutColor(entry) of i. A link to a number that is no placed
// box, or to a box without a button on the window, is left out.
std::vector<Arrow> ArrowsOfDocument(const BoxTable& table, int doc, const ButtonRectOf& buttonOf);

// The same for a window scrolled to (scrollH, scrollV) that shows a button
// for each box of doc at BoxButtonRect.
std::vector<Arrow> ArrowsOfDocument(const BoxTable& table, int doc, int scrollH, int scrollV);

}  // namespace quorvin
