#pragma once
// Where the program's own help lives: HTML pages in the folder "help" beside
// the executable, copied there by the build (they ship with the program,
// wherever its settings file is). Standard library only.

#include <optional>
#include <string>

#include "canvas/menu_choices.h"

namespace quorvin {

// The page a Help menu command opens: the contents, the keyword index, or
// the page on using the viewer; nothing for About and Disclaimer, which are
// windows of their own.
std::optional<std::string> HelpPageOf(HelpCommand command);

// The help folder of directory dir, the executable's.
std::string HelpDirectory(const std::string& dir);

}  // namespace quorvin
