#include "app/current_toolbox.h"

#include <optional>

#include "app/toolbox_editing.h"
#include "model/file_lookup.h"

namespace quorvin {

std::string CurrentToolboxCaption(const std::string& title) { return kCurrentToolboxPrefix + title; }

std::string ToolboxTitleOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return LowerCased(slash == std::string::npos ? path : path.substr(slash + 1));
}

bool ChooseCurrentToolbox(Dialogs& dialogs, Preferences& prefs, const std::string& appDir,
                          const ToolboxChoiceHooks& hooks) {
  // A Save As dialog, as the command has always shown, but it only names the
  // toolbox to use: an existing file is chosen, never replaced. Only the
  // title of the file chosen counts, and the palette reads that title from
  // the program directory, so the dialog opens there: opened wherever the
  // last flowchart was, it led a person to a toolbox the palette never finds.
  const std::optional<std::string> path =
      dialogs.nameFile(kToolboxFilter, ToolboxPath(prefs.txtToolbox, appDir));
  if (!path) return false;
  // A path ending in "/" names no file: nothing to choose.
  const std::string title = ToolboxTitleOf(*path);
  if (title.empty()) return false;
  prefs.txtToolbox = title;
  if (hooks.toolboxChanged) hooks.toolboxChanged();
  if (hooks.reloadPalette) hooks.reloadPalette();
  return true;
}

}  // namespace quorvin
