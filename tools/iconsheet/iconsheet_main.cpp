// Draws the icon sheet: 15 cells of 32 by 32 pixels per row, 10 rows, one
// cell per icon number of the model's icon table, cell 104 the
// generic box for unknown keys, unused cells left transparent.
//
//   quorvin_iconsheet OUT.png [PREVIEW.png SCALE]
//
// PREVIEW is the same sheet enlarged SCALE times (pixel-exact, with a grid and
// the cell numbers), for looking at it.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/box_kinds.h"
#include "tools/iconsheet/icon_art.h"

namespace quorvin::iconsheet {
namespace {

const QColor kInk(0x1a, 0x1a, 0x1a);
const QColor kBlue(0x1f, 0x4f, 0xbf);
const QColor kRed(0xc0, 0x20, 0x20);
const QColor kPaper(0xff, 0xff, 0xff);

QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont LabelFont(double pixels) {
  QFont font("DejaVu Sans Condensed");
  font.setStyleHint(QFont::SansSerif);
  font.setBold(true);
  font.setPixelSize(std::max(1, static_cast<int>(pixels)));
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

// The largest pixel size (at most maxPixels) at which line fits width by
// lineHeight (its advance and its ink).
double FitSize(const QString& line, double width, double lineHeight, double maxPixels) {
  double size = std::min(maxPixels, lineHeight * 1.2);
  for (; size > 6; size -= 0.5) {
    const QFontMetricsF m(LabelFont(size));
    const QRectF ink = m.tightBoundingRect(line);
    if (m.horizontalAdvance(line) <= width && ink.width() <= width &&
        std::max(ink.height(), m.capHeight() * 1.25) <= lineHeight * 1.08)
      break;
  }
  return size;
}

// Draws the label's lines centred in area, each as large as it fits (at most
// maxPixels), but no line more than half as large again as the smallest, so
// that a symbol line stays in proportion to a word line.
void DrawLabel(QPainter& p, const QRectF& area, const QString& label, double maxPixels = 20) {
  if (label.isEmpty()) return;
  const QStringList lines = label.split('\n');
  const double lineHeight = area.height() / static_cast<double>(lines.size());
  std::vector<double> sizes;
  for (const QString& line : lines) sizes.push_back(FitSize(line, area.width(), lineHeight, maxPixels));
  const double smallest = *std::min_element(sizes.begin(), sizes.end());
  for (int i = 0; i < lines.size(); ++i) {
    const QString& line = lines[i];
    p.setFont(LabelFont(std::min(sizes[i], smallest * 1.5)));
    const QFontMetricsF m(p.font());
    const QRectF box(area.left(), area.top() + i * lineHeight, area.width(), lineHeight);
    const double w = m.horizontalAdvance(line);
    // Centre the cap height (not the full ascent) in the line box, then keep
    // the ink inside the area.
    double baseline = box.center().y() + m.capHeight() / 2;
    const QRectF ink = m.tightBoundingRect(line);
    if (baseline + ink.bottom() > area.bottom()) baseline = area.bottom() - ink.bottom();
    if (baseline + ink.top() < area.top()) baseline = area.top() - ink.top();
    p.setPen(kInk);
    p.drawText(QPointF(box.center().x() - w / 2, baseline), line);
  }
}

void Axes(QPainter& p, const QRectF& r) {
  p.setPen(QPen(kInk, 1.2));
  p.drawLine(QPointF(r.left(), r.top()), QPointF(r.left(), r.bottom()));
  p.drawLine(QPointF(r.left(), r.bottom()), QPointF(r.right(), r.bottom()));
}

void Arrowhead(QPainter& p, QPointF tip, QPointF from, double size, const QColor& c) {
  const double dx = tip.x() - from.x(), dy = tip.y() - from.y();
  const double len = std::hypot(dx, dy);
  const double ux = dx / len, uy = dy / len;
  QPolygonF head;
  head << tip << QPointF(tip.x() - ux * size - uy * size * 0.6, tip.y() - uy * size + ux * size * 0.6)
       << QPointF(tip.x() - ux * size + uy * size * 0.6, tip.y() - uy * size - ux * size * 0.6);
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawPolygon(head);
  p.setBrush(Qt::NoBrush);
}

void Arrow(QPainter& p, QPointF from, QPointF to, double width, const QColor& c) {
  p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap));
  const double dx = to.x() - from.x(), dy = to.y() - from.y();
  const double len = std::hypot(dx, dy);
  p.drawLine(from, QPointF(to.x() - dx / len * 3, to.y() - dy / len * 3));
  Arrowhead(p, to, from, 5, c);
}

// A sheet of text with a folded corner, inside r.
QRectF Sheet(QPainter& p, const QRectF& r) {
  const double fold = 5;
  QPolygonF page;
  page << r.topLeft() << QPointF(r.right() - fold, r.top()) << QPointF(r.right(), r.top() + fold)
       << r.bottomRight() << r.bottomLeft();
  p.setPen(QPen(kInk, 1));
  p.setBrush(kPaper);
  p.drawPolygon(page);
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF() << QPointF(r.right() - fold, r.top())
                             << QPointF(r.right() - fold, r.top() + fold)
                             << QPointF(r.right(), r.top() + fold));
  return r.adjusted(1.5, fold + 1, -1.5, -1);
}

// 3x3 matrix entries in the top of r, dark where dark(row, col), label below.
template <class Pred>
void EntryMatrix(QPainter& p, const QRectF& r, const QString& label, Pred dark) {
  const QRectF m(r.left() + 4, r.top() + 1, r.width() - 8, r.height() * 0.6);
  p.setPen(QPen(kInk, 1.2));
  // brackets
  p.drawPolyline(QPolygonF() << QPointF(m.left() + 2, m.top()) << m.topLeft() << m.bottomLeft()
                             << QPointF(m.left() + 2, m.bottom()));
  p.drawPolyline(QPolygonF() << QPointF(m.right() - 2, m.top()) << m.topRight()
                             << m.bottomRight() << QPointF(m.right() - 2, m.bottom()));
  const double step = (m.width() - 6) / 3, h = (m.height() - 2) / 3;
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) {
      const QRectF cell(m.left() + 3 + col * step + 0.5, m.top() + 1 + row * h + 0.5, step - 1,
                        h - 1);
      p.fillRect(cell, dark(row, col) ? kBlue : QColor(0xff, 0xff, 0xff, 0xc0));
    }
  }
  DrawLabel(p, QRectF(r.left(), m.bottom() + 1, r.width(), r.bottom() - m.bottom() - 1), label,
            10);
}

void DrawArt(QPainter& p, Art art, const QRectF& r, const QString& label) {
  switch (art) {
    case Art::kText:
      DrawLabel(p, r.adjusted(-1, -1, 1, 1), label);
      return;
    case Art::kQuestion: {
      const QRectF box = r.adjusted(2, 2, -2, -2);
      p.setPen(QPen(kInk, 1.2, Qt::DashLine));
      p.setBrush(kPaper);
      p.drawRoundedRect(box, 3, 3);
      p.setBrush(Qt::NoBrush);
      DrawLabel(p, box, label, 20);
      return;
    }
    case Art::kArrow: {
      Arrow(p, QPointF(r.left() + 1, r.bottom() - 2), QPointF(r.right() - 1, r.top() + 2), 2.2,
            kInk);
      p.setPen(QPen(kInk, 1));
      p.setBrush(kPaper);
      p.drawRect(QRectF(r.left(), r.bottom() - 6, 6, 6));
      p.setBrush(Qt::NoBrush);
      return;
    }
    case Art::kPlotLine: {
      const QRectF a = r.adjusted(2, 2, -1, -2);
      Axes(p, a);
      QPolygonF line;
      const double ys[] = {0.8, 0.5, 0.62, 0.25, 0.4, 0.1};
      for (int i = 0; i < 6; ++i)
        line << QPointF(a.left() + 2 + i * (a.width() - 3) / 5, a.top() + ys[i] * a.height());
      p.setPen(QPen(kBlue, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawPolyline(line);
      p.setPen(Qt::NoPen);
      p.setBrush(kRed);
      for (const QPointF& pt : line) p.drawEllipse(pt, 1.4, 1.4);
      p.setBrush(Qt::NoBrush);
      return;
    }
    case Art::kPlotSine: {
      const QRectF a = r.adjusted(2, 2, -1, -2);
      Axes(p, a);
      QPolygonF line;
      for (int i = 0; i <= 40; ++i) {
        const double t = i / 40.0;
        line << QPointF(a.left() + 1 + t * (a.width() - 1),
                        a.center().y() - 0.4 * a.height() * std::sin(t * 2 * M_PI));
      }
      p.setPen(QPen(kBlue, 1.6));
      p.drawPolyline(line);
      p.setPen(QPen(kInk, 0.6, Qt::DotLine));
      p.drawLine(QPointF(a.left(), a.center().y()), QPointF(a.right(), a.center().y()));
      return;
    }
    case Art::kPolar: {
      const QPointF c = r.center();
      const double rad = std::min(r.width(), r.height()) / 2;
      p.setPen(QPen(kInk, 0.8));
      p.setBrush(kPaper);
      p.drawEllipse(c, rad, rad);
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(c, rad / 2, rad / 2);
      p.drawLine(QPointF(c.x() - rad, c.y()), QPointF(c.x() + rad, c.y()));
      p.drawLine(QPointF(c.x(), c.y() - rad), QPointF(c.x(), c.y() + rad));
      QPolygonF spiral;
      for (int i = 0; i <= 60; ++i) {
        const double t = i / 60.0 * 4 * M_PI;
        const double rr = rad * 0.95 * i / 60.0;
        spiral << QPointF(c.x() + rr * std::cos(t), c.y() - rr * std::sin(t));
      }
      p.setPen(QPen(kBlue, 1.5));
      p.drawPolyline(spiral);
      return;
    }
    case Art::kBar: {
      const QRectF a = r.adjusted(2, 2, -1, -2);
      const double hs[] = {0.45, 0.8, 0.6, 0.95, 0.35};
      const double w = (a.width() - 3) / 5;
      for (int i = 0; i < 5; ++i) {
        const QRectF bar(a.left() + 2 + i * w, a.bottom() - hs[i] * a.height(), w - 1.5,
                         hs[i] * a.height());
        p.fillRect(bar, kBlue);
      }
      Axes(p, a);
      return;
    }
    case Art::kStem: {
      const QRectF a = r.adjusted(2, 2, -1, -2);
      const double hs[] = {0.3, 0.7, 0.95, 0.7, 0.3, 0.12};
      for (int i = 0; i < 6; ++i) {
        const double x = a.left() + 3 + i * (a.width() - 4) / 5.5;
        const QPointF top(x, a.bottom() - hs[i] * a.height());
        p.setPen(QPen(kBlue, 1.2));
        p.drawLine(QPointF(x, a.bottom()), top);
        p.setPen(QPen(kBlue, 1.2));
        p.setBrush(kPaper);
        p.drawEllipse(top, 1.8, 1.8);
        p.setBrush(Qt::NoBrush);
      }
      Axes(p, a);
      return;
    }
    case Art::kErrorBar: {
      const QRectF a = r.adjusted(2, 2, -1, -2);
      Axes(p, a);
      const double ys[] = {0.7, 0.5, 0.55, 0.3, 0.25};
      const double es[] = {0.15, 0.2, 0.12, 0.18, 0.12};
      QPolygonF line;
      for (int i = 0; i < 5; ++i) {
        const double x = a.left() + 4 + i * (a.width() - 6) / 4;
        const double y = a.top() + ys[i] * a.height();
        const double e = es[i] * a.height();
        line << QPointF(x, y);
        p.setPen(QPen(kRed, 1));
        p.drawLine(QPointF(x, y - e), QPointF(x, y + e));
        p.drawLine(QPointF(x - 1.5, y - e), QPointF(x + 1.5, y - e));
        p.drawLine(QPointF(x - 1.5, y + e), QPointF(x + 1.5, y + e));
      }
      p.setPen(QPen(kBlue, 1.4));
      p.drawPolyline(line);
      return;
    }
    case Art::kPlot3d: {
      // A small mesh in oblique projection: z = bump(x, y).
      const int n = 6;
      auto project = [&](double u, double v) {
        const double z = 0.9 * std::exp(-((u - 0.5) * (u - 0.5) + (v - 0.5) * (v - 0.5)) * 8);
        return QPointF(r.left() + 2 + u * (r.width() - 10) + v * 7,
                       r.bottom() - 3 - v * 8 - z * (r.height() - 12));
      };
      p.setPen(QPen(kBlue, 0.9));
      for (int i = 0; i <= n; ++i) {
        QPolygonF a, b;
        for (int j = 0; j <= 3 * n; ++j) {
          a << project(i / double(n), j / double(3 * n));
          b << project(j / double(3 * n), i / double(n));
        }
        p.drawPolyline(a);
        p.drawPolyline(b);
      }
      return;
    }
    case Art::kPscolor: {
      const QRectF a = r.adjusted(1, 1, -1, -1);
      const int n = 5;
      const double w = a.width() / n, h = a.height() / n;
      for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
          const double v = 0.5 + 0.5 * std::sin(i * 0.9 + j * 0.6);
          const QColor c = QColor::fromHsvF(static_cast<float>(0.66 * (1 - v)), 0.85f, 0.95f);
          p.fillRect(QRectF(a.left() + i * w, a.top() + j * h, w, h), c);
        }
      }
      p.setPen(QPen(kInk, 1));
      p.drawRect(a);
      return;
    }
    case Art::kKeyboard: {
      const QRectF k(r.left(), r.top() + 6, r.width(), r.height() - 10);
      p.setPen(QPen(kInk, 1));
      p.setBrush(QColor(0x50, 0x50, 0x50));
      p.drawRoundedRect(k, 2, 2);
      p.setBrush(Qt::NoBrush);
      const double kw = (k.width() - 3) / 7, kh = (k.height() - 3) / 3;
      for (int row = 0; row < 3; ++row) {
        const int keys = row == 2 ? 1 : 7;
        for (int i = 0; i < keys; ++i) {
          QRectF key(k.left() + 2 + i * kw, k.top() + 2 + row * kh, kw - 1, kh - 1);
          if (row == 1) key.translate(kw / 3, 0);
          if (row == 1 && i == 6) continue;
          if (row == 2) key = QRectF(k.left() + 2 + 1.5 * kw, key.top(), 4 * kw - 1, kh - 1);
          p.fillRect(key, QColor(0xf0, 0xf0, 0xf0));
        }
      }
      // The cable.
      p.setPen(QPen(kInk, 1));
      p.drawLine(QPointF(k.center().x(), k.top()), QPointF(k.center().x(), r.top() + 1));
      return;
    }
    case Art::kFileIn:
    case Art::kFileOut: {
      const QRectF s(r.left() + 1, r.top(), 17, r.height() - 2);
      const QRectF text = Sheet(p, s);
      p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1));
      for (int i = 0; i < 4; ++i) {
        const double y = text.top() + 4 + i * 4;
        p.drawLine(QPointF(text.left() + 1, y), QPointF(text.right() - (i % 2 ? 4 : 1), y));
      }
      const double y = r.center().y();
      if (art == Art::kFileIn)
        Arrow(p, QPointF(s.right() - 1, y), QPointF(r.right() + 1, y), 2, kBlue);
      else
        Arrow(p, QPointF(r.right() + 1, y), QPointF(s.right() - 1, y), 2, kBlue);
      return;
    }
    case Art::kScreen: {
      const QRectF screen(r.left(), r.top() + 1, r.width(), r.height() - 8);
      p.setPen(QPen(kInk, 1));
      p.setBrush(QColor(0x40, 0x40, 0x40));
      p.drawRoundedRect(screen, 2, 2);
      const QRectF glass = screen.adjusted(2, 2, -2, -2);
      p.fillRect(glass, QColor(0x10, 0x30, 0x10));
      p.setBrush(Qt::NoBrush);
      QFont f("DejaVu Sans Mono");
      f.setPixelSize(7);
      f.setBold(true);
      p.setFont(f);
      p.setPen(QColor(0x70, 0xff, 0x70));
      p.drawText(QPointF(glass.left() + 1, glass.top() + 7), "x =");
      p.drawText(QPointF(glass.left() + 4, glass.top() + 14), "3.14");
      // Stand.
      p.setPen(QPen(kInk, 1.5));
      p.drawLine(QPointF(r.center().x(), screen.bottom()), QPointF(r.center().x(), r.bottom() - 2));
      p.drawLine(QPointF(r.center().x() - 6, r.bottom() - 1.5),
                 QPointF(r.center().x() + 6, r.bottom() - 1.5));
      return;
    }
    case Art::kTrash: {
      const double cx = r.center().x();
      QPolygonF bin;
      bin << QPointF(cx - 8, r.top() + 7) << QPointF(cx + 8, r.top() + 7)
          << QPointF(cx + 6, r.bottom()) << QPointF(cx - 6, r.bottom());
      p.setPen(QPen(kInk, 1.2));
      p.setBrush(QColor(0xb0, 0xb8, 0xc0));
      p.drawPolygon(bin);
      p.setBrush(Qt::NoBrush);
      for (int i = -1; i <= 1; ++i)
        p.drawLine(QPointF(cx + i * 3.5, r.top() + 10), QPointF(cx + i * 2.8, r.bottom() - 3));
      p.setPen(QPen(kInk, 1.8, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(cx - 10, r.top() + 4.5), QPointF(cx + 10, r.top() + 4.5));
      p.setPen(QPen(kInk, 1.2));
      p.drawRect(QRectF(cx - 3, r.top() + 1, 6, 3.5));
      return;
    }
    case Art::kSpeaker: {
      const double cy = r.center().y();
      QPolygonF cone;
      cone << QPointF(r.left() + 1, cy - 4) << QPointF(r.left() + 6, cy - 4)
           << QPointF(r.left() + 13, cy - 10) << QPointF(r.left() + 13, cy + 10)
           << QPointF(r.left() + 6, cy + 4) << QPointF(r.left() + 1, cy + 4);
      p.setPen(QPen(kInk, 1));
      p.setBrush(QColor(0x40, 0x40, 0x40));
      p.drawPolygon(cone);
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
      for (int i = 1; i <= 3; ++i) {
        const double rad = 3.5 * i;
        p.drawArc(QRectF(r.left() + 13 - rad, cy - rad, 2 * rad, 2 * rad), -50 * 16, 100 * 16);
      }
      return;
    }
    case Art::kDiamond: {
      const QPointF c = r.center();
      QPolygonF d;
      d << QPointF(c.x(), r.top()) << QPointF(r.right() + 1, c.y()) << QPointF(c.x(), r.bottom())
        << QPointF(r.left() - 1, c.y());
      p.setPen(QPen(kInk, 1.3));
      p.setBrush(kPaper);
      p.drawPolygon(d);
      p.setBrush(Qt::NoBrush);
      DrawLabel(p, QRectF(c.x() - 8, c.y() - 6, 16, 12), label, 13);
      return;
    }
    case Art::kLoop: {
      // A circling arrow in the upper half, the label below.
      const QRectF top(r.left() + 5, r.top(), r.width() - 10, r.height() * 0.52);
      p.setPen(QPen(kBlue, 2, Qt::SolidLine, Qt::FlatCap));
      p.drawArc(top.adjusted(2, 1, -2, -1), 120 * 16, 290 * 16);
      // Arrowhead at the end of the arc (angle 50 degrees).
      const QRectF ar = top.adjusted(2, 1, -2, -1);
      const double a = (120 + 290) * M_PI / 180;
      const QPointF end(ar.center().x() + ar.width() / 2 * std::cos(a),
                        ar.center().y() - ar.height() / 2 * std::sin(a));
      const double b = a + 0.35;
      const QPointF tip(ar.center().x() + ar.width() / 2 * std::cos(b),
                        ar.center().y() - ar.height() / 2 * std::sin(b));
      Arrowhead(p, tip, end, 5, kBlue);
      DrawLabel(p, QRectF(r.left(), top.bottom(), r.width(), r.bottom() - top.bottom()), label,
                12);
      return;
    }
    case Art::kSubroutine: {
      const QRectF box = r.adjusted(-1, 3, 1, -3);
      p.setPen(QPen(kInk, 1.2));
      p.setBrush(kPaper);
      p.drawRect(box);
      p.setBrush(Qt::NoBrush);
      p.drawLine(QPointF(box.left() + 3, box.top()), QPointF(box.left() + 3, box.bottom()));
      p.drawLine(QPointF(box.right() - 3, box.top()), QPointF(box.right() - 3, box.bottom()));
      DrawLabel(p, box.adjusted(3.5, 1, -3.5, -1), label, 13);
      return;
    }
    case Art::kPause: {
      const QRectF top(r.left(), r.top(), r.width(), r.height() * 0.6);
      const double cx = top.center().x();
      p.fillRect(QRectF(cx - 7, top.top() + 2, 5, top.height() - 3), kInk);
      p.fillRect(QRectF(cx + 2, top.top() + 2, 5, top.height() - 3), kInk);
      DrawLabel(p, QRectF(r.left(), top.bottom(), r.width(), r.bottom() - top.bottom()), label,
                10);
      return;
    }
    case Art::kCheck: {
      const QRectF top(r.left(), r.top(), r.width(), r.height() * 0.58);
      QPolygonF tick;
      tick << QPointF(top.left() + 5, top.center().y()) << QPointF(top.center().x() - 2, top.bottom() - 1)
           << QPointF(top.right() - 4, top.top() + 1);
      p.setPen(QPen(QColor(0x10, 0x70, 0x10), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawPolyline(tick);
      DrawLabel(p, QRectF(r.left(), top.bottom(), r.width(), r.bottom() - top.bottom()), label,
                11);
      return;
    }
    case Art::kNote: {
      const QRectF s(r.left() + 3, r.top(), r.width() - 6, r.height());
      const QRectF inner = Sheet(p, s);
      p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1));
      for (int i = 0; i < 3; ++i) {
        const double y = inner.bottom() - 2 - i * 3.5;
        p.drawLine(QPointF(inner.left() + 1, y), QPointF(inner.right() - 1 - (i == 0 ? 5 : 0), y));
      }
      DrawLabel(p, QRectF(inner.left(), inner.top() - 2, inner.width(), inner.height() - 9), label,
                12);
      return;
    }
    case Art::kMatrixGrid: {
      const QRectF m = r.adjusted(1, 1, -1, -1);
      p.setPen(QPen(kInk, 1.6));
      p.drawPolyline(QPolygonF() << QPointF(m.left() + 4, m.top()) << m.topLeft()
                                 << m.bottomLeft() << QPointF(m.left() + 4, m.bottom()));
      p.drawPolyline(QPolygonF() << QPointF(m.right() - 4, m.top()) << m.topRight()
                                 << m.bottomRight() << QPointF(m.right() - 4, m.bottom()));
      QFont f = LabelFont(8);
      p.setFont(f);
      p.setPen(kInk);
      const char* digits[3][3] = {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}};
      const QFontMetricsF fm(f);
      for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
          const QString d = digits[row][col];
          const double x = m.left() + 3 + (col + 0.5) * (m.width() - 6) / 3;
          const double y = m.top() + 1 + (row + 0.5) * (m.height() - 2) / 3;
          p.drawText(QPointF(x - fm.horizontalAdvance(d) / 2, y + fm.capHeight() / 2), d);
        }
      }
      return;
    }
    case Art::kDiagonal:
      EntryMatrix(p, r, label, [](int row, int col) { return row == col; });
      return;
    case Art::kTriLower:
      EntryMatrix(p, r, label, [](int row, int col) { return row >= col; });
      return;
    case Art::kTriUpper:
      EntryMatrix(p, r, label, [](int row, int col) { return row <= col; });
      return;
  }
}

void DrawCell(QPainter& p, const IconArt& art, const IconCell& cell) {
  const QRectF whole(cell.x, cell.y, kIconSize, kIconSize);
  const QColor background(static_cast<QRgb>(kFamilyColour[static_cast<int>(art.family)]));
  p.save();
  p.setClipRect(whole);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setPen(QPen(background.darker(170), 1));
  p.setBrush(background);
  p.drawRoundedRect(whole.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
  p.setBrush(Qt::NoBrush);
  DrawArt(p, art.art, whole.adjusted(3, 3, -3, -3), Utf8(art.label));
  p.restore();
}

// Checks that the art table covers exactly the icon numbers in use and 104.
bool CheckCoverage(std::map<int, const IconArt*>& byNumber) {
  bool ok = true;
  for (const IconArt& art : kIconArt) {
    const int n = SelectBoxIcon(std::string(art.key)).number;
    if (n == kUnknownIcon && !art.key.empty()) {
      std::fprintf(stderr, "iconsheet: key \"%.*s\" is not in the icon table\n",
                   static_cast<int>(art.key.size()), art.key.data());
      ok = false;
    } else if (!byNumber.emplace(n, &art).second) {
      std::fprintf(stderr, "iconsheet: icon %d is drawn twice\n", n);
      ok = false;
    }
  }
  std::set<int> used{kUnknownIcon};
  for (const IconEntry& entry : IconTable()) used.insert(entry.number);
  for (int n : used) {
    if (!byNumber.count(n)) {
      std::fprintf(stderr, "iconsheet: icon %d has no picture\n", n);
      ok = false;
    }
  }
  return ok;
}

QImage DrawSheet(const std::map<int, const IconArt*>& byNumber) {
  QImage sheet(kIconSheetWidth, kIconSheetHeight, QImage::Format_ARGB32);
  sheet.fill(Qt::transparent);
  QPainter p(&sheet);
  for (const auto& [number, art] : byNumber) DrawCell(p, *art, IconCellOf(number));
  p.end();
  return sheet;
}

QImage Preview(const QImage& sheet, int scale) {
  QImage big(sheet.width() * scale, sheet.height() * scale, QImage::Format_ARGB32);
  big.fill(QColor(0x80, 0x80, 0x80));
  QPainter p(&big);
  p.drawImage(big.rect(), sheet);  // no smoothing: pixel-exact enlargement
  p.setPen(QColor(0x60, 0x60, 0x60));
  for (int col = 0; col <= kIconsPerRow; ++col)
    p.drawLine(col * kIconSize * scale, 0, col * kIconSize * scale, big.height());
  for (int row = 0; row <= kIconRows; ++row)
    p.drawLine(0, row * kIconSize * scale, big.width(), row * kIconSize * scale);
  QFont f("DejaVu Sans");
  f.setPixelSize(9);
  p.setFont(f);
  p.setPen(QColor(0xc0, 0x00, 0x00));
  for (int n = 1; n <= kIconsPerRow * kIconRows; ++n) {
    const IconCell c = IconCellOf(n);
    p.drawText(c.x * scale + 1, c.y * scale + 9, QString::number(n));
  }
  p.end();
  return big;
}

}  // namespace
}  // namespace quorvin::iconsheet

int main(int argc, char** argv) {
  using namespace quorvin::iconsheet;
  if (argc != 2 && argc != 4) {
    std::fprintf(stderr, "usage: %s OUT.png [PREVIEW.png SCALE]\n", argv[0]);
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  std::map<int, const IconArt*> byNumber;
  if (!CheckCoverage(byNumber)) return 1;
  const QImage sheet = DrawSheet(byNumber);
  if (!sheet.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "iconsheet: cannot write %s\n", argv[1]);
    return 1;
  }
  if (argc == 4) {
    const int scale = std::max(1, std::atoi(argv[3]));
    if (!Preview(sheet, scale).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
      std::fprintf(stderr, "iconsheet: cannot write %s\n", argv[2]);
      return 1;
    }
  }
  return 0;
}
