#include "canvas/logic/page_view_geometry.h"

#include <algorithm>

#include "canvas/logic/arrow_geometry.h"
#include "model/box_kinds.h"

namespace quorvin {
namespace {

// The panel stands this far above the outer bottom (the caption and the
// lower border) and is this much narrower than the outer width (the side
// borders); the OK button keeps this distance from the panel's right end.
constexpr double kCaptionAndBorders = 420;
constexpr double kSideBorders = 120;
constexpr double kOkFromPanelEnd = 1188;
constexpr TwipsRect kOkButton{0, 120, 975, 375};

// The height the boxes get: the outer height less the panel and this margin.
constexpr double kVerticalMargin = 1800;

// One axis of the scale: the room the view gives, over the span from the
// origin to the furthest of the extent and the boxes' far edges.
struct Axis {
  double origin = 0;  // 0, or the least box position when one is negative
  double scale = 0;
};

Axis FitAxis(double room, double extent, double least, double furthest) {
  Axis axis;
  axis.origin = std::min(0.0, least);
  const double span = std::max(extent, furthest) - axis.origin;
  axis.scale = span > 0 ? std::max(0.0, room) / span : 0;
  return axis;
}

int LastBox(const BoxTable& table) { return std::min(table.highestBox(), kMaxBoxes); }

}  // namespace

PageViewLayout LayOutPageView(double outerWidth, double outerHeight) {
  PageViewLayout layout;
  layout.panel = {0, outerHeight - kPageViewPanelHeight - kCaptionAndBorders,
                  outerWidth - kSideBorders, kPageViewPanelHeight};
  layout.okButton = kOkButton;
  layout.okButton.left = layout.panel.width - kOkFromPanelEnd;
  return layout;
}

PageViewPicture BuildPageView(const BoxTable& table, int canvasWidth, int canvasHeight,
                              const PageViewMetrics& metrics) {
  const int last = LastBox(table);
  // The box waiting to be placed is on no canvas yet.
  std::vector<int> shown;
  for (int i = 1; i <= last; ++i)
    if (table.placed(i)) shown.push_back(i);
  double leastX = 0, leastY = 0, furthestX = 0, furthestY = 0;
  for (const int i : shown) {
    const double x = table[i].X, y = table[i].Y;
    leastX = std::min(leastX, x);
    leastY = std::min(leastY, y);
    furthestX = std::max(furthestX, x + kPageViewTemplate.width);
    furthestY = std::max(furthestY, y + kPageViewTemplate.height);
  }
  const Axis h = FitAxis(metrics.outerWidth - metrics.callerScrollLeft, canvasWidth, leastX, furthestX);
  const Axis v = FitAxis(metrics.outerHeight - kPageViewPanelHeight - kVerticalMargin, canvasHeight,
                         leastY, furthestY);

  PageViewPicture picture;
  picture.scaleX = h.scale;
  picture.scaleY = v.scale;
  // Element i of the images is box i (index 0 unused), so connections find
  // their ends by number.
  std::vector<TwipsRect> rectOf(static_cast<std::size_t>(last) + 1);
  for (const int i : shown) {
    const BoxRecord& box = table[i];
    const TwipsRect rect{(box.X - h.origin) * h.scale, (box.Y - v.origin) * v.scale,
                         kPageViewTemplate.width * h.scale, kPageViewTemplate.height * v.scale};
    rectOf[static_cast<std::size_t>(i)] = rect;
    picture.images.push_back({i, rect, SelectBoxIcon(BoxIconKey(box)).number});
  }

  for (const int i : shown) {
    const BoxRecord& box = table[i];
    for (int j = 1; j <= kExits; ++j) {
      const int t = box.OutLink[j];
      if (!table.placed(t)) continue;  // a placed box is never past last
      const int k = FindInSlot(table, i, t);
      const TwipsRect& s = rectOf[static_cast<std::size_t>(i)];
      const TwipsRect& d = rectOf[static_cast<std::size_t>(t)];
      const double entryX = d.left + k * d.width / 5;
      const double level = s.top + s.height / 2;
      picture.connections.push_back({i, t, k, box.OutColor[k],
                                     {{s.left + k * s.width / 5, level}, {entryX, level}},
                                     {{entryX, level}, {entryX, d.top}}});
    }
  }
  return picture;
}

}  // namespace quorvin
