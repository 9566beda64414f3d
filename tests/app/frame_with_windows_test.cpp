// The frame with real document windows, joined as the program joins them.
#include <QMdiSubWindow>

#include "tests/app/frame_with_windows_fixture.h"

namespace quorvin {
namespace {

using testing::FrameWithWindows;

TEST_F(FrameWithWindows, TheActiveDocumentsMenusFillTheBarAndLeaveWithIt) {
  frame.mnuFileNew->trigger();
  frame.mnuFileNew->trigger();
  ASSERT_EQ(m.documents.openDocuments(), (std::vector<int>{1, 2}));
  frame.mdi->setActiveSubWindow(windows.window(1)->subWindow());
  EXPECT_EQ(frame.menusShown(), menusOf(1));
  EXPECT_EQ(frame.menusShown().size(), 8);
  frame.mdi->setActiveSubWindow(windows.window(2)->subWindow());
  EXPECT_EQ(frame.menusShown(), menusOf(2));

  ASSERT_TRUE(windows.window(2)->closeWindow());
  ASSERT_TRUE(windows.window(1)->closeWindow());
  QCoreApplication::processEvents();
  EXPECT_EQ(frame.menusShown(),
            (QList<QMenu*>{frame.mnuFile, frame.mnuFileOptions, frame.mnuHelp}));
}

// The document's Windows menu lays the windows out as the frame does: Tile
// one above the other, Arrange side by side.
TEST_F(FrameWithWindows, TheDocumentsWindowsMenuTilesAndArranges) {
  for (int i = 0; i < 2; ++i) frame.mnuFileNew->trigger();
  DocumentWindow* active = windows.activeWindow();
  ASSERT_NE(active, nullptr);
  const QSize area = frame.mdi->viewport()->size();
  QMdiSubWindow* first = windows.window(1)->subWindow();
  QMdiSubWindow* second = windows.window(2)->subWindow();

  active->mnuWindowsTile->trigger();
  EXPECT_EQ(first->geometry(), QRect(0, 0, area.width(), area.height() / 2));
  EXPECT_EQ(second->geometry().top(), area.height() / 2);
  EXPECT_EQ(second->geometry().width(), area.width());

  active->mnuWindowsArrange->trigger();
  EXPECT_EQ(first->geometry(), QRect(0, 0, area.width() / 2, area.height()));
  EXPECT_EQ(second->geometry().left(), area.width() / 2);
  EXPECT_EQ(second->geometry().height(), area.height());

  active->mnuWindowsCascade->trigger();
  EXPECT_LT(first->geometry().top(), second->geometry().top());
}

// With the active document maximized, a new one opens maximized over the
// whole area too, and restored it takes its design size.
TEST_F(FrameWithWindows, ANewDocumentOpensMaximizedWhileTheOthersAre) {
  frame.mnuFileNew->trigger();
  QMdiSubWindow* first = windows.window(1)->subWindow();
  const QSize designSize = first->size();
  first->showMaximized();
  frame.mnuFileNew->trigger();
  QMdiSubWindow* second = windows.window(2)->subWindow();
  EXPECT_TRUE(second->isMaximized());
  EXPECT_EQ(second->geometry(), QRect(QPoint(0, 0), frame.mdi->viewport()->size()));
  EXPECT_EQ(frame.mdi->activeSubWindow(), second);
  second->showNormal();
  EXPECT_EQ(second->size(), designSize);
}

// The document's own Exit is the frame's: every changed document is asked,
// and a Cancel keeps the program.
TEST_F(FrameWithWindows, TheDocumentsExitAsksThroughTheFrame) {
  frame.mnuFileNew->trigger();
  m.documents.docInfo[1].Changed = true;
  dialogs.answers = {Answer::Cancel};
  windows.window(1)->mnuExit->trigger();
  EXPECT_EQ(m.documents.openDocuments(), std::vector<int>{1});
  EXPECT_TRUE(frame.isVisible());
  dialogs.answers = {Answer::No};
  windows.window(1)->mnuExit->trigger();
  EXPECT_TRUE(m.documents.openDocuments().empty());
  EXPECT_FALSE(frame.isVisible());
}

// Exit asks about each changed document in turn with that document's window
// active, in front: the answer is about the document the person sees, not
// about one hidden behind the window that was active.
TEST_F(FrameWithWindows, ExitAsksAboutEachChangedDocumentOverItsOwnWindow) {
  frame.mnuFileNew->trigger();
  frame.mnuFileNew->trigger();
  for (const int doc : {1, 2}) m.documents.docInfo[doc].Changed = true;
  ASSERT_EQ(windows.activeDocument(), 2);
  std::vector<int> activeWhenAsked;
  dialogs.whenAsked = [&] { activeWhenAsked.push_back(windows.activeDocument()); };
  dialogs.answers = {Answer::No, Answer::Cancel};
  frame.mnuFileExit->trigger();
  EXPECT_EQ(activeWhenAsked, (std::vector<int>{1, 2}));
  EXPECT_EQ(m.documents.openDocuments(), std::vector<int>{2});
  EXPECT_TRUE(frame.isVisible());
}

}  // namespace
}  // namespace quorvin
