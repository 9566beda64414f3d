#pragma once
// The plot dialog's lists: the 23 plot types with everything a type decides
// (its icon, the Z column, the line-style widgets, the MATLAB call and how
// the call is assembled), and the colour, line type and marker lists of the
// line styles. Standard library only.

#include <optional>
#include <span>
#include <string_view>

namespace quorvin {

// What the third column of the variable allotment means for a type, and
// whether it is shown at all.
enum class ZColumn { Hidden, ZAxis, ErrorBar };

// How a type's plot call is put together from the marked inputs; each group
// has its own required marks and refusals.
enum class PlotGroup { Line, PolarStem, ErrorBars, BarFamily, ContourFamily, SurfaceFamily, Pseudocolor };

struct PlotType {
  std::string_view name;     // the text of cmbType, compared exactly
  std::string_view iconKey;  // the plot icon key, also a key of the icon table
  ZColumn zColumn;
  bool lineStyleEnabled;     // the line-style widgets take input
  std::string_view opening;  // the plot call up to and including "("
  PlotGroup group;
  bool withLineSpec;         // the call carries a line spec (bar, contour, surface groups)
};

constexpr int kPlotTypeCount = 23;

// The plot types in the order of cmbType's list.
std::span<const PlotType> PlotTypes();

// The type of that exact text, or nullptr (a text being typed, say).
const PlotType* FindPlotType(std::string_view name);

// The lines whose style the dialog keeps.
constexpr int kPlotLines = 3;

// cmbLineColor's list, with the colour letter of each name in a line spec.
struct PlotColour {
  std::string_view name;
  char letter;
};
std::span<const PlotColour> PlotColours();

// cmbLineType's list, with the line code of each name in a line spec.
struct PlotLineType {
  std::string_view name;
  std::string_view code;
};
std::span<const PlotLineType> PlotLineTypes();

// cmbPoints' list: the empty item (no marker), then the markers, each written
// into a line spec as it stands.
std::span<const std::string_view> PlotMarkers();

}  // namespace quorvin
