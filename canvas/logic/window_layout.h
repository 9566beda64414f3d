#pragma once
// The document window's frame: the canvas extent it records when it loads,
// the bottom strip and scroll bars it lays out when resized, and scrolling,
// which grows the canvas when a scroll bar reaches its end.

#include <optional>

#include "canvas/logic/canvas_state.h"
#include "model/model.h"

namespace quorvin {

// Sizes the layout keeps; only the scroll bars' lengths follow the window.
namespace layout {
constexpr double kResourceWidth = 1695, kResourceHeight = 255;
constexpr double kArrowWidth = 735, kArrowHeight = 255;
constexpr double kScrHHeight = 255;
constexpr double kBlankWidth = 252, kBlankHeight = 252;
constexpr double kScrVWidth = 252;
// The guided tour's panel: a margin from the window's edges and the height
// of a few lines of text.
constexpr double kTourMargin = 120, kTourHeight = 1440;
}  // namespace layout

// Places of the window's controls, in window twips.
struct WindowLayout {
  WindowRect pnlResource;  // the box-table gauge
  WindowRect pnlArrow;     // the arrow-colour button
  WindowRect scrH;
  WindowRect pctblank;  // the corner between the scroll bars
  WindowRect scrV;
  bool operator==(const WindowLayout&) const = default;
};

// Where the guided tour's panel sits: near the top of the canvas, across it
// between the margins, never below the bottom strip nor of negative size.
WindowRect TourPanelRect(const WindowLayout& l);

// Where box n's button sits in a window: its canvas position less the scroll
// values.
double ButtonLeft(const Model& m, const WindowState& w, int n);
double ButtonTop(const Model& m, const WindowState& w, int n);

// A new window records the extent of its canvas for the page view.
void FormLoad(CanvasState& c, const WindowState& w);

// Lays out a window whose client area is width by height twips. A minimised
// window is not laid out.
std::optional<WindowLayout> FormResize(double width, double height, bool minimised);

// A scroll bar was released at value (clamped to its range): the rubber band
// and the bubble hide, a bar released at its maximum grows the canvas by one
// step, and the document's buttons and arrows are shown at their new places.
void ScrHChange(Model& m, CanvasState& c, WindowState& w, int doc, int32_t value);
void ScrVChange(Model& m, CanvasState& c, WindowState& w, int doc, int32_t value);

// A turn of the mouse wheel over the canvas moves one scroll bar: the
// horizontal one with Shift held or for a sideways turn, else the vertical
// one; the value to hand to that bar's change handler, within its range.
struct WheelScroll {
  bool horizontal = false;
  int32_t value = 0;
};
// angleX, angleY: the turn in eighths of a degree, a notch being 120 and a
// turn away from the user (or to the left) positive; each notch moves by
// lines small changes, a finer turn in proportion. Nothing for no turn.
std::optional<WheelScroll> WheelScrollOf(const WindowState& w, int angleX, int angleY,
                                         bool shift, int lines);

}  // namespace quorvin
