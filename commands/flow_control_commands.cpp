#include "commands/flow_control_commands.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "model/box_kinds.h"

namespace quorvin {
namespace {

// The box waiting to be placed, typed as kind with every slot free and its
// own icon, while the parameters are asked for; then those parameters.
void InsertBlockBox(CommandContext& ctx, std::string_view kind,
                    const std::function<std::string()>& askParams) {
  const int n = BeginInsert(ctx);
  if (n == 0) return;
  BoxType type{std::string(kind), "", kAllEntries, kAllExits};
  TypeBox(ctx, n, type);
  ShowBoxIcon(ctx, n, type.kind);
  type.params = askParams();
  TypeBox(ctx, n, type);
}

// Types the waiting box as a subroutine box of kind; every subroutine box
// carries "Subroutine" in Params, which also names its icon.
void InsertSubroutineBox(CommandContext& ctx, const std::string& kind, SlotSet entries,
                         SlotSet exits) {
  const int n = BeginInsert(ctx);
  if (n == 0) return;
  const BoxType type{kind, std::string(kSubroutineParams), entries, exits};
  TypeBox(ctx, n, type);
  ShowBoxIcon(ctx, n, type.params);
}

// A name that would break the flowchart file or make a box of another
// subroutine kind is told to the user; true when the name can be used.
bool AcceptSubroutineName(CommandContext& ctx, std::string_view name) {
  const std::optional<std::string> refusal = SubroutineNameRefusal(name);
  if (!refusal) return true;
  ctx.model().dialogs.messageBox(*refusal, kSubroutineRefusalStyle, kAppTitle);
  return false;
}

}  // namespace

void mnuCondIf_Click(CommandContext& ctx) {
  InsertBlockBox(ctx, "If", [&] { return ConditionParams(ctx.questions().askCondition()); });
}

void mnuLoopFor_Click(CommandContext& ctx) {
  InsertBlockBox(ctx, "For", [&] { return ForLoopParams(ctx.questions().askForLoop()); });
}

void mnuLoopWhile_Click(CommandContext& ctx) {
  // Cancel answers the empty text, which is stored: the box still waits.
  InsertBlockBox(ctx, "While", [&] {
    return ctx.questions().inputBox(std::string(kWhilePrompt), kAppTitle, std::string());
  });
}

void mnuSpecSubStart_Click(CommandContext& ctx) {
  const std::string name =
      ctx.questions().inputBox(std::string(kSubroutineNamePrompt), kAppTitle, std::string());
  if (!AcceptSubroutineName(ctx, name)) return;
  InsertSubroutineBox(ctx, SubroutineStartKind(name), kNoSlots, kAllExits);
}

void mnuSpecSubEnd_Click(CommandContext& ctx) {
  InsertSubroutineBox(ctx, std::string(kSubroutineEndKind), kAllEntries, kNoSlots);
}

void mnuSpecSubInsert_Click(CommandContext& ctx) {
  const SubroutineChoice choice = ctx.questions().askSubroutine(ctx.model().table);
  const std::string name = choice.name();
  // The dialog refuses such names itself; a call is checked again because
  // its name goes into the file just the same.
  if (!AcceptSubroutineName(ctx, name)) return;
  InsertSubroutineBox(ctx, SubroutineCallKind(name), SlotSet{1}, SlotSet{1});
}

std::span<const NamedCommand> FlowControlCommands() {
  static constexpr std::array<NamedCommand, 6> kCommands{{
      {"mnuCondIf_Click", mnuCondIf_Click},
      {"mnuLoopFor_Click", mnuLoopFor_Click},
      {"mnuLoopWhile_Click", mnuLoopWhile_Click},
      {"mnuSpecSubStart_Click", mnuSpecSubStart_Click},
      {"mnuSpecSubEnd_Click", mnuSpecSubEnd_Click},
      {"mnuSpecSubInsert_Click", mnuSpecSubInsert_Click},
  }};
  return kCommands;
}

}  // namespace quorvin
