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
  TypeBox(ctx.model().table[n], command.kind, command.entries, command.exits);
  ShowBoxIcon(ctx, n, std::string(command.kind));
  std::string params = command.params(ctx.questions(), n);
  if (BoxRecord* box = ctx.model().table.box(n)) box->Params = std::move(params);
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
  TypeBox(ctx.model().table[n], "", kAllEntries, kAllExits);
  const FormAnswer answer = ctx.questions().askForm("frmBasic");
  BoxRecord* box = ctx.model().table.box(n);
  if (box == nullptr) return;
  for (const Operator& op : kOperators) {
    if (!answer.checked(op.widget)) continue;
    box->Kind = op.kind;
    SetEntries(*box, op.entries);
    break;
  }
  ShowBoxIcon(ctx, n, box->Kind);
  box->Params = answer.checked("chkElement") ? "." : "";
}

}  // namespace quorvin
