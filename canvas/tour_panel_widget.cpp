#include "canvas/tour_panel_widget.h"

#include <QMouseEvent>

namespace quorvin {

TourPanelWidget::TourPanelWidget(QWidget* parent) : QPlainTextEdit(parent) {
  setObjectName(QStringLiteral("pnlTour"));
  setReadOnly(true);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The panel is clicked through, never typed into or selected from.
  setTextInteractionFlags(Qt::NoTextInteraction);
  setFocusPolicy(Qt::NoFocus);
  viewport()->setCursor(Qt::PointingHandCursor);
  hide();
}

void TourPanelWidget::showText(const std::string& text) {
  QString lines = QString::fromStdString(text);
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  setPlainText(lines);
  show();
  raise();
}

void TourPanelWidget::mouseReleaseEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton &&
      viewport()->rect().contains(event->position().toPoint()) && onClicked)
    onClicked();
}

}  // namespace quorvin
