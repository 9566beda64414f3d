#pragma once
// Where the program's own help lives: HTML pages in the folder "help" beside
// the executable, copied there by the build (they ship with the program,
// wherever its settings file is). Standard library only.

#include <optional>
#include <string>

namespace quorvin {

enum class HelpCommand { Contents, Search, HowToUse };

// The page a Help menu command opens: the contents, the keyword index, or
// the page on using the viewer.
std::string HelpPageOf(HelpCommand command);

// The Help menu command a topic names, as a document window asks its frame:
// "contents", "search" or "howto", or the menu item's name ("mnuHelpContents",
// "mnuHelpSearch", "mnuHelpHowTo"); nothing for any other text.
std::optional<HelpCommand> HelpCommandOfTopic(const std::string& topic);

// The help folder of directory dir, the executable's.
std::string HelpDirectory(const std::string& dir);

}  // namespace quorvin
