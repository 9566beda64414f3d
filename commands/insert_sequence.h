#pragma once
// The steps every insert command shares: get the box waiting to be placed,
// and give its button an icon.

#include <string>
#include <string_view>

#include "commands/command_context.h"

namespace quorvin {

// A new box on the command's document. The number of the box the command
// now fills (new, or the one already waiting, which it re-types), or 0 when
// the box table refused a box: the command then ends, asking and writing
// nothing.
int BeginInsert(CommandContext& ctx);

// Box n, the box the command fills, takes type: every field of it is
// written, so a re-typed box keeps nothing of its earlier kind. False when
// n no longer waits (BoxEditor::typePendingBox).
bool TypeBox(CommandContext& ctx, int n, const BoxType& type);

// The icon of key on box's button, on the document the box belongs to.
void ShowBoxIcon(CommandContext& ctx, int box, const std::string& key);

// An insert command with code of its own, by the handler name that runs it.
struct NamedCommand {
  std::string_view handler;
  void (*run)(CommandContext&);
};

}  // namespace quorvin
