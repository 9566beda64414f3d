#include "canvas/logic/box_copy.h"

namespace quorvin {

namespace {
int16_t Unlinked(int16_t slot) { return slot >= 1 ? kFreeSlot : slot; }
}  // namespace

void CopyUnlinked(const BoxRecord& src, BoxRecord& copy) {
  copy.Kind = src.Kind;
  copy.Params = src.Params;
  for (int i = 1; i <= kEntries; ++i) copy.InLink[i] = Unlinked(src.InLink[i]);
  for (int j = 1; j <= kExits; ++j) copy.OutLink[j] = Unlinked(src.OutLink[j]);
  copy.OutColor = src.OutColor;
}

}  // namespace quorvin
