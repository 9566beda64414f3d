#include "app/frame_window.h"

#include <gtest/gtest.h>

#include <QMdiSubWindow>
#include <QMenuBar>
#include <QDialog>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTimer>
#include <QTemporaryDir>
#include <optional>

#include "app/text_results_window.h"
#include "model/document_closing.h"
#include "platform/interpreter_link.h"
#include "tests/canvas/canvas_fixture.h"
#include "tests/support/file_sandbox.h"
#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

using testing::CanvasFixture;

// A frame over the canvas fixture's model: the documents close through the
// same rule as a document window's close box.
struct Frame : ::testing::Test {
  // Before any widget below.
  bool gui = (testing_support::EnsureGuiApplication(), true);
  CanvasFixture f;
  std::vector<int> asked;
  // The menus a test's document windows bring; none unless it says.
  std::function<QList<QMenu*>(QMdiSubWindow*)> menusOf;
  QtQuestions questions{nullptr};
  FrameWindow frame{f.m, questions, documents(), 0};

  FrameDocuments documents() {
    FrameDocuments given;
    given.closeDocument = [this](int doc) {
      asked.push_back(doc);
      return CloseDocument(f.m, doc);
    };
    given.menusOf = [this](QMdiSubWindow* w) { return menusOf ? menusOf(w) : QList<QMenu*>{}; };
    return given;
  }
};

TEST_F(Frame, NamesTitleAndTheMenusOfAFrameWithoutDocuments) {
  EXPECT_EQ(frame.objectName(), "frmMDI");
  EXPECT_EQ(frame.windowTitle(), "Quorvin");
  EXPECT_EQ(frame.centralWidget(), frame.mdi);
  const QList<QMenu*> bar = frame.menusShown();
  ASSERT_EQ(bar.size(), 3);
  EXPECT_EQ(bar[0]->title(), "File") << "no access key";
  EXPECT_EQ(bar[0]->objectName(), "mnuFile");
  EXPECT_EQ(bar[1]->title(), "&Options");
  EXPECT_EQ(bar[1]->objectName(), "mnuFileOptions");
  EXPECT_EQ(bar[2]->title(), "&Help");

  const std::vector<std::pair<std::string, std::string>> file = {
      {"mnuFileNew", "&New"},   {"mnuFileOpen", "&Open..."}, {"mnuFiless", ""},
      {"mnuFileExit", "&Exit"}, {"mnuFileArray_0", ""},     {"mnuFileArray_1", "-"},
      {"mnuFileArray_2", "-"},  {"mnuFileArray_3", "-"},    {"mnuFileArray_4", "-"}};
  const QList<QAction*> items = frame.mnuFile->actions();
  ASSERT_EQ(items.size(), static_cast<qsizetype>(file.size()));
  for (std::size_t i = 0; i < file.size(); ++i) {
    const QAction* a = items[static_cast<qsizetype>(i)];
    EXPECT_EQ(a->objectName().toStdString(), file[i].first);
    if (a->isSeparator()) continue;
    EXPECT_EQ(a->text().toStdString(), file[i].second) << file[i].first;
  }
  EXPECT_TRUE(items[2]->isSeparator());
  EXPECT_TRUE(items[4]->isSeparator());
  for (QAction* recent : frame.mnuFileArray) EXPECT_FALSE(recent->isVisible());
  for (QAction* a : {frame.mnuFileNew, frame.mnuFileOpen, frame.mnuFileExit})
    EXPECT_TRUE(a->isEnabled() && a->isVisible());

  EXPECT_EQ(frame.mnuOptionsToolbox->text(), "Show Toolbox");
  EXPECT_TRUE(frame.mnuOptionsToolbox->isCheckable());
  EXPECT_EQ(frame.mnuOptionsCurrentToolbox->text(), "Current Toolbox: default.tlb");
  EXPECT_EQ(frame.currentToolboxCaption(), "Current Toolbox: default.tlb");

  const std::vector<std::pair<QAction*, const char*>> help = {
      {frame.mnuHelpContents, "&Contents"},
      {frame.mnuHelpSearch, "&Search For Help On ..."},
      {frame.mnuHelpHowTo, "&How to Use Help"},
      {frame.mnus1, ""},
      {frame.mnuHelpAbout, "About Quorvin ..."},
      {frame.mnuHelpDisclaimer, "&Disclaimer..."}};
  ASSERT_EQ(frame.mnuHelp->actions().size(), 6);
  for (std::size_t i = 0; i < help.size(); ++i) {
    EXPECT_EQ(frame.mnuHelp->actions()[static_cast<qsizetype>(i)], help[i].first);
    if (!help[i].first->isSeparator()) {
      EXPECT_EQ(help[i].first->text(), help[i].second);
    }
  }
  EXPECT_TRUE(frame.mnus1->isSeparator());
  // Every item works: none is greyed.
  for (QAction* a : {frame.mnuHelpContents, frame.mnuHelpSearch, frame.mnuHelpHowTo,
                     frame.mnuHelpAbout, frame.mnuHelpDisclaimer, frame.mnuOptionsToolbox,
                     frame.mnuOptionsCurrentToolbox})
    EXPECT_TRUE(a->isEnabled());
}

TEST_F(Frame, TheLivePreferencesAWindowStartsFromAreTheDesignValues) {
  EXPECT_EQ(frame.lineWidth(), 1);
  EXPECT_TRUE(frame.showBubbles());
  EXPECT_FALSE(frame.running());
  EXPECT_EQ(frame.toolPick().picked(), nullptr);
  EXPECT_EQ(&frame.mdiArea(), frame.mdi);
}

// A path holding "&" shows it once, not as an access key, and the path opened
// is the real one.
TEST_F(Frame, RecentItemsShowTheStoredPathsAndOpenTheRealOne) {
  QTemporaryDir dir;
  const std::string amp = dir.filePath("R&D.qvn").toStdString();
  const std::string plain = dir.filePath("plain.qvn").toStdString();
  for (const std::string& path : {amp, plain}) testing_support::WriteBytes(path, "0\r\n\r\n");
  f.store.set("Quorvin", "Recent Files", "RecentFile1", amp);
  f.store.set("Quorvin", "Recent Files", "RecentFile2", plain);
  f.m.recentFiles.LoadRecentFiles();
  frame.refreshRecentItems();

  EXPECT_TRUE(frame.mnuFileArray[0]->isVisible());
  // A plain line: a separator's text would show beside it.
  EXPECT_TRUE(frame.mnuFileArray[0]->isSeparator());
  EXPECT_EQ(frame.mnuFileArray[0]->text(), "");
  EXPECT_EQ(frame.mnuFileArray[1]->text().toStdString(), dir.filePath("R&&D.qvn").toStdString());
  EXPECT_EQ(frame.mnuFileArray[2]->text().toStdString(), plain);
  EXPECT_TRUE(frame.mnuFileArray[1]->isVisible());
  EXPECT_TRUE(frame.mnuFileArray[2]->isVisible());
  EXPECT_FALSE(frame.mnuFileArray[3]->isVisible());
  EXPECT_FALSE(frame.mnuFileArray[4]->isVisible());

  frame.mnuFileArray_Click(0);
  frame.mnuFileArray_Click(5);
  frame.mnuFileArray_Click(-1);
  EXPECT_TRUE(f.m.documents.openDocuments().empty()) << "the separator and bad indexes open nothing";

  frame.mnuFileArray[1]->trigger();
  ASSERT_EQ(f.m.documents.openDocuments(), std::vector<int>{1});
  EXPECT_EQ(f.m.documents.docs[1].path, amp);
  EXPECT_TRUE(f.dialogs.messages.empty());
}

TEST_F(Frame, NewAndOpenMakeDocuments) {
  frame.mnuFileNew->trigger();
  EXPECT_EQ(f.m.documents.openDocuments(), std::vector<int>{1});
  frame.mnuFileOpen->trigger();  // the open dialog is cancelled
  ASSERT_EQ(f.dialogs.filters.size(), 1u);
  EXPECT_EQ(f.dialogs.filters[0], kFlowchartFilter);
}

// Exit with two changed documents: each is asked in turn; a Cancel keeps the
// program and the documents not yet closed, and the canvas is not left dead.
TEST_F(Frame, ExitWithTwoChangedDocumentsAndACancel) {
  const int first = f.OpenDocument();
  const int second = f.OpenDocument();
  f.AddBox(first, 100, 100, "Sin");
  f.AddBox(second, 200, 200, "Cos");
  f.m.documents.docInfo[first].Changed = true;
  f.m.documents.docInfo[second].Changed = true;
  frame.show();

  // Cancel at once: both stay, the armed tool comes back.
  testing_support::SetEditMode(f.m, EditMode::ArrowArmed);
  f.dialogs.answers = {Answer::Cancel};
  frame.mnuFileExit->trigger();
  EXPECT_EQ(asked, std::vector<int>{first});
  EXPECT_EQ(f.m.documents.openDocuments(), (std::vector<int>{first, second}));
  EXPECT_EQ(f.m.editor.mode(), EditMode::ArrowArmed);
  EXPECT_TRUE(frame.isVisible());
  ASSERT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.dialogs.messages[0].text, kSaveBeforeClosing);

  // No for the first, Cancel for the second: the first is gone, the second
  // stays with its box and the canvas is live.
  asked.clear();
  f.dialogs.answers = {Answer::No, Answer::Cancel};
  frame.exitProgram();
  EXPECT_EQ(asked, (std::vector<int>{first, second}));
  EXPECT_EQ(f.m.documents.openDocuments(), std::vector<int>{second});
  EXPECT_EQ(f.m.table.highestBox(), 1);
  EXPECT_EQ(f.m.table[1].Kind, "Cos");
  EXPECT_NE(f.m.editor.mode(), EditMode::Off);
  EXPECT_TRUE(frame.isVisible());

  // The close box asks the same, and No ends the program.
  f.dialogs.answers = {Answer::No};
  frame.close();
  EXPECT_TRUE(f.m.documents.openDocuments().empty());
  EXPECT_FALSE(frame.isVisible());
}

TEST_F(Frame, ExitWithNothingChangedAsksNothing) {
  f.OpenDocument();
  frame.show();
  frame.mnuFileExit_Click();
  EXPECT_TRUE(f.dialogs.messages.empty());
  EXPECT_FALSE(frame.isVisible());
  EXPECT_FALSE(frame.resumeAfterInterruptedRun()) << "no run was interrupted";
}

// Exit during a box-by-box run: the run waits in an event loop of its own, so
// the frame quits every loop instead of closing the documents under it; once
// the program's loop has returned, the documents are asked as at any Exit.
TEST_F(Frame, ExitDuringARunEndsTheRunFirstThenAsks) {
  const int doc = f.OpenDocument();
  f.AddBox(doc, 100, 100, "Sin");
  f.m.documents.docInfo[doc].Changed = true;
  frame.show();
  bool waitEnded = false;
  QTimer::singleShot(0, &frame, [&] {
    const RunState::Scope running(frame.link().services().run);
    frame.mnuFileExit->trigger();
    // The run's wait for the interpreter: it ends at once.
    QEventLoop wait;
    QTimer::singleShot(5000, &wait, [&wait] { wait.exit(1); });
    waitEnded = wait.exec() != 1;
  });
  QCoreApplication::exec();
  EXPECT_TRUE(waitEnded);
  EXPECT_TRUE(asked.empty()) << "nothing closes while the run reads the table";
  EXPECT_FALSE(frame.running());

  f.dialogs.answers = {Answer::Cancel};
  EXPECT_TRUE(frame.resumeAfterInterruptedRun()) << "Cancel: the program goes on";
  EXPECT_EQ(asked, std::vector<int>{doc});
  EXPECT_TRUE(frame.isVisible());
  EXPECT_FALSE(frame.resumeAfterInterruptedRun()) << "asked once";
  EXPECT_EQ(f.m.documents.openDocuments(), std::vector<int>{doc});
}

// Asked to end from outside while an interpreter is being started, the
// program gives the start up first (the interpreter had nothing yet), then
// asks the documents: never from inside the start's wait.
TEST_F(Frame, ExitDuringAStartEndsTheStartFirstThenAsks) {
  const int doc = f.OpenDocument();
  f.AddBox(doc, 100, 100, "Sin");
  f.m.documents.docInfo[doc].Changed = true;
  frame.show();
  QTemporaryDir dir;
  const QString mute = dir.path() + "/octave";
  testing_support::WriteBytes(mute.toStdString(), "#!/bin/sh\nexec sleep 1000\n", 0700);
  InterpreterLink& link = frame.link().services().link;
  link.setStartTimeoutMs(5000);
  std::optional<StartResult> started;
  std::vector<int> askedMeanwhile;
  QTimer::singleShot(0, &frame, [&] {
    QTimer::singleShot(200, &frame, [&] { frame.exitProgram(); });
    started = link.startProgram({mute, {}, Dialect::Octave, {}});
    askedMeanwhile = asked;
    QCoreApplication::exit(0);  // should the Exit not have quit every loop
  });
  QCoreApplication::exec();
  EXPECT_EQ(started, StartResult::Stopped);
  EXPECT_TRUE(askedMeanwhile.empty()) << "the documents were asked inside the start";
  EXPECT_FALSE(link.alive());
  f.dialogs.answers = {Answer::No};
  EXPECT_FALSE(frame.resumeAfterInterruptedRun()) << "No: the program ends";
  EXPECT_EQ(asked, std::vector<int>{doc});
}

// Cancel at the save question after an Exit that had to quit every loop
// keeps the program, but not what the quit ended: the run under way, and
// the interpreter it ran in with its variables. That is said; an Exit that
// ended nothing says nothing more.
TEST_F(Frame, ACancelledExitSaysWhatItEnded) {
  const int doc = f.OpenDocument();
  f.AddBox(doc, 100, 100, "Sin");
  f.m.documents.docInfo[doc].Changed = true;
  frame.show();
  struct Case {
    const char* name;
    bool run;  // else a modal window was open (the program was asked to end from outside)
    bool interpreter;
    std::optional<std::string> told;
  };
  for (const Case& c : {Case{"run and interpreter", true, true, kRunAndMatlabStoppedForExit},
                        Case{"run before any interpreter", true, false, kRunStoppedForExit},
                        Case{"neither", false, false, std::nullopt}}) {
    SCOPED_TRACE(c.name);
    InterpreterLink& link = frame.link().services().link;
    if (c.interpreter) {
      ASSERT_TRUE(link.start(*FindInterpreter("/usr")));
    }
    f.dialogs.messages.clear();
    QTimer::singleShot(0, &frame, [&] {
      std::optional<RunState::Scope> running;
      if (c.run) running.emplace(frame.link().services().run);
      QDialog wait(&frame);  // the run's wait or the modal window, which the Exit ends
      QTimer::singleShot(0, &frame, [&] { frame.exitProgram(); });
      QTimer::singleShot(5000, &wait, [&wait] { wait.done(7); });
      wait.exec();
      QCoreApplication::exit(0);  // should the Exit not have quit every loop
    });
    QCoreApplication::exec();
    EXPECT_FALSE(link.alive());
    f.dialogs.answers = {Answer::Cancel};
    EXPECT_TRUE(frame.resumeAfterInterruptedRun());
    ASSERT_EQ(f.dialogs.messages.size(), c.told ? 2u : 1u);
    EXPECT_EQ(f.dialogs.messages[0].text, kSaveBeforeClosing);
    if (!c.told) continue;
    EXPECT_EQ(f.dialogs.messages[1].text, *c.told);
    EXPECT_EQ(f.dialogs.messages[1].style, style::kInformation);
    EXPECT_EQ(f.dialogs.messages[1].title, kAppTitle);
  }
  // A plain Exit, cancelled, interrupted nothing.
  f.dialogs.messages.clear();
  f.dialogs.answers = {Answer::Cancel};
  frame.exitProgram();
  EXPECT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_FALSE(frame.resumeAfterInterruptedRun());
  EXPECT_EQ(f.dialogs.messages.size(), 1u);
}

// Asked to end from outside (SIGTERM) while a modal window is open and no
// run is under way, then cancelled at the save question: the interpreter,
// which no run used, goes on with its variables, and nothing more is said.
TEST_F(Frame, ACancelledExitKeepsAnIdleInterpreterAndItsVariables) {
  const int doc = f.OpenDocument();
  f.AddBox(doc, 100, 100, "Sin");
  f.m.documents.docInfo[doc].Changed = true;
  frame.show();
  InterpreterLink& link = frame.link().services().link;
  ASSERT_TRUE(link.start(*FindInterpreter("/usr")));
  ASSERT_EQ(link.eval("kept = 42;", {}).status, EvalResult::Status::Ok);
  QTimer::singleShot(0, &frame, [&] {
    QDialog modal(&frame);
    QTimer::singleShot(0, &frame, [&] { frame.exitProgram(); });
    QTimer::singleShot(5000, &modal, [&modal] { modal.done(7); });
    modal.exec();
    QCoreApplication::exit(0);  // should the Exit not have quit every loop
  });
  QCoreApplication::exec();
  f.dialogs.answers = {Answer::Cancel};
  EXPECT_TRUE(frame.resumeAfterInterruptedRun());
  ASSERT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.dialogs.messages[0].text, kSaveBeforeClosing);
  ASSERT_TRUE(link.alive());
  EXPECT_EQ(link.eval("kept", {}).output, "kept = 42\r\n");
}

// Asked to end from outside (SIGTERM) while a modal window is open: the
// command that opened it gets its answer, as at a Cancel, before any document
// is closed under it; then the documents are asked as at any Exit.
TEST_F(Frame, ExitWhileAModalWindowIsOpenClosesItBeforeAskingTheDocuments) {
  const int doc = f.OpenDocument();
  f.AddBox(doc, 100, 100, "Sin");
  f.m.documents.docInfo[doc].Changed = true;
  frame.show();
  std::vector<int> askedMeanwhile;
  int dialogResult = -1;
  QTimer::singleShot(0, &frame, [&] {
    QDialog dialog(&frame);
    QTimer::singleShot(0, &frame, [&] { frame.exitProgram(); });
    QTimer::singleShot(5000, &dialog, [&dialog] { dialog.done(7); });
    dialogResult = dialog.exec();
    askedMeanwhile = asked;
    QCoreApplication::exit(0);  // should the Exit not have quit every loop
  });
  QCoreApplication::exec();
  EXPECT_EQ(dialogResult, QDialog::Rejected);
  EXPECT_TRUE(askedMeanwhile.empty()) << "nothing closes while the dialog's command runs";
  f.dialogs.answers = {Answer::No};
  EXPECT_FALSE(frame.resumeAfterInterruptedRun()) << "No: the program ends";
  EXPECT_EQ(asked, std::vector<int>{doc});
  ASSERT_EQ(f.dialogs.messages.size(), 1u) << "no run was ended";
  EXPECT_FALSE(frame.isVisible());
}

// The preferences window is modal without an event loop of its own: asked to
// end from outside while it is open, the program closes it as its Cancel
// would and asks the documents, instead of going on as if never asked.
TEST_F(Frame, ExitWhileThePreferencesWindowIsOpenCancelsItThenAsks) {
  const int doc = f.OpenDocument();
  f.m.documents.docInfo[doc].Changed = true;
  frame.show();
  frame.preferences();
  PreferencesWindow& prefs = *frame.preferencesWindow();
  ASSERT_EQ(QApplication::activeModalWidget(), &prefs);
  prefs.txtDrives->setText("z");
  QTimer::singleShot(0, &frame, [&] { frame.exitProgram(); });
  QTimer::singleShot(5000, &frame, [] { QCoreApplication::exit(7); });
  ASSERT_EQ(QCoreApplication::exec(), 0) << "the Exit quit the program's loop";
  f.dialogs.answers = {Answer::No};
  EXPECT_FALSE(frame.resumeAfterInterruptedRun()) << "No: the program ends";
  EXPECT_EQ(asked, std::vector<int>{doc});
  EXPECT_TRUE(prefs.isHidden());
  EXPECT_EQ(f.m.prefs.txtDrives, "abcdef") << "closed as by Cancel";
  EXPECT_FALSE(frame.isVisible());
}

// The active document's menus fill the menu bar; with none active the
// frame's own come back.
// The results window is the frame's, as a dialog is: a window manager keeps
// it in front of the frame and of the questions a run asks there.
TEST_F(Frame, OwnsTheResultsWindowAsItsDialog) {
  const TextResultsWindow& results = frame.link().services().results;
  EXPECT_EQ(results.parentWidget(), &frame);
  EXPECT_TRUE(results.isWindow());
  EXPECT_EQ(results.windowType(), Qt::Dialog);
  EXPECT_TRUE(results.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(results.isModal());
}

TEST_F(Frame, TheActiveDocumentBringsItsMenus) {
  QMenu docFile("&File"), docEdit("&Edit");
  QMdiSubWindow* document = nullptr;
  menusOf = [&](QMdiSubWindow* w) {
    return w == document ? QList<QMenu*>{&docFile, &docEdit} : QList<QMenu*>{};
  };
  frame.show();
  document = frame.mdi->addSubWindow(new QWidget);
  document->show();
  frame.mdi->setActiveSubWindow(document);
  EXPECT_EQ(frame.menusShown(), (QList<QMenu*>{&docFile, &docEdit}));
  EXPECT_EQ(frame.menuBar()->actions().size(), 2);
  document->close();
  delete document;
  QCoreApplication::processEvents();
  EXPECT_EQ(frame.menusShown(), (QList<QMenu*>{frame.mnuFile, frame.mnuFileOptions, frame.mnuHelp}));
  // The frame's menus survived being taken off the bar.
  EXPECT_EQ(frame.mnuFile->actions().size(), 9);
}

// The start-up with no pause: the splash closes at the first turn of the
// loop, the directory is found, the recent files fill the menu, the frame shows.
TEST_F(Frame, StartUpFindsTheDirectoryAndFillsTheRecentFiles) {
  f.store.set("Quorvin", "Recent Files", "RecentFile1", "/x/one.qvn");
  int picked = 0;
  AppDirProbe probe;
  probe.currentDirectory = [] { return std::string("/here"); };
  probe.holdsSettings = [](const std::string& d) { return d == "/here"; };
  probe.pickDirectory = [&] { return ++picked, std::string(); };
  QSignalSpy loaded(&frame, &FrameWindow::loaded);
  frame.MDIForm_Load(probe);
  EXPECT_FALSE(frame.isLoaded()) << "the splash window shows first";
  ASSERT_TRUE(loaded.wait(2000));
  EXPECT_TRUE(frame.isLoaded());
  EXPECT_TRUE(frame.isVisible());
  EXPECT_EQ(f.m.appDir, "/here");
  EXPECT_EQ(picked, 0);
  EXPECT_TRUE(frame.mnuFileArray[1]->isVisible());
  EXPECT_EQ(frame.mnuFileArray[1]->text(), "/x/one.qvn");
  EXPECT_TRUE(f.m.documents.openDocuments().empty()) << "no document at start";
}

TEST_F(Frame, StartUpWithoutASettingsFileLeavesTheRecentFilesUnread) {
  f.store.set("Quorvin", "Recent Files", "RecentFile1", "/x/one.qvn");
  AppDirProbe probe;
  probe.currentDirectory = [] { return std::string("/here"); };
  probe.holdsSettings = [](const std::string&) { return false; };
  QSignalSpy loaded(&frame, &FrameWindow::loaded);
  frame.MDIForm_Load(probe);
  ASSERT_TRUE(loaded.wait(2000));
  EXPECT_EQ(f.m.appDir, "/here");
  EXPECT_FALSE(frame.mnuFileArray[0]->isVisible());
  EXPECT_FALSE(frame.mnuFileArray[1]->isVisible());
}

TEST(LiteralCaption, DoublesEveryAmpersand) {
  EXPECT_EQ(LiteralCaption("/a&b/&&c.qvn"), "/a&&b/&&&&c.qvn");
  EXPECT_EQ(LiteralCaption("/plain.qvn"), "/plain.qvn");
}

}  // namespace
}  // namespace quorvin
