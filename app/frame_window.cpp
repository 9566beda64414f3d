#include "app/frame_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <utility>

#include "app/about_window.h"
#include "app/access_key_menu_bar.h"
#include "app/current_toolbox.h"
#include "app/disclaimer_window.h"
#include "app/help_viewer.h"
#include "app/splash_window.h"
#include "app/text_results_window.h"
#include "app/toolbox_editor.h"
#include "app/toolbox_palette.h"
#include "app/window_arrangement.h"
#include "model/document_closing.h"
#include "platform/interpreter_link.h"

namespace quorvin {

namespace {

// Where the palette first floats, in pixels from the frame's right and top.
constexpr int kPaletteMarginPx = 24;
constexpr int kPaletteTopPx = 64;

QMenu* AddMenu(QMainWindow* frame, const char* name, const QString& caption) {
  auto* menu = new QMenu(caption, frame);
  menu->setObjectName(name);
  menu->menuAction()->setObjectName(name);
  return menu;
}

}  // namespace

FrameWindow::FrameWindow(Model& model, QtQuestions& questions, FrameDocuments documents,
                         int splashPauseMs, QWidget* parent)
    : QMainWindow(parent),
      link_(std::make_unique<LinkSession>(this)),
      model_(model),
      questions_(questions),
      documents_(std::move(documents)),
      colours_(this),
      splashPauseMs_(splashPauseMs) {
  questions_.setWindow(this);
  setObjectName("frmMDI");
  setWindowTitle("Quorvin");
  setMenuBar(new AccessKeyMenuBar(this));
  mdi = new QMdiArea(this);
  mdi->setObjectName("mdiArea");
  mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(mdi);
  resize(1000, 720);
  // The drive scan looks into the interpreter's tree of the directory Start
  // Matlab was last given, so the frame notes each answer of its picker.
  LinkServices& services = link_->services();
  services.pickDirectory = [this, pick = services.pickDirectory](const std::string& prompt,
                                                                 const std::string& startDir) {
    std::string dir = pick ? pick(prompt, startDir) : std::string();
    if (!dir.empty()) interpreterDir_ = dir;
    return dir;
  };
  buildMenus();
  showMenus(ownMenus_);
  connect(mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
    QList<QMenu*> menus;
    if (window && documents_.menusOf) menus = documents_.menusOf(window);
    showMenus(menus.isEmpty() ? ownMenus_ : menus);
  });
  // The preferences window exists, hidden, before the palette: it sets the
  // live preferences to its design values, which the palette is built from.
  prefs_ = new PreferencesWindow(model_, this);
  prefs_->reloadPalette = [this] { reloadPalette(false); };
  prefs_->applyToDocument = [this](int doc, const DocumentPreferences& given) {
    if (documents_.applyPreferences) documents_.applyPreferences(doc, given);
  };
  // The palette shown as the preferences say, and every menu with it.
  prefs_->showPalette = [this](bool show) { showToolbox(show); };
}

// A document window still open goes first, while the frame it calls is
// whole; the link goes last, with no run under way any more. The questions
// outlive the frame, and open over no window once it has gone.
FrameWindow::~FrameWindow() {
  for (QMdiSubWindow* sub : mdi->subWindowList()) delete sub;
  questions_.setWindow(nullptr);
}

void FrameWindow::buildMenus() {
  mnuFile = AddMenu(this, "mnuFile", "File");
  mnuFileNew = AddItem(mnuFile, "mnuFileNew", "&New");
  mnuFileOpen = AddItem(mnuFile, "mnuFileOpen", "&Open...");
  mnuFiless = AddSeparator(mnuFile, "mnuFiless");
  mnuFileExit = AddItem(mnuFile, "mnuFileExit", "&Exit");
  for (int i = 0; i < static_cast<int>(mnuFileArray.size()); ++i) {
    QAction* item = i == 0 ? mnuFile->addSeparator() : mnuFile->addAction("-");
    item->setObjectName(QString("mnuFileArray_%1").arg(i));
    item->setVisible(false);
    connect(item, &QAction::triggered, this, [this, i] { mnuFileArray_Click(i); });
    mnuFileArray[static_cast<std::size_t>(i)] = item;
  }
  connect(mnuFileNew, &QAction::triggered, this, [this] { mnuFileNew_Click(); });
  connect(mnuFileOpen, &QAction::triggered, this, [this] { mnuFileOpen_Click(); });
  connect(mnuFileExit, &QAction::triggered, this, [this] { mnuFileExit_Click(); });
  connect(mnuFile, &QMenu::aboutToShow, this, [this] { refreshRecentItems(); });

  mnuFileOptions = AddMenu(this, "mnuFileOptions", "&Options");
  mnuOptionsToolbox = AddItem(mnuFileOptions, "mnuOptionsToolbox", "Show Toolbox");
  mnuOptionsToolbox->setCheckable(true);
  connect(mnuOptionsToolbox, &QAction::triggered, this, [this] { showToolbox(!toolboxShown()); });
  mnuOptionsCurrentToolbox =
      AddItem(mnuFileOptions, "mnuOptionsCurrentToolbox", "Current Toolbox: default.tlb");
  connect(mnuOptionsCurrentToolbox, &QAction::triggered, this, [this] { chooseCurrentToolbox(); });

  mnuHelp = AddMenu(this, "mnuHelp", "&Help");
  const HelpItems helpItems =
      AddHelpItems(*mnuHelp, HelpMenuOf::Frame, [this](HelpCommand command) { help(command); });
  mnuHelpContents = helpItems.contents;
  mnuHelpSearch = helpItems.search;
  mnuHelpHowTo = helpItems.howTo;
  mnus1 = helpItems.separator;
  mnuHelpAbout = helpItems.about;
  mnuHelpDisclaimer = helpItems.disclaimer;

  ownMenus_ = {mnuFile, mnuFileOptions, mnuHelp};
}

void FrameWindow::showMenus(const QList<QMenu*>& menus) {
  QMenuBar* bar = menuBar();
  // The menus' own actions belong to their menus: clearing the bar only
  // takes them off it.
  bar->clear();
  for (QMenu* menu : menus) bar->addAction(menu->menuAction());
}

QList<QMenu*> FrameWindow::menusShown() const {
  QList<QMenu*> menus;
  for (QAction* action : menuBar()->actions())
    if (action->menu()) menus.push_back(action->menu());
  return menus;
}

ToolboxPalette& FrameWindow::palette() {
  if (palette_ == nullptr) {
    palette_ = new ToolboxPalette(model_, toolPick_, this);
    // It floats over the frame's right edge, below the menu bar, clear of the
    // menus and of the first document window.
    const QRect frameArea = geometry();
    palette_->move(frameArea.right() - kPaletteMarginPx - palette_->width(),
                   frameArea.top() + kPaletteTopPx);
    palette_->keepOnScreen();
    connect(palette_, &ToolboxPalette::closedByUser, this, [this] {
      model_.prefs.toolboxShown = false;
      showToolboxItems();
    });
  }
  return *palette_;
}

void FrameWindow::reloadPalette(bool show) { palette().Reload(show); }

bool FrameWindow::toolboxShown() const { return model_.prefs.toolboxShown; }

QString FrameWindow::currentToolboxCaption() const {
  return LiteralCaption(CurrentToolboxCaption(model_.prefs.txtToolbox));
}

void FrameWindow::showToolboxItems() {
  mnuOptionsToolbox->setChecked(toolboxShown());
  mnuOptionsCurrentToolbox->setText(currentToolboxCaption());
  if (documents_.showToolboxItems) documents_.showToolboxItems();
}

void FrameWindow::MDIForm_Load(AppDirProbe probe) {
  splash_ = new SplashWindow(splashPauseMs_, this);
  connect(splash_, &SplashWindow::finished, this, [this, probe = std::move(probe)] {
    // The splash window goes once its signal has returned.
    splash_->deleteLater();
    splash_ = nullptr;
    afterSplash(probe);
  });
  splash_->start();
}

void FrameWindow::afterSplash(const AppDirProbe& probe) {
  // The model, created before the start-up, already holds the tables in
  // their initial state: no document, no box.
  try {
    const AppDirAnswer where = FindAppDir(probe);
    model_.appDir = where.dir;
    // A settings file that is there but gives no settings, in the directory
    // found or, when none was, in one the search passed by.
    std::optional<UnreadableSettings> unreadable;
    if (where.found) {
      unreadable = prefs_->loadSettings().unreadable;
      model_.recentFiles.LoadRecentFiles();
      refreshRecentItems();
    } else {
      unreadable = FirstUnreadableSettings(where.searched);
    }
    // The frame is shown first, so the palette floats over it.
    show();
    // Said over the frame, the splash window gone, and before the palette,
    // which the built-in preferences now build.
    if (unreadable) tellUnreadableSettings(*unreadable);
    Preferences& p = model_.prefs;
    // One load, so one message for a toolbox file that is missing: the
    // palette made here is built as it is made; one made before is rebuilt
    // from the preferences just read.
    const bool madeBefore = hasPalette();
    ToolboxPalette& built = palette();
    if (madeBefore)
      built.Reload(p.chkShowToolbox);
    else if (p.chkShowToolbox)
      built.ShowAsLoaded();
    p.toolboxShown = p.chkShowToolbox;
  } catch (const std::exception& e) {
    // As at every later step of the start-up, a failure is absorbed: the
    // program starts with what it has.
    qWarning("Start-up: %s", e.what());
  }
  // The items say what the start-up did: the palette as it is shown and
  // the toolbox it was built from.
  showToolboxItems();
  show();
  loaded_ = true;
  emit loaded();
}

void FrameWindow::tellUnreadableSettings(const UnreadableSettings& unreadable) {
  model_.dialogs.messageBox("The settings file could not be read:\r\n" + unreadable.path +
                                "\r\n" + unreadable.why +
                                ".\r\nThe program starts with its built-in preferences.",
                            style::kExclamation, kAppTitle);
}

void FrameWindow::refreshRecentItems() {
  const std::vector<std::string>& paths = model_.recentFiles.shown();
  mnuFileArray[0]->setVisible(!paths.empty());
  for (std::size_t i = 1; i < mnuFileArray.size(); ++i) {
    QAction* item = mnuFileArray[i];
    if (i <= paths.size()) {
      item->setText(LiteralCaption(paths[i - 1]));
      item->setData(QString::fromStdString(paths[i - 1]));
      item->setVisible(true);
    } else {
      item->setVisible(false);
    }
  }
}

void FrameWindow::mnuFileNew_Click() { NewDocument(model_); }

void FrameWindow::mnuFileOpen_Click() { LoadFlowchart(model_, ""); }

void FrameWindow::mnuFileArray_Click(int index) {
  if (index <= 0 || index >= static_cast<int>(mnuFileArray.size())) return;
  // The path as the model keeps it, not the caption with its doubled "&".
  const QString path = mnuFileArray[static_cast<std::size_t>(index)]->data().toString();
  if (!path.isEmpty()) LoadFlowchart(model_, path.toStdString());
}

void FrameWindow::mnuFileExit_Click() { endProgram(); }

void FrameWindow::exitProgram() { endProgram(); }

void FrameWindow::arrangeWindows(Arrangement how) { ArrangeWindows(*mdi, how); }

bool FrameWindow::closeEveryDocument() {
  return ExitAllDocuments(model_, documents_.closeDocument);
}

void FrameWindow::endProgram() { close(); }

bool FrameWindow::resumeAfterInterruptedRun() {
  if (!exitAfterRun_) return false;
  exitAfterRun_ = false;
  const EndedForExit ended = std::exchange(endedForExit_, EndedForExit::Nothing);
  // Every loop has returned, so a modal window still open waits in none of
  // its own (the preferences window is shown so): it closes as its Cancel
  // would, or the documents could never be asked past it. A window that
  // will not close is left, and the close below waits again.
  for (int left = 8; left > 0; --left) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) break;
    if (auto* dialog = qobject_cast<QDialog*>(modal))
      dialog->reject();
    else
      modal->close();
  }
  close();
  if (leaving_) return false;
  // Cancel meant "stay", but what the Exit ended stays ended: say so, or the
  // next run would find the interpreter's variables gone without a word.
  if (ended != EndedForExit::Nothing)
    model_.dialogs.messageBox(
        ended == EndedForExit::Run ? kRunStoppedForExit : kRunAndMatlabStoppedForExit,
        style::kInformation, kAppTitle);
  return true;
}

void FrameWindow::closeEvent(QCloseEvent* event) {
  if (leaving_) {
    event->accept();
    return;
  }
  event->ignore();
  // A modal window is open only when the program was asked to end from
  // outside (SIGTERM): the person cannot reach Exit past it. Nor can a
  // person reach it while an interpreter is being started, which takes no
  // input meanwhile.
  InterpreterLink& link = link_->services().link;
  const bool starting = !running() && link.busy();
  if (running() || starting || QApplication::activeModalWidget() != nullptr) {
    // The run, or the command that opened the modal window, waits in an
    // event loop of its own further up the stack: the quit ends it and every
    // loop, the command unwinds as at a Cancel, and the documents are asked
    // once the program's loop has returned (resumeAfterInterruptedRun),
    // never while something still works on them. A run ends with the
    // interpreter it runs in; an interpreter no run uses goes on, so that a
    // Cancel keeps its variables, and ends with the program.
    // A start is given up, as its Cancel gives it up: an interpreter that
    // has answered is kept, one that has not has nothing to lose yet.
    if (starting) link.cancelStart();
    if (running()) {
      if (link.alive())
        endedForExit_ = EndedForExit::RunAndMatlab;
      else if (endedForExit_ == EndedForExit::Nothing)
        endedForExit_ = EndedForExit::Run;
      link.stop();
    }
    exitAfterRun_ = true;
    QCoreApplication::exit(0);
    return;
  }
  if (!closeEveryDocument()) return;
  leaving_ = true;
  // The help viewer and the palette go with the program.
  if (helpViewer_) helpViewer_->close();
  if (palette_) palette_->Form_Unload();
  link_->services().results.close();
  event->accept();
  QCoreApplication::quit();
}

void FrameWindow::executeToClipboard(int doc, CompileQuestions& questions) {
  mnuExeDDE_Click(model_, doc, questions, link_->services().run);
}

void FrameWindow::executeToFile(int doc, CompileQuestions& questions) {
  mnuExeFile_Click(model_, doc, questions, link_->services().run);
}

void FrameWindow::executeToMatlab(int doc, CompileQuestions& questions) {
  mnuEXEMatlab_Click(model_, doc, questions, link_->services());
}

void FrameWindow::startMatlab(Dialogs& dialogs) {
  mnuFileStartMatlab_Click(model_, dialogs, link_->services());
}

bool FrameWindow::running() const { return link_->services().run.running(); }

void FrameWindow::showToolbox(bool show) {
  model_.prefs.toolboxShown = show;
  showToolboxItems();
  if (show) {
    palette().ShowAsLoaded();
    palette().raise();
  } else if (palette_) {
    palette_->hide();
  }
}

void FrameWindow::chooseCurrentToolbox() {
  ToolboxChoiceHooks hooks;
  hooks.toolboxChanged = [this] { showToolboxItems(); };
  hooks.reloadPalette = [this] { reloadPalette(toolboxShown()); };
  // The toolbox dialog opens in the program directory; the flowchart and
  // script dialogs stay in the person's folder all the same.
  const FileDialogPlace flowchartPlace = questions_.place();
  ChooseCurrentToolbox(model_.dialogs, model_.prefs, model_.appDir, hooks);
  questions_.place() = flowchartPlace;
}

void FrameWindow::configureToolbox() {
  ConfigureToolbox(this, model_.appDir, [this] { reloadPalette(toolboxShown()); });
  if (toolboxShown()) showToolbox(true);
}

void FrameWindow::preferences() {
  // The command's window is the active one: the preferences window is modal.
  const int doc = documents_.activeDocument ? documents_.activeDocument() : 0;
  prefs_->mnuOptionsPrefs_Click(doc);
}

int FrameWindow::lineWidth() const { return LineWidthOf(model_.prefs); }

bool FrameWindow::showBubbles() const { return model_.prefs.chkShowBubbles; }

void FrameWindow::help(HelpCommand command) {
  if (command == HelpCommand::About) {
    ShowAbout(this);
    return;
  }
  if (command == HelpCommand::Disclaimer) {
    ShowDisclaimer(this);
    return;
  }
  if (helpViewer_ == nullptr) {
    // The pages ship with the program: they lie beside it, wherever the
    // settings file made the program directory.
    helpViewer_ = new HelpViewer(HelpDirectory(QCoreApplication::applicationDirPath().toStdString()),
                                 &model_.dialogs, this);
  }
  helpViewer_->showCommand(command);
}

ScanSettings FrameWindow::scanSettings() const {
  ScanSettings settings;
  settings.appDir = model_.appDir;
  settings.driveLetters = model_.prefs.txtDrives;
  settings.rootsOfDrive = SystemDriveRoots(interpreterDir_);
  return settings;
}

FunctionBrowserHook FrameWindow::functionBrowser() {
  return MakeFunctionBrowserHook(mFiles_, [this] { return scanSettings(); });
}

FunctionBrowser FrameWindow::functionBrowserOver(QWidget* parent) {
  return [hook = functionBrowser(), parent](BrowserCaller caller) {
    return hook(parent, caller);
  };
}

}  // namespace quorvin
