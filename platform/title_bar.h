#pragma once
// How wide a window must be for a window manager to show its whole title.

class QWidget;

namespace quorvin {

// The width a window needs for its whole title in a window manager's title
// bar: the title in a bold font at least as large as the window's, beside
// the bar's icon and buttons.
int TitleBarWidth(const QWidget& window);

}  // namespace quorvin
