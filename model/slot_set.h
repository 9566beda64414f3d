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
  constexpr SlotSet(std::initializer_list<int> numbers) {
    for (int s : numbers) bits_ = static_cast<uint8_t>(bits_ | (1u << s));
  }
  // Slots 1 to count.
  static constexpr SlotSet FirstN(int count) {
    SlotSet s;
    for (int k = 1; k <= count; ++k) s.bits_ = static_cast<uint8_t>(s.bits_ | (1u << k));
    return s;
  }
  constexpr bool has(int slot) const { return (bits_ >> slot) & 1u; }
  // This set and slot.
  constexpr SlotSet with(int slot) const {
    SlotSet s = *this;
    s.bits_ = static_cast<uint8_t>(s.bits_ | (1u << slot));
    return s;
  }
  constexpr bool operator==(const SlotSet&) const = default;

 private:
  uint8_t bits_ = 0;
};

inline constexpr SlotSet kAllEntries = SlotSet::FirstN(kEntries);
inline constexpr SlotSet kAllExits = SlotSet::FirstN(kExits);
inline constexpr SlotSet kNoSlots{};

}  // namespace quorvin
