#pragma once
// frmMDI: the program's main window. It holds the document windows in its
// MDI area, carries the menus shown while no document is active (a document
// brings its own), runs the start-up and the Exit that ends the program, and
// serves the document windows what belongs to the whole program: the one
// interpreter link, the colour dialog, the tool handed over by the palette,
// the live preferences and their window, the palette itself, the help viewer
// and the m-file catalogue the function browser reads.

#include <QAction>
#include <QList>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "app/app_directory.h"
#include "app/execute_commands.h"
#include "app/function_browser.h"
#include "app/guided_tour.h"
#include "app/mfile_rescan.h"
#include "app/preferences_window.h"
#include "canvas/frame_services.h"
#include "canvas/qt_colour_chooser.h"
#include "canvas/shared_menu_items.h"
#include "dialogs/function_browser.h"
#include "model/model.h"
#include "platform/qt_questions.h"

class QMdiSubWindow;

namespace quorvin {

class HelpViewer;
class SplashWindow;
class ToolboxPalette;

// How long the splash window stays while the program starts.
constexpr int kSplashPauseMs = 2500;

// Told when an Exit that had to end a run under way, and with it the
// interpreter it ran in, is cancelled at a document's save question: the
// program goes on, but they do not.
inline const std::string kRunStoppedForExit =
    "The flowchart running in Matlab was stopped for the Exit.";
inline const std::string kRunAndMatlabStoppedForExit =
    "The flowchart running in Matlab was stopped for the Exit, and Matlab with it: its variables "
    "are gone.";

// What the frame needs of the document windows.
struct FrameDocuments {
  // Closes document doc's window, which asks whether to save first; true when
  // it closed.
  std::function<bool(int doc)> closeDocument;
  // The menus a document's window brings to the menu bar (none for a window
  // that is no document).
  std::function<QList<QMenu*>(QMdiSubWindow* window)> menusOf;
  // The document of the active window; 0 when none is active.
  std::function<int()> activeDocument;
  // What the Preferences command gives document doc's window.
  std::function<void(int doc, const DocumentPreferences& given)> applyPreferences;
  // Every open window's Options menu shows the toolbox state again.
  std::function<void()> showToolboxItems;
};

class FrameWindow : public QMainWindow, public FrameServices {
  Q_OBJECT

 public:
  // The frame's menus work on model and documents; questions, the ones the
  // program asks a person (the model's), open over the frame from now on,
  // and every file dialog of the program opens where they say.
  FrameWindow(Model& model, QtQuestions& questions, FrameDocuments documents,
              int splashPauseMs = kSplashPauseMs, QWidget* parent = nullptr);
  ~FrameWindow() override;

  // The questions the program asks a person, over the frame.
  QtQuestions& questions() { return questions_; }

  // The start-up: shows the splash window; when it has closed, finds the
  // program directory through probe, reads the preferences from its settings
  // file, fills the recent files, loads the palette (shown as the settings
  // say) and shows the frame, then tells loaded().
  void MDIForm_Load(AppDirProbe probe);
  bool isLoaded() const { return loaded_; }

  void mnuFileNew_Click();
  void mnuFileOpen_Click();
  // Item index > 0 opens the recent file it shows; the separator, index 0,
  // does nothing.
  void mnuFileArray_Click(int index);
  void mnuFileExit_Click();

  // Shows the recent files the model keeps in mnuFileArray.
  void refreshRecentItems();
  // The menu bar as it is now: the active document's menus, or the frame's own.
  QList<QMenu*> menusShown() const;

  // After the program was quit to end a run under way (or the modal windows
  // open when the program was asked to end), asks the documents to close as
  // Exit does. True when one stayed open: the program goes on, and is told
  // what the quit ended.
  bool resumeAfterInterruptedRun();

  // FrameServices.
  QMdiArea& mdiArea() override { return *mdi; }
  void executeToClipboard(int doc, CompileQuestions& questions) override;
  void executeToFile(int doc, CompileQuestions& questions) override;
  void executeToMatlab(int doc, CompileQuestions& questions) override;
  void startMatlab(Dialogs& dialogs) override;
  bool running() const override;
  void exitProgram() override;
  ToolPick& toolPick() override { return toolPick_; }
  bool toolboxShown() const override;
  QString currentToolboxCaption() const override;
  void showToolbox(bool show) override;
  void chooseCurrentToolbox() override;
  void configureToolbox() override;
  void preferences() override;
  void help(HelpCommand command) override;
  int lineWidth() const override;
  bool showBubbles() const override;
  ColourChooser& colours() override { return colours_; }
  FileDialogPlace& fileDialogs() override { return questions_.place(); }
  // The document's Windows menu.
  void arrangeWindows(Arrangement how) override;

  LinkSession& link() { return *link_; }
  // The windows the frame keeps for the whole run; the palette is loaded by
  // the start-up, or at its first use when there was none.
  PreferencesWindow* preferencesWindow() { return prefs_; }
  ToolboxPalette& palette();
  bool hasPalette() const { return palette_ != nullptr; }
  // The help viewer, once a Help command opened it.
  HelpViewer* helpViewer() { return helpViewer_; }
  // The tour's count, one for every document window.
  GuidedTour& tour() { return tour_; }
  // The hook the formula and MATLAB command dialogs browse the m-files with,
  // and the same bound to the window the dialogs open over, as the dialogs
  // hold it.
  FunctionBrowserHook functionBrowser();
  FunctionBrowser functionBrowserOver(QWidget* parent);
  // Where a scan of the drives looks now: the program directory, the live
  // "Scan Drives" letters, the interpreter's tree of the last Start Matlab.
  ScanSettings scanSettings() const;
  // The directory Start Matlab was last given; "" before.
  const std::string& interpreterDirectory() const { return interpreterDir_; }

  QMdiArea* mdi;
  QMenu* mnuFile;
  QAction* mnuFileNew;
  QAction* mnuFileOpen;
  QAction* mnuFiless;
  QAction* mnuFileExit;
  std::array<QAction*, 5> mnuFileArray{};
  QMenu* mnuFileOptions;
  QAction* mnuOptionsToolbox;
  QAction* mnuOptionsCurrentToolbox;
  QMenu* mnuHelp;
  QAction* mnuHelpContents;
  QAction* mnuHelpSearch;
  QAction* mnuHelpHowTo;
  QAction* mnus1;
  QAction* mnuHelpAbout;
  QAction* mnuHelpDisclaimer;

 signals:
  // The start-up has ended and the frame is shown.
  void loaded();

 protected:
  // The close box ends the program as Exit does.
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  void showMenus(const QList<QMenu*>& menus);
  void afterSplash(const AppDirProbe& probe);
  // Tells, once at start-up, that the person's settings file gave none.
  void tellUnreadableSettings(const UnreadableSettings& unreadable);
  // The palette's reload sequence, shown when show.
  void reloadPalette(bool show);
  // The frame's Options menu and every open document's show the toolbox
  // state the live preferences hold.
  void showToolboxItems();
  // Asks every document to close; restores the edit mode when one stays.
  bool closeEveryDocument();
  // Ends the program as the close box does: a run under way ends first,
  // through the quit of every event loop, never by pulling the link from
  // under it.
  void endProgram();

  std::unique_ptr<LinkSession> link_;
  Model& model_;
  QtQuestions& questions_;
  FrameDocuments documents_;
  QtColourChooser colours_;
  PreferencesWindow* prefs_ = nullptr;
  ToolboxPalette* palette_ = nullptr;
  HelpViewer* helpViewer_ = nullptr;
  GuidedTour tour_;
  MFileTables mFiles_;
  std::string interpreterDir_;
  QList<QMenu*> ownMenus_;
  SplashWindow* splash_ = nullptr;
  int splashPauseMs_;
  ToolPick toolPick_;
  bool loaded_ = false;
  bool leaving_ = false;
  bool exitAfterRun_ = false;
  // What the Exit under way ended when it quit every loop, to be told after
  // a Cancel: nothing, the run under way, or the run and the interpreter it
  // ran in.
  enum class EndedForExit { Nothing, Run, RunAndMatlab };
  EndedForExit endedForExit_ = EndedForExit::Nothing;
};

}  // namespace quorvin
