// Where the program's file dialogs open: Open and Save As of the frame,
// Write to file of a document window.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "app/document_routing.h"
#include "app/frame_window.h"
#include "canvas/document_windows.h"
#include "compiler/script_delivery.h"
#include "tests/canvas/canvas_fixture.h"
#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

using testing::AnsweringDialogs;

// Where a file dialog opens, and a folder, as texts a failure can show.
std::string Where(const std::unique_ptr<QFileDialog>& dialog) {
  return dialog->directory().path().toStdString();
}
std::string Path(const QString& folder) { return folder.toStdString(); }

// Makes dir the current directory for as long as it lives.
struct InDirectory {
  QString before = QDir::currentPath();
  explicit InDirectory(const QString& dir) { QDir::setCurrent(dir); }
  ~InDirectory() { QDir::setCurrent(before); }
};

// The program started from one folder, its settings file installed beside
// the executable in another.
struct StartedElsewhere : ::testing::Test {
  bool gui = (testing_support::EnsureGuiApplication(), true);
  QTemporaryDir root;
  QString started = folder("started"), installed = folder("installed");
  InDirectory startedHere{started};
  DocumentWindows windows;
  AnsweringDialogs dialogs;
  MemorySettingsStore store;
  Model m{dialogs, windows, store};
  QtQuestions programQuestions{nullptr};
  FrameWindow frame{m, programQuestions, DocumentsOf(windows), 0};

  QString folder(const QString& name) {
    QDir(root.path()).mkpath(name);
    return QDir(root.path() + "/" + name).canonicalPath();
  }
  void SetUp() override {
    JoinFrameAndWindows(frame, windows, m);
    QFile settings(installed + "/quorvin.ini");
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.close();
    AppDirProbe probe = SystemAppDirProbe(&frame);
    probe.executableDirectory = [this] { return installed.toStdString(); };
    QSignalSpy loaded(&frame, &FrameWindow::loaded);
    frame.MDIForm_Load(probe);
    ASSERT_TRUE(loaded.wait(5000));
    ASSERT_EQ(m.appDir, installed.toStdString());
  }
};

// The first dialogs open where the program was started, not among its own
// files; once a file is chosen, every window's dialogs open in its folder.
TEST_F(StartedElsewhere, EveryFileDialogOpensWhereThePersonsFilesAre) {
  EXPECT_EQ(Path(QDir::currentPath()), Path(started));
  QtQuestions& questions = frame.questions();
  const int doc = NewDocument(m);
  QtQuestions& window = windows.window(doc)->windowQuestions().dialogs();
  EXPECT_EQ(Where(questions.openDialog(kFlowchartFilter)), Path(started));
  EXPECT_EQ(Where(questions.saveDialog(kFlowchartFilter, "")), Path(started));
  EXPECT_EQ(Where(window.saveDialog(kMFileFilter, "")), Path(started));

  const QString charts = folder("charts");
  auto saveAs = questions.saveDialog(kFlowchartFilter, "");
  saveAs->selectFile(charts + "/first.qvn");
  static_cast<QDialog&>(*saveAs).accept();  // as the Save button does
  ASSERT_EQ(questions.takeAnswer(*saveAs), (charts + "/first.qvn").toStdString());
  EXPECT_EQ(Where(window.saveDialog(kMFileFilter, "")), Path(charts));
  EXPECT_EQ(Where(questions.openDialog(kFlowchartFilter)), Path(charts));
}

}  // namespace
}  // namespace quorvin
