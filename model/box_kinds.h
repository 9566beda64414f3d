#pragma once
// The one vocabulary of box kinds, the icon table, and the icon cells.

#include <span>
#include <string>
#include <string_view>

#include "model/box_record.h"

namespace quorvin {

struct KindInfo {
  std::string_view kind;      // exact kind text stored in Kind
  std::string_view menuItem;  // the insert command's menu item
};

// The fixed kinds the insert commands store (the three subroutine kinds are
// built from a user's name and are not listed).
std::span<const KindInfo> BoxKinds();

struct IconCell {
  int number = 104;  // 1-based, row-major on the sheet
  int x = 0;         // pixels, ((number - 1) mod 15) * 32
  int y = 0;         // pixels, Int((number - 1) / 15) * 32
};

constexpr int kIconSize = 32;
constexpr int kIconsPerRow = 15;

IconCell SelectBoxIcon(const std::string& key);
std::string BoxIconKey(const BoxRecord& box);

}  // namespace quorvin
