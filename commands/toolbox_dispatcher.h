#pragma once
// cmdEventFire_Click: runs the command a toolbox tool name stands for, on the
// document that received the name.

#include <span>
#include <string>
#include <string_view>

#include "commands/command_registry.h"

namespace quorvin {

struct ToolName {
  std::string_view tool;     // the name as the toolbox hands it over
  std::string_view handler;  // the command it runs
};

// The 63 tool names in the order they are compared.
std::span<const ToolName> ToolNames();
// The handler of a tool name (exact, case-sensitive), or "" for no tool.
std::string_view ToolHandler(std::string_view tool);

// The handler name that stands for the Subroutine tool's pop-up menu.
inline constexpr std::string_view kSubroutinePopup = "mnuSpecSub";

// Takes the tool name out of caption (leaving it empty) and then runs that
// tool's command on ctx; a name that is no tool, or whose command is not
// registered yet, does nothing. The name is taken first so that a command's
// modal dialog cannot run the same hand-over a second time.
void cmdEventFire_Click(const CommandRegistry& registry, CommandContext& ctx,
                        std::string& caption);

}  // namespace quorvin
