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

// The slot that names box n for the rank-th time (from 1), or 0.
template <std::size_t N>
int SlotNamingFor(const std::array<int16_t, N>& slots, int n, int rank) {
  for (std::size_t i = 1; i < N; ++i)
    if (slots[i] == n && --rank == 0) return static_cast<int>(i);
  return 0;
}

template <std::size_t N, std::size_t M>
LinkPairing Pairing(const std::array<int16_t, N>& mine, std::size_t slot,
                    const std::array<int16_t, M>& theirs, int ownNumber) {
  LinkPairing p;
  p.rank = SlotsNaming(mine, mine.at(slot), slot);
  p.partners = SlotsNaming(theirs, ownNumber);
  p.partner = SlotNamingFor(theirs, ownNumber, p.rank);
  return p;
}

}  // namespace

LinkPairing PairingOf(const BoxRecord& own, int ownNumber, bool entry, int k,
                      const BoxRecord& other) {
  const auto slot = static_cast<std::size_t>(k);
  return entry ? Pairing(own.InLink, slot, other.OutLink, ownNumber)
               : Pairing(own.OutLink, slot, other.InLink, ownNumber);
}

}  // namespace quorvin
