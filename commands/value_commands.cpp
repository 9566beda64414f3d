#include "commands/value_commands.h"

#include <array>

#include "commands/insert_sequence.h"

namespace quorvin {
namespace {

std::string PauseParams(CommandQuestions& q, int) {
  const FormAnswer a = q.askForm("frmPause");
  return a.checked("chkNoNumber") ? std::string() : a.text("lblSecs");
}

std::string PromptParams(CommandQuestions& q, int) {
  return q.askForm("frmUserInput").text("txtPrompt");
}

std::string VectorParams(CommandQuestions& q, int) {
  const FormAnswer a = q.askForm("frmMakeVector");
  return "[" + a.text("txtMin") + ":" + a.text("txtStep") + ":" + a.text("txtMax") + "];";
}

std::string SplitAnswer(CommandQuestions& q, int) {
  const FormAnswer a = q.askForm("frmSplit");
  return SplitParams(a.checked("row"), a.text("txtFrom"), a.text("txtTo"));
}

std::string CommentParams(CommandQuestions& q, int) {
  return q.askForm("frmComment").text("txtComment");
}

std::string PickupParams(CommandQuestions& q, int box) {
  return q.inputBox(std::string(kPickupPrompt), kAppTitle, "box" + std::to_string(box));
}

constexpr SlotSet E1{1};

constexpr std::array<ValueCommand, 6> kValueCommands{{
    {"mnuInputPause_Click", "Pause", E1, kAllExits, PauseParams},
    {"mnuInputUser_Click", "User Input", E1, kAllExits, PromptParams},
    {"mnuMatMakeVec_Click", "Vector Make Input", kNoSlots, kAllExits, VectorParams},
    {"mnuMatSplit_Click", "Split", E1, kAllExits, SplitAnswer},
    {"mnuSpecComment_Click", "Comment", kNoSlots, kNoSlots, CommentParams},
    {"mnuSpecPickup_Click", "Pickup", kNoSlots, kAllExits, PickupParams},
}};

struct Operator {
  std::string_view widget;  // the option button of frmBasic
  std::string_view kind;
  SlotSet entries;
};
constexpr std::array<Operator, 5> kOperators{{
    {"add", "+", {1, 2, 3}},
    {"sub", "-", {1, 2, 3}},
    {"mul", "*", {1, 2, 3}},
    {"div", "/", {1, 2}},
    {"power", "^", {1, 2}},
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
  const FormAnswer answer = ctx.questions().askForm("frmBasic");
  for (const Operator& op : kOperators) {
    if (!answer.checked(op.widget)) continue;
    type.kind = op.kind;
    type.entries = op.entries;
    break;
  }
  type.params = answer.checked("chkElement") ? "." : "";
  if (!TypeBox(ctx, n, type)) return;
  ShowBoxIcon(ctx, n, type.kind);
}

}  // namespace quorvin
