#include "app/mfile_scan.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cerrno>

namespace quorvin {

namespace {

// Deeper than any tree a person makes; only a loop of mounts gets here.
constexpr int kMaxDepth = 128;

EntryKind KindOfMode(mode_t mode) {
  if (S_ISDIR(mode)) return EntryKind::Directory;
  if (S_ISREG(mode)) return EntryKind::RegularFile;
  return EntryKind::Other;
}

// A name the catalogue cannot hold on one line, or that the walk must not enter.
bool BreaksALine(const std::string& name) {
  return name.find_first_of("\r\n") != std::string::npos;
}

std::string Joined(const std::string& dir, const std::string& name) {
  return dir.empty() || dir.back() == '/' ? dir + name : dir + "/" + name;
}

void Walk(const std::string& dir, bool isRoot, int depth, ScanResult& result,
          const DirectoryLister& lister) {
  std::vector<ListedEntry> entries;
  lister(dir, entries);  // a failed listing still gives what it listed
  std::sort(entries.begin(), entries.end(),
            [](const ListedEntry& a, const ListedEntry& b) { return a.name < b.name; });
  std::vector<std::string> subdirs;
  bool catalogued = false;
  if (!isRoot) result.scanDirs.push_back(dir);
  for (const ListedEntry& entry : entries) {
    if (BreaksALine(entry.name)) continue;
    if (entry.kind == EntryKind::Directory && entry.name.find('.') == std::string::npos) {
      subdirs.push_back(entry.name);
    } else if (!isRoot && entry.kind == EntryKind::RegularFile && IsMFileName(entry.name)) {
      if (!catalogued) result.catalogue.mFileDirs.push_back({LastPathPart(dir), dir});
      catalogued = true;
      result.catalogue.mFiles.push_back(Joined(dir, entry.name));
    }
  }
  if (depth >= kMaxDepth) return;
  for (const std::string& sub : subdirs) Walk(Joined(dir, sub), false, depth + 1, result, lister);
}

}  // namespace

bool ListDirectory(const std::string& dir, std::vector<ListedEntry>& entries) {
  DIR* stream = ::opendir(dir.c_str());
  if (stream == nullptr) return false;
  const int fd = ::dirfd(stream);
  errno = 0;
  while (const dirent* entry = ::readdir(stream)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    EntryKind kind = EntryKind::Other;
    switch (entry->d_type) {
      case DT_DIR: kind = EntryKind::Directory; break;
      case DT_REG: kind = EntryKind::RegularFile; break;
      case DT_UNKNOWN: {
        // Some file systems do not say; ask without following a link.
        struct stat st {};
        if (::fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0) kind = KindOfMode(st.st_mode);
        break;
      }
      default: break;
    }
    entries.push_back({name, kind});
    errno = 0;
  }
  const bool complete = errno == 0;
  ::closedir(stream);
  return complete;
}

bool IsMFileName(const std::string& name) {
  return name.size() >= 2 && name[name.size() - 2] == '.' &&
         std::tolower(static_cast<unsigned char>(name.back())) == 'm';
}

void ScanRoot(const std::string& root, ScanResult& result, const DirectoryLister& lister) {
  std::string start = root;
  while (start.size() > 1 && start.back() == '/') start.pop_back();
  if (start.empty()) return;
  Walk(start, true, 0, result, lister);
}

}  // namespace quorvin
