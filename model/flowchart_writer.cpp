// Writing the flowchart file, and the Save / Save As commands.
#include <algorithm>
#include <map>
#include <unordered_map>
#include <vector>

#include "model/box_references.h"
#include "model/flowchart_file.h"
#include "model/line_end.h"
#include "model/link_pairing.h"
#include "model/model.h"
#include "model/safe_file.h"

namespace quorvin {

namespace {

// File numbers in order of first mention.
class Renumbering {
 public:
  int Renumber(int v) {
    if (v <= 0) return v;
    const auto [it, added] = fileNumbers_.try_emplace(v, static_cast<int>(boxes_.size()) + 1);
    if (added) boxes_.push_back(v);
    return it->second;
  }
  int boxAt(int fileNumber) const { return boxes_.at(static_cast<std::size_t>(fileNumber - 1)); }
  // The file number of box v, or 0 when the file does not hold it.
  int numberOf(int v) const {
    const auto it = fileNumbers_.find(v);
    return it == fileNumbers_.end() ? 0 : it->second;
  }

 private:
  std::vector<int> boxes_;                    // file number k -> box number boxes_[k-1]
  std::unordered_map<int, int> fileNumbers_;  // box number -> file number
};

}  // namespace

std::string EncodeParams(std::string_view params) {
  // Every line break (CR LF, or a lone CR or LF) becomes ";;", so a record
  // always stays on its own line.
  std::string out;
  out.reserve(params.size());
  for (std::size_t i = 0; i < params.size(); ++i) {
    const char c = params[i];
    if (c == '\r') {
      out += ";;";
      if (i + 1 < params.size() && params[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += ";;";
    } else {
      out += c;
    }
  }
  return out;
}

std::string FormatFlowchart(const BoxTable& t, int doc) {
  Renumbering numbers;
  // A link to a box of another document (or to none, or to the box waiting
  // to be placed) has no file number in this file, and one that the box it
  // names does not store too would make a file the reader refuses: each is
  // written as a free slot.
  auto link = [&](int i, bool entry, int j) {
    const int v = entry ? t[i].InLink[j] : t[i].OutLink[j];
    if (v <= 0) return v;
    const BoxRecord* other = t.linked(i, v);
    if (other == nullptr || !PairingOf(t[i], i, entry, j, *other).storedOnBoth()) return 0;
    return numbers.Renumber(v);
  };
  std::map<int, std::string> records;  // box number -> its link and position lines
  for (const int i : t.placedBoxes(doc)) {
    const BoxRecord& r = t[i];
    numbers.Renumber(i);
    std::string links;
    for (int j = 1; j <= kEntries; ++j) links += std::to_string(link(i, true, j)) + "~";
    for (int j = 1; j <= kExits; ++j)
      links += std::to_string(link(i, false, j)) + "~" + std::to_string(r.OutColor[j]) + "~";
    links.pop_back();
    std::string rec = links + std::string(kCrLf);
    rec += std::to_string(r.Y) + "~" + std::to_string(r.X) + "~" + std::string(kCrLf);
    records.emplace(i, std::move(rec));
  }
  // A parameter text names the file's boxes by their file numbers, which
  // are all known only now; a name of any other box stays as it is.
  const auto fileName = [&numbers](int n) {
    const int k = numbers.numberOf(n);
    return k > 0 ? k : n;
  };
  std::string text = std::to_string(records.size()) + std::string(kCrLf);
  for (std::size_t k = 1; k <= records.size(); ++k) {
    const int i = numbers.boxAt(static_cast<int>(k));
    text += t[i].Kind + "~" + EncodeParams(RenumberBoxReferences(t[i].Params, fileName)) +
            std::string(kCrLf) + records.at(i);
  }
  return text + std::string(kCrLf);
}

bool SaveDocument(Model& m, int doc, SaveMode saveMode) {
  DocumentTable& docs = m.documents;
  if (!docs.isOpen(doc)) return false;
  Document& d = docs.docs[doc];
  std::string path = d.path;
  if (saveMode == SaveMode::SaveAs || path.empty()) {
    const std::optional<std::string> chosen =
        m.dialogs.saveFileAs(kFlowchartFilter, path.empty() ? d.lastSaveName : path);
    if (!chosen || chosen->empty()) return false;
    path = *chosen;
    d.lastSaveName = path;
  }
  std::string reason;
  bool written = false;
  try {
    written = WriteFileSafely(path, FormatFlowchart(m.table, doc), &reason);
  } catch (const std::exception& e) {  // no memory for the text
    reason = FailureReason(e);
  }
  if (!written) {
    m.dialogs.messageBox("The file could not be saved:\r\n" + path + "\r\n" + reason +
                             ".\r\nThe flowchart was not changed on disk.",
                         style::kExclamation, kAppTitle);
    return false;
  }
  m.recentFiles.AddRecentFile(path);
  d.path = path;
  m.views.captionChanged(doc, docs.caption(doc));
  docs.docInfo[doc].Changed = false;
  return true;
}

}  // namespace quorvin
