#include "canvas/logic/document_closing.h"

#include "canvas/logic/edit_commands.h"

namespace quorvin {

namespace {

void RemoveDocumentBoxes(Model& m, WindowState& w, int doc) {
  HideCopyShape(w);
  m.selection.clear();
  for (int i = 1; i <= m.table.highestBox(); ++i)
    if (m.table[i].Doc == doc) m.selection.push_back(static_cast<int16_t>(i));
  m.editor.deleteSelection(true);
  m.selection.clear();
}

}  // namespace

bool FormQueryUnload(Model& m, WindowState& w, int doc) {
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
  RemoveDocumentBoxes(m, w, doc);
  m.documents.docInfo[doc].Free = true;
  return true;
}

bool ExitAllDocuments(Model& m, const std::function<bool(int doc)>& closeWindow) {
  const EditMode before = m.editMode;
  // Nothing on a canvas answers while the documents are asked, but a box
  // waiting to be placed keeps its mode: a save on the way leaves it out, and
  // a closing gives it up, as they do at any other time.
  if (before != EditMode::Placing) m.editMode = EditMode::Off;
  for (const int doc : m.documents.openDocuments()) {
    if (closeWindow && closeWindow(doc)) continue;
    // A closing deletes boxes and sets select mode; with none closed yet the
    // mode armed before Exit still fits the boxes and comes back.
    if (m.editMode == EditMode::Off) m.editMode = before;
    return false;
  }
  return true;
}

}  // namespace quorvin
