#pragma once
// The Box Information dialog's content and answers, without the dialog: what
// it shows for a box, and the edits its OK, its colour button and the
// comment editor make to the box table. Every edit that changes a record
// marks the owning document changed and tells its window to redraw.

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "canvas/logic/colour_chooser.h"
#include "model/model.h"

namespace quorvin {

// A comment keeps at most this many characters.
constexpr std::size_t kCommentLength = 100;

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

// The ticks of the dialog at OK, indexed like the rows.
struct BoxInformationAnswer {
  std::array<bool, kEntries + 1> disconnectFrom{};
  std::array<bool, kExits + 1> disconnectTo{};
  bool openLockedInputs = false;
  bool openLockedOutputs = false;
};

// OK: cuts the ticked links on both ends, then opens the absent slots when
// asked. Each ticked link frees exactly one slot at the other end; with two
// links between the same boxes the k-th of one end pairs with the k-th of the
// other. Returns true when a record changed.
bool ApplyBoxInformation(Model& m, int n, const BoxInformationAnswer& answer);

// The colour button: asks for a colour and gives all five exits of box n
// that colour at once. A cancelled colour dialog changes nothing. True when
// a colour changed.
bool RecolourBoxArrows(Model& m, int n, ColourChooser& colours);

bool IsCommentBox(const BoxTable& table, int n);

// The comment editor's answer: Params of box n := text cut to
// kCommentLength characters (UTF-8 characters, never a split one). A text
// equal to the comment changes nothing, so a longer comment read from a file
// is not cut by merely looking at it. True when the text changed.
bool EditComment(Model& m, int n, const std::string& text);

// The first `count` characters of a UTF-8 text.
std::string FirstCharacters(const std::string& text, std::size_t count);

}  // namespace quorvin
