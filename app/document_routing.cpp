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
  // The toolbox items follow when the frame shows the palette as the
  // preferences say (showToolboxItems), from the preferences themselves.
  documents.applyPreferences = [&windows](int doc, const DocumentPreferences& given) {
    DocumentWindow* window = windows.window(doc);
    if (window == nullptr) return;
    window->setLineWidth(given.lineWidth);
    window->setBubbleShow(given.showBubbles);
    window->update();
  };
  documents.showToolboxItems = [&windows] {
    for (DocumentWindow* window : windows.windows()) window->showToolboxItems();
  };
  return documents;
}

void JoinFrameAndWindows(FrameWindow& frame, DocumentWindows& windows, Model& model) {
  windows.attach(model, frame);
  // The formula and MATLAB command dialogs browse the frame's catalogue.
  windows.setFunctionBrowser(frame.functionBrowser());
  // One guided tour for the program, shown on the panel of the window whose
  // Help menu or panel was used.
  const auto panelOf = [](DocumentWindow& window) {
    return TourPanel{[&window](const std::string& text) { window.showTour(text); },
                     [&window] { window.hideTour(); },
                     [&window](bool checked) { window.checkTour(checked); }};
  };
  windows.setTourHooks(TourHooks{
      [&frame, panelOf](DocumentWindow& window, bool itemChecked) {
        frame.tour().mnuHelpTour_Click(itemChecked, panelOf(window));
      },
      [&frame, panelOf](DocumentWindow& window) { frame.tour().pnlTour_Click(panelOf(window)); }});
}

}  // namespace quorvin
