// The page-view window: its controls, and a picture that shows the boxes of
// the flowchart and their connection. Built and grabbed, never run modally.
#include "canvas/page_view.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>

#include "canvas/pixel_geometry.h"
#include "tests/canvas/box_table_fixture.h"
#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

using testing_support::AddBox;
using testing_support::LinkBoxes;

class PageViewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing_support::EnsureGuiApplication(); }
  BoxTable table;
};

TEST_F(PageViewTest, WindowAndControlsAsDesigned) {
  PageView view(table, 2430, 7695, 7000);
  EXPECT_EQ(view.objectName(), "frmPageView");
  EXPECT_EQ(view.windowTitle(), "Quorvin Page View");
  EXPECT_EQ(view.size(), QSize(425, 381));  // 6375 by 5715 twips
  EXPECT_EQ(view.pnl->objectName(), "pnl");
  EXPECT_EQ(view.pnl->geometry(), QRect(0, 344, 425, 41));
  EXPECT_EQ(view.cmdOK->objectName(), "cmdOK");
  EXPECT_EQ(view.cmdOK->text(), "OK");
  EXPECT_EQ(view.cmdOK->parentWidget(), view.pnl);
  EXPECT_EQ(view.cmdOK->geometry(), QRect(346, 8, 65, 25));
  EXPECT_EQ(view.findChild<QPushButton*>("cmdOK"), view.cmdOK);
}

TEST_F(PageViewTest, ShowsTheBoxesOverWhiteAndTheirConnectionInItsColour) {
  const int a = AddBox(table, 1, 600, 600);
  const int b = AddBox(table, 2, 6000, 5000, "Cos");
  LinkBoxes(table, a, 1, b, 1);
  PageView view(table, 2430, 7695, 7000);
  ASSERT_EQ(view.picture().images.size(), 2u);
  const QImage shot = view.grab().toImage().convertToFormat(QImage::Format_RGB32);

  EXPECT_EQ(shot.pixel(200, 5), qRgb(255, 255, 255)) << "white background";
  EXPECT_EQ(shot.pixel(5, 360), qRgb(0, 0, 255)) << "blue panel";

  // Each image holds its icon: colours other than white inside its rectangle.
  for (const PageViewImage& image : view.picture().images) {
    const QRect r = PixelRect(image.rect).adjusted(2, 2, -2, -2);
    int coloured = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
      for (int x = r.left(); x <= r.right(); ++x) coloured += shot.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(coloured, r.width() * r.height() / 4) << "box " << image.box;
  }

  // The connection's horizontal line, red, between the two images.
  const PageViewConnection& line = view.picture().connections.at(0);
  const int y = static_cast<int>(PixelPoint(line.horizontal.from).y());
  const int x = static_cast<int>((PixelPoint(line.horizontal.from).x() +
                                  PixelPoint(line.horizontal.to).x()) / 2);
  bool red = false;
  for (int dy = -1; dy <= 1; ++dy) {
    const QRgb c = shot.pixel(x, y + dy);
    red = red || (qRed(c) > 200 && qGreen(c) < 160 && qBlue(c) < 160);
  }
  EXPECT_TRUE(red);
}

TEST_F(PageViewTest, OkClosesTheView) {
  PageView view(table, 2430, 7695, 7000);
  view.show();
  QSignalSpy accepted(&view, &QDialog::accepted);
  view.cmdOK->click();
  EXPECT_EQ(accepted.count(), 1);
  EXPECT_TRUE(view.isHidden());
}

}  // namespace
}  // namespace quorvin
