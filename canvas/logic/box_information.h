#pragma once
// The Box Information dialog's content, without the dialog: what it shows
// for a box, and the colour its colour button asks for. The edits its OK,
// that colour and the comment editor make are the editor's
// (BoxEditor::applyBoxInformation, recolourExits, editComment).

#include <array>
#include <optional>
#include <string>

#include "canvas/logic/colour_chooser.h"
#include "model/model.h"

namespace quorvin {

// One link row of the dialog: the linked box as "box" s " (" Kind ")", shown
// with its Disconnect check box; a free, absent or dangling slot is hidden
// with an empty caption.
struct LinkRow {
  bool shown = false;
  std::string caption;
  bool operator==(const LinkRow&) const = default;
};

// What the dialog shows for box n. Rows are indexed like the slots they
// belong to (entries 1..3, exits 1..5); element 0 is never used.
struct BoxInformation {
  std::string boxName;   // lblBoxName
  bool showFunction = false;
  std::string function;  // lblfunc, for a Compute Function box
  std::array<LinkRow, kEntries + 1> from{};
  std::array<LinkRow, kExits + 1> to{};
  bool showLockedInputs = false;   // the box has an absent entry
  bool showLockedOutputs = false;  // the box has an absent exit
  std::string emptySlots;          // lblEmpty
};

// The description of box n, or nothing when no such box exists.
std::optional<BoxInformation> DescribeBox(const BoxTable& table, int n);

// lblEmpty's sentence for that many free entries and exits.
std::string EmptySlotsSentence(int freeEntries, int freeExits);

// The colour button: asks for a colour and gives all five exits of box n
// that colour at once. A cancelled colour dialog, or a number that names no
// box, changes nothing. True when a colour changed.
bool RecolourBoxArrows(Model& m, int n, ColourChooser& colours);

bool IsCommentBox(const BoxTable& table, int n);

}  // namespace quorvin
