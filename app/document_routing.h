#pragma once
// How the frame meets the document windows: which window a document has, the
// menus an active window brings, the function browser and the guided tour.

#include "app/frame_window.h"
#include "canvas/document_windows.h"

namespace quorvin {

// The document windows as the frame needs them.
FrameDocuments DocumentsOf(DocumentWindows& windows);

// Joins the two, the frame made with DocumentsOf(windows): the windows open
// in the frame and edit model, browse the frame's m-file catalogue and share
// its one guided tour.
void JoinFrameAndWindows(FrameWindow& frame, DocumentWindows& windows, Model& model);

}  // namespace quorvin
