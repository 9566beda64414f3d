#include "dialogs/plot_types.h"

#include <algorithm>
#include <array>

namespace quorvin {

namespace {

using enum ZColumn;
using enum PlotGroup;

constexpr bool kEnabled = true, kDisabled = false;
constexpr bool kSpec = true, kNoSpec = false;

constexpr std::array<PlotType, kPlotTypeCount> kPlotTypes{{
    {"2-D Plot", "Plot2d", Hidden, kEnabled, "plot(", Line, kSpec},
    {"2-D Plot, X Log Scaled", "Plot2d", Hidden, kEnabled, "semilogx(", Line, kSpec},
    {"2-D Plot, Y Log Scaled", "Plot2d", Hidden, kEnabled, "semilogy(", Line, kSpec},
    {"2-D Plot, Axes Log Scaled", "Plot2d", Hidden, kEnabled, "loglog(", Line, kSpec},
    {"2-D Polar", "Polar", Hidden, kEnabled, "polar(", PolarStem, kSpec},
    {"2-D Bar", "Bar", Hidden, kEnabled, "bar(", BarFamily, kSpec},
    {"2-D Stem", "Stem", Hidden, kEnabled, "stem(", PolarStem, kSpec},
    {"2-D Error Bars", "Error Bar", ErrorBar, kDisabled, "errorbar(", ErrorBars, kNoSpec},
    {"2-D Histogram", "Bar", Hidden, kDisabled, "hist(", BarFamily, kNoSpec},
    {"2-D Angle Histogram", "Polar", Hidden, kDisabled, "rose(", BarFamily, kNoSpec},
    {"2-D Compass", "Polar", Hidden, kEnabled, "compass(", BarFamily, kSpec},
    {"2-D Feather", "Polar", Hidden, kEnabled, "feather(", BarFamily, kSpec},
    {"2-D Comet", "Plot2d", Hidden, kEnabled, "comet(", BarFamily, kNoSpec},
    {"2-D Contour Plot", "Plot3d", ZAxis, kDisabled, "contour(", ContourFamily, kSpec},
    {"3-D Plot", "Plot3d", ZAxis, kDisabled, "plot3(", SurfaceFamily, kSpec},
    // Not a comet call: the 3-D comet draws its line at once.
    {"3-D Comet", "Plot3d", ZAxis, kDisabled, "plot3(", ContourFamily, kNoSpec},
    {"3-D Contour Plot", "Plot3d", ZAxis, kDisabled, "contour3(", ContourFamily, kNoSpec},
    {"Pseudocolor", "Pscolor", Hidden, kDisabled, "pcolor(", Pseudocolor, kNoSpec},
    {"3-D Mesh", "Plot3d", ZAxis, kDisabled, "mesh(", SurfaceFamily, kNoSpec},
    {"3-D Mesh/Contour Combi", "Plot3d", ZAxis, kDisabled, "meshc(", SurfaceFamily, kNoSpec},
    {"3-D Shaded Surface", "Plot3d", ZAxis, kDisabled, "surf(", SurfaceFamily, kNoSpec},
    {"3-D Shaded Surface w/Lighting", "Plot3d", ZAxis, kDisabled, "surfl(", ContourFamily,
     kNoSpec},
    {"3-D Shaded/Contour Combi", "Plot3d", ZAxis, kDisabled, "surfc(", SurfaceFamily, kNoSpec},
}};

// Black takes MATLAB's own letter for black: its first letter is blue's.
constexpr std::array<PlotColour, 8> kColours{{
    {"Yellow", 'y'},
    {"Magenta", 'm'},
    {"Cyan", 'c'},
    {"Red", 'r'},
    {"Green", 'g'},
    {"Blue", 'b'},
    {"White", 'w'},
    {"Black", 'k'},
}};

constexpr std::array<PlotLineType, 5> kLineTypes{{
    {"Solid", "-"},
    {"Points", "."},
    {"Dotted", ":"},
    {"Dashed", "--"},
    {"Dot-Dash", "-."},
}};

constexpr std::array<std::string_view, 5> kMarkers{"", "o", "x", "+", "*"};

}  // namespace

std::span<const PlotType> PlotTypes() { return kPlotTypes; }

const PlotType* FindPlotType(std::string_view name) {
  const auto it = std::find_if(kPlotTypes.begin(), kPlotTypes.end(),
                               [&](const PlotType& t) { return t.name == name; });
  return it == kPlotTypes.end() ? nullptr : &*it;
}

std::span<const PlotColour> PlotColours() { return kColours; }

std::span<const PlotLineType> PlotLineTypes() { return kLineTypes; }

std::span<const std::string_view> PlotMarkers() { return kMarkers; }

}  // namespace quorvin
