#pragma once
// Where the toolbox palette puts its buttons, in twips, and how big it makes
// itself: the built-in toolbox, a toolbox file's names, and the re-flow when
// the person resizes the palette. Plain rules over numbers and texts, so they
// are tested without a window.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvin {

// The built-in toolbox, in button order; its title is kDefaultToolboxTitle.
inline constexpr std::array<const char*, 8> kDefaultTools = {
    "Arrow",   "Keyboard Input", "Vector Make Input", "Numerical",
    "Polynomial", "Comment",     "Screen Output",     "Plot Output"};
inline const std::string kDefaultToolboxTitle = "default.tlb";

// A palette shows at most this many buttons; further names are kept.
constexpr int kMaxToolButtons = 24;
// Button size and the pitches: a file toolbox, the built-in one (down and
// across), and a re-flow.
constexpr int kToolButtonTwips = 510;
constexpr int kFilePitch = 510;
constexpr int kDefaultPitchDown = 400;
constexpr int kDefaultPitchAcross = 480;
constexpr int kReflowPitch = 500;
// The palette's size before anything sized it.
constexpr int kPaletteDesignWidth = 1455;
constexpr int kPaletteDesignHeight = 4080;
// Columns of a file toolbox when the size text names none.
constexpr int kDefaultColumns = 3;

struct TwipsSpot {
  int left = 0;
  int top = 0;
  bool operator==(const TwipsSpot&) const = default;
};
struct TwipsExtent {
  int width = 0;
  int height = 0;
  bool operator==(const TwipsExtent&) const = default;
};

// The tool names of a toolbox file: its lines in order, without their line
// ends (CR LF or LF), empty lines left out, and the first without the UTF-8
// byte-order mark an editor may have put before it. The list begins with
// freeEntries empty entries (the palette's index 0 holds no tool), made in
// the one allocation of the names.
std::vector<std::string> ToolboxNames(std::string_view bytes, std::size_t freeEntries = 0);

// The columns a size text such as "3X2" asks for: the whole number it begins
// with, held to 1..kMaxToolButtons; kDefaultColumns for an empty text, one
// that does not begin with a digit, or one that begins with 0.
int ToolboxColumns(std::string_view sizeText);

// Button i (from 1) of a file toolbox laid out in columns (at least 1).
TwipsSpot FileToolSpot(int i, int columns);
// Button i (from 1) of the built-in toolbox, two columns.
TwipsSpot DefaultToolSpot(int i);
// The room a palette may take: the screen it is on, less its window frame.
// The default sets no limit.
inline constexpr TwipsExtent kNoScreenLimit = {1 << 30, 1 << 30};

// The palette of a file toolbox of toolCount names in columns, never larger
// than screen.
TwipsExtent FileToolboxExtent(int toolCount, int columns, TwipsExtent screen = kNoScreenLimit);

// A re-flow of toolCount names into a palette of size window.
struct ToolReflow {
  int columns = 0;
  // The spots of every button, 1 to min(toolCount, kMaxToolButtons).
  std::vector<TwipsSpot> spots;
  TwipsExtent extent;    // the palette's new size
  std::string sizeText;  // columns, "X", toolCount / columns
};

// Fills the first row while a further column fits the width (one column at
// least, a column per name at most), then puts every name on the rows below,
// each in its place: none is left where an earlier layout put it. The
// palette grows to the last name's row, but never past screen: when the
// buttons' rows would not fit its height, the buttons take more columns. The
// result is a fixed point: a re-flow into its own extent gives the same
// layout, so the palette settles at the size it gives itself.
ToolReflow ReflowTools(int toolCount, TwipsExtent window, TwipsExtent screen = kNoScreenLimit);

// Whether the palette asks the window system for the size of its layout once
// the sizes a person's drag brings have stopped. A window manager that will
// not give it that size (one with a larger least width, say) answers every
// request with its own: after kMostRepeatedAsks the palette keeps it.
constexpr int kMostRepeatedAsks = 3;

struct PixelSize {
  int width = 0;
  int height = 0;
  bool operator==(const PixelSize&) const = default;
};

class SizeAsking {
 public:
  // given: the size the window system gave; wanted: the layout's size.
  bool ask(PixelSize given, PixelSize wanted);

 private:
  PixelSize askedFrom_;
  PixelSize asked_;
  int repeats_ = 0;
};

}  // namespace quorvin
