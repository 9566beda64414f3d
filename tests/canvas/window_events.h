#pragma once
// Mouse events a test sends straight to a window, without a real pointer.

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace quorvin::testing {

// A plain mouse move over w at pixel point p, no button held.
inline void MoveOver(QWidget& w, QPoint p) {
  QMouseEvent move(QEvent::MouseMove, QPointF(p), w.mapToGlobal(QPointF(p)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&w, &move);
}

}  // namespace quorvin::testing
