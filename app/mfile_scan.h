#pragma once
// The walk that finds m-files below the roots of a drive. Below a root it
// enters directories only, never through a symbolic link, and skips every
// directory whose name holds a "." (hidden ones and dotted ones alike); it
// takes names in sorted order, so a catalogue does not depend on the order
// a file system happens to list them. A root's own m-files are not
// catalogued, only those of the directories below it. Standard library and
// POSIX only.

#include <functional>
#include <string>
#include <vector>

#include "app/mfile_catalogue.h"

namespace quorvin {

enum class EntryKind { Directory, RegularFile, Other };

struct ListedEntry {
  std::string name;
  EntryKind kind = EntryKind::Other;  // a symbolic link is Other, whatever it names
};

// Lists the entries of directory dir (without "." and ".."). False when the
// directory could not be listed; entries then hold what was listed before
// the failure, which the walk still uses.
using DirectoryLister = std::function<bool(const std::string& dir, std::vector<ListedEntry>& entries)>;

// The file system's own listing.
bool ListDirectory(const std::string& dir, std::vector<ListedEntry>& entries);

// True for a name that "*.m" matches, ignoring case.
bool IsMFileName(const std::string& name);

// What a scan found: every directory walked, in walk order, and the catalogue.
struct ScanResult {
  std::vector<std::string> scanDirs;
  MFileCatalogue catalogue;
};

// Walks the directories below root depth-first, each directory before its
// subtree, adding to result. A directory that cannot be listed adds nothing
// of its own; directories nested deeper than any real tree end the walk there.
void ScanRoot(const std::string& root, ScanResult& result,
              const DirectoryLister& lister = ListDirectory);

}  // namespace quorvin
