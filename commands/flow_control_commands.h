#pragma once
// The insert commands of the boxes that structure a flowchart and need an
// answer: "If", "For", "While" and the three subroutine boxes (start, end,
// call). The start and call ask before the box exists, so a refused name or
// a full box table changes nothing.

#include <span>
#include <string_view>

#include "commands/insert_sequence.h"

namespace quorvin {

inline constexpr std::string_view kWhilePrompt = "Enter the condition in Matlab Script";
inline constexpr std::string_view kSubroutineNamePrompt = "What is the subroutine's name ?";

void mnuCondIf_Click(CommandContext& ctx);
void mnuLoopFor_Click(CommandContext& ctx);
void mnuLoopWhile_Click(CommandContext& ctx);
void mnuSpecSubStart_Click(CommandContext& ctx);
void mnuSpecSubEnd_Click(CommandContext& ctx);
void mnuSpecSubInsert_Click(CommandContext& ctx);

std::span<const NamedCommand> FlowControlCommands();

}  // namespace quorvin
