#pragma once
// The one vocabulary of box kinds, the icon table, and the icon cells.
// Standard library only.

#include <span>
#include <string>
#include <string_view>

#include "model/box_record.h"

namespace quorvin {

struct KindInfo {
  std::string_view kind;      // exact kind text stored in Kind
  std::string_view menuItem;  // the insert command's menu item
};

// The fixed kinds the insert commands store, in the order of the vocabulary
// table: 173 entries, all distinct. The three subroutine kinds are built
// from a user's name and are not listed (with them the vocabulary counts 176
// kinds); see the Subroutine helpers below.
std::span<const KindInfo> BoxKinds();
constexpr int kFixedKindCount = 173;
constexpr int kKindCount = kFixedKindCount + 3;  // with the subroutine kinds

// The fixed kind of that exact text (case-sensitive, no trimming), or nullptr
// for any other text (the subroutine kinds included).
const KindInfo* FindBoxKind(std::string_view kind);

struct IconCell {
  int number = 104;  // 1-based, row-major on the sheet
  int x = 0;         // pixels, ((number - 1) mod 15) * 32
  int y = 0;         // pixels, Int((number - 1) / 15) * 32
};

constexpr int kIconSize = 32;
constexpr int kIconsPerRow = 15;
constexpr int kIconRows = 10;       // the sheet holds at least 10 rows of 15
constexpr int kIconSheetWidth = kIconsPerRow * kIconSize;  // 480
constexpr int kIconSheetHeight = kIconRows * kIconSize;    // 320
constexpr int kHighestIcon = 146;   // icon numbers run from 1 to 146
constexpr int kUnknownIcon = 104;   // the icon of every key not in the table

// One entry of the icon table: an icon key and its icon number.
struct IconEntry {
  std::string_view key;
  int number;
};

// The icon table: 218 keys in table order; several keys may
// share a number; numbers 29, 67 and 121 belong to no key, 104 to none either
// (it is the fallback).
std::span<const IconEntry> IconTable();
constexpr int kIconKeyCount = 218;

// The cell of icon number n: x = ((n - 1) mod 15) * 32, y = Int((n - 1) / 15) * 32.
constexpr IconCell IconCellOf(int number) {
  return IconCell{number, ((number - 1) % kIconsPerRow) * kIconSize,
                  ((number - 1) / kIconsPerRow) * kIconSize};
}

// Looks the key up in the icon table, exactly and case-sensitively, first
// match; a key not in the table (the empty key included) gives icon 104.
IconCell SelectBoxIcon(const std::string& key);

// The icon key of a stored box, from its Kind and Params:
//  1. "Plot Output": the text of Params before its first ";" (and nothing
//     more is tested); without a ";" the empty key.
//  2. "Matrix Manipulation": "Diag" when Params begins with "Diag", else the
//     kind.
//  3. "Logic Operator": Params (the operator).
//  4. any other kind: the kind.
//  5. last, except for a plot box whose Params holds a ";": Params exactly
//     "Subroutine" gives the key "Subroutine" (the three subroutine kinds).
std::string BoxIconKey(const BoxRecord& box);

// --- Subroutine kinds --------------------------------------------------------
// Start: the user's name followed by " Subroutine". Call: "Insert Subroutine "
// followed by the name. End: "End Subroutine". All three carry Params
// "Subroutine", which gives them the icon key "Subroutine" (icon 130).

inline constexpr std::string_view kSubroutineParams = "Subroutine";
inline constexpr std::string_view kSubroutineStartSuffix = " Subroutine";
inline constexpr std::string_view kSubroutineCallPrefix = "Insert Subroutine ";
inline constexpr std::string_view kSubroutineEndKind = "End Subroutine";

// name + " Subroutine" (the name as typed, not validated; may be empty).
std::string SubroutineStartKind(std::string_view name);
// "Insert Subroutine " + name.
std::string SubroutineCallKind(std::string_view name);
// The name of a listed start kind for a call: when its
// last ten characters are "Subroutine" the last eleven characters (the blank
// and "Subroutine") are removed; any other text stays whole. The text exactly
// "Subroutine" (no eleven characters to remove) gives the empty name.
std::string SubroutineNameOfStartKind(std::string_view startKind);
// The start-box kind a call refers to: the call kind from its
// 19th character on, followed by " Subroutine".
std::string SubroutineStartKindOfCall(std::string_view callKind);

// The compiler's classification, mutually exclusive:
// "End Subroutine" exactly.
bool IsSubroutineEndKind(std::string_view kind);
// A call: the first 17 characters are "Insert Subroutine".
bool IsSubroutineCallKind(std::string_view kind);
// A start box: any other kind whose last ten characters are "Subroutine".
bool IsSubroutineStartKind(std::string_view kind);
// Any of the three.
bool IsSubroutineKind(std::string_view kind);

// A kind the program knows, one its insert commands store: a fixed kind
// (FindBoxKind) or a subroutine kind of any name. Not every one has an arm
// of the compile: a Comment writes nothing, and a Pickup is written where a
// box it feeds is.
bool IsKnownKind(std::string_view kind);

}  // namespace quorvin
