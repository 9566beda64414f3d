#include "model/file_lookup.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace quorvin {

std::optional<std::string> FindFileIgnoringCase(const std::string& dir, const std::string& name) {
  namespace fs = std::filesystem;
  if (name.empty() || name.find('/') != std::string::npos) return std::nullopt;
  std::error_code ec;
  const fs::path base = dir.empty() ? fs::path(".") : fs::path(dir);
  if (fs::is_regular_file(base / name, ec)) return (base / name).string();
  std::vector<std::string> names;
  fs::directory_iterator it(base, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    std::error_code typeError;
    if (SameIgnoringCase(entry, name) && fs::is_regular_file(it->path(), typeError))
      names.push_back(entry);
  }
  if (names.empty()) return std::nullopt;
  return (base / *std::min_element(names.begin(), names.end())).string();
}

}  // namespace quorvin
