#pragma once
// How the frame meets the document windows: which window a document has, the
// menus an active window brings, and its Windows menu, whose three
// arrangements are the frame's.

#include "app/frame_window.h"
#include "app/window_arrangement.h"
#include "canvas/document_windows.h"

namespace quorvin {

// The document windows as the frame needs them.
FrameDocuments DocumentsOf(DocumentWindows& windows);

// Points the Windows menu of window at the frame's own arrangements (Cascade,
// Tile one above the other, Arrange side by side), in place of whatever the
// items did before. Harmless to repeat.
void RouteWindowsMenu(DocumentWindow& window, FrameWindow& frame);

// Points the Help items of window (but the tour's, which needs the window's
// tour panel) at the frame's Help commands, and enables them. Harmless to
// repeat.
void RouteHelpMenu(DocumentWindow& window, FrameWindow& frame);

// Joins the two: every window, as it becomes active, has its Windows and Help
// menus routed to the frame; a window active for the first time also takes
// the live bubbles setting, as it takes the line width when it opens.
void JoinFrameAndWindows(FrameWindow& frame, DocumentWindows& windows, Model& model);

}  // namespace quorvin
