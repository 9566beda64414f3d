#include "app/help_pages.h"

namespace quorvin {

std::optional<std::string> HelpPageOf(HelpCommand command) {
  switch (command) {
    case HelpCommand::Contents: return "contents.html";
    case HelpCommand::Search: return "index.html";
    case HelpCommand::HowToUse: return "using_help.html";
    case HelpCommand::About:
    case HelpCommand::Disclaimer: break;
  }
  return std::nullopt;
}

std::string HelpDirectory(const std::string& dir) {
  if (dir.empty()) return "help";
  return dir.back() == '/' ? dir + "help" : dir + "/help";
}

}  // namespace quorvin
