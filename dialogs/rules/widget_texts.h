#pragma once
// A closed dialog's answer as its widgets hold it, by widget name: the texts
// of text boxes and "1" or "0" for a check box. Indexed widgets are named
// with their index, as "chkInputs(2)". This is how a command that asks
// through a form name reads the answer.

#include <functional>
#include <map>
#include <string>

namespace quorvin {

using WidgetTexts = std::map<std::string, std::string, std::less<>>;

inline std::string CheckText(bool ticked) { return ticked ? "1" : "0"; }

// "name(index)", the name of element index of an indexed widget.
inline std::string IndexedName(const std::string& name, int index) {
  return name + "(" + std::to_string(index) + ")";
}

}  // namespace quorvin
