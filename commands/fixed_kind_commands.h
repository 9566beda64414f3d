#pragma once
// The insert commands that store one fixed kind and ask nothing.

#include <span>
#include <string_view>

#include "commands/command_context.h"
#include "model/slot_set.h"

namespace quorvin {

struct FixedKindCommand {
  std::string_view handler;  // mnuTrigCos_Click, ...
  std::string_view kind;     // stored in Kind and used as the icon key
  SlotSet entries;           // the entries the kind has
  SlotSet exits;             // the exits the kind has
};

// The 27 fixed-kind commands.
std::span<const FixedKindCommand> FixedKindCommands();

void RunFixedKindCommand(CommandContext& ctx, const FixedKindCommand& command);

}  // namespace quorvin
