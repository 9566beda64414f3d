// Which document window is active after the frame was left for a dialog
// and comes back: the one the command opened, whichever command it was.
#include <QDialog>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "tests/app/frame_with_windows_fixture.h"
#include "tests/support/file_sandbox.h"

namespace quorvin {
namespace {

using testing::FrameWithWindows;

struct DocumentActivation : FrameWithWindows {
  testing_support::ScratchFolder folder;
  QDialog dialog{&frame};

  void SetUp() override {
    FrameWithWindows::SetUp();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
  }
  // A window of the program takes the keyboard from the frame while f runs,
  // as the open dialog does, and gives it back afterwards, as the window
  // manager does when the dialog closes.
  void awayFromTheFrame(const std::function<void()>& f) {
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    f();
    dialog.hide();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    QCoreApplication::processEvents();
  }
  std::string chart() {
    const std::string path = folder / "chart.qvn";
    std::ofstream(path, std::ios::binary) << "0\r\n\r\n";
    return path;
  }
};

// Open through the dialog answers while the dialog still has the keyboard:
// the document read is the active one afterwards, and its menus are shown.
TEST_F(DocumentActivation, TheDocumentOpenedThroughADialogStaysActive) {
  frame.mnuFileNew->trigger();
  ASSERT_EQ(windows.activeDocument(), 1);
  dialogs.fileAnswers = {chart()};
  awayFromTheFrame([&] { windows.window(1)->mnuFileLoad->trigger(); });
  ASSERT_EQ(m.documents.openDocuments(), (std::vector<int>{1, 2}));
  EXPECT_EQ(windows.activeDocument(), 2);
  EXPECT_EQ(frame.menusShown(), menusOf(2));
}

// The same holds for a new document and for a second one opened from the
// frame's own menu: the last window opened keeps the frame's keyboard.
TEST_F(DocumentActivation, EveryNewWindowTakesTheFramesKeyboard) {
  frame.mnuFileNew->trigger();
  awayFromTheFrame([&] { frame.mnuFileNew->trigger(); });
  EXPECT_EQ(windows.activeDocument(), 2);
  dialogs.fileAnswers = {chart()};
  awayFromTheFrame([&] { frame.mnuFileOpen->trigger(); });
  EXPECT_EQ(windows.activeDocument(), 3);
}

}  // namespace
}  // namespace quorvin
