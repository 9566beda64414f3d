#include "canvas/logic/window_layout.h"

#include <algorithm>

#include "canvas/logic/edit_commands.h"
#include "model/twips.h"

namespace quorvin {

namespace {

// The twin of both scroll handlers: bar and the canvas extent along it.
void ScrollChange(Model& m, WindowState& w, ScrollBar& bar, int32_t& extent, int doc,
                  int32_t value) {
  bar.value = std::clamp(value, bar.minimum, bar.maximum);
  HideCopyShape(w);
  // The boxes move under the pointer: a bubble would name the one that was
  // there.
  if (!w.bubble.caption.empty()) w.bubble = Bubble{};
  // Reaching the end makes room for more; the bar's value never passes the
  // largest 16-bit value, so at that limit the canvas stays as it is.
  if (bar.value == bar.maximum && bar.maximum <= design::kScrollLimit - design::kCanvasGrowth) {
    bar.maximum += design::kCanvasGrowth;
    extent = bar.maximum + design::kCanvasGrowth;
  }
  if (m.documents.isOpen(doc)) m.views.boxesChanged(doc);
}

}  // namespace

double ButtonLeft(const Model& m, const WindowState& w, int n) {
  const BoxRecord* r = m.table.box(n);
  return r ? static_cast<double>(r->X) - w.scrH.value : 0.0;
}

double ButtonTop(const Model& m, const WindowState& w, int n) {
  const BoxRecord* r = m.table.box(n);
  return r ? static_cast<double>(r->Y) - w.scrV.value : 0.0;
}

void FormLoad(CanvasState& c, const WindowState& w) {
  c.canvasWidth = ToTwips(design::kScrH.left + design::kScrH.width);
  c.canvasHeight = w.scrV.maximum;
}

std::optional<WindowLayout> FormResize(double width, double height, bool minimised) {
  if (minimised) return std::nullopt;
  using namespace layout;
  WindowLayout l;
  l.pnlResource = {0, height - kResourceHeight, kResourceWidth, kResourceHeight};
  l.pnlArrow = {l.pnlResource.left + l.pnlResource.width, height - kArrowHeight, kArrowWidth,
                kArrowHeight};
  l.pctblank = {width - kBlankWidth, height - kBlankHeight, kBlankWidth, kBlankHeight};
  const double scrHLeft = l.pnlArrow.left + l.pnlArrow.width;
  // A window narrower than the strip leaves the scroll bar with no length
  // rather than a negative one.
  l.scrH = {scrHLeft, height - kScrHHeight, std::max(0.0, l.pctblank.left - scrHLeft),
            kScrHHeight};
  l.scrV = {width - kScrVWidth, 0, kScrVWidth, std::max(0.0, l.pctblank.top)};
  return l;
}

WindowRect TourPanelRect(const WindowLayout& l) {
  using namespace layout;
  const double width = std::max(0.0, l.scrV.left - 2 * kTourMargin);
  const double height = std::clamp(l.scrH.top - 2 * kTourMargin, 0.0, kTourHeight);
  return {kTourMargin, kTourMargin, width, height};
}

void ScrHChange(Model& m, CanvasState& c, WindowState& w, int doc, int32_t value) {
  ScrollChange(m, w, w.scrH, c.canvasWidth, doc, value);
}

void ScrVChange(Model& m, CanvasState& c, WindowState& w, int doc, int32_t value) {
  ScrollChange(m, w, w.scrV, c.canvasHeight, doc, value);
}

std::optional<WheelScroll> WheelScrollOf(const WindowState& w, int angleX, int angleY,
                                         bool shift, int lines) {
  // A notch of the wheel, in eighths of a degree.
  constexpr double kNotch = 120;
  const bool horizontal = shift || angleY == 0;
  const int angle = horizontal && angleX != 0 ? angleX : angleY;
  if (angle == 0) return std::nullopt;
  const ScrollBar& bar = horizontal ? w.scrH : w.scrV;
  const double moved = -angle / kNotch * lines * bar.smallChange;
  const double value = std::clamp(bar.value + moved, static_cast<double>(bar.minimum),
                                  static_cast<double>(bar.maximum));
  return WheelScroll{horizontal, ToTwips(value)};
}

}  // namespace quorvin
