#include "app/window_arrangement.h"

#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>

#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

TEST(TiledRects, TileStacksAndArrangeMakesColumns) {
  struct Case {
    Arrangement how;
    QSize area;
    int count;
    std::vector<QRect> rects;
  };
  const std::vector<Case> cases = {
      {Arrangement::Tile, {600, 400}, 1, {{0, 0, 600, 400}}},
      {Arrangement::Tile, {600, 400}, 3, {{0, 0, 600, 133}, {0, 133, 600, 133}, {0, 266, 600, 134}}},
      {Arrangement::Arrange, {600, 400}, 2, {{0, 0, 300, 400}, {300, 0, 300, 400}}},
      {Arrangement::Arrange, {100, 50}, 3, {{0, 0, 33, 50}, {33, 0, 33, 50}, {66, 0, 34, 50}}},
      // More windows than pixels: the last one takes the whole area's length.
      {Arrangement::Tile, {10, 2}, 3, {{0, 0, 10, 0}, {0, 0, 10, 0}, {0, 0, 10, 2}}},
      {Arrangement::Tile, {600, 400}, 0, {}},
      {Arrangement::Arrange, {0, 400}, 2, {}},
      {Arrangement::Cascade, {600, 400}, 2, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TiledRects(c.how, c.area, c.count), c.rects)
        << static_cast<int>(c.how) << " " << c.count;
  }
}

struct Windows : ::testing::Test {
  // Before the area below.
  bool gui = (testing_support::EnsureGuiApplication(), true);
  QMdiArea area;
  std::vector<QMdiSubWindow*> windows;
  void SetUp() override {
    area.resize(800, 600);
    area.show();
    for (int i = 0; i < 3; ++i) {
      windows.push_back(area.addSubWindow(new QWidget));
      windows.back()->setGeometry(10 * i, 10 * i, 200, 150);
      windows.back()->show();
    }
  }
};

TEST_F(Windows, TileLaysShownWindowsOneAboveTheOther) {
  windows[1]->showMinimized();
  ArrangeWindows(area, Arrangement::Tile);
  const QSize size = area.viewport()->size();
  EXPECT_EQ(windows[0]->geometry(), QRect(0, 0, size.width(), size.height() / 2));
  EXPECT_EQ(windows[2]->geometry(),
            QRect(0, size.height() / 2, size.width(), size.height() - size.height() / 2));
  EXPECT_TRUE(windows[1]->isMinimized()) << "a minimised window stays as it is";
}

TEST_F(Windows, ArrangeLaysThemSideBySide) {
  windows[0]->showMaximized();
  ArrangeWindows(area, Arrangement::Arrange);
  const QSize size = area.viewport()->size();
  const int w = size.width() / 3;
  for (int i = 0; i < 3; ++i) {
    const QRect g = windows[static_cast<std::size_t>(i)]->geometry();
    EXPECT_EQ(g.left(), i * w);
    EXPECT_EQ(g.top(), 0);
    EXPECT_EQ(g.height(), size.height());
  }
  EXPECT_FALSE(windows[0]->isMaximized());
  EXPECT_EQ(windows[2]->geometry().right(), size.width() - 1);
}

TEST_F(Windows, CascadeOffsetsEachWindowAndOtherCodesDoNothing) {
  ArrangeWindows(area, Arrangement::Cascade);
  EXPECT_LT(windows[0]->geometry().top(), windows[1]->geometry().top());
  EXPECT_LT(windows[1]->geometry().top(), windows[2]->geometry().top());
  const QRect before = windows[2]->geometry();
  ArrangeWindows(area, static_cast<Arrangement>(3));
  ArrangeWindows(area, static_cast<Arrangement>(-1));
  EXPECT_EQ(windows[2]->geometry(), before);
}

}  // namespace
}  // namespace quorvin
