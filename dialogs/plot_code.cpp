#include "dialogs/plot_code.h"

#include <algorithm>
#include <array>

#include "model/ascii_case.h"
#include "model/host.h"

namespace quorvin {

namespace {

constexpr std::string_view kCrLf = "\r\n";

constexpr std::array<PlotRefusal, 8> kRefusals{{
    {1, "No variable marked for Y axis. Please mark at least one input as Y axis", style::kOk},
    {2, "No Y axis to use, Please mark one input as Y input", style::kExclamation},
    {3, "No Y axis to use, Please mark at least one input as Y input", style::kExclamation},
    {4, "No X axis to use, Please mark one input as X input", style::kExclamation},
    {5, "No Error bar to use, Please mark at one input as an Error bar input",
     style::kExclamation},
    {6, "No Z axis to use, Please mark one input as Z input", style::kExclamation},
    {7, "You must fill the X axis or all Axes", style::kExclamation},
    {8, "Graph type unknown. Please try again", style::kExclamation},
}};


std::string Input(int k) { return "Input" + std::to_string(k); }

// Writes the plot call of one group into code; returns the number of the
// refusal, or 0 when the call was written.
class CallWriter {
 public:
  CallWriter(const PlotType& type, const PlotState& state, std::string& code)
      : type_(type), state_(state), code_(code) {}

  int write() {
    switch (type_.group) {
      case PlotGroup::Line: return line();
      case PlotGroup::PolarStem: return polarStem();
      case PlotGroup::ErrorBars: return errorBars();
      case PlotGroup::BarFamily: return barFamily();
      case PlotGroup::ContourFamily: return contourFamily();
      case PlotGroup::SurfaceFamily: return surfaceFamily();
      case PlotGroup::Pseudocolor: return pseudocolor();
    }
    return 8;
  }

 private:
  int first(int column) const { return state_.marks.firstMarked(column); }
  std::string spec(int line) const { return MakeLineSpec(state_.lines, line); }
  void open() { code_ += type_.opening; }

  // Every input marked Y is drawn, each against the X input or, without
  // one, against its own element numbers.
  int line() {
    if (first(kYColumn) == 0) return 1;
    open();
    const int x = first(kXColumn);
    if (x > 0) {
      bool paired = false;
      for (int l = 1; l <= kPlotInputs; ++l) {
        if (l == x || !state_.marks.checked(l, kYColumn)) continue;
        code_ += Input(x) + "," + Input(l) + "," + spec(l) + ",";
        paired = true;
      }
      if (!paired) code_ += Input(x) + ",";
    } else {
      for (int l = 1; l <= kPlotInputs; ++l) {
        if (!state_.marks.checked(l, kYColumn)) continue;
        code_ += "[1:1:length(" + Input(l) + ")]," + Input(l) + "," + spec(l) + ",";
      }
    }
    code_.pop_back();  // the "," after the last pair
    code_ += ")";
    return 0;
  }

  int polarStem() {
    const int y = first(kYColumn);
    if (y == 0) return 2;
    const int x = first(kXColumn);
    if (x == 0) return 4;
    open();
    code_ += Input(x) + "," + Input(y) + "," + spec(y) + ")";
    return 0;
  }

  int errorBars() {
    const int e = first(kZColumn);
    if (e == 0) return 5;
    const int y = first(kYColumn);
    if (y == 0) return 3;
    const int x = first(kXColumn);
    open();
    if (x > 0) code_ += Input(x) + ",";
    code_ += Input(y) + "," + Input(e) + ")";
    return 0;
  }

  // Without a Y input there is no line whose style to write.
  int barFamily() {
    const int y = first(kYColumn);
    const int x = first(kXColumn);
    if (x == 0) return 4;
    open();
    code_ += Input(x) + ",";
    if (y > 0) code_ += Input(y) + ",";
    if (type_.withLineSpec && y > 0) code_ += spec(y);
    code_ += ")";
    return 0;
  }

  // A lone Y or a lone Z is not written: they go in as a pair.
  int contourFamily() {
    const int z = first(kZColumn);
    const int y = first(kYColumn);
    const int x = first(kXColumn);
    if (x == 0 && (y == 0 || z == 0)) return 7;
    open();
    if (x > 0) code_ += Input(x) + ",";
    if (y > 0 && z > 0) code_ += Input(y) + "," + Input(z) + ",";
    if (type_.withLineSpec && y > 0) code_ += spec(y);
    code_ += ")";
    return 0;
  }

  int surfaceFamily() {
    const int z = first(kZColumn);
    if (z == 0) return 6;
    const int y = first(kYColumn);
    if (y == 0) return 2;
    const int x = first(kXColumn);
    if (x == 0) return 4;
    open();
    code_ += Input(x) + "," + Input(y) + "," + Input(z) + ",";
    if (type_.withLineSpec) code_ += spec(x);
    code_ += ")";
    return 0;
  }

  int pseudocolor() {
    const int x = first(kXColumn);
    if (x == 0) return 4;
    open();
    code_ += Input(x) + ")";
    return 0;
  }

  const PlotType& type_;
  const PlotState& state_;
  std::string& code_;
};

void AppendTextCall(std::string& code, std::string_view function, std::string_view text) {
  if (text.empty()) return;
  code += kCrLf;
  code += function;
  code += "('" + MatlabQuoted(text) + "')";
}

}  // namespace

PlotLineStyles InitialLineStyles() {
  PlotLineStyles lines;
  for (int n = 0; n < kPlotLines; ++n)
    lines[static_cast<std::size_t>(n)].colour = std::string(PlotColours()[static_cast<std::size_t>(n)].name);
  return lines;
}

bool PlotMarks::checked(int input, int column) const {
  if (input < 1 || input > kPlotInputs || column < 1 || column > 3) return false;
  return boxes[static_cast<std::size_t>(input - 1)][static_cast<std::size_t>(column - 1)];
}

void PlotMarks::set(int input, int column, bool on) {
  if (input < 1 || input > kPlotInputs || column < 1 || column > 3) return;
  boxes[static_cast<std::size_t>(input - 1)][static_cast<std::size_t>(column - 1)] = on;
}

bool PlotMarks::inputUsed(int input) const {
  return checked(input, kXColumn) || checked(input, kYColumn) || checked(input, kZColumn);
}

int PlotMarks::firstMarked(int column) const {
  for (int k = 1; k <= kPlotInputs; ++k)
    if (checked(k, column)) return k;
  return 0;
}

const PlotRefusal& PlotRefusalNumber(int number) {
  return kRefusals[static_cast<std::size_t>(std::clamp(number, 1, 8) - 1)];
}

std::string PlotColourLetter(std::string_view colour) {
  for (const PlotColour& listed : PlotColours())
    if (SameIgnoringCase(colour, listed.name)) return std::string(1, listed.letter);
  if (colour.empty()) return {};
  const char first = LowerAsciiChar(colour.front());
  if (first < 'a' || first > 'z') return {};
  return std::string(1, first);
}

std::string MakeLineSpec(const PlotLineStyles& lines, int line) {
  if (line < 1 || line > kPlotLines) return {};
  const PlotLineStyle& style = lines[static_cast<std::size_t>(line - 1)];
  std::string spec = "'" + PlotColourLetter(style.colour);
  if (style.points.empty()) {
    for (const PlotLineType& type : PlotLineTypes())
      if (type.name == style.lineType) spec += type.code;
  } else {
    const auto markers = PlotMarkers();
    if (std::find(markers.begin() + 1, markers.end(), style.points) != markers.end())
      spec += style.points;
  }
  return spec + "'";
}

std::string MatlabQuoted(std::string_view text) {
  std::string quoted;
  for (char c : text) {
    quoted += c;
    if (c == '\'') quoted += '\'';
  }
  return quoted;
}

PlotCommand BuildPlotCommand(const PlotState& state) {
  const PlotType* type = FindPlotType(state.plotType);
  if (type == nullptr) return {{}, PlotRefusalNumber(8)};

  std::string code;
  if (state.newFigure) code += "figure;" + std::string(kCrLf);
  if (const int refusal = CallWriter(*type, state, code).write(); refusal != 0)
    return {{}, PlotRefusalNumber(refusal)};
  // Groups without a line spec leave the "," before it behind.
  if (code.ends_with(",)")) code.erase(code.size() - 2, 1);

  AppendTextCall(code, "title", state.title);
  AppendTextCall(code, "xlabel", state.xLabel);
  AppendTextCall(code, "ylabel", state.yLabel);
  if (type->zColumn != ZColumn::Hidden) AppendTextCall(code, "zlabel", state.zLabel);
  if (state.grid) code += std::string(kCrLf) + "grid;";
  if (state.hold) code += std::string(kCrLf) + "hold;";

  return {std::string(type->iconKey) + ";" + code + std::string(kCrLf), std::nullopt};
}

}  // namespace quorvin
