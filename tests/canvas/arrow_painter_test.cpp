// Arrows painted offscreen: the colour byte order, the head's arc in Qt's
// units, and a picture that holds the red elbow and the black head.
#include "canvas/arrow_painter.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QImage>
#include <QTransform>

#include <climits>
#include <cmath>

#include "platform/bgr_colour.h"
#include "canvas/logic/box_button.h"
#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

constexpr std::int32_t kRed = 0x000000FF;

TEST(BgrColourTest, RedSitsInTheLowByte) {
  EXPECT_EQ(ColourFromBgr(kRed), QColor(255, 0, 0));
  EXPECT_EQ(ColourFromBgr(0x00FF0000), QColor(0, 0, 255));
  EXPECT_EQ(ColourFromBgr(0x00123456), QColor(0x56, 0x34, 0x12));
  EXPECT_EQ(ColourFromBgr(static_cast<std::int32_t>(0xFF00FF00u)), QColor(0, 255, 0))
      << "the unused high byte is ignored";
  EXPECT_EQ(BgrFromColour(QColor(0x56, 0x34, 0x12)), 0x00123456);
}

TEST(PieAnglesTest, SixteenthsOfADegreeAndASpanThatWrapsThroughZero) {
  struct Row {
    ArrowHeadCase kind;
    int start, span;
  };
  const Row rows[] = {
      {ArrowHeadCase::Down, 871, 1146},
      {ArrowHeadCase::Right, 2722, 537},
      {ArrowHeadCase::Left, 5280, 1121},  // 5.76 to 0.7: through 0, not backwards
      {ArrowHeadCase::Up, 3749, 1146},
  };
  const TwipsRect target{1000, 2000, 480, 480};
  const TwipsRect sources[] = {{1000, 0, 480, 480}, {0, 2000, 480, 480}, {4000, 2000, 480, 480},
                               {1000, 5000, 480, 480}};
  for (int n = 0; n < 4; ++n) {
    const ArrowHead head = ArrowBetween(sources[n], target, 1, kRed).head;
    ASSERT_EQ(head.kind, rows[n].kind);
    const PieAngles angles = PieAnglesOf(head);
    EXPECT_EQ(angles.start, rows[n].start) << n;
    EXPECT_EQ(angles.span, rows[n].span) << n;
  }
}

class ArrowPainterTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing_support::EnsureGuiApplication(); }

  static QImage Paint(const std::vector<Arrow>& arrows, int lineWidth,
                      const QTransform& transform = {}) {
    QImage image(320, 240, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setTransform(transform);
    PaintArrows(painter, arrows, lineWidth);
    return image;
  }

  static bool IsBlack(QRgb c) { return qRed(c) < 40 && qGreen(c) < 40 && qBlue(c) < 40; }

  // Black pixels in the square of side 2*reach around (cx, cy) whose x lies
  // in [x0, x1) and y in [y0, y1) relative to the centre.
  static int BlackAround(const QImage& image, int cx, int cy, int x0, int x1, int y0, int y1) {
    int count = 0;
    for (int y = cy + y0; y < cy + y1; ++y)
      for (int x = cx + x0; x < cx + x1; ++x)
        if (image.valid(x, y) && IsBlack(image.pixel(x, y))) ++count;
    return count;
  }
};

TEST_F(ArrowPainterTest, ARedElbowWithABlackHeadPointingDown) {
  // Source button at 20,20 pixels, target at 160,200 pixels.
  const Arrow arrow =
      ArrowBetween({300, 300, kBoxButtonTwips, kBoxButtonTwips},
                   {2400, 3000, kBoxButtonTwips, kBoxButtonTwips}, 1, kRed);
  ASSERT_EQ(arrow.head.kind, ArrowHeadCase::Down);
  const QImage image = Paint({arrow}, 2);

  // The horizontal segment at y = 36 px, two pixels wide: rows 35 and 36.
  EXPECT_EQ(image.pixel(100, 36), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(100, 35), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(100, 33), qRgb(255, 255, 255));
  // The vertical one at x = 166.4 px, from y = 36 down.
  EXPECT_EQ(qRed(image.pixel(166, 120)), 255);
  EXPECT_LT(qBlue(image.pixel(166, 120)), 128);

}

TEST_F(ArrowPainterTest, TheHeadIsBlackAboveTheTipWhereverThePainterStands) {
  // Whole-pixel offsets and fractional ones (where heads cannot be copied
  // from one painted shape) give the same head.
  const Arrow arrow = ArrowBetween({300, 300, kBoxButtonTwips, kBoxButtonTwips},
                                   {2400, 3000, kBoxButtonTwips, kBoxButtonTwips}, 1, kRed);
  struct Row {
    double dx, dy;
  };
  for (const Row& row : {Row{0, 0}, Row{3, 2}, Row{0.5, 0.25}, Row{-20.3, -30.6}}) {
    const QImage image = Paint({arrow}, 1, QTransform::fromTranslate(row.dx, row.dy));
    // The tip at (166.4, 199.3) px before the offset; the sector of radius
    // 6.7 px opens upwards from it: black above the tip, none below it or
    // beside the sector.
    const int x = static_cast<int>(std::lround(166.4 + row.dx));
    const int y = static_cast<int>(std::lround(199.3 + row.dy));
    SCOPED_TRACE(testing::Message() << row.dx << ", " << row.dy);
    EXPECT_GT(BlackAround(image, x, y, -3, 4, -6, -1), 10);
    EXPECT_EQ(BlackAround(image, x, y, -8, 8, 2, 10), 0);
    EXPECT_EQ(BlackAround(image, x, y, -9, -5, -8, 8), 0);
    EXPECT_EQ(BlackAround(image, x, y, 6, 10, -8, 8), 0);
  }
}

TEST_F(ArrowPainterTest, EachHeadIsOutlinedInItsOwnArrowsColour) {
  const TwipsRect target{2400, 3000, kBoxButtonTwips, kBoxButtonTwips};
  const TwipsRect other{4200, 3000, kBoxButtonTwips, kBoxButtonTwips};
  const QImage image =
      Paint({ArrowBetween({300, 300, 480, 480}, target, 1, kRed),
             ArrowBetween({3000, 300, 480, 480}, other, 1, 0x00FF0000)}, 1);
  const auto colouredNear = [&](int cx, int cy, auto test) {
    int count = 0;
    for (int y = cy - 8; y <= cy; ++y)
      for (int x = cx - 8; x <= cx + 8; ++x) count += test(image.pixel(x, y));
    return count;
  };
  const auto red = [](QRgb c) { return qRed(c) > 200 && qBlue(c) < 100 && qGreen(c) < 100; };
  const auto blue = [](QRgb c) { return qBlue(c) > 200 && qRed(c) < 100 && qGreen(c) < 100; };
  // Tips at (166.4, 199.3) and (286.4, 199.3) px.
  EXPECT_GT(colouredNear(166, 199, red), 0);
  EXPECT_EQ(colouredNear(166, 199, blue), 0);
  EXPECT_GT(colouredNear(286, 199, blue), 0);
  EXPECT_EQ(colouredNear(286, 199, red), 0);
}

TEST_F(ArrowPainterTest, ALeftHeadWrapsThroughZeroAndOpensRightwards) {
  // The source level with the target and to its right: the tip on the
  // target's right edge, the sector from 330 to 40 degrees.
  const Arrow arrow =
      ArrowBetween({3000, 1500, kBoxButtonTwips, kBoxButtonTwips},
                   {600, 1500, kBoxButtonTwips, kBoxButtonTwips}, 1, kRed);
  ASSERT_EQ(arrow.head.kind, ArrowHeadCase::Left);
  const QImage image = Paint({arrow}, 1);
  const int tipX = 72, tipY = 116;  // (1080, 1740) twips
  EXPECT_GT(BlackAround(image, tipX, tipY, 2, 6, -1, 2), 4);
  EXPECT_EQ(BlackAround(image, tipX, tipY, -8, -1, -8, 8), 0) << "the arc ran backwards";
}

TEST_F(ArrowPainterTest, ExtremePositionsPaintQuickly) {
  const TwipsRect far{static_cast<double>(INT_MAX) + 32767, static_cast<double>(INT_MIN) - 32768,
                      kBoxButtonTwips, kBoxButtonTwips};
  const TwipsRect near{30, 30, kBoxButtonTwips, kBoxButtonTwips};
  QElapsedTimer timer;
  timer.start();
  const QImage image = Paint({ArrowBetween(far, near, 3, kRed), ArrowBetween(near, far, 1, kRed)}, 3);
  EXPECT_LT(timer.elapsed(), 1000);
  EXPECT_FALSE(image.isNull());
}

TEST_F(ArrowPainterTest, ALineWidthBelowOneStillDraws) {
  const Arrow arrow = ArrowBetween({300, 300, 480, 480}, {2400, 3000, 480, 480}, 1, kRed);
  for (int width : {0, -5}) {
    const QImage image = Paint({arrow}, width);
    EXPECT_GT(qRed(image.pixel(100, 36)), qBlue(image.pixel(100, 36))) << width;
  }
}

}  // namespace
}  // namespace quorvin
