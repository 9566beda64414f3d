#include "canvas/logic/box_information.h"

namespace quorvin {

namespace {

std::string BoxCaption(int n, const BoxRecord& r) {
  return "box" + std::to_string(n) + " (" + r.Kind + ")";
}

// The rows of one side of the box, counting its free and absent slots. A
// link to a box that does not exist (a damaged table) shows as an empty row
// and counts as neither.
template <std::size_t N>
void DescribeSlots(const BoxTable& table, const std::array<int16_t, N>& slots,
                   std::array<LinkRow, N>& rows, int& freeSlots, bool& hasAbsent) {
  for (std::size_t k = 1; k < N; ++k) {
    const int linked = slots[k];
    if (const BoxRecord* other = linked > 0 ? table.box(linked) : nullptr) {
      rows[k] = {true, BoxCaption(linked, *other)};
      continue;
    }
    rows[k] = {};
    if (linked == kFreeSlot) ++freeSlots;
    if (linked == kAbsentSlot) hasAbsent = true;
  }
}

}  // namespace

std::string EmptySlotsSentence(int freeEntries, int freeExits) {
  const std::string inputs = freeEntries == 0   ? "There are no empty inputs, "
                             : freeEntries == 1 ? "There is one empty input, "
                                                : "There are " + std::to_string(freeEntries) +
                                                      " empty inputs, ";
  const std::string outputs = freeExits == 0   ? " no empty outputs."
                              : freeExits == 1 ? " one empty output."
                                               : std::to_string(freeExits) + " empty outputs.";
  return inputs + "and " + outputs;
}

std::optional<BoxInformation> DescribeBox(const BoxTable& table, int n) {
  const BoxRecord* r = table.box(n);
  if (!r) return std::nullopt;
  BoxInformation info;
  info.boxName = "This box's name is: " + BoxCaption(n, *r);
  if (r->Kind == "Compute Function") {
    info.showFunction = true;
    info.function = "Function: " + r->Params;
  }
  int freeEntries = 0, freeExits = 0;
  DescribeSlots(table, r->InLink, info.from, freeEntries, info.showLockedInputs);
  DescribeSlots(table, r->OutLink, info.to, freeExits, info.showLockedOutputs);
  info.emptySlots = EmptySlotsSentence(freeEntries, freeExits);
  return info;
}

bool RecolourBoxArrows(Model& m, int n, ColourChooser& colours) {
  if (!m.table.box(n)) return false;
  const std::optional<std::uint32_t> chosen = colours.chooseColour();
  if (!chosen) return false;
  return m.editor.recolourExits(n, static_cast<int32_t>(*chosen & 0x00FFFFFFu));
}

bool IsCommentBox(const BoxTable& table, int n) {
  const BoxRecord* r = table.box(n);
  return r && r->Kind == "Comment";
}

}  // namespace quorvin
