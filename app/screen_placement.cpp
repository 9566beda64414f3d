#include "app/screen_placement.h"

#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace quorvin {

namespace {
QMargins FramedBy(const QWidget& window) {
  return window.windowHandle() ? window.windowHandle()->frameMargins() : QMargins();
}
}  // namespace

QMargins Decorations(const QWidget& window, const QWidget* guess) {
  const QMargins own = FramedBy(window);
  if (!own.isNull() || guess == nullptr) return own;
  return FramedBy(*guess->window());
}

QRect WholeOnScreen(const QRect& inner, const QMargins& decorations, const QRect& available) {
  const QRect room = available.marginsRemoved(decorations);
  if (room.isEmpty()) return inner;  // a screen smaller than the decorations: nothing fits
  QRect placed(inner.topLeft(), inner.size().boundedTo(room.size()));
  placed.moveLeft(std::clamp(placed.left(), room.left(), room.right() - placed.width() + 1));
  placed.moveTop(std::clamp(placed.top(), room.top(), room.bottom() - placed.height() + 1));
  return placed;
}

QRect AtBottomRight(const QSize& size, const QMargins& decorations, const QRect& available) {
  const QRect room = available.marginsRemoved(decorations);
  const QPoint topLeft(room.right() - size.width() + 1, room.bottom() - size.height() + 1);
  return WholeOnScreen(QRect(topLeft, size), decorations, available);
}

}  // namespace quorvin
