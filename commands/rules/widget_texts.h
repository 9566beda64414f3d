#pragma once
// A closed dialog's answer as its widgets hold it, by widget name: the texts
// of text boxes and "1" or "0" for a check box. Indexed widgets are named
// with their index, as "chkInputs(2)". This is how a command that asks
// through a form name reads the answer.

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace quorvin {

using WidgetTexts = std::map<std::string, std::string, std::less<>>;

inline std::string CheckText(bool ticked) { return ticked ? "1" : "0"; }

// Reading an answer back from its widget texts: a widget the texts hold
// overwrites the field, one they lack leaves the field as it was (a fresh
// dialog's value). How the dialog closed is not among the texts.
inline void ReadWidgetText(const WidgetTexts& texts, std::string_view widget, std::string& field) {
  if (const auto it = texts.find(widget); it != texts.end()) field = it->second;
}
inline void ReadWidgetCheck(const WidgetTexts& texts, std::string_view widget, bool& field) {
  if (const auto it = texts.find(widget); it != texts.end()) field = it->second == "1";
}

// "name(index)", the name of element index of an indexed widget.
inline std::string IndexedName(const std::string& name, int index) {
  return name + "(" + std::to_string(index) + ")";
}

}  // namespace quorvin
