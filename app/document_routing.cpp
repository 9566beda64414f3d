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
  documents.activeDocument = [&windows] { return windows.activeDocument(); };
  documents.applyPreferences = [&windows](int doc, const DocumentPreferences& given) {
    DocumentWindow* window = windows.window(doc);
    if (window == nullptr) return;
    window->setLineWidth(given.lineWidth);
    window->setBubbleShow(given.showBubbles);
    window->formActivate();
    window->update();
  };
  documents.copyToolboxItems = [&windows] {
    for (DocumentWindow* window : windows.windows()) window->formActivate();
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

void RouteHelpMenu(DocumentWindow& window, FrameWindow& frame) {
  const std::pair<QAction*, const char*> items[] = {
      {window.mnuHelpContents, "mnuHelpContents"},
      {window.mnuHelpSearch, "mnuHelpSearch"},
      {window.mnuHelpHowTo, "mnuHelpHowTo"},
      {window.mnuHelpAbout, "mnuHelpAbout"},
      {window.mnuHelpDisclaimer, "mnuHelpDisclaimer"}};
  for (const auto& [item, topic] : items) {
    if (item == nullptr) continue;
    QObject::disconnect(item, &QAction::triggered, nullptr, nullptr);
    QObject::connect(item, &QAction::triggered, &frame,
                     [&window, &frame, topic = std::string(topic)] {
                       window.guarded([&] { frame.help(topic); });
                     });
    item->setEnabled(true);
  }
}

namespace {

// Set on a window once it has taken the live bubbles setting.
constexpr char kTookBubbles[] = "quorvinTookBubbles";

}  // namespace

void JoinFrameAndWindows(FrameWindow& frame, DocumentWindows& windows, Model& model) {
  frame.attach(model, DocumentsOf(windows));
  windows.onActivated = [&frame](DocumentWindow* window) {
    if (window == nullptr) return;
    RouteWindowsMenu(*window, frame);
    RouteHelpMenu(*window, frame);
    if (!window->property(kTookBubbles).toBool()) {
      window->setProperty(kTookBubbles, true);
      window->setBubbleShow(frame.showBubbles());
    }
  };
}

}  // namespace quorvin
