#include "commands/option_commands.h"

#include "commands/insert_sequence.h"

namespace quorvin {

const OptionRow* MatchOptionRow(const OptionCommand& command, const std::string& index,
                                int& position) {
  const int first = command.dialog.firstIndex;
  for (std::size_t i = 0; i < command.rows.size(); ++i) {
    if (index == std::to_string(first + static_cast<int>(i))) {
      position = static_cast<int>(i);
      return &command.rows[i];
    }
  }
  position = -1;
  return nullptr;
}

std::string OptionIconKey(const OptionCommand& command, const BoxType& box) {
  switch (command.icon) {
    case IconRule::Params:
      return box.params;
    case IconRule::MatrixWord:
      return box.params.starts_with("Diag") ? std::string("Diag") : box.params;
    case IconRule::Kind:
      break;
  }
  return box.kind;
}

void RunOptionCommand(CommandContext& ctx, const OptionCommand& command) {
  const int n = BeginInsert(ctx);
  if (n == 0) return;
  BoxType type{std::string(command.presetKind), "", command.before, kAllExits};
  TypeBox(ctx, n, type);
  const FormAnswer answer = ctx.questions().askForm(command.dialog.form);
  int position = -1;
  const OptionRow* row =
      MatchOptionRow(command, answer.text(command.dialog.indexWidget), position);
  if (row != nullptr) {
    if (!row->kind.empty()) type.kind = row->kind;
    type.params = row->params;
    type.entries = row->entries;
  }
  if (command.hook != nullptr) command.hook(type, row, position, answer);
  // The dialog may have run for a while: a box no longer waiting is left be.
  if (!TypeBox(ctx, n, type)) return;
  ShowBoxIcon(ctx, n, OptionIconKey(command, type));
}

}  // namespace quorvin
