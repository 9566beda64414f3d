#include "commands/command_registry.h"

#include "commands/dialog_answer_commands.h"
#include "commands/fixed_kind_commands.h"
#include "commands/flow_control_commands.h"
#include "commands/option_commands.h"
#include "commands/toolbox_dispatcher.h"
#include "commands/value_commands.h"

namespace quorvin {

void ReportCommandFault(CommandContext& ctx, std::string_view handler, const std::string& what) {
  try {
    ctx.model().dialogs.messageBox("Internal error in " + std::string(handler) + ": " + what,
                                   style::kCritical, kAppTitle);
  } catch (...) {
    // Nothing is left to tell the user with.
  }
}

void CommandRegistry::add(std::string handler, Command command) {
  commands_[std::move(handler)] = std::move(command);
}

bool CommandRegistry::has(std::string_view handler) const {
  return commands_.find(handler) != commands_.end();
}

const Command* CommandRegistry::find(std::string_view handler) const {
  const auto it = commands_.find(handler);
  return it == commands_.end() ? nullptr : &it->second;
}

bool CommandRegistry::run(std::string_view handler, CommandContext& ctx) const {
  const Command* command = find(handler);
  if (command == nullptr || !*command) return false;
  RunCommand(handler, *command, ctx);
  return true;
}

void RunCommand(std::string_view handler, const Command& command, CommandContext& ctx) {
  if (!command) return;
  // A command runs inside a menu or mouse event: a fault of the program is
  // told to the user there, never carried out of the event.
  try {
    command(ctx);
  } catch (const std::exception& e) {
    ReportCommandFault(ctx, handler, e.what());
  } catch (...) {
    ReportCommandFault(ctx, handler, "unknown error");
  }
}

void AddInsertCommands(CommandRegistry& registry) {
  for (const FixedKindCommand& c : FixedKindCommands())
    registry.add(std::string(c.handler), [&c](CommandContext& ctx) { RunFixedKindCommand(ctx, c); });
  for (const OptionCommand& c : OptionCommands())
    registry.add(std::string(c.handler), [&c](CommandContext& ctx) { RunOptionCommand(ctx, c); });
  for (const ValueCommand& c : ValueCommands())
    registry.add(std::string(c.handler), [&c](CommandContext& ctx) { RunValueCommand(ctx, c); });
  registry.add("mnuOperatorsArith_Click", RunArithmeticCommand);
  for (const auto& commands : {DialogAnswerCommands(), FlowControlCommands()})
    for (const NamedCommand& c : commands) registry.add(std::string(c.handler), c.run);
  registry.add("mnuArrow_Click", [](CommandContext& ctx) { ctx.armArrowTool(); });
  registry.add(std::string(kSubroutinePopup),
               [](CommandContext& ctx) { ctx.showSubroutinesMenu(); });
}

CommandRegistry InsertCommandRegistry() {
  CommandRegistry registry;
  AddInsertCommands(registry);
  return registry;
}

}  // namespace quorvin
