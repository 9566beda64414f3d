#pragma once
// Which entries and exits a box kind has, as a set of slot numbers; every
// slot outside the set is marked absent (-1).

#include <cstdint>
#include <initializer_list>

#include "model/box_record.h"

namespace quorvin {

class SlotSet {
 public:
  constexpr SlotSet() = default;
  constexpr SlotSet(std::initializer_list<int> slots) {
    for (int s : slots) bits_ = static_cast<uint8_t>(bits_ | (1u << s));
  }
  // Slots 1 to count.
  static constexpr SlotSet FirstN(int count) {
    SlotSet s;
    for (int k = 1; k <= count; ++k) s.bits_ = static_cast<uint8_t>(s.bits_ | (1u << k));
    return s;
  }
  constexpr bool has(int slot) const { return (bits_ >> slot) & 1u; }
  constexpr bool operator==(const SlotSet&) const = default;

 private:
  uint8_t bits_ = 0;
};

inline constexpr SlotSet kAllEntries = SlotSet::FirstN(kEntries);
inline constexpr SlotSet kAllExits = SlotSet::FirstN(kExits);
inline constexpr SlotSet kNoSlots{};

// Every entry of box outside entries becomes -1, every one inside free (0).
inline void SetEntries(BoxRecord& box, SlotSet entries) {
  for (int k = 1; k <= kEntries; ++k) box.InLink[k] = entries.has(k) ? kFreeSlot : kAbsentSlot;
}
inline void SetExits(BoxRecord& box, SlotSet exits) {
  for (int k = 1; k <= kExits; ++k) box.OutLink[k] = exits.has(k) ? kFreeSlot : kAbsentSlot;
}

}  // namespace quorvin
