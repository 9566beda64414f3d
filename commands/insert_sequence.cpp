#include "commands/insert_sequence.h"

namespace quorvin {

int BeginInsert(CommandContext& ctx) {
  BoxEditor& editor = ctx.model().editor;
  // newBox hands out the box waiting to be placed, fresh or re-typed; it has
  // cleared the kind, parameters and slots of a re-typed one.
  if (!editor.newBox(ctx.document())) return 0;
  return editor.pendingBox();
}

bool TypeBox(CommandContext& ctx, int n, const BoxType& type) {
  return ctx.model().editor.typePendingBox(n, type);
}

void ShowBoxIcon(CommandContext& ctx, int box, const std::string& key) {
  const BoxRecord* r = ctx.model().table.box(box);
  if (r == nullptr) return;
  ctx.setBoxIcon(r->Doc, box, key);
}

}  // namespace quorvin
