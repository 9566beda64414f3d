#pragma once
// The insert commands whose variant the user picks in an option dialog: one
// table row per option index, giving the kind, the parameters and the
// entries; the few rows that read more of the dialog have a hook.

#include <span>
#include <string_view>

#include "commands/command_context.h"
#include "model/slot_set.h"

namespace quorvin {

struct OptionRow {
  std::string_view kind;    // "" keeps the command's preset kind
  std::string_view params;  // "" leaves Params empty (unless the hook writes it)
  SlotSet entries;          // the entries the variant has; exits are all kept
};

// Reads what else the dialog holds into the box's type after the row (or no
// row, row == nullptr) was applied.
using OptionHook = void (*)(BoxType& box, const OptionRow* row, int index,
                            const FormAnswer& answer);

// Which text of the finished box names its icon.
enum class IconRule {
  Kind,          // the kind
  Params,        // the operator of a logic box
  MatrixWord,    // "Diag" when Params begins so, else Params
};

struct OptionCommand {
  std::string_view handler;     // mnuSpecialBessel_Click, ...
  std::string_view form;        // its dialog, an OptionForm
  std::string_view presetKind;  // written before the dialog, "" for none
  SlotSet before;               // the entries the box has while the dialog shows
  std::span<const OptionRow> rows;  // by option index, from the form's first index
  OptionHook hook = nullptr;
  IconRule icon = IconRule::Kind;
};

// The 23 option commands, one per option dialog.
std::span<const OptionCommand> OptionCommands();
const OptionCommand* FindOptionCommand(std::string_view handler);

// The row whose index text equals index exactly, or nullptr; the position
// of that row in rows goes to position.
const OptionRow* MatchOptionRow(const OptionCommand& command, const std::string& index,
                                int& position);

// The icon key of a box an option command finished.
std::string OptionIconKey(const OptionCommand& command, const BoxType& box);

void RunOptionCommand(CommandContext& ctx, const OptionCommand& command);

}  // namespace quorvin
