// The menu bar of a document window: every item calls an operation of the
// model, the editing rules or the frame.
#include <QMdiArea>
#include <QMdiSubWindow>

#include "canvas/document_window.h"
#include "canvas/logic/edit_commands.h"
#include "canvas/page_view.h"
#include "canvas/shared_menu_items.h"
#include "compiler/execution_step.h"

namespace quorvin {

void DocumentWindow::installMenus(QMenuBar& bar) const {
  bar.clear();
  for (QMenu* menu : menus_) bar.addMenu(menu);
}

bool DocumentWindow::commandRefused() {
  if (!editingRefused()) return false;
  m_.dialogs.messageBox(kRunUnderWayMessage, style::kInformation, kAppTitle);
  return true;
}

void DocumentWindow::fileCommand(const std::function<void()>& f) {
  // A run in progress reads the box table: no document comes or goes.
  guarded([&] {
    if (!commandRefused()) f();
  });
}

void DocumentWindow::editCommand(const std::function<void()>& f) {
  guarded([&] {
    if (!commandRefused()) f();
  });
}

void DocumentWindow::executeCommand(void (FrameServices::*run)(int, CompileQuestions&)) {
  guarded([&] {
    if (!commandRefused()) (frame_.*run)(doc_, questions());
  });
}

void DocumentWindow::buildFileMenu() {
  mnuFile = new QMenu(QStringLiteral("&File"), this);
  mnuFile->setObjectName(QStringLiteral("mnuFile"));
  mnuFileNew = AddItem(mnuFile, "mnuFileNew", "&New ...", QKeySequence(Qt::CTRL | Qt::Key_N));
  mnuFileLoad =
      AddItem(mnuFile, "mnuFileLoad", "&Open File ...", QKeySequence(Qt::CTRL | Qt::Key_O));
  mnuFileClose = AddItem(mnuFile, "mnuFileClose", "&Close");
  mnuFile->addSeparator();
  mnuFileSaveFile =
      AddItem(mnuFile, "mnuFileSaveFile", "&Save File", QKeySequence(Qt::CTRL | Qt::Key_S));
  mnuFileSave = AddItem(mnuFile, "mnuFileSave", "Save &As ...");
  mnuFile->addSeparator();
  mnuFileStartMatlab = AddItem(mnuFile, "mnuFileStartMatlab", "Start Matlab");
  mnuFile->addSeparator();
  mnuExit = AddItem(mnuFile, "mnuExit", "&Exit");
  for (std::size_t i = 0; i < mnuFileArray.size(); ++i) {
    // Item 0 is the separator above the recent files: a plain line, since a
    // separator's text would show beside it.
    QAction* item = i == 0 ? mnuFile->addSeparator() : AddItem(mnuFile, "mnuFileArray", "-");
    item->setObjectName(QStringLiteral("mnuFileArray"));
    item->setVisible(false);
    mnuFileArray[i] = item;
    if (i == 0) continue;
    connect(item, &QAction::triggered, this, [this, i] {
      fileCommand([&] {
        const auto& paths = m_.recentFiles.shown();
        if (i <= paths.size()) LoadFlowchart(m_, paths[i - 1]);
      });
    });
  }
  connect(mnuFileNew, &QAction::triggered, this, [this] { fileCommand([&] { NewDocument(m_); }); });
  connect(mnuFileLoad, &QAction::triggered, this,
          [this] { fileCommand([&] { LoadFlowchart(m_, ""); }); });
  connect(mnuFileClose, &QAction::triggered, this, [this] { fileCommand([&] { closeWindow(); }); });
  connect(mnuFileSaveFile, &QAction::triggered, this,
          [this] { guarded([&] { SaveDocument(m_, doc_, SaveMode::Save); }); });
  connect(mnuFileSave, &QAction::triggered, this,
          [this] { guarded([&] { SaveDocument(m_, doc_, SaveMode::SaveAs); }); });
  connect(mnuFileStartMatlab, &QAction::triggered, this,
          [this] { guarded([&] { frame_.startMatlab(questions()); }); });
  connect(mnuExit, &QAction::triggered, this, [this] { guarded([&] { frame_.exitProgram(); }); });
}

void DocumentWindow::setRecentFiles(const std::vector<std::string>& paths) {
  for (std::size_t i = 1; i < mnuFileArray.size(); ++i) {
    if (i > paths.size()) {
      mnuFileArray[i]->setVisible(false);
      continue;
    }
    mnuFileArray[i]->setText(LiteralCaption(paths[i - 1]));
    mnuFileArray[i]->setVisible(true);
  }
  mnuFileArray[0]->setVisible(!paths.empty());
}

void DocumentWindow::buildMenus() {
  buildFileMenu();

  mnuEdit = new QMenu(QStringLiteral("&Edit"), this);
  mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
  mnuEditMove = AddItem(mnuEdit, "mnuEditMove", "&Move boxes");
  mnueditcopy = AddItem(mnuEdit, "mnueditcopy", "&Copy boxes");
  mnuEditClear = AddItem(mnuEdit, "mnuEditClear", "C&lear Boxes");
  mnuEditRedraw = AddItem(mnuEdit, "mnuEditRedraw", "&Redraw Arrows");
  mnuEditLineColor = AddItem(mnuEdit, "mnuEditLineColor", "Change &Line Color");
  connect(mnuEditMove, &QAction::triggered, this,
          [this] { editCommand([&] { m_.editor.armMove(); }); });
  connect(mnueditcopy, &QAction::triggered, this,
          [this] { editCommand([&] { m_.editor.armCopy(); }); });
  connect(mnuEditClear, &QAction::triggered, this,
          [this] { editCommand([&] { m_.editor.deleteSelection(false); }); });
  connect(mnuEditRedraw, &QAction::triggered, this,
          [this] { guarded([&] { m_.editor.redrawArrows(doc_); }); });
  connect(mnuEditLineColor, &QAction::triggered, this,
          [this] { editCommand([&] { EditChangeLineColor(m_, doc_, frame_.colours()); }); });

  mnuFunctions = new QMenu(QStringLiteral("Fu&nctions"), this);
  mnuFunctions->setObjectName(QStringLiteral("mnuFunctions"));
  mnuArrow = AddItem(mnuFunctions, "mnuArrow", "&Arrow");
  mnuMultipleArrows = AddCheckItem(mnuFunctions, "mnuMultipleArrows", "&Multiple Arrows", false);
  connect(mnuArrow, &QAction::triggered, this,
          [this] { editCommand([&] { m_.editor.armArrowTool(); }); });
  connect(mnuMultipleArrows, &QAction::triggered, this, [this] {
    guarded([&] {
      if (!commandRefused()) ToggleMultipleArrows(w_);
      syncArrowPanel();
    });
  });

  mnuExecute = new QMenu(QStringLiteral("&Execute"), this);
  mnuExecute->setObjectName(QStringLiteral("mnuExecute"));
  mnuExeDDE = AddItem(mnuExecute, "mnuExeDDE", "Write to &ClipBoard");
  mnuExeFile = AddItem(mnuExecute, "mnuExeFile", "&Write to file");
  mnuEXEMatlab = AddItem(mnuExecute, "mnuEXEMatlab", "&Execute to Matlab");
  connect(mnuExeDDE, &QAction::triggered, this,
          [this] { executeCommand(&FrameServices::executeToClipboard); });
  connect(mnuExeFile, &QAction::triggered, this,
          [this] { executeCommand(&FrameServices::executeToFile); });
  connect(mnuEXEMatlab, &QAction::triggered, this,
          [this] { executeCommand(&FrameServices::executeToMatlab); });

  mnuView = new QMenu(QStringLiteral("&View"), this);
  mnuView->setObjectName(QStringLiteral("mnuView"));
  mnuPageView = AddItem(mnuView, "mnuPageView", "&Page View");
  connect(mnuPageView, &QAction::triggered, this, [this] {
    guarded([&] {
      const int scrollLeft = layout_ ? RoundToInt(layout_->scrH.left) : 0;
      ShowPageView(this, m_.table, scrollLeft, canvas_.canvasWidth, canvas_.canvasHeight);
    });
  });

  buildOptionsAndHelp();
  menus_ = {mnuFile, mnuEdit, mnuFunctions, mnuExecute, mnuView, mnuOptions, mnuWindows, mnuHelp};
}

void DocumentWindow::buildOptionsAndHelp() {
  mnuOptions = new QMenu(QStringLiteral("&Options"), this);
  mnuOptions->setObjectName(QStringLiteral("mnuOptions"));
  mnuOptionsToolbox = AddCheckItem(mnuOptions, "mnuOptionsToolbox", "Show &Toolbox", false);
  mnuOptionsCurrentToolbox =
      AddItem(mnuOptions, "mnuOptionsCurrentToolbox", "C&urrent Toolbox:default.tlb");
  mnuOptionsConfigureToolbox =
      AddItem(mnuOptions, "mnuOptionsConfigureToolbox", "&Configure toolbox ...");
  mnuOptionsPrefs = AddItem(mnuOptions, "mnuOptionsPrefs", "&Prefrences ...");
  mnuOptionsBubbleShow =
      AddCheckItem(mnuOptions, "mnuOptionsBubbleShow", "&Show Identification Bubble", true);
  // A click turns the toolbox state over, whatever the check showed.
  connect(mnuOptionsToolbox, &QAction::triggered, this,
          [this] { guarded([&] { frame_.showToolbox(!frame_.toolboxShown()); }); });
  connect(mnuOptionsCurrentToolbox, &QAction::triggered, this,
          [this] { guarded([&] { frame_.chooseCurrentToolbox(); }); });
  connect(mnuOptionsConfigureToolbox, &QAction::triggered, this,
          [this] { guarded([&] { frame_.configureToolbox(); }); });
  connect(mnuOptionsPrefs, &QAction::triggered, this, [this] {
    guarded([&] {
      frame_.preferences();
      m_.editor.redrawArrows(doc_);
    });
  });
  // This window's bubble, and the preference the windows opened from now on
  // start from; the other open windows keep their own.
  connect(mnuOptionsBubbleShow, &QAction::triggered, this, [this](bool shown) {
    w_.bubbleShow = shown;
    m_.prefs.chkShowBubbles = shown;
  });

  mnuWindows = new QMenu(QStringLiteral("&Windows"), this);
  mnuWindows->setObjectName(QStringLiteral("mnuWindows"));
  mnuWindowsCascade = AddItem(mnuWindows, "mnuWindowsCascade", "&Cascade");
  mnuWindowsTile = AddItem(mnuWindows, "mnuWindowsTile", "&Tile");
  mnuWindowsArrange = AddItem(mnuWindows, "mnuWindowsArrange", "&Arrange");
  // The frame lays its windows out.
  const std::pair<QAction*, Arrangement> arrangements[] = {
      {mnuWindowsCascade, Arrangement::Cascade},
      {mnuWindowsTile, Arrangement::Tile},
      {mnuWindowsArrange, Arrangement::Arrange}};
  for (const auto& [item, how] : arrangements)
    connect(item, &QAction::triggered, this,
            [this, how = how] { guarded([&] { frame_.arrangeWindows(how); }); });

  // The help items are the frame's; the guided tour is enabled once the
  // frame hands in its hooks.
  mnuHelp = new QMenu(QStringLiteral("&Help"), this);
  mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
  const HelpItems helpItems =
      AddHelpItems(*mnuHelp, HelpMenuOf::Document,
                   [this](HelpCommand command) { guarded([&] { frame_.help(command); }); });
  mnuHelpContents = helpItems.contents;
  mnuHelpSearch = helpItems.search;
  mnuHelpHowTo = helpItems.howTo;
  mnuHelpTour = helpItems.tour;
  mnuHelpAbout = helpItems.about;
  mnuHelpDisclaimer = helpItems.disclaimer;
  connect(mnuHelpTour, &QAction::triggered, this,
          [this](bool checkedNow) { helpTourChosen(checkedNow); });
}

}  // namespace quorvin
