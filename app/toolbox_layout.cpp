#include "app/toolbox_layout.h"

#include <algorithm>

#include "model/text_encoding.h"

namespace quorvin {

namespace {

// Calls name(line) for every line of bytes that is not empty, without its
// line end.
template <typename Visit>
void ForEachName(std::string_view bytes, const Visit& name) {
  while (!bytes.empty()) {
    const std::size_t lf = bytes.find('\n');
    std::string_view line = bytes.substr(0, lf);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty()) name(line);
    bytes.remove_prefix(lf == std::string_view::npos ? bytes.size() : lf + 1);
  }
}

}  // namespace

std::vector<std::string> ToolboxNames(std::string_view bytes, std::size_t freeEntries) {
  bytes = WithoutUtf8Mark(bytes);
  // Counted first, so that the names of a file of a million lines are made
  // in one allocation: growing the list as they come takes twice the time.
  std::size_t count = 0;
  ForEachName(bytes, [&count](std::string_view) { ++count; });
  std::vector<std::string> names;
  names.reserve(freeEntries + count);
  names.resize(freeEntries);
  ForEachName(bytes, [&names](std::string_view line) { names.emplace_back(line); });
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

namespace {

// The palette's frame around its rows of buttons, beyond the pitches.
constexpr int kFileWidthMargin = 70;
constexpr int kReflowWidthMargin = 120;
constexpr int kHeightMargin = 360;

// rows of pitch and the frame, in 64 bits: a toolbox file may hold millions
// of names.
long long Height(long long rows, int pitch) { return rows * pitch + kHeightMargin; }

TwipsExtent Within(long long width, long long height, TwipsExtent screen) {
  return {static_cast<int>(std::min<long long>(width, std::max(screen.width, 0))),
          static_cast<int>(std::min<long long>(height, std::max(screen.height, 0)))};
}

}  // namespace

TwipsExtent FileToolboxExtent(int toolCount, int columns, TwipsExtent screen) {
  columns = std::max(columns, 1);
  return Within(columns * kFilePitch + kFileWidthMargin,
                Height(static_cast<long long>(toolCount / columns) + 1, kFilePitch), screen);
}

ToolReflow ReflowTools(int toolCount, TwipsExtent window, TwipsExtent screen) {
  const int names = std::max(toolCount, 1);
  const int buttons = std::clamp(toolCount, 0, kMaxToolButtons);
  ToolReflow r;
  // A palette as wide or as high as the screen holds this many columns or
  // rows.
  const int screenColumns = std::max((screen.width - kReflowWidthMargin) / kReflowPitch, 1);
  const int screenRows = std::max((screen.height - kHeightMargin) / kReflowPitch, 1);
  r.columns = 1;
  while (r.columns < std::min(names, screenColumns) &&
         (r.columns + 1) * kReflowPitch - 20 < window.width)
    ++r.columns;
  // The buttons never need more rows than the screen holds.
  r.columns = std::max(r.columns, std::min((buttons + screenRows - 1) / screenRows, names));
  for (int i = 1; i <= buttons; ++i)
    r.spots.push_back({(i - 1) % r.columns * kReflowPitch, (i - 1) / r.columns * kReflowPitch});
  const long long lastRow = (names - 1) / r.columns;
  r.extent = Within(r.columns * kReflowPitch + kReflowWidthMargin,
                    Height(lastRow + 1, kReflowPitch), screen);
  r.sizeText = std::to_string(r.columns) + "X" + std::to_string(toolCount / r.columns);
  return r;
}

bool SizeAsking::ask(PixelSize given, PixelSize wanted) {
  if (given == wanted) return false;
  if (given == askedFrom_ && wanted == asked_) {
    if (++repeats_ >= kMostRepeatedAsks) return false;
  } else {
    repeats_ = 0;
  }
  askedFrom_ = given;
  asked_ = wanted;
  return true;
}

}  // namespace quorvin
