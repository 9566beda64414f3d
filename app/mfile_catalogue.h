#pragma once
// The catalogue of MATLAB m-files the function browser offers: the
// directories that hold m-files (shown as categories) and the m-files
// themselves, kept in memory while the program runs and in the text file
// "mfiles.txt" in the program directory between runs. Standard library only.
//
// The file: "[Directories]", one line "name;directory" per catalogued
// directory, "[Files]", one m-file path a line; every line ends with CR LF
// and paths use "/". Nothing is quoted: a name may hold ";" or "," and is
// read back whole, because a directory line splits at its first ";/" (every
// directory is an absolute path).

#include <optional>
#include <string>
#include <vector>

namespace quorvin {

inline const std::string kCatalogueFileName = "mfiles.txt";

struct MFileDir {
  std::string Name;  // the directory's last path component: its category
  std::string Dir;   // the directory's full path
  bool operator==(const MFileDir&) const = default;
};

struct MFileCatalogue {
  std::vector<MFileDir> mFileDirs;
  std::vector<std::string> mFiles;  // full paths, grouped in the order of mFileDirs
  bool operator==(const MFileCatalogue&) const = default;
};

// The text after the last "/" of path; the whole path when it holds none.
std::string LastPathPart(const std::string& path);

// The bytes of the catalogue file.
std::string CatalogueText(const MFileCatalogue& catalogue);

// Reads catalogue bytes: whole lines (LF or CR LF), empty lines skipped. A
// text without "[Files]" gives its directories and no files.
MFileCatalogue ReadCatalogueText(const std::string& bytes);

// appDir joined with the catalogue's file name.
std::string CataloguePath(const std::string& appDir);

// Writes the catalogue into appDir atomically; false with error on failure.
bool WriteCatalogueFile(const std::string& appDir, const MFileCatalogue& catalogue,
                        std::string* error = nullptr);

// The catalogue in appDir, or nothing when the file cannot be read.
std::optional<MFileCatalogue> ReadCatalogueFile(const std::string& appDir);

}  // namespace quorvin
