#include "canvas/logic/box_information.h"

#include <set>
#include <tuple>
#include <utility>

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

// How many of slots 1..k-1 hold value: the rank of slot k among the slots
// that link the same box.
template <std::size_t N>
int RankAmong(const std::array<int16_t, N>& slots, std::size_t k, int value) {
  int rank = 0;
  for (std::size_t i = 1; i < k && i < N; ++i)
    if (slots[i] == value) ++rank;
  return rank;
}

// The slot that holds value for the rank-th time, or 0 when there is none.
template <std::size_t N>
std::size_t SlotOfRank(const std::array<int16_t, N>& slots, int rank, int value) {
  for (std::size_t i = 1; i < N; ++i)
    if (slots[i] == value && rank-- == 0) return i;
  return 0;
}

// One slot to free: box, entry (true) or exit, slot number.
using SlotRef = std::tuple<int, bool, std::size_t>;

// The ticked slots of one side of box n and the matching slots at the other
// ends, all found before anything is freed so that every pairing is read
// from the links as the dialog showed them.
template <std::size_t N, std::size_t M>
void CollectCuts(const BoxTable& table, int n, const std::array<int16_t, N>& mine,
                 const std::array<bool, N>& ticked, bool mineAreEntries,
                 std::array<int16_t, M> BoxRecord::*theirs, std::set<SlotRef>& cuts) {
  for (std::size_t k = 1; k < N; ++k) {
    const int other = mine[k];
    if (!ticked[k] || other <= 0) continue;
    cuts.insert({n, mineAreEntries, k});
    const BoxRecord* far = table.box(other);
    if (!far) continue;
    const std::size_t slot = SlotOfRank(far->*theirs, RankAmong(mine, k, other), n);
    if (slot != 0) cuts.insert({other, !mineAreEntries, slot});
  }
}

bool SetSlot(int16_t& slot, int16_t value) {
  if (slot == value) return false;
  slot = value;
  return true;
}

// A record of box n changed: its document has unsaved edits and its window
// shows them.
void Touched(Model& m, int n) {
  const int doc = m.table[n].Doc;
  m.documents.markChanged(doc);
  m.views.boxesChanged(doc);
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

bool ApplyBoxInformation(Model& m, int n, const BoxInformationAnswer& answer) {
  BoxRecord* r = m.table.box(n);
  if (!r) return false;
  std::set<SlotRef> cuts;
  CollectCuts(m.table, n, r->InLink, answer.disconnectFrom, true, &BoxRecord::OutLink, cuts);
  CollectCuts(m.table, n, r->OutLink, answer.disconnectTo, false, &BoxRecord::InLink, cuts);

  std::set<int> touched;
  for (const auto& [box, entry, slot] : cuts) {
    BoxRecord& b = m.table[box];
    if (SetSlot(entry ? b.InLink[slot] : b.OutLink[slot], kFreeSlot)) touched.insert(box);
  }
  auto open = [&](auto& slots) {
    for (std::size_t k = 1; k < slots.size(); ++k)
      if (slots[k] == kAbsentSlot && SetSlot(slots[k], kFreeSlot)) touched.insert(n);
  };
  if (answer.openLockedInputs) open(r->InLink);
  if (answer.openLockedOutputs) open(r->OutLink);

  // The arrows are drawn again after OK whether or not anything changed.
  std::set<int> redraw{r->Doc};
  for (int box : touched) {
    m.documents.markChanged(m.table[box].Doc);
    redraw.insert(m.table[box].Doc);
  }
  for (int doc : redraw) m.views.boxesChanged(doc);
  return !touched.empty();
}

bool RecolourBoxArrows(Model& m, int n, ColourChooser& colours) {
  BoxRecord* r = m.table.box(n);
  if (!r) return false;
  const std::optional<std::uint32_t> chosen = colours.chooseColour();
  if (!chosen) return false;
  const auto colour = static_cast<int32_t>(*chosen & 0x00FFFFFFu);
  bool changed = false;
  for (std::size_t k = 1; k <= kExits; ++k) {
    if (r->OutColor[k] != colour) changed = true;
    r->OutColor[k] = colour;
  }
  if (changed) Touched(m, n);
  return changed;
}

bool IsCommentBox(const BoxTable& table, int n) {
  const BoxRecord* r = table.box(n);
  return r && r->Kind == "Comment";
}

std::string FirstCharacters(const std::string& text, std::size_t count) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0u) == 0x80u;
    if (!continuation && characters++ == count) return text.substr(0, i);
  }
  return text;
}

bool EditComment(Model& m, int n, const std::string& text) {
  BoxRecord* r = m.table.box(n);
  if (!r) return false;
  // A comment given back unchanged stays whole, even one longer than the
  // limit (from a file): only a changed text is held to the limit.
  if (text == r->Params) return false;
  std::string cut = FirstCharacters(text, kCommentLength);
  if (cut == r->Params) return false;
  r->Params = std::move(cut);
  Touched(m, n);
  return true;
}

}  // namespace quorvin
