#include "canvas/arrow_painter.h"

#include <QImage>
#include <QPen>
#include <QTransform>

#include <cmath>
#include <map>
#include <numbers>
#include <utility>

#include "canvas/pixel_geometry.h"
#include "model/twips.h"
#include "platform/bgr_colour.h"

namespace quorvin {
namespace {

constexpr double kFullTurn = 2 * std::numbers::pi;
constexpr double kSixteenthsPerRadian = 180.0 * 16 / std::numbers::pi;

// The head is filled black whatever the arrow's colour; only its outline
// takes the colour (the pen).
void DrawHead(QPainter& painter, const ArrowHead& head, QPointF tip) {
  const double r = PixelsFromTwips(head.radius);
  const PieAngles angles = PieAnglesOf(head);
  painter.setBrush(Qt::black);
  painter.drawPie(QRectF(tip.x() - r, tip.y() - r, 2 * r, 2 * r), angles.start, angles.span);
  painter.setBrush(Qt::NoBrush);
}

// Antialiased sectors cost several times a line, and a document's heads come
// in few shapes: one per case and colour. Each shape is painted once per
// redraw into a small picture, which is then copied to every tip, rounded to
// the whole pixel. Only on a device painted pixel for pixel (no scaling);
// otherwise each head is drawn in place.
class HeadStamps {
 public:
  // pen: the width and style of every outline; the colour is the arrow's.
  HeadStamps(const QPainter& painter, const QPen& pen) : pen_(pen) {
    const QTransform& t = painter.deviceTransform();
    usable_ = t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) &&
              t.dy() == std::floor(t.dy());
  }

  void draw(QPainter& painter, const ArrowHead& head, std::int32_t colour) {
    const QPointF tip = PixelPoint(head.tip);
    if (!usable_ || !(std::abs(tip.x()) < kFar && std::abs(tip.y()) < kFar)) {
      DrawHead(painter, head, tip);
      return;
    }
    const QImage& stamp = stampFor(head, colour);
    const int half = stamp.width() / 2;
    painter.drawImage(QPoint(static_cast<int>(std::lround(tip.x())) - half,
                             static_cast<int>(std::lround(tip.y())) - half),
                      stamp);
  }

 private:
  // Tips further out than this are drawn in place (and clipped by Qt).
  static constexpr double kFar = 1 << 20;

  const QImage& stampFor(const ArrowHead& head, std::int32_t colour) {
    const auto key = std::make_pair(static_cast<int>(head.kind), colour);
    auto found = stamps_.find(key);
    if (found != stamps_.end()) return found->second;
    const int half = static_cast<int>(std::ceil(PixelsFromTwips(head.radius) + pen_.widthF())) + 1;
    QImage stamp(2 * half + 1, 2 * half + 1, QImage::Format_ARGB32_Premultiplied);
    stamp.fill(Qt::transparent);
    QPainter painter(&stamp);
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPen pen = pen_;
    pen.setColor(ColourFromBgr(colour));
    painter.setPen(pen);
    DrawHead(painter, head, QPointF(half, half));
    painter.end();
    return stamps_.emplace(key, std::move(stamp)).first->second;
  }

  QPen pen_;
  bool usable_ = false;
  std::map<std::pair<int, std::int32_t>, QImage> stamps_;
};

}  // namespace

PieAngles PieAnglesOf(const ArrowHead& head) {
  double span = head.endAngle - head.startAngle;
  if (span < 0) span += kFullTurn;
  return {RoundToInt(head.startAngle * kSixteenthsPerRadian), RoundToInt(span * kSixteenthsPerRadian)};
}

void PaintArrow(QPainter& painter, const Arrow& arrow, int lineWidth) {
  PaintArrows(painter, {arrow}, lineWidth);
}

void PaintArrows(QPainter& painter, const std::vector<Arrow>& arrows, int lineWidth) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  QPen pen(Qt::black, lineWidth < 1 ? 1 : lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  HeadStamps heads(painter, pen);
  for (const Arrow& arrow : arrows) {
    pen.setColor(ColourFromBgr(arrow.colour));
    painter.setPen(pen);
    painter.drawLine(PixelPoint(arrow.horizontal.from), PixelPoint(arrow.horizontal.to));
    painter.drawLine(PixelPoint(arrow.vertical.from), PixelPoint(arrow.vertical.to));
    heads.draw(painter, arrow.head, arrow.colour);
  }
  painter.restore();
}

}  // namespace quorvin
