#include "app/window_arrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace quorvin {

std::vector<QRect> TiledRects(Arrangement how, QSize area, int count) {
  std::vector<QRect> rects;
  if (how == Arrangement::Cascade || count <= 0 || area.isEmpty()) return rects;
  const bool stacked = how == Arrangement::Tile;
  const int length = stacked ? area.height() : area.width();
  const int step = length / count;
  for (int i = 0; i < count; ++i) {
    const int start = i * step;
    const int size = i == count - 1 ? length - start : step;
    rects.push_back(stacked ? QRect(0, start, area.width(), size)
                            : QRect(start, 0, size, area.height()));
  }
  return rects;
}

void ArrangeWindows(QMdiArea& area, Arrangement how) {
  if (how == Arrangement::Cascade) {
    area.cascadeSubWindows();
    return;
  }
  if (how != Arrangement::Tile && how != Arrangement::Arrange) return;
  std::vector<QMdiSubWindow*> windows;
  for (QMdiSubWindow* w : area.subWindowList(QMdiArea::CreationOrder))
    if (!w->isHidden() && !w->isMinimized()) windows.push_back(w);
  const std::vector<QRect> rects =
      TiledRects(how, area.viewport()->size(), static_cast<int>(windows.size()));
  for (std::size_t i = 0; i < rects.size(); ++i) {
    if (windows[i]->isMaximized()) windows[i]->showNormal();
    windows[i]->setGeometry(rects[i]);
  }
}

}  // namespace quorvin
