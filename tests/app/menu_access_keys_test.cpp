// The document's menu bar by its access keys: "&Edit" and "&Execute" share
// E, and Alt+E must always open the same menu.
#include <QApplication>
#include <QMenu>
#include <QTest>

#include "tests/app/frame_with_windows_fixture.h"

namespace quorvin {
namespace {

struct MenuAccessKeys : testing::FrameWithWindows {
  void SetUp() override {
    FrameWithWindows::SetUp();
    frame.mnuFileNew->trigger();
    QApplication::setActiveWindow(&frame);
    frame.activateWindow();
    QCoreApplication::processEvents();
  }
  DocumentWindow& document() { return *windows.window(1); }
  QWidget* pressAltE() {
    QTest::keyClick(&frame, Qt::Key_E, Qt::AltModifier);
    QCoreApplication::processEvents();
    return QApplication::activePopupWidget();
  }
  // As a person does: Escape closes the menu, a second leaves the menu bar.
  void closeMenus() {
    while (QWidget* popup = QApplication::activePopupWidget())
      QTest::keyClick(popup, Qt::Key_Escape);
    if (QWidget* focus = QApplication::focusWidget()) QTest::keyClick(focus, Qt::Key_Escape);
    QCoreApplication::processEvents();
  }
};

// Every Alt+E opens Edit on its first item, whatever was opened before: a
// person who types Alt+E then C copies boxes and never writes the script to
// the clipboard.
TEST_F(MenuAccessKeys, AltEOpensEditEveryTime) {
  for (int press = 1; press <= 3; ++press) {
    SCOPED_TRACE(press);
    EXPECT_EQ(pressAltE(), document().mnuEdit);
    EXPECT_EQ(document().mnuEdit->activeAction(), document().mnuEditMove);
    closeMenus();
  }
}

}  // namespace
}  // namespace quorvin
