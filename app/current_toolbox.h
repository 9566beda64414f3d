#pragma once
// Choosing the current toolbox (Options > Current Toolbox on the frame and on
// every document): a toolbox file is named by its lower-cased title alone,
// in the menu captions and in the live preference txtToolbox; the palette
// then reads the file of that title from the program directory.

#include <functional>
#include <string>

#include "model/host.h"
#include "model/preferences.h"

namespace quorvin {

// The menu caption before the title (17 characters, the blank included).
inline const std::string kCurrentToolboxPrefix = "Current Toolbox: ";
inline const std::string kToolboxFilter =
    "Quorvin Toolbox Files (*.tlb)|*.tlb|All Files (*.*)|*.*";

// "Current Toolbox: " followed by title.
std::string CurrentToolboxCaption(const std::string& title);

// The title of a chosen path: its last component, in lower case.
std::string ToolboxTitleOf(const std::string& path);

// What choosing a toolbox changes besides the preference; the frame wires
// these to its menu, the documents' menus and the palette.
struct ToolboxChoiceHooks {
  // txtToolbox holds the new title: every Options menu shows it.
  std::function<void()> toolboxChanged;
  // The palette's reload sequence; it is shown again when Show Toolbox is on.
  std::function<void()> reloadPalette;
};

// Asks for a toolbox file in a Save As dialog with the toolbox filter, which
// offers the current toolbox's file in the program directory appDir (where
// the palette reads it); a cancel changes nothing. Otherwise the lower-cased
// title becomes txtToolbox, the menus are told, and the palette is reloaded.
// Choosing "default.tlb" in any case selects the built-in toolbox. True when
// a toolbox was chosen.
bool ChooseCurrentToolbox(Dialogs& dialogs, Preferences& prefs, const std::string& appDir,
                          const ToolboxChoiceHooks& hooks);

}  // namespace quorvin
