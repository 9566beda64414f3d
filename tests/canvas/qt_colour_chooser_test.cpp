#include "canvas/qt_colour_chooser.h"

#include <gtest/gtest.h>

#include "platform/bgr_colour.h"
#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

TEST(BgrColour, BlueGreenRedFromTheTopByte) {
  struct Case {
    std::int32_t model;
    QColor colour;
  };
  const Case cases[] = {
      {0x000000FF, QColor(255, 0, 0)},
      {0x0000FF00, QColor(0, 255, 0)},
      {0x00FF0000, QColor(0, 0, 255)},
      {0x00123456, QColor(0x56, 0x34, 0x12)},
      {0x00FFFFFF, QColor(255, 255, 255)},
      {0, QColor(0, 0, 0)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ColourFromBgr(c.model), c.colour) << std::hex << c.model;
    EXPECT_EQ(BgrFromColour(c.colour), c.model) << std::hex << c.model;
  }
  EXPECT_EQ(BgrFromColour(QColor::fromHsv(0, 255, 255)), 0x000000FF) << "any colour model";
}

TEST(QtColourChooser, OpensOnTheColourChosenLastAndKeepsItOnCancel) {
  testing_support::EnsureGuiApplication();
  QtColourChooser chooser(nullptr);
  EXPECT_EQ(chooser.dialog()->currentColor(), QColor(0, 0, 0));

  auto first = chooser.dialog();
  first->setCurrentColor(QColor(0x10, 0x20, 0x30));
  first->accept();
  EXPECT_EQ(chooser.takeAnswer(*first), 0x00302010u);
  EXPECT_EQ(chooser.dialog()->currentColor(), QColor(0x10, 0x20, 0x30));

  auto cancelled = chooser.dialog();
  cancelled->setCurrentColor(QColor(255, 255, 0));
  cancelled->reject();
  EXPECT_EQ(chooser.takeAnswer(*cancelled), std::nullopt);
  EXPECT_EQ(chooser.current(), 0x00302010u);
  EXPECT_EQ(chooser.dialog()->currentColor(), QColor(0x10, 0x20, 0x30));
}

}  // namespace
}  // namespace quorvin
