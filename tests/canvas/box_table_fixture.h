#pragma once
// Small flowcharts for the canvas tests: boxes at given positions, linked
// both ways as connecting does.

#include <cstdint>

#include "model/box_table.h"

namespace quorvin::testing_support {

// Appends box nextBox of document doc at canvas (x, y), every exit coloured
// red; returns its number.
inline int AddBox(BoxTable& table, int doc, int x, int y, const char* kind = "Sin") {
  const int n = table.nextBox++;
  BoxRecord& box = table[n];
  box = BoxRecord{};
  box.Kind = kind;
  box.Doc = static_cast<std::int16_t>(doc);
  box.X = x;
  box.Y = y;
  box.OutColor.fill(0x000000FF);
  return n;
}

// Links exit `exit` of box `from` to entry `entry` of box `to`, both ways.
inline void LinkBoxes(BoxTable& table, int from, int exit, int to, int entry) {
  table[from].OutLink[exit] = static_cast<std::int16_t>(to);
  table[to].InLink[entry] = static_cast<std::int16_t>(from);
}

}  // namespace quorvin::testing_support
