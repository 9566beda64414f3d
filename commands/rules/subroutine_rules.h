#pragma once
// Subroutine names as the start and call commands take them: the start
// boxes a call can name, the name a chosen start kind gives, and the names
// no start box can carry. Standard library only.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "commands/rules/widget_texts.h"
#include "model/box_table.h"
#include "model/host.h"

namespace quorvin {

// What frmSubs holds when it closes: the chosen or typed text of
// available_subs; empty when the dialog was closed without OK.
struct SubroutineChoice {
  bool accepted = false;
  std::string text;

  // The subroutine's name: a start kind loses its " Subroutine"; the text
  // exactly "Subroutine" gives the empty name; any other text stays whole.
  std::string name() const;

  bool operator==(const SubroutineChoice&) const = default;
};

// The kinds of the subroutine start boxes among boxes 1 to nextBox - 1 of
// every open document, in box-number order, duplicates kept. End boxes and
// calls are never listed, not even a call whose name ends in "Subroutine".
std::vector<std::string> SubroutineStartKinds(const BoxTable& table);

// Why a subroutine cannot be given this name, or nothing when it can: a
// name holding "~" or a line break would break the flowchart file, and a
// name whose start box would read as an end ("End") or as a call ("Insert")
// would never start a subroutine. Shown with kSubroutineRefusalStyle and
// the title "Quorvin".
std::optional<std::string> SubroutineNameRefusal(std::string_view name);
inline constexpr MessageStyle kSubroutineRefusalStyle = style::kExclamation;

// The answer by widget name: available_subs.
WidgetTexts WidgetTextsOf(const SubroutineChoice& choice);
// The choice read back from such texts (accepted stays false).
SubroutineChoice SubroutineChoiceOf(const WidgetTexts& texts);

}  // namespace quorvin
