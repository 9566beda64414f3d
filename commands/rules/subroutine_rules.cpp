#include "commands/rules/subroutine_rules.h"

#include "model/box_kinds.h"

namespace quorvin {

std::string SubroutineChoice::name() const { return SubroutineNameOfStartKind(text); }

std::vector<std::string> SubroutineStartKinds(const BoxTable& table) {
  std::vector<std::string> kinds;
  for (int n = 1; n <= table.highestBox(); ++n) {
    const BoxRecord* box = table.box(n);
    if (box != nullptr && IsSubroutineStartKind(box->Kind)) kinds.push_back(box->Kind);
  }
  return kinds;
}

std::optional<std::string> SubroutineNameRefusal(std::string_view name) {
  if (name.find_first_of("~\r\n") != std::string_view::npos) {
    return "A subroutine's name cannot hold \"~\" or a line break.";
  }
  const std::string startKind = SubroutineStartKind(name);
  const std::string quoted = "\"" + std::string(name) + "\"";
  if (IsSubroutineEndKind(startKind)) {
    return "A subroutine cannot be named " + quoted +
           ": its start box would read as the end of a subroutine.";
  }
  if (IsSubroutineCallKind(startKind)) {
    return "A subroutine cannot be named " + quoted +
           ": its start box would read as a call of a subroutine.";
  }
  return std::nullopt;
}

WidgetTexts WidgetTextsOf(const SubroutineChoice& choice) {
  return {{"available_subs", choice.text}};
}

SubroutineChoice SubroutineChoiceOf(const WidgetTexts& texts) {
  SubroutineChoice c;
  ReadWidgetText(texts, "available_subs", c.text);
  return c;
}

}  // namespace quorvin
