#include "model/document_closing.h"

namespace quorvin {

bool CloseDocument(Model& m, int doc) {
  if (!m.documents.isOpen(doc)) return true;
  if (m.documents.docInfo[doc].Changed) {
    switch (m.dialogs.messageBox(kSaveBeforeClosing, style::kYesNoCancel + style::kExclamation,
                                 kAppTitle)) {
      case Answer::Cancel: return false;
      case Answer::Yes:
        // Closing after a save that wrote nothing would lose the edits.
        if (!SaveDocument(m, doc, SaveMode::Save)) return false;
        break;
      case Answer::No: break;
      default: return false;  // an answer the prompt does not offer changes nothing
    }
  }
  m.editor.deleteDocumentBoxes(doc);
  // Its rubber band goes with it, also when it had no boxes to delete.
  m.views.hideCopyShape(doc);
  m.documents.docInfo[doc].Free = true;
  return true;
}

bool ExitAllDocuments(Model& m, const std::function<bool(int doc)>& closeWindow) {
  const EditMode before = m.editor.holdForExit();
  for (const int doc : m.documents.openDocuments()) {
    if (closeWindow && closeWindow(doc)) continue;
    m.editor.resumeAfterExit(before);
    return false;
  }
  return true;
}

}  // namespace quorvin
