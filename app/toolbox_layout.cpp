#include "app/toolbox_layout.h"

#include <algorithm>

namespace quorvin {

std::vector<std::string> ToolboxNames(std::string_view bytes) {
  std::vector<std::string> names;
  while (!bytes.empty()) {
    const std::size_t lf = bytes.find('\n');
    std::string_view line = bytes.substr(0, lf);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty()) names.emplace_back(line);
    bytes.remove_prefix(lf == std::string_view::npos ? bytes.size() : lf + 1);
  }
  return names;
}

int ToolboxColumns(std::string_view sizeText) {
  int columns = 0;
  for (const char c : sizeText) {
    if (c < '0' || c > '9') break;
    columns = std::min(columns * 10 + (c - '0'), kMaxToolButtons + 1);
  }
  if (columns == 0) return kDefaultColumns;
  return std::min(columns, kMaxToolButtons);
}

TwipsSpot FileToolSpot(int i, int columns) {
  columns = std::max(columns, 1);
  const int row = (i - 1) / columns;
  const int column = i - columns * row;
  return {(column - 1) * kFilePitch, row * kFilePitch};
}

TwipsSpot DefaultToolSpot(int i) {
  const int row = (i - 1) / 2;
  const int column = i - 2 * row;
  return {(column - 1) * kDefaultPitchAcross, row * kDefaultPitchDown};
}

TwipsExtent FileToolboxExtent(int toolCount, int columns) {
  columns = std::max(columns, 1);
  return {columns * kFilePitch + 70, (toolCount / columns + 1) * kFilePitch + 360};
}

ToolReflow ReflowTools(int toolCount, TwipsExtent window) {
  ToolReflow r;
  int row = 0;
  int column = 0;
  for (int i = 1; i <= toolCount; ++i) {
    // The height test comes before the row advances, so the first button of
    // a row that no longer fits is still placed.
    if (i > 1 && (row + 1) * kReflowPitch + 300 > window.height) break;
    if (row == 0 && (r.columns == 0 || (r.columns + 1) * kReflowPitch - 20 < window.width)) {
      column = ++r.columns;
    } else {
      if (column == r.columns) ++row;
      column = i - r.columns * row;
    }
    r.spots.push_back({(column - 1) * kReflowPitch, row * kReflowPitch});
  }
  const int columns = std::max(r.columns, 1);
  r.columns = columns;
  r.extent = {columns * kReflowPitch + 120, (row + 1) * kReflowPitch + 360};
  r.sizeText = std::to_string(columns) + "X" + std::to_string(toolCount / columns);
  return r;
}

}  // namespace quorvin
