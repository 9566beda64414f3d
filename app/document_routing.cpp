#include "app/document_routing.h"

#include <QMdiSubWindow>

namespace quorvin {

FrameDocuments DocumentsOf(DocumentWindows& windows) {
  FrameDocuments documents;
  documents.closeDocument = [&windows](int doc) {
    DocumentWindow* window = windows.window(doc);
    return window == nullptr || window->closeWindow();
  };
  documents.menusOf = [&windows](QMdiSubWindow* sub) {
    QList<QMenu*> menus;
    for (DocumentWindow* window : windows.windows())
      if (window->subWindow() == sub)
        for (QMenu* menu : window->menus()) menus.push_back(menu);
    return menus;
  };
  return documents;
}

void RouteWindowsMenu(DocumentWindow& window, FrameWindow& frame) {
  const std::pair<QAction*, Arrangement> items[] = {
      {window.mnuWindowsCascade, Arrangement::Cascade},
      {window.mnuWindowsTile, Arrangement::Tile},
      {window.mnuWindowsArrange, Arrangement::Arrange}};
  for (const auto& [item, how] : items) {
    if (item == nullptr) continue;
    QObject::disconnect(item, &QAction::triggered, nullptr, nullptr);
    QObject::connect(item, &QAction::triggered, &frame,
                     [&frame, code = static_cast<int>(how)] { frame.arrangeWindows(code); });
  }
}

void JoinFrameAndWindows(FrameWindow& frame, DocumentWindows& windows, Model& model) {
  frame.attach(model, DocumentsOf(windows));
  windows.onActivated = [&frame](DocumentWindow* window) {
    if (window != nullptr) RouteWindowsMenu(*window, frame);
  };
}

}  // namespace quorvin
