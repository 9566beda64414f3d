#include "model/documents.h"

namespace quorvin {

int16_t DocumentTable::FindFreeDoc() {
  for (int k = 1; k <= upperBound(); ++k) {
    if (docInfo[k].Free) {
      docInfo[k] = DocInfo{};
      docs[k] = Document{};
      return static_cast<int16_t>(k);
    }
  }
  docInfo.emplace_back();
  docs.emplace_back();
  return static_cast<int16_t>(upperBound());
}

std::vector<int> DocumentTable::openDocuments() const {
  std::vector<int> open;
  for (int k = 1; k <= upperBound(); ++k)
    if (!docInfo[k].Free) open.push_back(k);
  return open;
}

std::string DocumentTable::caption(int n) const {
  if (hasFile(n)) return docs[n].path;
  return "Untitled:" + std::to_string(n);
}

void DocumentTable::markChanged(int n) {
  if (isOpen(n)) docInfo[n].Changed = true;
}

}  // namespace quorvin
