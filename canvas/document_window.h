#pragma once
// The form `main`: one document's window. It shows the document's placed
// boxes as buttons over the arrows between them, the bottom strip
// (box-table gauge, arrow colour, scroll bars) and the document's menus, and
// hands every mouse event and menu command to the event switches of
// canvas/logic/, which keep the window's own state and call the model's
// editor (model/box_editor.h); what it shows is rebuilt from the model
// whenever the model reports a change.

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "canvas/box_button_widget.h"
#include "canvas/box_icon_keys.h"
#include "canvas/frame_services.h"
#include "canvas/logic/canvas_state.h"
#include "canvas/logic/window_layout.h"
#include "canvas/tour_panel_widget.h"
#include "canvas/window_questions.h"
#include "commands/command_registry.h"
#include "dialogs/function_browser.h"
#include "model/model.h"

namespace quorvin {

class DocumentWindow;

// Runs the command a toolbox tool stands for on a window.
using ToolDispatcher = std::function<void(DocumentWindow& window, const Tool& tool)>;

// The MATLAB function browser as the formula and MATLAB command dialogs of
// a window open it: shown over parent for its caller, it returns the name
// picked, or nothing.
using WindowFunctionBrowser =
    std::function<std::optional<std::string>(QWidget* parent, BrowserCaller caller)>;

// What the frame's guided tour does when a window's "&Guided Tour" item is
// chosen (with the item's check mark before the choice) and when its tour
// panel is clicked; the tour itself shows, hides and checks through the
// window's showTour, hideTour and checkTour.
struct TourHooks {
  std::function<void(DocumentWindow& window, bool itemChecked)> menu;
  std::function<void(DocumentWindow& window)> panelClicked;
};

class DocumentCommandContext;

// The window's client area as designed: the bottom strip up to the corner
// box (2400 + 5295 + 252 twips) by the vertical scroll bar above the strip
// (4812 + 255 twips).
constexpr double kDesignClientWidth = 7947;
constexpr double kDesignClientHeight = 5067;

class DocumentWindow : public QWidget {
 public:
  // iconKeys: the keys the insert commands gave, shared by every window.
  DocumentWindow(Model& m, CanvasState& canvas, FrameServices& frame, BoxIconKeys& iconKeys,
                 int doc, QWidget* parent = nullptr);

  int doc() const { return doc_; }
  Model& model() { return m_; }
  WindowState& state() { return w_; }
  CanvasState& canvas() { return canvas_; }
  FrameServices& frame() { return frame_; }
  // The questions a compile of this document asks; tests may put scripted
  // ones in their place.
  CompileQuestions& questions() { return *questions_; }
  // The window's own compile questions, with the Qt dialogs.
  WindowQuestions& windowQuestions() { return ownQuestions_; }
  void setQuestions(CompileQuestions* questions) {
    questions_ = questions ? questions : &ownQuestions_;
  }
  // The toolbox hand-over runs the insert commands unless a dispatcher is
  // put in their place (tests record the tools handed over).
  void setDispatcher(ToolDispatcher dispatcher) { dispatcher_ = std::move(dispatcher); }
  // The questions the insert commands ask (their dialogs and input box);
  // tests may put scripted ones in their place, nullptr restores the Qt ones.
  void setCommandQuestions(CommandQuestions* questions);
  // The browser the formula and MATLAB command dialogs open; none (the
  // empty function) offers no choice.
  void setFunctionBrowser(WindowFunctionBrowser browser);
  // The browser as this window's dialogs call it (over this window).
  const FunctionBrowser& functionBrowser() const { return browser_; }
  // The guided tour: the frame's hooks, and what the tour does to this window.
  void setTourHooks(TourHooks hooks);
  void showTour(const std::string& text);
  void hideTour();
  void checkTour(bool checked);
  // The MDI window this window lives in, once it has one.
  void setSubWindow(QMdiSubWindow* sub) { subWindow_ = sub; }
  // Called once the window has agreed to close and its document is gone.
  std::function<void(DocumentWindow&)> onClosed;
  QMdiSubWindow* subWindow() const { return subWindow_; }

  // The menus of the menu bar in order; the frame shows them while this
  // window is active.
  const std::vector<QMenu*>& menus() const { return menus_; }
  // Puts this window's menus into bar in place of what it showed.
  void installMenus(QMenuBar& bar) const;
  // Open to the insert commands.
  QMenu* functionsMenu() const { return mnuFunctions; }

  // The icon key an insert command chose for box n, when the box's record
  // alone does not say it (see BoxIconKeys).
  void setBoxIconKey(int n, const std::string& key);
  std::string iconKeyOf(int n) const;
  BoxButtonWidget* boxButton(int n) const;
  const std::map<int, BoxButtonWidget*>& boxButtons() const { return buttons_; }

  // What the model reports.
  void boxesChanged();
  void arrowsChanged() { update(); }
  void arrowColourChanged() { syncArrowPanel(); }
  void hideCopyShape();
  void boxRenumbered(int deleted, int highest);
  void setPointer(Pointer pointer);
  void setResourceGauge(double percent);
  void setRecentFiles(const std::vector<std::string>& paths);
  void setCaption(const std::string& caption);

  // Live preferences the frame applies.
  void setLineWidth(int width);
  void setBubbleShow(bool show);
  // The Options menu's Show Toolbox check and Current Toolbox caption show
  // the toolbox state the frame serves.
  void showToolboxItems();
  // Closes the window as its close box does, brought to the front first;
  // false when it stays open.
  bool closeWindow();

  // Handlers of the box buttons (the buttons call these).
  void boxClicked(int n);
  // True when the press was taken (right and middle buttons).
  bool boxPressed(int n, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  void boxHovered(int n);
  // A turn of the mouse wheel over the canvas or a box's button scrolls the
  // canvas as the scroll bars do.
  void canvasWheel(QWheelEvent& event);
  bool startsDrag(int n) const;
  void dragBox(int n);

  // Runs f, reporting whatever it throws through the window's questions:
  // no exception leaves an event handler.
  void guarded(const std::function<void()>& f);
  void reportFault(const std::string& fault);
  // A table action refused while a box-by-box run is under way.
  bool editingRefused() const { return frame_.running(); }
  // A command refused while a run is under way: the person is told why
  // nothing happens. The canvas's own mouse handling refuses silently.
  bool commandRefused();

  // Controls, named as the form names them.
  QProgressBar* pnlResource;
  QPushButton* pnlArrow;
  QLabel* pctArrow;  // hidden; the multiple-arrows picture
  QScrollBar* scrH;
  QScrollBar* scrV;
  QWidget* pctblank;
  QFrame* shpCopy;
  QLabel* txtboxname;
  TourPanelWidget* pnlTour;  // hidden until the guided tour shows a text

  // Menus and their items.
  QMenu* mnuFile;
  QAction *mnuFileNew, *mnuFileLoad, *mnuFileClose, *mnuFileSaveFile, *mnuFileSave,
      *mnuFileStartMatlab, *mnuExit;
  std::array<QAction*, RecentFiles::kCount + 1> mnuFileArray{};
  QMenu* mnuEdit;
  QAction *mnuEditMove, *mnueditcopy, *mnuEditClear, *mnuEditRedraw, *mnuEditLineColor;
  QMenu* mnuFunctions;
  QAction *mnuArrow, *mnuMultipleArrows;
  QMenu* mnuExecute;
  QAction *mnuExeDDE, *mnuExeFile, *mnuEXEMatlab;
  QMenu* mnuView;
  QAction* mnuPageView;
  QMenu* mnuOptions;
  QAction *mnuOptionsToolbox, *mnuOptionsCurrentToolbox, *mnuOptionsConfigureToolbox,
      *mnuOptionsPrefs, *mnuOptionsBubbleShow;
  QMenu* mnuWindows;
  QAction *mnuWindowsCascade, *mnuWindowsTile, *mnuWindowsArrange;
  QMenu* mnuHelp;
  QAction *mnuHelpContents, *mnuHelpSearch, *mnuHelpHowTo, *mnuHelpTour, *mnuHelpAbout,
      *mnuHelpDisclaimer;

  QSize sizeHint() const override;
  ~DocumentWindow() override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void buildMenus();
  void buildFileMenu();
  void buildOptionsAndHelp();
  void buildInsertCommands();
  void helpTourChosen(bool checkedNow);
  void placeTourPanel();
  void connectScrollBar(QScrollBar* bar, bool horizontal);
  void scrolled(QScrollBar* bar, bool horizontal);
  // Through the change handler of one bar, growth at its end included.
  void scrollTo(bool horizontal, int32_t value);
  void syncScrollBars();
  void syncBand();
  void syncBubble();
  void syncArrowPanel();
  void raiseOverlays();
  // A tool picked in the toolbox, taken by a mouse move over the canvas.
  void runTool(const Tool& tool);
  void fileCommand(const std::function<void()>& f);
  void editCommand(const std::function<void()>& f);
  void executeCommand(void (FrameServices::*run)(int, CompileQuestions&));
  QPixmap iconFor(int n, std::string& key) const;

  Model& m_;
  CanvasState& canvas_;
  FrameServices& frame_;
  int doc_;
  WindowState w_;
  WindowQuestions ownQuestions_;
  CompileQuestions* questions_ = &ownQuestions_;
  ToolDispatcher dispatcher_;
  CommandRegistry commands_;
  std::unique_ptr<DocumentCommandContext> commandContext_;
  TourHooks tour_;
  FunctionBrowser browser_;
  QPointer<QMdiSubWindow> subWindow_;
  std::vector<QMenu*> menus_;
  std::map<int, BoxButtonWidget*> buttons_;
  BoxIconKeys& iconKeys_;
  std::optional<WindowLayout> layout_;
  bool syncingScrollBars_ = false;
  bool paintFaultTold_ = false;
};

}  // namespace quorvin
