#pragma once
// A stand-in for the interpreter's figure function that opens and raises no
// window: it records each call, so a test sees when a run brings its figure
// to the front without a display. Put its folder on the interpreter's path
// once a figure exists (the stand-in opens none), take it off afterwards.

#include <fstream>
#include <string>

namespace quorvin::testing_support {

// Writes figure.m into dir; false when it cannot.
inline bool WriteRecordingFigure(const std::string& dir) {
  std::ofstream file(dir + "/figure.m", std::ios::binary);
  file << "function h = figure(varargin)\n"
          "  % Records the call: figure() or figure(N); the current figure stays.\n"
          "  global quorvin_figure_calls\n"
          "  if isempty(quorvin_figure_calls), quorvin_figure_calls = ''; end\n"
          "  quorvin_figure_calls = [quorvin_figure_calls, "
          "sprintf('figure(%s) ', num2str([varargin{:}]))];\n"
          "  h = get(0, 'currentfigure');\n"
          "end\n";
  return static_cast<bool>(file);
}

// Prints the calls recorded so far on one line, such as "figure() figure(1) ".
inline const std::string kRecordedFigureCalls =
    "global quorvin_figure_calls; disp(char(quorvin_figure_calls))";

}  // namespace quorvin::testing_support
