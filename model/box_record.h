#pragma once
// One box of a flowchart, and the link codes its entries and exits hold.

#include <array>
#include <cstdint>
#include <string>

namespace quorvin {

// Link slot codes, the same in InLink and OutLink: a positive value names the
// linked box, 0 is a free slot, -1 a slot the box's kind does not have.
constexpr int16_t kFreeSlot = 0;
constexpr int16_t kAbsentSlot = -1;

constexpr int kEntries = 3;  // InLink 1..3
constexpr int kExits = 5;    // OutLink / OutColor 1..5

struct BoxRecord {
  std::string Kind;    // exact, case-sensitive kind text; "" in a fresh record
  std::string Params;  // fields separated by ";", may hold CR LF
  int16_t Doc = 0;     // owning document number
  // Indexed 1..kEntries / 1..kExits like the file format and the menus;
  // element 0 is never used.
  std::array<int16_t, kEntries + 1> InLink{};
  std::array<int16_t, kExits + 1> OutLink{};
  std::array<int32_t, kExits + 1> OutColor{};  // Windows colour 0x00BBGGRR
  int32_t X = 0;  // canvas position of the top-left corner, in twips
  int32_t Y = 0;

  bool operator==(const BoxRecord&) const = default;
};

}  // namespace quorvin
