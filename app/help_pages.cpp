#include "app/help_pages.h"

namespace quorvin {

std::string HelpPageOf(HelpCommand command) {
  switch (command) {
    case HelpCommand::Search: return "index.html";
    case HelpCommand::HowToUse: return "using_help.html";
    case HelpCommand::Contents: break;
  }
  return "contents.html";
}

std::optional<HelpCommand> HelpCommandOfTopic(const std::string& topic) {
  if (topic == "contents" || topic == "mnuHelpContents") return HelpCommand::Contents;
  if (topic == "search" || topic == "mnuHelpSearch") return HelpCommand::Search;
  if (topic == "howto" || topic == "mnuHelpHowTo") return HelpCommand::HowToUse;
  return std::nullopt;
}

std::string HelpDirectory(const std::string& dir) {
  if (dir.empty()) return "help";
  return dir.back() == '/' ? dir + "help" : dir + "/help";
}

}  // namespace quorvin
