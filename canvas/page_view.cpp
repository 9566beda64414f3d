#include "canvas/page_view.h"

#include <QPainter>
#include <QPen>

#include "platform/bgr_colour.h"
#include "canvas/pixel_geometry.h"
#include "platform/icon_sheet.h"

namespace quorvin {
namespace {

constexpr std::int32_t kPanelBlue = 0x00FF0000;

void SetBackground(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

}  // namespace

PageView::PageView(const BoxTable& table, int callerScrollLeft, int canvasWidth, int canvasHeight,
                   QWidget* parent)
    : QDialog(parent), pnl(new QWidget(this)), cmdOK(new QPushButton("OK", pnl)) {
  setObjectName("frmPageView");
  setWindowTitle("Quorvin Page View");
  SetBackground(this, Qt::white);
  resize(WholePixelsFromTwips(kPageViewClientWidth), WholePixelsFromTwips(kPageViewClientHeight));

  const PageViewLayout layout = LayOutPageView(kPageViewOuterWidth, kPageViewOuterHeight);
  pnl->setObjectName("pnl");
  SetBackground(pnl, ColourFromBgr(kPanelBlue));
  pnl->setGeometry(PixelRect(layout.panel));
  cmdOK->setObjectName("cmdOK");
  cmdOK->setGeometry(PixelRect(layout.okButton));
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });

  picture_ = BuildPageView(table, canvasWidth, canvasHeight,
                           {kPageViewOuterWidth, kPageViewOuterHeight,
                            static_cast<double>(callerScrollLeft)});
  for (const PageViewImage& image : picture_.images)
    if (!icons_.count(image.icon)) icons_[image.icon] = IconForNumber(image.icon);
}

void PageView::cmdOK_Click() { accept(); }

void PageView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  QPen pen(Qt::black, 1);
  for (const PageViewConnection& line : picture_.connections) {
    pen.setColor(ColourFromBgr(line.colour));
    painter.setPen(pen);
    painter.drawLine(PixelPoint(line.horizontal.from), PixelPoint(line.horizontal.to));
    painter.drawLine(PixelPoint(line.vertical.from), PixelPoint(line.vertical.to));
  }
  for (const PageViewImage& image : picture_.images) {
    const QPixmap& icon = icons_[image.icon];
    if (!icon.isNull()) painter.drawPixmap(PixelRectF(image.rect), icon, QRectF(icon.rect()));
  }
}

void ShowPageView(QWidget* parent, const BoxTable& table, int callerScrollLeft, int canvasWidth,
                  int canvasHeight) {
  PageView view(table, callerScrollLeft, canvasWidth, canvasHeight, parent);
  view.exec();
}

}  // namespace quorvin
