#include "app/mfile_catalogue.h"

#include "model/text_lines.h"
#include "model/line_end.h"
#include "model/safe_file.h"

namespace quorvin {

namespace {
const std::string kDirectoriesHeader = "[Directories]";
const std::string kFilesHeader = "[Files]";


MFileDir DirectoryLine(const std::string& line) {
  std::size_t split = line.find(";/");
  if (split == std::string::npos) split = line.find(';');
  if (split == std::string::npos) return {line, ""};
  return {line.substr(0, split), line.substr(split + 1)};
}
}  // namespace

std::string LastPathPart(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string CatalogueText(const MFileCatalogue& catalogue) {
  std::string text = kDirectoriesHeader + kCrLf;
  for (const MFileDir& dir : catalogue.mFileDirs) text += dir.Name + ";" + dir.Dir + kCrLf;
  text += kFilesHeader + kCrLf;
  for (const std::string& file : catalogue.mFiles) text += file + kCrLf;
  return text;
}

MFileCatalogue ReadCatalogueText(const std::string& bytes) {
  MFileCatalogue catalogue;
  const std::vector<std::string> lines = WholeLines(bytes);
  bool inFiles = false;
  // The first line is the directories header, whatever it says.
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.empty()) continue;
    if (inFiles)
      catalogue.mFiles.push_back(line);
    else if (line == kFilesHeader)
      inFiles = true;
    else
      catalogue.mFileDirs.push_back(DirectoryLine(line));
  }
  return catalogue;
}

std::string CataloguePath(const std::string& appDir) {
  if (appDir.empty()) return kCatalogueFileName;
  return appDir.back() == '/' ? appDir + kCatalogueFileName : appDir + "/" + kCatalogueFileName;
}

bool WriteCatalogueFile(const std::string& appDir, const MFileCatalogue& catalogue,
                        std::string* error) {
  return WriteFileSafely(CataloguePath(appDir), CatalogueText(catalogue), error);
}

std::optional<MFileCatalogue> ReadCatalogueFile(const std::string& appDir) {
  std::string bytes;
  if (ReadWholeFile(CataloguePath(appDir), bytes) != ReadOutcome::kRead) return std::nullopt;
  return ReadCatalogueText(bytes);
}

}  // namespace quorvin
