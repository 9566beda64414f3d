#pragma once
// Mouse events a test sends straight to a window, without a real pointer.

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

namespace quorvin::testing {

// A plain mouse move over w at pixel point p, no button held.
inline void MoveOver(QWidget& w, QPoint p) {
  QMouseEvent move(QEvent::MouseMove, QPointF(p), w.mapToGlobal(QPointF(p)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&w, &move);
}

// A turn of the mouse wheel over w at pixel point p, angle in eighths of a
// degree (a notch is 120; positive turns away from the user).
inline void WheelOver(QWidget& w, QPoint p, QPoint angle,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWheelEvent wheel(QPointF(p), w.mapToGlobal(QPointF(p)), QPoint(), angle, Qt::NoButton,
                    modifiers, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&w, &wheel);
}

}  // namespace quorvin::testing
