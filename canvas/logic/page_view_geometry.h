#pragma once
// The page view: every placed box of every open document (the box waiting
// to be placed is on no canvas yet) shrunk into one window, each a
// stretched copy of its icon, each connection an elbow of two lines in its
// arrow colour without a head. This is the picture as data, in the view's
// own twips; canvas/page_view.h shows it.

#include <cstdint>
#include <vector>

#include "model/box_table.h"
#include "model/twips.h"

namespace quorvin {

// The window's client area as designed, and its outer size: the client plus
// the borders and caption its layout rules allow for (420 twips of height,
// 117 of width), so that the layout at opening matches the design.
constexpr int kPageViewClientWidth = 6375;
constexpr int kPageViewClientHeight = 5715;
constexpr int kPageViewOuterWidth = 6492;
constexpr int kPageViewOuterHeight = 6195;

// Every box image is this template stretched by the view's scale.
constexpr TwipsRect kPageViewTemplate{120, 120, 492, 492};

constexpr int kPageViewPanelHeight = 615;

// The blue bottom panel `pnl` and its OK button `cmdOK` (inside the panel).
struct PageViewLayout {
  TwipsRect panel;
  TwipsRect okButton;
};
PageViewLayout LayOutPageView(double outerWidth, double outerHeight);

// What the scale depends on besides the boxes.
struct PageViewMetrics {
  double outerWidth = kPageViewOuterWidth;
  double outerHeight = kPageViewOuterHeight;
  // Left of the calling document window's horizontal scroll bar: the view
  // gives its boxes the width the window's scroll bar leaves.
  double callerScrollLeft = 0;
};

struct PageViewImage {
  int box = 0;
  TwipsRect rect;
  int icon = 0;  // icon number on the icon sheet
  bool operator==(const PageViewImage&) const = default;
};

struct PageViewConnection {
  int source = 0;
  int target = 0;
  int entry = 1;            // the target's entry, marked at entry fifths of its width
  std::int32_t colour = 0;  // 0x00BBGGRR
  TwipsSegment horizontal;  // at the source's half height
  TwipsSegment vertical;    // to the target's top edge
  bool operator==(const PageViewConnection&) const = default;
};

struct PageViewPicture {
  double scaleX = 0;
  double scaleY = 0;
  std::vector<PageViewImage> images;            // placed boxes 1 to nextBox-1, all documents
  std::vector<PageViewConnection> connections;  // drawn under the images
};

// Builds the view of every placed box 1 to nextBox-1. The scale fits the canvas
// extent (canvasWidth, canvasHeight) into the view, widened to the furthest
// box so that a box placed beyond the extent is still shown; a box at a
// negative position moves the view's origin so that it is shown too.
PageViewPicture BuildPageView(const BoxTable& table, int canvasWidth, int canvasHeight,
                              const PageViewMetrics& metrics);

}  // namespace quorvin
