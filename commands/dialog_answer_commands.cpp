#include "commands/dialog_answer_commands.h"

#include <array>

namespace quorvin {
namespace {

// The slots k + 1 whose open[k] holds.
template <std::size_t N>
SlotSet SlotsWhere(const std::array<bool, N>& open) {
  SlotSet slots;
  for (std::size_t k = 0; k < N; ++k)
    if (open[k]) slots = slots.with(static_cast<int>(k + 1));
  return slots;
}

// The slots k + 1 whose code (as the dialogs' rules give them) is free.
template <std::size_t N>
SlotSet FreeSlots(const std::array<int16_t, N>& codes) {
  std::array<bool, N> free{};
  for (std::size_t k = 0; k < N; ++k) free[k] = codes[k] == kFreeSlot;
  return SlotsWhere(free);
}

}  // namespace

void mnuOutputPlot_Click(CommandContext& ctx) {
  const int n = BeginInsert(ctx);
  if (n == 0) return;
  BoxType type{"Plot Output", "", kAllEntries, kNoSlots};
  TypeBox(ctx, n, type);
  const PlotOutputAnswer answer = ctx.questions().askPlot();
  type.params = answer.commands;
  type.entries = SlotsWhere(answer.inputsUsed);
  if (!TypeBox(ctx, n, type)) return;
  // The plot icon key stands before the first ";". Without one (the dialog
  // was closed without OK) the button shows the error cell: the icon of a
  // kind this box was before would say it is something it no longer is.
  const std::size_t semicolon = type.params.find(';');
  ShowBoxIcon(ctx, n,
              semicolon == std::string::npos ? std::string() : type.params.substr(0, semicolon));
}

void mnuOperatorsFunc_Click(CommandContext& ctx) {
  const int n = BeginInsert(ctx);
  if (n == 0) return;
  BoxType type{"Compute Function", "", kAllEntries, kAllExits};
  TypeBox(ctx, n, type);
  const FormulaAnswer answer = ctx.questions().askFormula();
  type.entries = FreeSlots(FormulaEntrySlots(ScanFormulaPlaceholders(answer.formula)));
  type.params = ComputeFunctionParams(n, answer);
  if (!TypeBox(ctx, n, type)) return;
  ShowBoxIcon(ctx, n, type.kind);
}

void mnuSpecMatlab_Click(CommandContext& ctx) {
  const int n = BeginInsert(ctx);
  if (n == 0) return;
  BoxType type{"Matlab Command", "", kNoSlots, kNoSlots};
  TypeBox(ctx, n, type);
  // The icon shows while the dialog is open.
  ShowBoxIcon(ctx, n, type.kind);
  const MatlabCommandAnswer answer = ctx.questions().askMatlabCommand();
  type.entries = FreeSlots(MatlabCommandEntrySlots(answer));
  type.exits = FreeSlots(MatlabCommandExitSlots(answer));
  type.params = MatlabCommandParams(answer.command);
  TypeBox(ctx, n, type);
}

std::span<const NamedCommand> DialogAnswerCommands() {
  static constexpr std::array<NamedCommand, 3> kCommands{{
      {"mnuOutputPlot_Click", mnuOutputPlot_Click},
      {"mnuOperatorsFunc_Click", mnuOperatorsFunc_Click},
      {"mnuSpecMatlab_Click", mnuSpecMatlab_Click},
  }};
  return kCommands;
}

}  // namespace quorvin
