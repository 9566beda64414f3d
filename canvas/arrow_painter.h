#pragma once
// Paints arrows (canvas/logic/arrow_geometry.h) with a QPainter whose
// coordinates are the window's pixels: the two segments in the arrow's
// colour, the head a black sector outlined in that colour.

#include <QPainter>

#include <vector>

#include "canvas/logic/arrow_geometry.h"

namespace quorvin {

// A head's arc in Qt's units: sixteenths of a degree, counter-clockwise from
// 3 o'clock as seen on the screen, and a span that runs counter-clockwise
// from start to end (through 0 when the end angle is the smaller one).
struct PieAngles {
  int start = 0;
  int span = 0;
};
PieAngles PieAnglesOf(const ArrowHead& head);

// lineWidth: the preferences' line width in pixels; below 1 draws 1 wide.
void PaintArrow(QPainter& painter, const Arrow& arrow, int lineWidth);
void PaintArrows(QPainter& painter, const std::vector<Arrow>& arrows, int lineWidth);

}  // namespace quorvin
