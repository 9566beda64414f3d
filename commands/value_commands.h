#pragma once
// The insert commands whose parameters are typed into a small dialog or the
// input box (pause, prompt, vector, split, comment, pick-up), and the
// arithmetic operator, whose kind is the operator chosen in frmBasic.

#include <span>
#include <string>
#include <string_view>

#include "commands/command_context.h"
#include "model/slot_set.h"

namespace quorvin {

struct ValueCommand {
  std::string_view handler;
  std::string_view kind;  // also the icon key
  SlotSet entries;
  SlotSet exits;
  // Asks for the answers and builds Params; box is the new box's number.
  std::string (*params)(CommandQuestions& questions, int box);
};

std::span<const ValueCommand> ValueCommands();
void RunValueCommand(CommandContext& ctx, const ValueCommand& command);

// The Split rule: "Row" or "Col", the first index (or "1") and ":", the
// last index (or "1" when empty or "____"), every "_" removed.
std::string SplitParams(bool rows, const std::string& from, const std::string& to);

// mnuOperatorsArith_Click: the operator chosen in frmBasic is the kind.
void RunArithmeticCommand(CommandContext& ctx);

inline constexpr std::string_view kPickupPrompt = "Please enter the variable to pick up";

}  // namespace quorvin
