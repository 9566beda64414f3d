#include "app/function_browser_rules.h"

#include <cctype>
#include <numeric>

#include "app/pattern_occurrence.h"
#include "model/ascii_case.h"
#include "model/utf8_text.h"

namespace quorvin {

std::string CategoryText(const std::string& name) {
  std::string text = LowerCased(name);
  if (!text.empty()) text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  return text;
}

std::vector<Category> CategoryList(const MFileCatalogue& catalogue) {
  // All directories at once: one by one, each against every file, half a
  // million of each took minutes.
  std::vector<std::string_view> dirs;
  dirs.reserve(catalogue.mFileDirs.size());
  for (const MFileDir& dir : catalogue.mFileDirs) dirs.push_back(dir.Dir);
  const std::vector<bool> held = PatternsOccurring(dirs, catalogue.mFiles);
  std::vector<Category> list;
  for (std::size_t i = 0; i < catalogue.mFileDirs.size(); ++i) {
    const MFileDir& dir = catalogue.mFileDirs[i];
    // A directory without a path (a damaged catalogue line) holds nothing,
    // although the empty text lies in every path.
    if (!dir.Name.empty() && !dir.Dir.empty() && held[i]) list.push_back({CategoryText(dir.Name), i});
  }
  list.push_back({kAllMFilesCategory, Category::kAllMFiles});
  return list;
}

std::vector<std::size_t> FilesOfCategory(const MFileCatalogue& catalogue, const Category& chosen) {
  std::vector<std::size_t> files;
  if (chosen.dir == Category::kAllMFiles) {
    files.resize(catalogue.mFiles.size());
    std::iota(files.begin(), files.end(), std::size_t{0});
    return files;
  }
  if (chosen.dir >= catalogue.mFileDirs.size()) return {};
  const std::string& dir = catalogue.mFileDirs[chosen.dir].Dir;
  if (dir.empty()) return {};
  for (std::size_t i = 0; i < catalogue.mFiles.size(); ++i)
    if (catalogue.mFiles[i].find(dir) != std::string::npos) files.push_back(i);
  return files;
}

std::string FunctionNameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  std::string name = path.substr(slash + 1);
  if (name.size() >= 2 && LowerCased(name.substr(name.size() - 2)) == ".m") name.resize(name.size() - 2);
  return name;
}

std::optional<std::string> HandOver(BrowserCaller caller, const std::string& chosenPath) {
  // What the list showed: a name that is no UTF-8 is no text to hand on.
  const std::string name = ReadableText(FunctionNameOf(chosenPath));
  if (name.empty()) return std::nullopt;
  return caller == BrowserCaller::Formula ? LowerCased(name) : name;
}

}  // namespace quorvin
