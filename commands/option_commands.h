#pragma once
// The insert commands whose variant the user picks in an option dialog, one
// family a dialog. A family's table has a row per option: the caption the
// dialog shows with the kind, parameters and entries the variant stores,
// so the dialog and the command are built from the same rows. The few
// families that read more of the dialog have a hook.

#include <span>
#include <string>
#include <string_view>

#include "commands/command_context.h"
#include "model/slot_set.h"

namespace quorvin {

struct OptionRow {
  std::string_view caption;  // the option button's caption
  std::string_view kind;     // "" keeps the command's preset kind
  std::string_view params;   // "" leaves Params empty (unless the hook writes it)
  SlotSet entries;           // the entries the variant has; exits are all kept
};

// A text box beside the options, with its label.
struct ExtraWidget {
  std::string_view name;     // txtOrder, txtCond, txtConst, txtRows, txtCols, diag
  std::string_view label;    // "" for a box that stands beside an option
  std::string_view initial;  // its text when the dialog opens
  int besideOption = -1;     // the option it stands beside, or -1
};

// The dialog of a family around its options.
struct OptionForm {
  std::string_view form;    // frmBessel, ...
  std::string_view title;
  std::string_view prompt;  // the caption of the options' frame; "" for none
  std::span<const ExtraWidget> extras = {};
  std::string_view extrasFrame = {};  // a frame around the extras ("Matrix size"), or ""
  int firstIndex = 0;                 // the index of the first option (1 on frmLogic)
  std::string_view optionArray = "opn";  // the option buttons' name
  int columns = 1;                       // options per row (2 on frmLogic)
};

// Reads what else the dialog holds into the box's type after the row (or no
// row, row == nullptr) was applied; position is the row's place in rows.
using OptionHook = void (*)(BoxType& box, const OptionRow* row, int position,
                            const OptionAnswer& answer);

// Which text of the finished box names its icon.
enum class IconRule {
  Kind,          // the kind
  Params,        // the operator of a logic box
  MatrixWord,    // "Diag" when Params begins so, else Params
};

struct OptionCommand {
  std::string_view handler;     // mnuSpecialBessel_Click, ...
  OptionForm dialog;
  std::string_view presetKind;  // written before the dialog, "" for none
  SlotSet before;               // the entries the box has while the dialog shows
  std::span<const OptionRow> rows;  // the options by index, from dialog.firstIndex
  OptionHook hook = nullptr;
  IconRule icon = IconRule::Kind;
};

// The 23 option commands, one per option dialog.
std::span<const OptionCommand> OptionCommands();
const OptionCommand* FindOptionCommand(std::string_view handler);
// The command whose dialog is named form (frmBessel, ...), or nullptr.
const OptionCommand* FindOptionDialog(std::string_view form);

// What the dialog of command answers as it opens: its first option and the
// initial texts of its extra boxes.
OptionAnswer InitialOptionAnswer(const OptionCommand& command);

// The row of option index (counted from the dialog's first index), or
// nullptr for an index the dialog does not have.
const OptionRow* OptionRowAt(const OptionCommand& command, int index);

// The icon key of a box an option command finished.
std::string OptionIconKey(const OptionCommand& command, const BoxType& box);

void RunOptionCommand(CommandContext& ctx, const OptionCommand& command);

}  // namespace quorvin
