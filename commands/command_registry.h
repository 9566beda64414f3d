#pragma once
// The insert commands by handler name, as the menu items and the toolbox
// dispatcher call them.

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "commands/command_context.h"

namespace quorvin {

using Command = std::function<void(CommandContext&)>;

class CommandRegistry {
 public:
  // Adds or replaces the command of handler.
  void add(std::string handler, Command command);
  bool has(std::string_view handler) const;
  // The command of handler, or nullptr. It stays where it is while the
  // registry lives (a later add of the same handler replaces it in place).
  const Command* find(std::string_view handler) const;
  // Runs the command of handler on ctx; false when none is registered. A
  // command that throws is reported to the user (ReportCommandFault).
  bool run(std::string_view handler, CommandContext& ctx) const;

 private:
  std::map<std::string, Command, std::less<>> commands_;
};

// Tells the user that the command of handler failed with what.
void ReportCommandFault(CommandContext& ctx, std::string_view handler, const std::string& what);

// Runs command (known as handler) on ctx; what it throws is reported
// (ReportCommandFault), never carried out of the menu or mouse event that
// ran it. An empty command does nothing.
void RunCommand(std::string_view handler, const Command& command, CommandContext& ctx);

// Every insert command: the fixed, option and value tables, the arithmetic
// operator, the plot, formula and MATLAB command boxes, flow control and
// subroutines; mnuArrow_Click (the connect tool) and mnuSpecSub (the
// Subroutine tool's pop-up menu).
void AddInsertCommands(CommandRegistry& registry);
CommandRegistry InsertCommandRegistry();

}  // namespace quorvin
