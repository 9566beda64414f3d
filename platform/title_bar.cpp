#include "platform/title_bar.h"

#include <QFontMetrics>
#include <QWidget>

namespace quorvin {

namespace {

// A title bar holds, beside its text, the window's icon, its buttons and
// their gaps: about 102 pixels beside the title measured in the program's
// own bold font under openbox's default theme, with room to spare for
// themes with wider buttons.
constexpr int kTitleBarFurniture = 120;

}  // namespace

int TitleBarWidth(const QWidget& window) {
  QFont font = window.font();
  font.setBold(true);
  return QFontMetrics(font).horizontalAdvance(window.windowTitle()) + kTitleBarFurniture;
}

}  // namespace quorvin
