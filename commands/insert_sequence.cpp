#include "commands/insert_sequence.h"

namespace quorvin {

int BeginInsert(CommandContext& ctx) {
  Model& m = ctx.model();
  if (!NewBox(m, ctx.document())) return 0;
  // NewBox hands out the box waiting to be placed, fresh or re-typed; it has
  // cleared the kind, parameters and slots of a re-typed one.
  const int n = m.table.highestBox();
  return m.table.exists(n) ? n : 0;
}

void TypeBox(BoxRecord& box, std::string_view kind, SlotSet entries, SlotSet exits) {
  box.Kind = kind;
  box.Params.clear();
  SetEntries(box, entries);
  SetExits(box, exits);
}

void ShowBoxIcon(CommandContext& ctx, int box, const std::string& key) {
  const BoxRecord* r = ctx.model().table.box(box);
  if (r == nullptr) return;
  ctx.setBoxIcon(r->Doc, box, key);
}

}  // namespace quorvin
