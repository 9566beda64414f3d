#include "commands/option_commands.h"

#include "commands/insert_sequence.h"

namespace quorvin {

OptionAnswer InitialOptionAnswer(const OptionCommand& command) {
  OptionAnswer answer{command.dialog.firstIndex, {}};
  for (const ExtraWidget& e : command.dialog.extras)
    answer.extras[std::string(e.name)] = std::string(e.initial);
  return answer;
}

const OptionRow* OptionRowAt(const OptionCommand& command, int index) {
  const long long position = static_cast<long long>(index) - command.dialog.firstIndex;
  if (position < 0 || position >= static_cast<long long>(command.rows.size())) return nullptr;
  return &command.rows[static_cast<std::size_t>(position)];
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
  const OptionAnswer answer = ctx.questions().askOption(command);
  const OptionRow* row = OptionRowAt(command, answer.index);
  const int position = row != nullptr ? answer.index - command.dialog.firstIndex : -1;
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
