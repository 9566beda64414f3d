#pragma once
// The insert commands whose boxes are made from a larger dialog's answer:
// "Plot Output" (frmPlot), "Compute Function" (frmFunc) and "Matlab Command"
// (frmMatlabFunction); which entries and exits these boxes keep depends on
// the answer.

#include <span>

#include "commands/insert_sequence.h"

namespace quorvin {

void mnuOutputPlot_Click(CommandContext& ctx);
void mnuOperatorsFunc_Click(CommandContext& ctx);
void mnuSpecMatlab_Click(CommandContext& ctx);

std::span<const NamedCommand> DialogAnswerCommands();

}  // namespace quorvin
