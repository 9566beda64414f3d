#include "model/link_pairing.h"

#include <array>
#include <cstddef>

namespace quorvin {

namespace {

// How many of slots 1..last name box n.
template <std::size_t N>
int SlotsNaming(const std::array<int16_t, N>& slots, int n, std::size_t last = N - 1) {
  int count = 0;
  for (std::size_t i = 1; i <= last && i < N; ++i)
    if (slots[i] == n) ++count;
  return count;
}

}  // namespace

LinkPairing PairingOf(const BoxRecord& own, int ownNumber, bool entry, int k,
                      const BoxRecord& other) {
  const auto slot = static_cast<std::size_t>(k);
  LinkPairing p;
  if (entry) {
    p.rank = SlotsNaming(own.InLink, own.InLink.at(slot), slot);
    p.partners = SlotsNaming(other.OutLink, ownNumber);
  } else {
    p.rank = SlotsNaming(own.OutLink, own.OutLink.at(slot), slot);
    p.partners = SlotsNaming(other.InLink, ownNumber);
  }
  return p;
}

}  // namespace quorvin
