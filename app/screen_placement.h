#pragma once
// Where a top-level window goes so that a person sees all of it. Qt places a
// window by its inner area; the window manager adds a title bar and borders
// around it (decorations), which must be on the screen too.

#include <QMargins>
#include <QRect>

class QWidget;

namespace quorvin {

// The decorations the window manager put around window; until it has framed
// window, those it put around guess (a window beside it), or none.
QMargins Decorations(const QWidget& window, const QWidget* guess);

// The inner area moved, as little as it takes, so that the window with its
// decorations lies whole inside available; made smaller first where it
// does not fit at all.
QRect WholeOnScreen(const QRect& inner, const QMargins& decorations, const QRect& available);

// An inner area of size whose window stands in the bottom right-hand corner
// of available, its decorations included.
QRect AtBottomRight(const QSize& size, const QMargins& decorations, const QRect& available);

}  // namespace quorvin
