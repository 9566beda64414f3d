#include "canvas/document_windows.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <utility>

#include "model/document_closing.h"

namespace quorvin {

void DocumentWindows::attach(Model& m, FrameServices& frame) {
  m_ = &m;
  frame_ = &frame;
}

DocumentWindows::~DocumentWindows() {
  // No window outlives the model and the shared state it edits. Taken out
  // of the list first: a window that goes leaves it.
  const std::map<int, DocumentWindow*> open = std::exchange(windows_, {});
  for (const auto& [doc, window] : open) {
    window->onClosed = nullptr;
    if (QMdiSubWindow* sub = window->subWindow())
      delete sub;
    else
      delete window;
  }
}

int DocumentWindows::activeDocument() const {
  const QMdiSubWindow* sub = frame_ ? frame_->mdiArea().activeSubWindow() : nullptr;
  if (sub == nullptr) return 0;
  for (const auto& [doc, window] : windows_)
    if (window->subWindow() == sub) return doc;
  return 0;
}

DocumentWindow* DocumentWindows::window(int doc) const {
  const auto it = windows_.find(doc);
  return it == windows_.end() ? nullptr : it->second;
}

std::vector<DocumentWindow*> DocumentWindows::windows() const {
  std::vector<DocumentWindow*> all;
  for (const auto& [doc, window] : windows_) all.push_back(window);
  return all;
}

void DocumentWindows::setDispatcher(ToolDispatcher dispatcher) {
  dispatcher_ = std::move(dispatcher);
  for (const auto& [doc, window] : windows_) window->setDispatcher(dispatcher_);
}

void DocumentWindows::setFunctionBrowser(WindowFunctionBrowser browser) {
  browser_ = std::move(browser);
  for (const auto& [doc, window] : windows_) window->setFunctionBrowser(browser_);
}

void DocumentWindows::setTourHooks(TourHooks hooks) {
  tour_ = std::move(hooks);
  for (const auto& [doc, window] : windows_) window->setTourHooks(tour_);
}

bool DocumentWindows::showActiveMenus(QMenuBar& bar) const {
  const DocumentWindow* active = activeWindow();
  if (active == nullptr) return false;
  active->installMenus(bar);
  return true;
}

bool DocumentWindows::closeAll() {
  if (m_ == nullptr) return true;
  return ExitAllDocuments(*m_, [this](int doc) {
    DocumentWindow* w = window(doc);
    return w == nullptr || w->closeWindow();
  });
}

void DocumentWindows::documentOpened(int doc) {
  if (m_ == nullptr || frame_ == nullptr) return;
  if (DocumentWindow* old = window(doc)) {
    // The number was freed while its window was still on its way out.
    old->onClosed = nullptr;
    windows_.erase(doc);
  }
  auto* window = new DocumentWindow(*m_, canvas_, *frame_, iconKeys_, doc);
  if (dispatcher_) window->setDispatcher(dispatcher_);
  if (browser_) window->setFunctionBrowser(browser_);
  if (tour_.menu || tour_.panelClicked) window->setTourHooks(tour_);
  windows_[doc] = window;
  window->onClosed = [this](DocumentWindow& closed) {
    const auto it = windows_.find(closed.doc());
    if (it != windows_.end() && it->second == &closed) windows_.erase(it);
  };
  // A window can go without closing: with the frame's MDI area, when the
  // frame goes first.
  connect(window, &QObject::destroyed, this, [this, doc, window] {
    const auto it = windows_.find(doc);
    if (it != windows_.end() && it->second == window) windows_.erase(it);
  });
  QMdiSubWindow* sub = frame_->mdiArea().addSubWindow(window);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  window->setSubWindow(sub);
  sub->show();
  // The client area opens at its design size, whatever the frame adds; a
  // window that opens maximized, as the active one is, keeps the whole area.
  if (!sub->isMaximized()) sub->resize(sub->size() + (window->sizeHint() - window->size()));
}

void DocumentWindows::captionChanged(int doc, const std::string& caption) {
  if (DocumentWindow* w = window(doc)) w->setCaption(caption);
}

void DocumentWindows::boxesChanged(int doc) {
  if (DocumentWindow* w = window(doc)) w->boxesChanged();
}

void DocumentWindows::arrowsChanged(int doc) {
  if (DocumentWindow* w = window(doc)) w->arrowsChanged();
}

void DocumentWindows::hideCopyShape(int doc) {
  if (DocumentWindow* w = window(doc)) w->hideCopyShape();
}

void DocumentWindows::arrowColourChanged(int doc) {
  if (DocumentWindow* w = window(doc)) w->arrowColourChanged();
}

void DocumentWindows::boxRenumbered(int deleted, int highest) {
  // Box numbers are shared by every document: the box that moves may live
  // on another window than the one deleted.
  for (const auto& [doc, window] : windows_) window->boxRenumbered(deleted, highest);
}

void DocumentWindows::setDocsPointer(Pointer pointer) {
  for (const auto& [doc, window] : windows_) window->setPointer(pointer);
}

void DocumentWindows::setResourceGauge(double percent) {
  for (const auto& [doc, window] : windows_) window->setResourceGauge(percent);
}

void DocumentWindows::recentFilesChanged(const std::vector<std::string>& paths) {
  for (const auto& [doc, window] : windows_) window->setRecentFiles(paths);
}

}  // namespace quorvin
