// Linking and unlinking boxes, and what Box Information, the comment editor
// and a compile's Keyboard Input change in a record.
#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "model/box_editor.h"
#include "model/link_pairing.h"
#include "model/utf8_text.h"

namespace quorvin {

namespace {

// The lowest free slot of links[1..count], or slot 1 when none is free (the
// refusal tests then find it taken).
template <std::size_t N>
int FirstFreeSlot(const std::array<int16_t, N>& links) {
  for (std::size_t i = 1; i < N; ++i)
    if (links[i] == kFreeSlot) return static_cast<int>(i);
  return 1;
}

// One slot to free: box, entry (true) or exit, slot number.
using SlotRef = std::tuple<int, bool, std::size_t>;

// The ticked slots of one side of box n and the matching slots at the other
// ends (model/link_pairing.h), all found before anything is freed so that
// every pairing is read from the links as the dialog showed them.
template <std::size_t N>
void CollectCuts(const BoxTable& table, int n, const std::array<int16_t, N>& mine,
                 const std::array<bool, N>& ticked, bool mineAreEntries, std::set<SlotRef>& cuts) {
  for (std::size_t k = 1; k < N; ++k) {
    const int other = mine[k];
    if (!ticked[k] || other <= 0) continue;
    cuts.insert({n, mineAreEntries, k});
    const BoxRecord* far = table.box(other);
    if (!far) continue;
    const int slot = PairingOf(table[n], n, mineAreEntries, static_cast<int>(k), *far).partner;
    if (slot != 0) cuts.insert({other, !mineAreEntries, static_cast<std::size_t>(slot)});
  }
}

bool SetSlot(int16_t& slot, int16_t value) {
  if (slot == value) return false;
  slot = value;
  return true;
}

}  // namespace

void BoxEditor::connectArrowTo(int target) {
  const int source = arrowFrom_;
  // The gesture ends here, also when the link is refused.
  mode_ = EditMode::Select;
  views_.setDocsPointer(Pointer::Default);
  BoxRecord* s = table_.box(source);
  BoxRecord* t = table_.box(target);
  if (s == nullptr || t == nullptr) return;
  const auto refuse = [this](const std::string& text) {
    dialogs_.messageBox(text, style::kExclamation, kAppTitle);
  };
  if (s->Doc != t->Doc) {
    refuse("Boxes are not in the same document");
    return;
  }
  const int entry = FirstFreeSlot(t->InLink);
  const int exit = FirstFreeSlot(s->OutLink);
  if (t->InLink[entry] != kFreeSlot) {
    refuse("No more entries for box" + std::to_string(target) + " !");
    return;
  }
  if (s->OutLink[exit] != kFreeSlot) {
    refuse("No more exits for box" + std::to_string(source) + " !");
    return;
  }
  t->InLink[entry] = static_cast<int16_t>(source);
  s->OutLink[exit] = static_cast<int16_t>(target);
  // A new arrow is an edit like any other: closing asks to save it.
  documents_.markChanged(s->Doc);
  views_.arrowsChanged(s->Doc);
}

bool BoxEditor::applyBoxInformation(int n, const BoxInformationAnswer& answer) {
  BoxTable& t = table_;
  BoxRecord* r = t.box(n);
  if (!r) return false;
  std::set<SlotRef> cuts;
  CollectCuts(t, n, r->InLink, answer.disconnectFrom, true, cuts);
  CollectCuts(t, n, r->OutLink, answer.disconnectTo, false, cuts);

  std::set<int> touched;
  for (const auto& [box, entry, slot] : cuts) {
    BoxRecord& b = t[box];
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
    documents_.markChanged(t[box].Doc);
    redraw.insert(t[box].Doc);
  }
  for (int doc : redraw) views_.boxesChanged(doc);
  return !touched.empty();
}

bool BoxEditor::recolourExits(int n, int32_t colour) {
  BoxRecord* r = table_.box(n);
  if (!r) return false;
  bool recoloured = false;
  for (std::size_t k = 1; k <= kExits; ++k) {
    if (r->OutColor[k] != colour) recoloured = true;
    r->OutColor[k] = colour;
  }
  if (recoloured) changed(r->Doc);
  return recoloured;
}

bool BoxEditor::editComment(int n, const std::string& text) {
  BoxRecord* r = table_.box(n);
  if (!r) return false;
  // A comment given back unchanged stays whole, even one longer than the
  // limit (from a file): only a changed text is held to the limit.
  if (text == r->Params) return false;
  std::string cut = FirstCharacters(text, kCommentLength);
  if (cut == r->Params) return false;
  r->Params = std::move(cut);
  changed(r->Doc);
  return true;
}

bool BoxEditor::keepKeyboardAnswer(int n, const std::string& answer) {
  BoxRecord* r = table_.box(n);
  if (r == nullptr || r->Kind != "Keyboard Input") return false;
  r->Params = answer;
  return true;
}

}  // namespace quorvin
