#pragma once
// Closing a document, and the frame's Exit, which closes them all.

#include <functional>
#include <string>

#include "model/model.h"

namespace quorvin {

inline const std::string kSaveBeforeClosing = "Do you wish to save this file before closing ?";

// Document doc's window is about to close. A changed document asks whether to
// save it first: Cancel, or a save that wrote nothing (Save As cancelled, the
// file not written), keeps the window open with its boxes; otherwise the
// document's boxes are deleted, its rubber band hidden and its number freed.
// True when the window may close.
bool CloseDocument(Model& m, int doc);

// The frame's Exit: every open document is asked to close in turn through
// closeWindow (the window runs its closing and closes when it says so).
// When one stays open the exit stops, and the edit mode is what it was before
// unless a closing already set it. A box waiting to be placed still waits
// while the documents are asked (no save writes it); a closing gives it up.
// True when every document closed.
bool ExitAllDocuments(Model& m, const std::function<bool(int doc)>& closeWindow);

}  // namespace quorvin
