#include "canvas/logic/arrow_geometry.h"

#include <array>

#include "canvas/logic/box_button.h"

namespace quorvin {
namespace {

// Half a turn as the head's angles have always been figured: 3.14, not pi.
// The heads keep exactly these shapes.
constexpr double kHalfTurn = 3.14;

struct HeadShape {
  double radius;
  double startAngle;
  double endAngle;
};

// Indexed by ArrowHeadCase - 1.
constexpr std::array<HeadShape, 4> kHeadShapes{{
    {100, 0.95, 2.2},                                            // down
    {150, 0.3 + 0.85 * kHalfTurn, 1.2 + 0.75 * kHalfTurn},       // right
    {100, 1.05 + 1.5 * kHalfTurn, 0.7},                          // left
    {100, 0.95 + kHalfTurn, 2.2 + kHalfTurn},                    // up
}};

// The tip stands off the target's top or bottom edge by this much.
constexpr double kTipGap = 10;

ArrowHeadCase HeadCase(const TwipsRect& source, const TwipsRect& target) {
  if (source.top < target.top - target.height / 2) return ArrowHeadCase::Down;
  if (source.top < target.top + target.height / 2)
    return source.left < target.left ? ArrowHeadCase::Right : ArrowHeadCase::Left;
  return ArrowHeadCase::Up;
}

}  // namespace

int FindInSlot(const BoxTable& table, int source, int target) {
  const BoxRecord* box = table.box(target);
  if (!box) return 1;
  for (int i = 1; i <= kEntries; ++i)
    if (box->InLink[i] == source) return i;
  return 1;
}

Arrow ArrowBetween(const TwipsRect& source, const TwipsRect& target, int entry,
                   std::int32_t colour) {
  const double s = entry;
  const double entryX = target.left + s * target.width / 5;
  const double sourceMid = source.top + source.height / 2;

  Arrow arrow;
  arrow.entry = entry;
  arrow.colour = colour;
  // The segment runs level with the source's middle; the one size of every
  // button makes the target's half height the same.
  arrow.horizontal = {{source.left + s * source.width / 5, sourceMid},
                      {entryX, source.top + target.height / 2}};
  // Always to the top edge, also from below: the button hides what lies
  // under it.
  arrow.vertical = {{entryX, sourceMid}, {entryX, target.top}};

  ArrowHead& head = arrow.head;
  head.kind = HeadCase(source, target);
  const HeadShape& shape = kHeadShapes[static_cast<std::size_t>(head.kind) - 1];
  head.radius = shape.radius;
  head.startAngle = shape.startAngle;
  head.endAngle = shape.endAngle;
  switch (head.kind) {
    case ArrowHeadCase::Down: head.tip = {entryX, target.top - kTipGap}; break;
    case ArrowHeadCase::Right: head.tip = {target.left, sourceMid}; break;
    case ArrowHeadCase::Left: head.tip = {target.right(), sourceMid}; break;
    case ArrowHeadCase::Up: head.tip = {entryX, target.bottom() + kTipGap}; break;
  }
  return arrow;
}

std::vector<Arrow> ArrowsOfDocument(const BoxTable& table, int doc, const ButtonRectOf& buttonOf) {
  std::vector<Arrow> arrows;
  if (doc < 1) return arrows;
  for (const int i : table.placedBoxes(doc)) {
    const BoxRecord& box = table[i];
    // The source's button is asked for once, and only when i has a link.
    bool asked = false;
    std::optional<TwipsRect> from;
    for (int j = 1; j <= kExits; ++j) {
      const int t = box.OutLink[j];
      if (t <= 0 || !table.placed(t)) continue;
      if (!asked) {
        from = buttonOf(i);
        asked = true;
      }
      const std::optional<TwipsRect> to = buttonOf(t);
      if (!from || !to) continue;
      const int entry = FindInSlot(table, i, t);
      Arrow arrow = ArrowBetween(*from, *to, entry, box.OutColor[entry]);
      arrow.source = i;
      arrow.target = t;
      arrows.push_back(arrow);
    }
  }
  return arrows;
}

std::vector<Arrow> ArrowsOfDocument(const BoxTable& table, int doc, int scrollH, int scrollV) {
  return ArrowsOfDocument(table, doc, [&](int n) -> std::optional<TwipsRect> {
    const BoxRecord* box = table.box(n);
    if (!box || box->Doc != doc) return std::nullopt;
    return BoxButtonRect(*box, scrollH, scrollV);
  });
}

}  // namespace quorvin
