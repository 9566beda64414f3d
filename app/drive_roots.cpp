#include "app/drive_roots.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace quorvin {

namespace fs = std::filesystem;

std::vector<std::string> InterpreterMFileRoots(const std::string& dir) {
  std::error_code ec;
  const fs::path base(dir);
  if (fs::exists(base / "bin" / "matlab", ec)) {
    if (fs::is_directory(base / "toolbox", ec)) return {(base / "toolbox").string()};
    return {};
  }
  std::vector<std::string> roots;
  const fs::path octave = base / "share" / "octave";
  for (fs::directory_iterator it(octave, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path m = it->path() / "m";
    if (fs::is_directory(m, ec)) roots.push_back(m.string());
  }
  std::sort(roots.begin(), roots.end());
  return roots;
}

std::vector<std::string> RootsOfDrive(char letter, const DriveContext& context) {
  const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
  if (lower == 'c')
    return InterpreterMFileRoots(context.interpreterDir.empty() ? "/usr" : context.interpreterDir);
  if (lower == 'd') {
    if (context.home.empty()) return {};
    return {context.home};
  }
  if (lower >= 'e' && lower <= 'z') {
    const auto volume = static_cast<std::size_t>(lower - 'e');
    if (volume < context.userVolumes.size()) return {context.userVolumes[volume]};
  }
  return {};
}

}  // namespace quorvin
