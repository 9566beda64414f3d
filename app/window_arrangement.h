#pragma once
// The document window's Windows menu (see Arrangement). Qt's own tiling
// makes a grid, which is neither Tile nor Arrange, so the frame lays the
// windows out itself.

#include <QRect>
#include <QSize>
#include <vector>

#include "canvas/menu_choices.h"

class QMdiArea;

namespace quorvin {

// The rectangles of count windows tiled in an area: stacked for Tile, in
// columns for Arrange, in creation order; the last window takes what the
// division leaves over, so together they fill the area exactly. Empty for
// Cascade, which Qt does as asked.
std::vector<QRect> TiledRects(Arrangement how, QSize area, int count);

// Lays out the windows of area that are shown and not minimised; a value
// that is no arrangement does nothing.
void ArrangeWindows(QMdiArea& area, Arrangement how);

}  // namespace quorvin
