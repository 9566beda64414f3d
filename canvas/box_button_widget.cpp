#include "canvas/box_button_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "canvas/document_window.h"

namespace quorvin {

BoxButtonWidget::BoxButtonWidget(DocumentWindow& window, int box)
    : QAbstractButton(&window), window_(window), box_(-1) {
  setFocusPolicy(Qt::NoFocus);
  setMouseTracking(true);
  // Children take the canvas's pointer unless they have their own.
  setCursor(Qt::ArrowCursor);
  // The button paints every pixel itself: nothing below it needs painting
  // first, which counts with hundreds of buttons on a window.
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(32, 32);
  setBox(box);
  connect(this, &QAbstractButton::clicked, this, [this] { window_.boxClicked(box_); });
}

void BoxButtonWidget::setBox(int box) {
  if (box == box_) return;
  box_ = box;
  setObjectName(QStringLiteral("box%1").arg(box));
}

void BoxButtonWidget::setIcon(const std::string& key, const QPixmap& picture) {
  iconKey_ = key;
  picture_ = picture;
  opaquePicture_ = !picture.isNull() && !picture.hasAlpha() && picture.size() == QSize(32, 32);
  update();
}

void BoxButtonWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!opaquePicture_) painter.fillRect(rect(), palette().button());
  painter.drawPixmap(0, 0, picture_);
  // A pressed button looks pushed in, as a graphical command button does.
  if (isDown()) {
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

void BoxButtonWidget::mousePressEvent(QMouseEvent* event) {
  if (window_.boxPressed(box_, event->button(), event->modifiers())) {
    event->accept();
    return;
  }
  if (event->button() == Qt::LeftButton && window_.startsDrag(box_)) {
    event->accept();
    window_.dragBox(box_);
    return;
  }
  QAbstractButton::mousePressEvent(event);
}

void BoxButtonWidget::mouseMoveEvent(QMouseEvent* event) {
  window_.boxHovered(box_);
  QAbstractButton::mouseMoveEvent(event);
  // A plain button passes unpressed moves on to the canvas, whose move
  // would hide the bubble just shown.
  event->accept();
}

void BoxButtonWidget::wheelEvent(QWheelEvent* event) { window_.canvasWheel(*event); }

}  // namespace quorvin
