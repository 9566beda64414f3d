#pragma once
// The plot dialog's OK as a rule: from what the dialog holds to the plot
// command string that a "Plot Output" box keeps, or to the one message that
// refuses an allotment the plot type cannot draw. Standard library only.
//
// The plot command string is the plot icon key, ";", the MATLAB lines that
// draw the plot (each ended by CR LF), in which "Input1" to "Input3" stand
// for the values arriving at the box's entries 1 to 3.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "dialogs/plot_types.h"
#include "model/message_style.h"

namespace quorvin {

// The style the dialog keeps for one plotted line: the texts its three
// combo boxes held, typed text included.
struct PlotLineStyle {
  std::string colour;
  std::string lineType = "Solid";
  std::string points;  // the marker; empty for none
  bool operator==(const PlotLineStyle&) const = default;
};

// Line n (1 to 3) at index n - 1.
using PlotLineStyles = std::array<PlotLineStyle, kPlotLines>;

// The styles every opening of the dialog starts from: line n takes the n-th
// colour of the list ("Yellow", "Magenta", "Cyan"), "Solid", no marker.
PlotLineStyles InitialLineStyles();

// Columns of the variable allotment.
constexpr int kXColumn = 1, kYColumn = 2, kZColumn = 3;  // Z: the error data of error bars
constexpr int kPlotInputs = 3;

// The ticks of the variable allotment: input K (1 to 3) by column j (1 to 3).
struct PlotMarks {
  std::array<std::array<bool, 3>, kPlotInputs> boxes{};

  // False outside 1..3.
  bool checked(int input, int column) const;
  void set(int input, int column, bool on);
  // Input K carries any mark: its entry stays open on the box.
  bool inputUsed(int input) const;
  // The first input (1, 2, 3 in turn) marked in that column, or 0.
  int firstMarked(int column) const;
  bool operator==(const PlotMarks&) const = default;
};

// Everything OK reads.
struct PlotState {
  std::string plotType = "2-D Plot";  // the text of cmbType
  PlotMarks marks;
  PlotLineStyles lines = InitialLineStyles();
  bool newFigure = false;  // chkFigure
  bool grid = false;       // chkGrid
  bool hold = false;       // chkHold
  std::string title, xLabel, yLabel, zLabel;
};

// One refusal of OK: a message box titled "Quorvin" with one OK button.
struct PlotRefusal {
  int number;             // 1 to 8 (the message M1 .. M8)
  std::string_view text;
  MessageStyle style;     // message-box style: M1 carries no icon, the others the exclamation
};

// The refusal of that number (1 to 8).
const PlotRefusal& PlotRefusalNumber(int number);

// OK's outcome: the plot command string, or the refusal to show (and then
// nothing is stored and the dialog stays open).
struct PlotCommand {
  std::string text;
  std::optional<PlotRefusal> refusal;
  bool ok() const { return !refusal.has_value(); }
};

// The letter a colour name writes into a line spec: the listed names by the
// list (matched without regard to case, so "black" is never drawn blue); any
// other text its lower-cased first character when that is an ASCII letter,
// else nothing, so no typed text can put a quote or a line break into the
// plot code.
std::string PlotColourLetter(std::string_view colour);

// The quoted MATLAB line spec of line n (1 to 3): "'", the colour letter,
// then the marker when the line has one of the listed markers, else (no
// marker at all) the line type's code; a line type or marker text not in its
// list writes nothing. 'r--', 'ro' (a marker replaces the line code), 'w.'.
// The empty text for a line outside 1..3.
std::string MakeLineSpec(const PlotLineStyles& lines, int line);

// The text as the contents of a MATLAB single-quoted string: quotes doubled.
std::string MatlabQuoted(std::string_view text);

// OK: checks the allotment against the plot type and writes the plot
// command string. Refusals, by group, in the order they are checked:
//   line plots: no Y (M1); polar and stem: no Y (M2), no X (M4);
//   error bars: no error input (M5), no Y (M3); bar family: no X (M4);
//   contour family: neither X nor both Y and Z (M7);
//   surface family: no Z (M6), no Y (M2), no X (M4); pseudocolor: no X (M4);
//   a type not in the list (M8).
// Titles and labels are quoted for MATLAB (a quote in them is doubled); the
// Z label is written only for the types that show the Z column. The bar,
// compass, feather and 2-D contour plots write no line spec when no input is
// marked Y.
PlotCommand BuildPlotCommand(const PlotState& state);

}  // namespace quorvin
