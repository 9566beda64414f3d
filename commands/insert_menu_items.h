#pragma once
// Where the insert commands stand in a document's Functions menu: the
// submenus and items with their captions and object names.

#include <span>
#include <string_view>

namespace quorvin {

struct MenuPlace {
  std::string_view object;   // mnuInput, ...
  std::string_view caption;  // "&Inputs", ...
};

struct InsertMenuItem {
  std::span<const MenuPlace> path;  // submenus below Functions, outermost first
  std::string_view object;          // mnuTrigCos
  std::string_view caption;         // "&Cos"
  std::string_view handler;         // mnuTrigCos_Click
};

// The items in menu order.
std::span<const InsertMenuItem> InsertMenuItems();

}  // namespace quorvin
