#pragma once
// What the document windows keep beside the model: the state all of them
// share (the canvas extent) and what each window holds for itself (scroll
// bars, rubber band, bubble, arrow options, drag modes). The editing state
// is the model's (model/box_editor.h). Positions are twips; window positions
// are measured from the top-left corner of the window's client area, canvas
// positions add the scroll values to them.

#include <array>
#include <cstdint>
#include <string>

#include "model/box_table.h"
#include "model/twips.h"

namespace quorvin {

// Shared by every document window for the whole run.
struct CanvasState {
  // The canvas extent, which scales the page view; the last window to load
  // or grow its canvas sets it for all.
  int32_t canvasWidth = 0;
  int32_t canvasHeight = 0;
};

// A mouse button as a press reports it.
enum class MouseButton { Left, Right, Middle };

// The mouse buttons held down during a move.
struct MouseButtons {
  bool left = false;
  bool right = false;
  bool middle = false;
  // Button b is held and no other.
  bool only(MouseButton b) const {
    return left == (b == MouseButton::Left) && right == (b == MouseButton::Right) &&
           middle == (b == MouseButton::Middle);
  }
};

// The modifier keys held with a press.
struct ModifierKeys {
  bool shift = false;
  bool control = false;
  bool alt = false;
  bool none() const { return !shift && !control && !alt; }
};

// A control's or a band's rectangle in window twips.
using WindowRect = TwipsRect;

// A scroll bar's value is the canvas position of the window's left (top) edge.
struct ScrollBar {
  int32_t value = 0;
  int32_t minimum = 0;
  int32_t maximum = 0;
  int32_t smallChange = 1;
  int32_t largeChange = 1;
};

// How a new window looks before its first layout.
namespace design {
constexpr WindowRect kScrH{2400, 0, 5295, 255};
constexpr int32_t kScrHMaximum = 32767;
constexpr int32_t kScrVMaximum = 7000;
// Both bars step alike: an arrow click moves the canvas by the small change, a
// click in the trough by the large one.
constexpr int32_t kScrollSmallChange = 200, kScrollLargeChange = 500;
constexpr int32_t kScrollLimit = 32767;  // no scroll bar reaches past this value
constexpr int32_t kCanvasGrowth = 1000;  // one growth step of the canvas
constexpr int kLineWidth = 1;
}  // namespace design

// The rubber band in window coordinates; hidden with size 0 until the first
// left-button drag in select mode shows it.
struct RubberBand {
  bool visible = false;
  WindowRect rect;
};

// The identification bubble: a label naming the kind of the box under the mouse.
struct Bubble {
  std::string caption;
  bool visible = false;
  double left = 0;
  double top = 0;
};

// One document window's own state.
struct WindowState {
  ScrollBar scrH{0, 0, design::kScrHMaximum, design::kScrollSmallChange,
                 design::kScrollLargeChange};
  ScrollBar scrV{0, 0, design::kScrVMaximum, design::kScrollSmallChange,
                 design::kScrollLargeChange};
  RubberBand band;
  // The current arrow colour lives with the document (Document::arrowColor,
  // black at first) because a new box takes it from there.
  bool multipleArrows = false;  // the Multiple Arrows check mark
  int lineWidth = design::kLineWidth;
  bool bubbleShow = true;  // the Show Identification Bubble check mark
  Bubble bubble;
  // A button in automatic drag mode starts a drag when pressed; indexed by
  // box number, manual (false) for every button at first.
  std::array<bool, kMaxBoxes + 1> dragAutomatic{};
};

}  // namespace quorvin
