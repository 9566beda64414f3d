#include "canvas/arrow_painter.h"

#include <QPen>

#include <numbers>

#include "canvas/bgr_colour.h"
#include "canvas/logic/twips.h"
#include "canvas/pixel_geometry.h"

namespace quorvin {
namespace {

constexpr double kFullTurn = 2 * std::numbers::pi;
constexpr double kSixteenthsPerRadian = 180.0 * 16 / std::numbers::pi;

void Draw(QPainter& painter, const Arrow& arrow, const QPen& pen) {
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawLine(PixelPoint(arrow.horizontal.from), PixelPoint(arrow.horizontal.to));
  painter.drawLine(PixelPoint(arrow.vertical.from), PixelPoint(arrow.vertical.to));

  // The head is filled black whatever the arrow's colour; only its outline
  // takes the colour.
  const ArrowHead& head = arrow.head;
  const double r = PixelsFromTwips(head.radius);
  const QPointF tip = PixelPoint(head.tip);
  const PieAngles angles = PieAnglesOf(head);
  painter.setBrush(Qt::black);
  painter.drawPie(QRectF(tip.x() - r, tip.y() - r, 2 * r, 2 * r), angles.start, angles.span);
}

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
  for (const Arrow& arrow : arrows) {
    pen.setColor(ColourFromBgr(arrow.colour));
    Draw(painter, arrow, pen);
  }
  painter.restore();
}

}  // namespace quorvin
