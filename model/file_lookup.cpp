#include "model/file_lookup.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

namespace quorvin {

namespace {

namespace fs = std::filesystem;

bool IsPlainFile(const fs::path& p, std::error_code& ec) { return fs::is_regular_file(p, ec); }
bool IsEntry(const fs::path& p, std::error_code& ec) {
  return fs::exists(fs::symlink_status(p, ec));
}

// The lookup of FindFileIgnoringCase over the entries for which counts holds.
std::optional<std::string> FindIgnoringCase(const std::string& dir, const std::string& name,
                                            bool (*counts)(const fs::path&, std::error_code&)) {
  if (name.empty() || name.find('/') != std::string::npos) return std::nullopt;
  std::error_code ec;
  const fs::path base = dir.empty() ? fs::path(".") : fs::path(dir);
  if (counts(base / name, ec)) return (base / name).string();
  std::vector<std::string> names;
  fs::directory_iterator it(base, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    std::error_code typeError;
    if (SameIgnoringCase(entry, name) && counts(it->path(), typeError)) names.push_back(entry);
  }
  if (names.empty()) return std::nullopt;
  return (base / *std::min_element(names.begin(), names.end())).string();
}

}  // namespace

std::optional<std::string> FindFileIgnoringCase(const std::string& dir, const std::string& name) {
  return FindIgnoringCase(dir, name, IsPlainFile);
}

std::optional<std::string> FindEntryIgnoringCase(const std::string& dir, const std::string& name) {
  return FindIgnoringCase(dir, name, IsEntry);
}

}  // namespace quorvin
