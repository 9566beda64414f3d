#pragma once
// What the function browser shows of the m-file catalogue, and the name it
// hands over. A category is a catalogued directory, shown with its first
// letter in upper case and the rest in lower case; a file belongs to a
// category when its path holds the directory's path, so the m-files of its
// subdirectories belong to it too. Standard library only.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/mfile_catalogue.h"
#include "dialogs/browser_caller.h"

namespace quorvin {

inline const std::string kAllMFilesCategory = "zzz All M files zzz";

// "TOOLBOX" and "toolbox" both show "Toolbox".
std::string CategoryText(const std::string& name);

// An entry of the category list: its text and the directory it stands for,
// as an index into the catalogue's mFileDirs (kAllMFiles for the all-files
// entry). Several directories may show the same text ("Private"): each entry
// keeps its own.
struct Category {
  static constexpr std::size_t kAllMFiles = static_cast<std::size_t>(-1);
  std::string text;
  std::size_t dir = kAllMFiles;
  bool operator==(const Category&) const = default;
};

// One entry per directory with a name and at least one m-file, in catalogue
// order, then the all-files entry.
std::vector<Category> CategoryList(const MFileCatalogue& catalogue);

// The m-files of the chosen entry, as positions in catalogue.mFiles in
// their order (a million paths are not copied): every file for the
// all-files entry, else those whose path holds its directory's path; none
// for a directory the catalogue does not hold.
std::vector<std::size_t> FilesOfCategory(const MFileCatalogue& catalogue, const Category& chosen);

// The function a chosen path names: the text after its last "/" without
// ".m"; empty for a text without "/".
std::string FunctionNameOf(const std::string& path);

// What OK hands to the caller for the chosen path: the name as the list
// shows it (UTF-8 also for a name in another encoding), in lower case for
// the formula editor (which appends it), as it is for the MATLAB command
// dialog (which takes it as the command). Nothing when no
// function is chosen, so the caller's text stays as it was.
std::optional<std::string> HandOver(BrowserCaller caller, const std::string& chosenPath);

}  // namespace quorvin
