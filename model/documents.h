#pragma once
// The table of open documents: numbering, reuse of closed slots, and what the
// model keeps of each document (its file, its arrow colour).

#include <cstdint>
#include <string>
#include <vector>

namespace quorvin {

struct DocInfo {
  bool Changed = false;  // true after an edit, false after saving or when claimed
  bool Free = false;     // false while the slot holds an open document, true once closed
  bool operator==(const DocInfo&) const = default;
};

// What the model keeps of a document window besides DocInfo.
struct Document {
  std::string path;            // the file it was saved to or loaded from; "" when untitled
  std::string lastSaveName;    // what the window's Save As dialog remembers
  int32_t arrowColor = 0;      // current arrow colour (pnlArrow), 0x00BBGGRR
  bool operator==(const Document&) const = default;
};

class DocumentTable {
 public:
  DocumentTable() : docInfo(1), docs(1) {}

  // Claims the lowest closed slot, or grows the table by one.
  int16_t FindFreeDoc();
  bool isOpen(int n) const {
    return n >= 1 && n < static_cast<int>(docInfo.size()) && !docInfo[n].Free;
  }
  std::vector<int> openDocuments() const;
  int upperBound() const { return static_cast<int>(docInfo.size()) - 1; }
  // "Untitled:" n until the document has a file, then the file's path.
  std::string caption(int n) const;
  bool hasFile(int n) const { return isOpen(n) && !docs[n].path.empty(); }
  // Marks a document changed; numbers that name no open document are ignored.
  void markChanged(int n);

  // Element 0 of both is never used.
  std::vector<DocInfo> docInfo;
  std::vector<Document> docs;
};

}  // namespace quorvin
