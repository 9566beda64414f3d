#include "app/current_toolbox.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace quorvin {

std::string CurrentToolboxCaption(const std::string& title) { return kCurrentToolboxPrefix + title; }

std::string ToolboxTitleOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  std::string title = slash == std::string::npos ? path : path.substr(slash + 1);
  std::transform(title.begin(), title.end(), title.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return title;
}

bool ChooseCurrentToolbox(Dialogs& dialogs, Preferences& prefs, const ToolboxChoiceHooks& hooks) {
  const std::optional<std::string> path = dialogs.saveFileAs(kToolboxFilter, "");
  if (!path) return false;
  // A path ending in "/" names no file: nothing to choose.
  const std::string title = ToolboxTitleOf(*path);
  if (title.empty()) return false;
  prefs.txtToolbox = title;
  if (hooks.setCaptions) hooks.setCaptions(CurrentToolboxCaption(title));
  if (hooks.reloadPalette) hooks.reloadPalette();
  return true;
}

}  // namespace quorvin
