// Deleting the selection: removes boxes and keeps the box numbers dense by
// moving the highest-numbered box into each freed number.
#include <algorithm>
#include <set>

#include "model/box_editor.h"
#include "model/box_references.h"

namespace quorvin {

namespace {

void WarnAboutUses(const BoxTable& t, Dialogs& dialogs, int b) {
  for (int i = 1; i <= t.highestBox(); ++i) {
    if (i == b) continue;  // a box's mention of itself is no outside use
    const std::size_t uses = FindBoxReferences(t[i].Params, b).size();
    for (std::size_t k = 0; k < uses; ++k) {
      dialogs.messageBox("Warning: Box" + std::to_string(b) +
                             " is about to be deleted.\r\n"
                             "This box is used as an operator for box" +
                             std::to_string(i) + ".\r\n",
                         style::kExclamation, kAppTitle);
    }
  }
}

// Frees the slots of the other ends of b's arrows.
void Unlink(BoxTable& t, int b) {
  const BoxRecord& r = t[b];
  for (int j = 1; j <= kEntries; ++j) {
    if (BoxRecord* source = t.box(r.InLink[j]))
      for (int k = 1; k <= kExits; ++k)
        if (source->OutLink[k] == b) source->OutLink[k] = kFreeSlot;
  }
  for (int j = 1; j <= kExits; ++j) {
    if (BoxRecord* target = t.box(r.OutLink[j]))
      for (int k = 1; k <= kEntries; ++k)
        if (target->InLink[k] == b) target->InLink[k] = kFreeSlot;
  }
}

// Box last takes number b: every link and parameter reference follows it.
void MoveInto(BoxTable& t, int last, int b) {
  const auto to = static_cast<int16_t>(b);
  for (int i = 1; i <= last; ++i) {
    BoxRecord& r = t[i];
    for (int k = 1; k <= kEntries; ++k)
      if (r.InLink[k] == last) r.InLink[k] = to;
    for (int k = 1; k <= kExits; ++k)
      if (r.OutLink[k] == last) r.OutLink[k] = to;
    r.Params = RenameBoxReferences(r.Params, last, b);
  }
  t[b] = t[last];
}

void ClearRecord(BoxRecord& r) {
  const int32_t x = r.X, y = r.Y;  // the position outlives the box
  r = BoxRecord{};
  r.X = x;
  r.Y = y;
}

}  // namespace

void BoxEditor::deleteSelection(bool quiet) {
  BoxTable& t = table_;
  enterSelectMode();      // a box still waiting is abandoned with the select mode
  std::set<int> touched;  // documents whose boxes were removed or moved

  std::vector<int16_t>& sel = selection_;
  // The selection lists each box once, in ascending number; a repeated entry
  // would delete whichever box moved into that number.
  std::sort(sel.begin(), sel.end());
  sel.erase(std::unique(sel.begin(), sel.end()), sel.end());
  for (std::size_t k = 0; k < sel.size(); ++k) {
    const int b = sel[k];
    const int last = t.highestBox();
    if (!t.exists(b)) continue;
    if (!quiet) WarnAboutUses(t, dialogs_, b);
    Unlink(t, b);
    const int dB = t[b].Doc;
    const int dL = t[last].Doc;
    if (b < last) MoveInto(t, last, b);
    ClearRecord(t[last]);
    views_.boxRenumbered(b, last);
    documents_.markChanged(dB);
    documents_.markChanged(dL);
    touched.insert(dB);
    touched.insert(dL);
    --t.nextBox;
    views_.setResourceGauge(table_.fillPercent());
    // A box still waiting for deletion is found under its new number.
    for (int16_t& entry : sel)
      if (entry == last) entry = static_cast<int16_t>(b);
  }

  for (int doc : touched) {
    if (!documents_.isOpen(doc)) continue;
    views_.boxesChanged(doc);
    views_.hideCopyShape(doc);
  }
  sel.clear();
}

void BoxEditor::deleteDocumentBoxes(int doc) {
  std::vector<int16_t>& sel = selection_;
  sel.clear();
  for (int i = 1; i <= table_.highestBox(); ++i)
    if (table_[i].Doc == doc) sel.push_back(static_cast<int16_t>(i));
  deleteSelection(true);
}

}  // namespace quorvin
