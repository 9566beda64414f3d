// The plot command string that OK of the plot dialog writes, and the
// refusals, from the dialog's state alone.

#include "dialogs/plot_code.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "model/box_kinds.h"
#include "model/host.h"

namespace quorvin {
namespace {

// A mark: input K ticked in column j.
struct Mark {
  int input;
  int column;
};
constexpr int X = kXColumn, Y = kYColumn, Z = kZColumn;

PlotState State(const std::string& type, std::initializer_list<Mark> marks) {
  PlotState s;
  s.plotType = type;
  for (const Mark& m : marks) s.marks.set(m.input, m.column, true);
  return s;
}

std::string Command(const PlotState& s) {
  const PlotCommand c = BuildPlotCommand(s);
  return c.ok() ? c.text : "refused M" + std::to_string(c.refusal->number);
}

// --- the plot types ---------------------------------------------------------

struct TypeRow {
  const char* name;
  const char* iconKey;
  ZColumn zColumn;
  bool lineStyleEnabled;
};

TEST(PlotTypes, ListOrderIconsZColumnAndLineStyle) {
  using enum ZColumn;
  const TypeRow expected[] = {
      {"2-D Plot", "Plot2d", Hidden, true},
      {"2-D Plot, X Log Scaled", "Plot2d", Hidden, true},
      {"2-D Plot, Y Log Scaled", "Plot2d", Hidden, true},
      {"2-D Plot, Axes Log Scaled", "Plot2d", Hidden, true},
      {"2-D Polar", "Polar", Hidden, true},
      {"2-D Bar", "Bar", Hidden, true},
      {"2-D Stem", "Stem", Hidden, true},
      {"2-D Error Bars", "Error Bar", ErrorBar, false},
      {"2-D Histogram", "Bar", Hidden, false},
      {"2-D Angle Histogram", "Polar", Hidden, false},
      {"2-D Compass", "Polar", Hidden, true},
      {"2-D Feather", "Polar", Hidden, true},
      {"2-D Comet", "Plot2d", Hidden, true},
      {"2-D Contour Plot", "Plot3d", ZAxis, false},
      {"3-D Plot", "Plot3d", ZAxis, false},
      {"3-D Comet", "Plot3d", ZAxis, false},
      {"3-D Contour Plot", "Plot3d", ZAxis, false},
      {"Pseudocolor", "Pscolor", Hidden, false},
      {"3-D Mesh", "Plot3d", ZAxis, false},
      {"3-D Mesh/Contour Combi", "Plot3d", ZAxis, false},
      {"3-D Shaded Surface", "Plot3d", ZAxis, false},
      {"3-D Shaded Surface w/Lighting", "Plot3d", ZAxis, false},
      {"3-D Shaded/Contour Combi", "Plot3d", ZAxis, false},
  };
  ASSERT_EQ(PlotTypes().size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const PlotType& t = PlotTypes()[i];
    SCOPED_TRACE(expected[i].name);
    EXPECT_EQ(t.name, expected[i].name);
    EXPECT_EQ(t.iconKey, expected[i].iconKey);
    EXPECT_EQ(t.zColumn, expected[i].zColumn);
    EXPECT_EQ(t.lineStyleEnabled, expected[i].lineStyleEnabled);
    EXPECT_NE(SelectBoxIcon(std::string(t.iconKey)).number, kUnknownIcon)
        << "every plot icon key has a cell of its own";
    EXPECT_EQ(FindPlotType(t.name), &t);
  }
  EXPECT_EQ(FindPlotType("2-D"), nullptr);
  EXPECT_EQ(FindPlotType("2-d plot"), nullptr) << "compared exactly";
  EXPECT_EQ(FindPlotType("2-D Plot "), nullptr);
}

TEST(PlotTypes, ListsOfTheLineStyle) {
  std::string colours, types, markers;
  for (const PlotColour& c : PlotColours()) colours += std::string(c.name) + "|";
  for (const PlotLineType& t : PlotLineTypes()) types += std::string(t.name) + "|";
  for (std::string_view m : PlotMarkers()) markers += std::string(m) + "|";
  EXPECT_EQ(colours, "Yellow|Magenta|Cyan|Red|Green|Blue|White|Black|");
  EXPECT_EQ(types, "Solid|Points|Dotted|Dashed|Dot-Dash|");
  EXPECT_EQ(markers, "|o|x|+|*|");
  const PlotLineStyles initial = InitialLineStyles();
  EXPECT_EQ(initial[0], (PlotLineStyle{"Yellow", "Solid", ""}));
  EXPECT_EQ(initial[1], (PlotLineStyle{"Magenta", "Solid", ""}));
  EXPECT_EQ(initial[2], (PlotLineStyle{"Cyan", "Solid", ""}));
}

// --- MakeLineSpec -------------------------------------------------------------

struct LineSpecRow {
  PlotLineStyle style;
  const char* spec;
};

TEST(MakeLineSpec, ColourThenMarkerOrLineCode) {
  const LineSpecRow rows[] = {
      {{"Red", "Dashed", ""}, "'r--'"},
      {{"Red", "Dashed", "o"}, "'ro'"},  // a marker replaces the line code
      {{"Green", "Dotted", "+"}, "'g+'"},
      {{"White", "Points", ""}, "'w.'"},
      {{"Yellow", "Solid", ""}, "'y-'"},
      {{"Magenta", "Dot-Dash", ""}, "'m-.'"},
      {{"Cyan", "Dotted", ""}, "'c:'"},
      {{"Blue", "Solid", "*"}, "'b*'"},
      {{"Blue", "Solid", "x"}, "'bx'"},
      {{"Black", "Solid", ""}, "'k-'"},  // not blue
      {{"black", "Dashed", ""}, "'k--'"},
      {{"BLACK", "Solid", "o"}, "'ko'"},
      // Typed texts.
      {{"red", "Solid", ""}, "'r-'"},
      {{"Purple", "Solid", ""}, "'p-'"},  // the first letter, lower-cased
      {{"", "Solid", ""}, "'-'"},
      {{"Yellow", "Wavy", ""}, "'y'"},        // a line type not listed writes nothing
      {{"Yellow", "solid", ""}, "'y'"},       // line types compare exactly
      {{"Yellow", "Solid", "#"}, "'y'"},      // neither a marker nor a line code
      {{"Yellow", "Solid", "oo"}, "'y'"},
      {{"Yellow", "Solid", " "}, "'y'"},
      // Nothing typed can put a quote or a line break into the plot code.
      {{"'); delete('x", "Solid", ""}, "'-'"},
      {{"\r\nRed", "Solid", ""}, "'-'"},
      {{"1st", "Solid", ""}, "'-'"},
      {{"\xC3\x84rger", "Solid", ""}, "'-'"},  // no half of a UTF-8 character
      {{"Red", "'", ""}, "'r'"},
      {{"Red", "Solid", "'"}, "'r'"},
  };
  for (const LineSpecRow& row : rows) {
    PlotLineStyles lines = InitialLineStyles();
    lines[1] = row.style;
    EXPECT_EQ(MakeLineSpec(lines, 2), row.spec)
        << row.style.colour << " / " << row.style.lineType << " / " << row.style.points;
  }
}

TEST(MakeLineSpec, EachLineItsOwnStyleAndNoLineOutsideOneToThree) {
  PlotLineStyles lines = InitialLineStyles();
  lines[1] = {"Green", "Dotted", "+"};
  EXPECT_EQ(MakeLineSpec(lines, 1), "'y-'");
  EXPECT_EQ(MakeLineSpec(lines, 2), "'g+'");
  EXPECT_EQ(MakeLineSpec(lines, 3), "'c-'");
  EXPECT_EQ(MakeLineSpec(lines, 0), "");
  EXPECT_EQ(MakeLineSpec(lines, 4), "");
  EXPECT_EQ(MakeLineSpec(lines, -1), "");
}

// --- the plot command string --------------------------------------------------

struct CodeRow {
  PlotState state;
  const char* command;
};

PlotState With(PlotState s, void (*change)(PlotState&)) {
  change(s);
  return s;
}

TEST(PlotCommand, ExamplesOfTheDialog) {
  const CodeRow rows[] = {
      {With(State("2-D Plot", {{1, X}, {2, Y}, {3, Y}}), [](PlotState& s) { s.grid = true; }),
       "Plot2d;plot(Input1,Input2,'m-',Input1,Input3,'c-')\r\ngrid;\r\n"},
      {State("2-D Plot, Y Log Scaled", {{2, Y}}),
       "Plot2d;semilogy([1:1:length(Input2)],Input2,'m-')\r\n"},
      {State("2-D Histogram", {{1, X}}), "Bar;hist(Input1)\r\n"},
      {With(State("3-D Mesh", {{1, X}, {2, Y}, {3, Z}}),
            [](PlotState& s) { s.title = "Surface"; }),
       "Plot3d;mesh(Input1,Input2,Input3)\r\ntitle('Surface')\r\n"},
      {With(State("2-D Error Bars", {{1, Y}, {2, Z}}), [](PlotState& s) { s.newFigure = true; }),
       "Error Bar;figure;\r\nerrorbar(Input1,Input2)\r\n"},
  };
  for (const CodeRow& row : rows) EXPECT_EQ(Command(row.state), row.command) << row.state.plotType;
}

// Inputs 1, 2, 3 marked X, Y, Z: every type's call.
TEST(PlotCommand, EveryTypeWithXYAndZMarked) {
  const std::pair<const char*, const char*> rows[] = {
      {"2-D Plot", "Plot2d;plot(Input1,Input2,'m-')"},
      {"2-D Plot, X Log Scaled", "Plot2d;semilogx(Input1,Input2,'m-')"},
      {"2-D Plot, Y Log Scaled", "Plot2d;semilogy(Input1,Input2,'m-')"},
      {"2-D Plot, Axes Log Scaled", "Plot2d;loglog(Input1,Input2,'m-')"},
      {"2-D Polar", "Polar;polar(Input1,Input2,'m-')"},
      {"2-D Bar", "Bar;bar(Input1,Input2,'m-')"},
      {"2-D Stem", "Stem;stem(Input1,Input2,'m-')"},
      {"2-D Error Bars", "Error Bar;errorbar(Input1,Input2,Input3)"},
      {"2-D Histogram", "Bar;hist(Input1,Input2)"},
      {"2-D Angle Histogram", "Polar;rose(Input1,Input2)"},
      {"2-D Compass", "Polar;compass(Input1,Input2,'m-')"},
      {"2-D Feather", "Polar;feather(Input1,Input2,'m-')"},
      {"2-D Comet", "Plot2d;comet(Input1,Input2)"},
      {"2-D Contour Plot", "Plot3d;contour(Input1,Input2,Input3,'m-')"},
      {"3-D Plot", "Plot3d;plot3(Input1,Input2,Input3,'y-')"},
      {"3-D Comet", "Plot3d;plot3(Input1,Input2,Input3)"},
      {"3-D Contour Plot", "Plot3d;contour3(Input1,Input2,Input3)"},
      {"Pseudocolor", "Pscolor;pcolor(Input1)"},
      {"3-D Mesh", "Plot3d;mesh(Input1,Input2,Input3)"},
      {"3-D Mesh/Contour Combi", "Plot3d;meshc(Input1,Input2,Input3)"},
      {"3-D Shaded Surface", "Plot3d;surf(Input1,Input2,Input3)"},
      {"3-D Shaded Surface w/Lighting", "Plot3d;surfl(Input1,Input2,Input3)"},
      {"3-D Shaded/Contour Combi", "Plot3d;surfc(Input1,Input2,Input3)"},
  };
  ASSERT_EQ(std::size(rows), PlotTypes().size());
  for (const auto& [type, call] : rows)
    EXPECT_EQ(Command(State(type, {{1, X}, {2, Y}, {3, Z}})), std::string(call) + "\r\n") << type;
}

TEST(PlotCommand, LinePlotPairsEveryYWithTheX) {
  const CodeRow rows[] = {
      {State("2-D Plot", {{2, X}, {1, Y}, {3, Y}}),
       "Plot2d;plot(Input2,Input1,'y-',Input2,Input3,'c-')\r\n"},
      {State("2-D Plot", {{1, X}, {3, Y}}), "Plot2d;plot(Input1,Input3,'c-')\r\n"},
      // The X input's own Y mark is not read: it is plotted by itself.
      {State("2-D Plot", {{2, X}, {2, Y}}), "Plot2d;plot(Input2)\r\n"},
      {State("2-D Plot", {{2, X}, {2, Y}, {3, Y}}), "Plot2d;plot(Input2,Input3,'c-')\r\n"},
      // Without an X each Y is drawn against its element numbers.
      {State("2-D Plot", {{1, Y}, {3, Y}}),
       "Plot2d;plot([1:1:length(Input1)],Input1,'y-',[1:1:length(Input3)],Input3,'c-')\r\n"},
      // Several X marks: the first counts.
      {State("2-D Plot, Axes Log Scaled", {{2, X}, {3, X}, {1, Y}}),
       "Plot2d;loglog(Input2,Input1,'y-')\r\n"},
      // Z marks mean nothing to a line plot.
      {State("2-D Plot", {{1, Z}, {2, Y}}), "Plot2d;plot([1:1:length(Input2)],Input2,'m-')\r\n"},
  };
  for (const CodeRow& row : rows) EXPECT_EQ(Command(row.state), row.command);
}

TEST(PlotCommand, SeveralMarksOnOneAxisTakeTheLowestInput) {
  const CodeRow rows[] = {
      {State("2-D Polar", {{1, X}, {3, X}, {2, Y}, {3, Y}}), "Polar;polar(Input1,Input2,'m-')\r\n"},
      {State("2-D Stem", {{3, X}, {1, Y}, {2, Y}}), "Stem;stem(Input3,Input1,'y-')\r\n"},
      {State("2-D Error Bars", {{2, Y}, {3, Y}, {1, Z}, {3, Z}}),
       "Error Bar;errorbar(Input2,Input1)\r\n"},
      {State("3-D Mesh", {{1, X}, {2, X}, {2, Y}, {3, Y}, {1, Z}, {3, Z}}),
       "Plot3d;mesh(Input1,Input2,Input1)\r\n"},
      {State("Pseudocolor", {{2, X}, {3, X}}), "Pscolor;pcolor(Input2)\r\n"},
  };
  for (const CodeRow& row : rows) EXPECT_EQ(Command(row.state), row.command) << row.state.plotType;
}

TEST(PlotCommand, ContourAndThreeDimensionalCases) {
  const CodeRow rows[] = {
      {State("3-D Contour Plot", {{2, X}}), "Plot3d;contour3(Input2)\r\n"},
      {State("3-D Contour Plot", {{1, X}, {2, Y}, {3, Z}}),
       "Plot3d;contour3(Input1,Input2,Input3)\r\n"},
      // A lone Y or Z beside the X is not written.
      {State("3-D Contour Plot", {{1, X}, {2, Y}}), "Plot3d;contour3(Input1)\r\n"},
      {State("3-D Comet", {{1, X}, {3, Z}}), "Plot3d;plot3(Input1)\r\n"},
      // Y and Z without an X.
      {State("3-D Shaded Surface w/Lighting", {{2, Y}, {3, Z}}),
       "Plot3d;surfl(Input2,Input3)\r\n"},
      {State("2-D Contour Plot", {{1, Y}, {2, Z}}), "Plot3d;contour(Input1,Input2,'y-')\r\n"},
      // With a Y but no Z the 2-D contour still writes the Y line's style.
      {State("2-D Contour Plot", {{1, X}, {2, Y}}), "Plot3d;contour(Input1,'m-')\r\n"},
      // The 3-D line takes the style of the input marked X.
      {State("3-D Plot", {{2, X}, {1, Y}, {3, Z}}), "Plot3d;plot3(Input2,Input1,Input3,'m-')\r\n"},
      {State("2-D Error Bars", {{1, X}, {2, Y}, {3, Z}}),
       "Error Bar;errorbar(Input1,Input2,Input3)\r\n"},
  };
  for (const CodeRow& row : rows) EXPECT_EQ(Command(row.state), row.command) << row.state.plotType;
}

// "2-D Bar", "2-D Compass", "2-D Feather" and "2-D Contour Plot" with no Y:
// no line spec, and the "," left before ")" goes.
TEST(PlotCommand, TypesWithALineSpecButNoYWriteNoLineSpec) {
  const CodeRow rows[] = {
      {State("2-D Bar", {{1, X}}), "Bar;bar(Input1)\r\n"},
      {State("2-D Compass", {{2, X}}), "Polar;compass(Input2)\r\n"},
      {State("2-D Feather", {{3, X}}), "Polar;feather(Input3)\r\n"},
      {State("2-D Contour Plot", {{1, X}}), "Plot3d;contour(Input1)\r\n"},
      {State("2-D Contour Plot", {{1, X}, {3, Z}}), "Plot3d;contour(Input1)\r\n"},
  };
  for (const CodeRow& row : rows) EXPECT_EQ(Command(row.state), row.command) << row.state.plotType;
}

TEST(PlotCommand, CommaBeforeTheClosingBracketGoes) {
  const CodeRow rows[] = {
      {State("2-D Histogram", {{1, X}, {2, Y}}), "Bar;hist(Input1,Input2)\r\n"},
      {State("2-D Angle Histogram", {{1, X}}), "Polar;rose(Input1)\r\n"},
      {State("2-D Comet", {{1, X}}), "Plot2d;comet(Input1)\r\n"},
      {State("3-D Shaded Surface", {{1, X}, {2, Y}, {3, Z}}),
       "Plot3d;surf(Input1,Input2,Input3)\r\n"},
  };
  for (const CodeRow& row : rows) EXPECT_EQ(Command(row.state), row.command) << row.state.plotType;
}

TEST(PlotCommand, TitleLabelsGridAndHoldInTheirOrder) {
  PlotState s = State("3-D Plot", {{1, X}, {2, Y}, {3, Z}});
  s.newFigure = true;
  s.title = "T";
  s.xLabel = "time";
  s.yLabel = "speed";
  s.zLabel = "height";
  s.grid = true;
  s.hold = true;
  EXPECT_EQ(Command(s),
            "Plot3d;figure;\r\nplot3(Input1,Input2,Input3,'y-')\r\ntitle('T')\r\nxlabel('time')"
            "\r\nylabel('speed')\r\nzlabel('height')\r\ngrid;\r\nhold;\r\n");
  s.title.clear();
  s.xLabel.clear();
  s.grid = false;
  s.newFigure = false;
  EXPECT_EQ(Command(s),
            "Plot3d;plot3(Input1,Input2,Input3,'y-')\r\nylabel('speed')\r\nzlabel('height')\r\n"
            "hold;\r\n");
}

TEST(PlotCommand, ZLabelOnlyForTypesShowingTheZColumn) {
  PlotState s = State("2-D Plot", {{1, X}, {2, Y}});
  s.zLabel = "depth";
  EXPECT_EQ(Command(s), "Plot2d;plot(Input1,Input2,'m-')\r\n");
  s.plotType = "2-D Error Bars";  // shows the column, titled "Err Bar"
  s.marks.set(3, Z, true);
  EXPECT_EQ(Command(s), "Error Bar;errorbar(Input1,Input2,Input3)\r\nzlabel('depth')\r\n");
  s.plotType = "2-D Contour Plot";
  EXPECT_EQ(Command(s), "Plot3d;contour(Input1,Input2,Input3,'m-')\r\nzlabel('depth')\r\n");
  s.plotType = "Pseudocolor";
  EXPECT_EQ(Command(s), "Pscolor;pcolor(Input1)\r\n");
}

TEST(PlotCommand, QuotesInTitleAndLabelsAreDoubledForMatlab) {
  PlotState s = State("3-D Mesh", {{1, X}, {2, Y}, {3, Z}});
  s.title = "it's";
  s.xLabel = "'x'";
  s.yLabel = "''";
  s.zLabel = "a'b'c";
  EXPECT_EQ(Command(s),
            "Plot3d;mesh(Input1,Input2,Input3)\r\ntitle('it''s')\r\nxlabel('''x''')\r\n"
            "ylabel('''''')\r\nzlabel('a''b''c')\r\n");
  EXPECT_EQ(MatlabQuoted("no quote"), "no quote");
}

TEST(PlotCommand, LineStylesOfEachLineReachTheCall) {
  PlotState s = State("2-D Plot", {{1, Y}, {2, Y}, {3, Y}});
  s.lines[0] = {"Black", "Dashed", ""};
  s.lines[1] = {"Red", "Solid", "o"};
  s.lines[2] = {"'", "'", "'"};
  EXPECT_EQ(Command(s),
            "Plot2d;plot([1:1:length(Input1)],Input1,'k--',[1:1:length(Input2)],Input2,'ro',"
            "[1:1:length(Input3)],Input3,'')\r\n");
}

struct RefusalRow {
  PlotState state;
  int number;
};

// Each refusal, and which one wins when several marks are missing.
TEST(PlotCommand, RefusalsInTheOrderTheyAreChecked) {
  const RefusalRow rows[] = {
      {State("2-D Plot", {}), 1},
      {State("2-D Plot", {{1, X}, {2, Z}}), 1},
      {State("2-D Plot, X Log Scaled", {{1, X}}), 1},
      {State("2-D Polar", {}), 2},
      {State("2-D Polar", {{1, X}}), 2},
      {State("2-D Polar", {{1, Y}}), 4},
      {State("2-D Stem", {{1, X}, {2, Z}}), 2},
      {State("2-D Error Bars", {}), 5},
      {State("2-D Error Bars", {{1, X}, {2, Y}}), 5},
      {State("2-D Error Bars", {{1, Z}}), 3},
      {State("2-D Error Bars", {{1, X}, {2, Z}}), 3},
      {State("2-D Bar", {}), 4},
      {State("2-D Bar", {{1, Y}, {2, Z}}), 4},
      {State("2-D Histogram", {{2, Y}}), 4},
      {State("2-D Comet", {}), 4},
      {State("2-D Contour Plot", {}), 7},
      {State("2-D Contour Plot", {{1, Y}}), 7},
      {State("3-D Contour Plot", {{1, Z}}), 7},
      {State("3-D Comet", {{1, Y}, {1, Y}}), 7},
      {State("3-D Mesh", {}), 6},
      {State("3-D Mesh", {{1, X}, {2, Y}}), 6},
      {State("3-D Plot", {{1, Z}}), 2},
      {State("3-D Shaded Surface", {{1, X}, {3, Z}}), 2},
      {State("3-D Shaded/Contour Combi", {{2, Y}, {3, Z}}), 4},
      {State("Pseudocolor", {}), 4},
      {State("Pseudocolor", {{1, Y}, {2, Z}}), 4},
      {State("2-D", {{1, X}, {2, Y}}), 8},
      {State("", {{1, X}, {2, Y}}), 8},
      {State("2-d plot", {{1, X}, {2, Y}}), 8},
  };
  for (const RefusalRow& row : rows) {
    const PlotCommand c = BuildPlotCommand(row.state);
    ASSERT_FALSE(c.ok()) << row.state.plotType;
    EXPECT_EQ(c.refusal->number, row.number) << row.state.plotType;
    EXPECT_EQ(c.text, "") << "a refusal stores nothing";
  }
}

TEST(PlotCommand, RefusalTextsAndStyles) {
  const std::pair<int, const char*> texts[] = {
      {1, "No variable marked for Y axis. Please mark at least one input as Y axis"},
      {2, "No Y axis to use, Please mark one input as Y input"},
      {3, "No Y axis to use, Please mark at least one input as Y input"},
      {4, "No X axis to use, Please mark one input as X input"},
      {5, "No Error bar to use, Please mark at one input as an Error bar input"},
      {6, "No Z axis to use, Please mark one input as Z input"},
      {7, "You must fill the X axis or all Axes"},
      {8, "Graph type unknown. Please try again"},
  };
  for (const auto& [number, text] : texts) {
    const PlotRefusal& r = PlotRefusalNumber(number);
    EXPECT_EQ(r.number, number);
    EXPECT_EQ(r.text, text);
    EXPECT_EQ(r.style, number == 1 ? MessageStyle(style::kOk) : style::kExclamation)
        << "M" << number;
  }
}

TEST(PlotCommand, RefusedWithNewFigureStillStoresNothing) {
  PlotState s = State("2-D Plot", {});
  s.newFigure = true;
  s.title = "kept out";
  const PlotCommand c = BuildPlotCommand(s);
  EXPECT_FALSE(c.ok());
  EXPECT_EQ(c.text, "");
}

TEST(PlotMarks, InputsUsedAndBounds) {
  PlotMarks m;
  m.set(2, Z, true);
  m.set(0, X, true);
  m.set(4, Y, true);
  m.set(1, 4, true);
  EXPECT_FALSE(m.inputUsed(1));
  EXPECT_TRUE(m.inputUsed(2));
  EXPECT_FALSE(m.inputUsed(3));
  EXPECT_FALSE(m.inputUsed(0));
  EXPECT_FALSE(m.checked(4, Y));
  EXPECT_EQ(m.firstMarked(Z), 2);
  EXPECT_EQ(m.firstMarked(X), 0);
}

}  // namespace
}  // namespace quorvin
