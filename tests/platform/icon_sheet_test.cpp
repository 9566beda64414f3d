// The generated icon sheet as the app sees it: ":/icons/icons.png".
#include "platform/icon_sheet.h"

#include <gtest/gtest.h>

#include <QApplication>

#include "tests/support/qt_application.h"
#include <QImage>

#include <set>
#include <string>
#include <vector>

namespace quorvin {
namespace {

class IconSheetTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing_support::EnsureGuiApplication(); }
};

int OpaquePixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += qAlpha(image.pixel(x, y)) > 0;
  return count;
}

// Distinct colours in the cell: a filled square alone has few.
int Colours(const QImage& image) {
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
  return static_cast<int>(colours.size());
}

QImage Cell(const std::string& key) {
  return IconForKey(key).toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST_F(IconSheetTest, SheetHoldsTenRowsOfFifteenCells) {
  const QPixmap sheet = IconSheet();
  ASSERT_FALSE(sheet.isNull()) << "resource " << kIconSheetResource << " missing";
  EXPECT_EQ(sheet.width(), 480);
  EXPECT_EQ(sheet.height(), 320);
  EXPECT_GE(sheet.width(), kIconsPerRow * kIconSize);
  EXPECT_GE(sheet.height(), kIconRows * kIconSize);
}

TEST_F(IconSheetTest, EveryUsedIconHasAPictureAndUnusedCellsAreBlank) {
  std::set<int> used{kUnknownIcon};
  for (const IconEntry& entry : IconTable()) used.insert(entry.number);
  for (int n = 1; n <= kIconsPerRow * kIconRows; ++n) {
    const QImage cell = IconForNumber(n).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(cell.size(), QSize(32, 32)) << n;
    if (used.count(n)) {
      EXPECT_GT(OpaquePixels(cell), 32 * 32 / 2) << "icon " << n << " is empty";
      EXPECT_GT(Colours(cell), 4) << "icon " << n << " has no drawing";
    } else {
      EXPECT_EQ(OpaquePixels(cell), 0) << "unused cell " << n << " is not blank";
    }
  }
  EXPECT_TRUE(IconForNumber(0).isNull());
  EXPECT_TRUE(IconForNumber(151).isNull());
}

TEST_F(IconSheetTest, CellsOfDifferentKeysDiffer) {
  const char* keys[] = {"Cos", "Sin", "+", "For", "If", "FFT", "Keyboard Input", "Plot2d",
                        "Matrix Input", "Subroutine", "Abs", "Split"};
  std::vector<QImage> cells;
  for (const char* key : keys) {
    const QImage cell = Cell(key);
    EXPECT_EQ(cell.size(), QSize(32, 32)) << key;
    EXPECT_GT(OpaquePixels(cell), 0) << key;
    for (std::size_t i = 0; i < cells.size(); ++i) EXPECT_NE(cell, cells[i]) << key << " vs " << keys[i];
    cells.push_back(cell);
  }
  // Keys that share a number share the picture.
  EXPECT_EQ(Cell("FFTFFT"), Cell("FFT"));
  EXPECT_EQ(Cell("Natural Logarithm"), Cell("Log"));
}

TEST_F(IconSheetTest, UnknownKeysShowCell104) {
  const QImage unknown = IconForNumber(104).toImage().convertToFormat(QImage::Format_ARGB32);
  EXPECT_EQ(Cell(""), unknown);
  EXPECT_EQ(Cell("cos"), unknown);
  EXPECT_EQ(Cell("Cos "), unknown);
  EXPECT_EQ(Cell("Logic Operator"), unknown);
  EXPECT_NE(Cell("Cos"), unknown);
  // The cell is taken from the arithmetic: (416, 192).
  const QImage sheet = IconSheet().toImage().convertToFormat(QImage::Format_ARGB32);
  EXPECT_EQ(sheet.copy(416, 192, 32, 32), unknown);
}

TEST_F(IconSheetTest, BoxesGetThePictureOfTheirIconKey) {
  BoxRecord box;
  box.Kind = "Plot Output";
  box.Params = "Polar;polar(Input1,Input2)\r\n";
  EXPECT_EQ(IconForBox(box).toImage(), IconForKey("Polar").toImage());
  box.Kind = "solve Subroutine";
  box.Params = "Subroutine";
  EXPECT_EQ(IconForBox(box).toImage(), IconForKey("Subroutine").toImage());
}

}  // namespace
}  // namespace quorvin
