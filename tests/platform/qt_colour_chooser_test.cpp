#include "platform/qt_colour_chooser.h"

#include <gtest/gtest.h>

#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

TEST(ModelColour, BlueGreenRedFromTheTopByte) {
  struct Case {
    std::uint32_t model;
    QColor colour;
  };
  const Case cases[] = {
      {0x000000FFu, QColor(255, 0, 0)},
      {0x0000FF00u, QColor(0, 255, 0)},
      {0x00FF0000u, QColor(0, 0, 255)},
      {0x00123456u, QColor(0x56, 0x34, 0x12)},
      {0x00FFFFFFu, QColor(255, 255, 255)},
      {0, QColor(0, 0, 0)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ColourFromModel(c.model), c.colour) << std::hex << c.model;
    EXPECT_EQ(ModelColour(c.colour), c.model) << std::hex << c.model;
  }
  EXPECT_EQ(ColourFromModel(0xAB0000FFu), QColor(255, 0, 0)) << "the top byte is no colour";
  EXPECT_EQ(ModelColour(QColor::fromHsv(0, 255, 255)), 0x000000FFu);
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
