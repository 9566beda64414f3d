// The plot code of every plot type, and of the cases the mends touch, drawn
// by GNU Octave: each plot command string goes through the compiler's "Plot
// Output" arm, as a compile would write it, and runs on data that fits its
// plot, in invisible figures. Each drawing must leave something on its axes.
// One Octave run for all cases.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/plot_code.h"
#include "tests/compiler/octave_runner.h"
#include "tests/compiler/templates_fixture.h"

namespace quorvin::testing {
namespace {

// What boxes 1 to 3, linked to entries 1 to 3 of the plot box, hold.
constexpr const char* kVectors = "box1 = 1:5; box2 = [1 4 9 16 25]; box3 = [2 3 4 5 6];\n";
constexpr const char* kGrid =
    "box1 = 1:4; box2 = 1:5; box3 = [1 2 3 4; 2 4 1 3; 3 1 4 2; 4 3 2 1; 1 4 2 3];\n";
constexpr const char* kMatrices = "box1 = magic(4); box2 = magic(4); box3 = magic(4);\n";

struct OctaveCase {
  std::string what;
  PlotState state;
  const char* data;
};

PlotState Marked(const std::string& type, std::vector<std::pair<int, int>> marks) {
  PlotState s;
  s.plotType = type;
  for (const auto& [input, column] : marks) s.marks.set(input, column, true);
  return s;
}

// Lines, curves and bars take vectors; contours and surfaces a grid; the
// pseudocolor plot a matrix.
const char* DataFor(const PlotType& type) {
  if (type.name == "3-D Plot" || type.name == "3-D Comet") return kVectors;
  switch (type.group) {
    case PlotGroup::ContourFamily:
    case PlotGroup::SurfaceFamily: return kGrid;
    case PlotGroup::Pseudocolor: return kMatrices;
    default: return kVectors;
  }
}

std::vector<OctaveCase> Cases() {
  std::vector<OctaveCase> cases;
  for (const PlotType& type : PlotTypes())
    cases.push_back({std::string(type.name) + ", inputs 1 2 3 as X Y Z",
                     Marked(std::string(type.name), {{1, kXColumn}, {2, kYColumn}, {3, kZColumn}}),
                     DataFor(type)});

  PlotState styled = Marked("2-D Plot", {{1, kYColumn}, {3, kYColumn}});
  styled.lines[0] = {"black", "Dashed", ""};
  styled.lines[2] = {"Red", "Solid", "o"};
  styled.newFigure = styled.grid = styled.hold = true;
  styled.title = "it's";
  styled.xLabel = "x'";
  styled.yLabel = "'y'";
  cases.push_back({"line styles, quotes in the labels, figure, grid, hold", styled, kVectors});

  PlotState injected = Marked("2-D Stem", {{1, kXColumn}, {2, kYColumn}});
  injected.lines[1] = {"'); error('injected", "'", "'"};
  cases.push_back({"quotes typed into the line style", injected, kVectors});

  PlotState marker = Marked("2-D Polar", {{1, kXColumn}, {2, kYColumn}});
  marker.lines[1] = {"Blue", "Dot-Dash", "*"};
  cases.push_back({"a marker", marker, kVectors});

  for (const char* type : {"2-D Bar", "2-D Compass", "2-D Feather"})
    cases.push_back({std::string(type) + " without Y", Marked(type, {{1, kXColumn}}), kVectors});
  cases.push_back(
      {"2-D Contour Plot without Y", Marked("2-D Contour Plot", {{1, kXColumn}}), kMatrices});
  cases.push_back(
      {"3-D Contour Plot, X alone", Marked("3-D Contour Plot", {{1, kXColumn}}), kMatrices});
  cases.push_back({"error bars without X",
                   Marked("2-D Error Bars", {{2, kYColumn}, {3, kZColumn}}), kVectors});
  cases.push_back({"line plot of the X input alone",
                   Marked("2-D Plot", {{2, kXColumn}, {2, kYColumn}}), kVectors});
  cases.push_back({"line plot, one X for two Ys",
                   Marked("2-D Plot, Axes Log Scaled", {{2, kXColumn}, {1, kYColumn}, {3, kYColumn}}),
                   kVectors});

  PlotState labelled = Marked("3-D Mesh", {{1, kXColumn}, {2, kYColumn}, {3, kZColumn}});
  labelled.title = "Tom's surface";
  labelled.zLabel = "height's";
  cases.push_back({"3-D labels with quotes", labelled, kGrid});
  return cases;
}

TEST(PlotOctave, EveryPlotTypeDrawsInOctave) {
  const std::vector<OctaveCase> cases = Cases();
  ArmBench bench;
  std::string script =
      "set(0, 'defaultfigurevisible', 'off');\n"
      // The comets would otherwise take five seconds each to draw.
      "function pause(varargin)\nend\n";
  std::vector<std::string> shown;
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const OctaveCase& c = cases[i];
    const PlotCommand command = BuildPlotCommand(c.state);
    ASSERT_TRUE(command.ok()) << c.what << ": refused M" << command.refusal->number;
    const std::string code = bench.run(9, "Plot Output", command.text, {1, 2, 3});
    ASSERT_FALSE(code.empty()) << c.what;
    const std::string n = std::to_string(i);
    script += std::string(c.data) + "try\n" + code +
              "if isempty(get(gca, 'children')), error('nothing drawn'); end\n"
              "quorvin_case" + n + " = 1;\n"
              "catch err\n"
              "fprintf(2, 'error: case " + n + ": %s\\n', err.message);\n"
              "quorvin_case" + n + " = 0;\n"
              "end\n"
              "close all;\n";
    shown.push_back("quorvin_case" + n);
  }
  const OctaveRun run = RunInOctave(script, shown);
  EXPECT_TRUE(run.ok()) << run.errors << "\nscript:\n" << script;
  for (std::size_t i = 0; i < cases.size(); ++i)
    EXPECT_EQ(run.value("quorvin_case" + std::to_string(i)), "1") << "case " << i << ": "
                                                                  << cases[i].what;
}

}  // namespace
}  // namespace quorvin::testing
