#pragma once
// The document windows of the program, as the model sees them: it creates a
// window in the frame's MDI area for every document the model opens, and
// passes every change the model reports to the window(s) it concerns. The
// frame asks it for the active document, a document's window and the menus
// to show, and closes every window through it when the program ends. It is
// made before the model it reports to, and that before the frame.

#include <QMenuBar>
#include <QObject>
#include <map>
#include <string>
#include <vector>

#include "canvas/document_window.h"
#include "canvas/frame_services.h"
#include "canvas/logic/canvas_state.h"
#include "model/host.h"
#include "model/model.h"

namespace quorvin {

class DocumentWindows : public QObject, public DocumentViews {
 public:
  DocumentWindows() = default;
  ~DocumentWindows() override;

  // The model the windows edit and the frame they open in, once; before
  // this no window can open and none is active.
  void attach(Model& m, FrameServices& frame);

  // The document of the active MDI window, or 0 when none is active.
  int activeDocument() const;
  DocumentWindow* activeWindow() const { return window(activeDocument()); }
  DocumentWindow* window(int doc) const;
  std::vector<DocumentWindow*> windows() const;
  // The state every window shares (the arrow being drawn, the anchors, the
  // canvas extent).
  CanvasState& canvas() { return canvas_; }
  // The icon keys the insert commands give their boxes, for every window.
  BoxIconKeys& iconKeys() { return iconKeys_; }

  // The toolbox dispatcher of every window, present and future.
  void setDispatcher(ToolDispatcher dispatcher);
  // The function browser and the guided tour's hooks of every window,
  // present and future (see DocumentWindow).
  void setFunctionBrowser(WindowFunctionBrowser browser);
  void setTourHooks(TourHooks hooks);
  // Shows the active window's menus in bar, or keeps bar as it is when no
  // window is active (false then).
  bool showActiveMenus(QMenuBar& bar) const;

  // The frame's Exit: asks every document to close in turn; false (and the
  // rest left open) when one of them stays open.
  bool closeAll();

  // DocumentViews.
  void documentOpened(int doc) override;
  void captionChanged(int doc, const std::string& caption) override;
  void boxesChanged(int doc) override;
  void arrowsChanged(int doc) override;
  void hideCopyShape(int doc) override;
  void arrowColourChanged(int doc) override;
  void boxRenumbered(int deleted, int highest) override;
  void setDocsPointer(Pointer pointer) override;
  void setResourceGauge(double percent) override;
  void recentFilesChanged(const std::vector<std::string>& paths) override;

 private:
  FrameServices* frame_ = nullptr;
  Model* m_ = nullptr;
  CanvasState canvas_;
  BoxIconKeys iconKeys_;
  ToolDispatcher dispatcher_;
  WindowFunctionBrowser browser_;
  TourHooks tour_;
  std::map<int, DocumentWindow*> windows_;
};

}  // namespace quorvin
