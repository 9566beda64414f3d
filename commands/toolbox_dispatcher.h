#pragma once
// The toolbox hand-over: a click on a tool hands its name over
// (ToolboxToolClicked), and cmdEventFire_Click runs the command the name
// stands for, on the document that received the name.

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

// A toolbox button was clicked: a connect gesture in progress is dropped,
// then the tool's name goes to txtEvent, from where the next mouse move over
// a canvas picks it up. "Arrow" arms the connect tool at once instead.
void ToolboxToolClicked(Model& m, std::string& txtEvent, const std::string& tool);

// Takes the tool name out of caption (leaving it empty) and then runs that
// tool's command on ctx; a name that is no tool, or whose command is not
// registered yet, does nothing. The name is taken first so that a command's
// modal dialog cannot run the same hand-over a second time.
void cmdEventFire_Click(const CommandRegistry& registry, CommandContext& ctx,
                        std::string& caption);

}  // namespace quorvin
