#include "commands/value_commands.h"

#include <array>

#include "commands/insert_sequence.h"

namespace quorvin {
namespace {

std::string PauseParams(CommandQuestions& q, int) {
  const PauseAnswer a = q.askPause();
  return a.waitForUser ? std::string() : a.seconds;
}

std::string PromptParams(CommandQuestions& q, int) { return q.askPrompt(); }

std::string VectorParams(CommandQuestions& q, int) {
  const VectorAnswer a = q.askVector();
  return "[" + a.min + ":" + a.step + ":" + a.max + "];";
}

std::string SplitAnswerParams(CommandQuestions& q, int) {
  const SplitAnswer a = q.askSplit();
  return SplitParams(a.rows, a.from, a.to);
}

std::string CommentParams(CommandQuestions& q, int) { return q.askComment(); }

std::string PickupParams(CommandQuestions& q, int box) {
  return q.inputBox(std::string(kPickupPrompt), kAppTitle, "box" + std::to_string(box));
}

constexpr SlotSet E1{1};

constexpr std::array<ValueCommand, 6> kValueCommands{{
    {"mnuInputPause_Click", "Pause", E1, kAllExits, PauseParams},
    {"mnuInputUser_Click", "User Input", E1, kAllExits, PromptParams},
    {"mnuMatMakeVec_Click", "Vector Make Input", kNoSlots, kAllExits, VectorParams},
    {"mnuMatSplit_Click", "Split", E1, kAllExits, SplitAnswerParams},
    {"mnuSpecComment_Click", "Comment", kNoSlots, kNoSlots, CommentParams},
    {"mnuSpecPickup_Click", "Pickup", kNoSlots, kAllExits, PickupParams},
}};

struct Operator {
  std::string_view kind;
  SlotSet entries;
};
// By ArithmeticOperator.
constexpr std::array<Operator, 5> kOperators{{
    {"+", {1, 2, 3}},
    {"-", {1, 2, 3}},
    {"*", {1, 2, 3}},
    {"/", {1, 2}},
    {"^", {1, 2}},
}};

}  // namespace

std::span<const ValueCommand> ValueCommands() { return kValueCommands; }

void RunValueCommand(CommandContext& ctx, const ValueCommand& command) {
  const int n = BeginInsert(ctx);
  if (n == 0) return;
  BoxType type{std::string(command.kind), "", command.entries, command.exits};
  TypeBox(ctx, n, type);
  ShowBoxIcon(ctx, n, type.kind);
  type.params = command.params(ctx.questions(), n);
  TypeBox(ctx, n, type);
}

std::string SplitParams(bool rows, const std::string& from, const std::string& to) {
  std::string text = rows ? "Row" : "Col";
  text += from.empty() ? std::string("1:") : from + ":";
  text += (to.empty() || to == "____") ? std::string("1") : to;
  std::string kept;
  for (char c : text)
    if (c != '_') kept += c;
  return kept;
}

void RunArithmeticCommand(CommandContext& ctx) {
  const int n = BeginInsert(ctx);
  if (n == 0) return;
  BoxType type{"", "", kAllEntries, kAllExits};
  TypeBox(ctx, n, type);
  const ArithmeticAnswer answer = ctx.questions().askArithmetic();
  const auto op = static_cast<std::size_t>(answer.op);
  if (op < kOperators.size()) {
    type.kind = kOperators[op].kind;
    type.entries = kOperators[op].entries;
  }
  type.params = answer.elementwise ? "." : "";
  if (!TypeBox(ctx, n, type)) return;
  ShowBoxIcon(ctx, n, type.kind);
}

}  // namespace quorvin
