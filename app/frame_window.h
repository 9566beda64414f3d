#pragma once
// frmMDI: the program's main window. It holds the document windows in its
// MDI area, carries the menus shown while no document is active (a document
// brings its own), runs the start-up and the Exit that ends the program, and
// serves the document windows what belongs to the whole program: the one
// interpreter link, the colour dialog, the tool handed over by the palette.

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
#include "canvas/frame_services.h"
#include "canvas/qt_colour_chooser.h"
#include "model/model.h"
#include "platform/qt_questions.h"

class QMdiSubWindow;

namespace quorvin {

class SplashWindow;

// How long the splash window stays while the program starts.
constexpr int kSplashPauseMs = 2500;

// What the frame needs of the document windows.
struct FrameDocuments {
  // Closes document doc's window, which asks whether to save first; true when
  // it closed.
  std::function<bool(int doc)> closeDocument;
  // The menus a document's window brings to the menu bar (none for a window
  // that is no document).
  std::function<QList<QMenu*>(QMdiSubWindow* window)> menusOf;
};

class FrameWindow : public QMainWindow, public FrameServices {
  Q_OBJECT

 public:
  explicit FrameWindow(int splashPauseMs = kSplashPauseMs, QWidget* parent = nullptr);
  ~FrameWindow() override;

  // The model the menus work on and the document windows, once both exist
  // (the model needs the frame's questions, and the windows need the frame).
  void attach(Model& model, FrameDocuments documents);
  // The questions the model asks a person, over the frame.
  QtQuestions& questions() { return questions_; }

  // The start-up: shows the splash window; when it has closed, finds the
  // program directory through probe, fills the recent files and shows the
  // frame, then tells loaded().
  void MDIForm_Load(AppDirProbe probe);
  bool isLoaded() const { return loaded_; }

  void mnuFileNew_Click();
  void mnuFileOpen_Click();
  // Item index > 0 opens the recent file it shows; the separator, index 0,
  // does nothing.
  void mnuFileArray_Click(int index);
  void mnuFileExit_Click();
  // The document's Windows menu: 0 Cascade, 1 Tile, 2 Arrange.
  void arrangeWindows(int code);

  // Shows the recent files the model keeps in mnuFileArray.
  void refreshRecentItems();
  // The menu bar as it is now: the active document's menus, or the frame's own.
  QList<QMenu*> menusShown() const;

  // After the program was quit to end a run under way, asks the documents to
  // close as Exit does. True when one stayed open: the program goes on.
  bool resumeAfterInterruptedRun();

  // FrameServices.
  QMdiArea& mdiArea() override { return *mdi; }
  void executeToClipboard(int doc, CompileQuestions& questions) override;
  void executeToFile(int doc, CompileQuestions& questions) override;
  void executeToMatlab(int doc, CompileQuestions& questions) override;
  void startMatlab(Dialogs& dialogs) override;
  bool running() const override;
  void exitProgram() override;
  std::string& txtEvent() override { return txtEvent_; }
  bool toolboxShown() const override { return mnuOptionsToolbox->isChecked(); }
  QString currentToolboxCaption() const override { return mnuOptionsCurrentToolbox->text(); }
  void showToolbox(bool show) override;
  void chooseCurrentToolbox() override {}
  void configureToolbox() override {}
  void preferences() override {}
  void help(const std::string& topic) override;
  int lineWidth() const override { return 1; }
  bool showBubbles() const override { return true; }
  ColourChooser& colours() override { return colours_; }

  LinkSession& link() { return *link_; }

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
  // Asks every document to close; restores the edit mode when one stays.
  bool closeEveryDocument();
  // Ends the program as the close box does: a run under way ends first,
  // through the quit of every event loop, never by pulling the link from
  // under it.
  void endProgram();

  std::unique_ptr<LinkSession> link_;
  QtQuestions questions_;
  QtColourChooser colours_;
  Model* model_ = nullptr;
  FrameDocuments documents_;
  QList<QMenu*> ownMenus_;
  SplashWindow* splash_ = nullptr;
  int splashPauseMs_;
  std::string txtEvent_;
  bool loaded_ = false;
  bool leaving_ = false;
  bool exitAfterRun_ = false;
};

// A recent file's path as a menu caption: "&" doubled, so that it shows and
// is no access key.
QString RecentItemCaption(const std::string& path);

}  // namespace quorvin
