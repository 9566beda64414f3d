#include "commands/dialog_answer_commands.h"

#include <array>

namespace quorvin {
namespace {

template <std::size_t N>
void SetSlots(std::array<int16_t, N + 1>& links, const std::array<int16_t, N>& slots) {
  for (std::size_t k = 1; k <= N; ++k) links[k] = slots[k - 1];
}

}  // namespace

void mnuOutputPlot_Click(CommandContext& ctx) {
  const int n = BeginInsert(ctx);
  if (n == 0) return;
  TypeBox(ctx.model().table[n], "Plot Output", kAllEntries, kNoSlots);
  const PlotOutputAnswer answer = ctx.questions().askPlot();
  BoxRecord& box = ctx.model().table[n];
  box.Params = answer.commands;
  for (int k = 1; k <= kEntries; ++k)
    box.InLink[k] = answer.inputsUsed[static_cast<std::size_t>(k - 1)] ? kFreeSlot : kAbsentSlot;
  // The plot icon key stands before the first ";". Without one (the dialog
  // was closed without OK) the button shows the error cell: the icon of a
  // kind this box was before would say it is something it no longer is.
  const std::size_t semicolon = box.Params.find(';');
  ShowBoxIcon(ctx, n, semicolon == std::string::npos ? std::string() : box.Params.substr(0, semicolon));
}

void mnuOperatorsFunc_Click(CommandContext& ctx) {
  const int n = BeginInsert(ctx);
  if (n == 0) return;
  TypeBox(ctx.model().table[n], "Compute Function", kAllEntries, kAllExits);
  const FormulaAnswer answer = ctx.questions().askFormula();
  BoxRecord& box = ctx.model().table[n];
  SetSlots<kEntries>(box.InLink, FormulaEntrySlots(ScanFormulaPlaceholders(answer.formula)));
  box.Params = ComputeFunctionParams(n, answer);
  ShowBoxIcon(ctx, n, box.Kind);
}

void mnuSpecMatlab_Click(CommandContext& ctx) {
  const int n = BeginInsert(ctx);
  if (n == 0) return;
  BoxRecord& typed = ctx.model().table[n];
  TypeBox(typed, "Matlab Command", kNoSlots, kNoSlots);
  // The icon shows while the dialog is open.
  ShowBoxIcon(ctx, n, typed.Kind);
  const MatlabCommandAnswer answer = ctx.questions().askMatlabCommand();
  BoxRecord& box = ctx.model().table[n];
  SetSlots<kEntries>(box.InLink, MatlabCommandEntrySlots(answer));
  SetSlots<kExits>(box.OutLink, MatlabCommandExitSlots(answer));
  box.Params = MatlabCommandParams(answer.command);
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
