#include "app/toolbox_editing.h"

#include <array>

#include "model/line_end.h"

namespace quorvin {

namespace {
constexpr std::array<std::string_view, 63> kPalette{
    "Arrow", "Dummy Input", "Keyboard Input", "Matrix Input", "Matrix Make Input",
    "Vector Make Input",
    "Constant Input", "Ascii File Input", "Screen Output", "Plot Output", "Ascii File Output",
    "Trash",
    "Comment", "Basic Arithmatic", "Compute Function", "Natural Logarithm", "Square Root",
    "Matrix Manipulation",
    "Subroutine", "For", "While", "Next", "Break", "If",
    "End If", "Split Matrix", "Matrix Length", "Matrix Size", "Matlab Command", "Pickup",
    "Logic Operators", "Complex Operators", "Round", "Bessel Function", "Sin", "Cos",
    "Tan", "Cot", "ASin", "ACos", "ATan", "ACot",
    "FFTFFT", "FFTFFT2", "FFTIFFT", "FFTShift", "Numerical", "Polynomial",
    "Differences", "Correlation", "Vecops", "User", "MatAnalysis", "Sound",
    "Special Matrix", "Eigen", "Beta Function", "Error Function", "Integer Function",
    "String Make",
    "String Compare", "String Convert", "Check"};

// Every name followed by CR LF.
std::string ListText(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += name + kCrLf;
  return text;
}
}  // namespace

std::span<const std::string_view> PaletteToolNames() { return kPalette; }

int PalettePosition(int scroll, int index) { return scroll * kPaletteColumns + index; }

std::string_view PaletteToolAt(int position) {
  if (position < 1 || position > static_cast<int>(kPalette.size())) return {};
  return kPalette[static_cast<std::size_t>(position - 1)];
}

TwipsPoint ToolboxButtonPosition(int k, TwipsPoint templateCorner) {
  const int row = (k - 1) / kToolboxColumns;
  const int column = k - kToolboxColumns * row;
  return {templateCorner.x + (column - 1) * kToolboxButtonPitch,
          templateCorner.y + row * kToolboxButtonPitch};
}

std::string ToolboxFileBytes(const std::vector<std::string>& names) {
  return ListText(names) + kCrLf;
}

std::string ToolboxPath(const std::string& name, const std::string& appDir) {
  if (name.empty() || name.front() == '/' || appDir.empty()) return name;
  return appDir.back() == '/' ? appDir + name : appDir + "/" + name;
}

bool EditedToolbox::add(const std::string& name) {
  if (full() || name.empty()) return false;
  tools_.push_back(name);
  return true;
}

bool EditedToolbox::remove(int k) {
  if (k < 1 || k > count()) return false;
  tools_.erase(tools_.begin() + (k - 1));
  return true;
}

void EditedToolbox::load(std::vector<std::string> names) { tools_ = std::move(names); }

std::string EditedToolbox::text() const { return ListText(tools_); }

}  // namespace quorvin
