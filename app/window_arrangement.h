#pragma once
// The document window's Windows menu: Cascade (0), Tile (1: one above the
// other, each the area's full width) and Arrange (2: side by side, each the
// area's full height). Qt's own tiling makes a grid, which is neither, so the
// frame lays the windows out itself.

#include <QRect>
#include <QSize>
#include <vector>

class QMdiArea;

namespace quorvin {

enum class Arrangement { Cascade = 0, Tile = 1, Arrange = 2 };

// The rectangles of count windows tiled in an area: stacked for Tile, in
// columns for Arrange, in creation order; the last window takes what the
// division leaves over, so together they fill the area exactly. Empty for
// Cascade, which Qt does as asked.
std::vector<QRect> TiledRects(Arrangement how, QSize area, int count);

// Lays out the windows of area that are shown and not minimised; a code
// outside 0..2 does nothing.
void ArrangeWindows(QMdiArea& area, int code);

}  // namespace quorvin
