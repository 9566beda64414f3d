#include "platform/qt_colour_chooser.h"

namespace quorvin {

QColor ColourFromModel(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                static_cast<int>((bgr >> 16) & 0xFFu));
}

std::uint32_t ModelColour(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return static_cast<std::uint32_t>(rgb.red()) | static_cast<std::uint32_t>(rgb.green()) << 8 |
         static_cast<std::uint32_t>(rgb.blue()) << 16;
}

std::unique_ptr<QColorDialog> BuildColourDialog(QWidget* parent, std::uint32_t current) {
  return std::make_unique<QColorDialog>(ColourFromModel(current), parent);
}

std::optional<std::uint32_t> QtColourChooser::chooseColour() {
  const std::unique_ptr<QColorDialog> shown = dialog();
  shown->exec();
  return takeAnswer(*shown);
}

std::optional<std::uint32_t> QtColourChooser::takeAnswer(const QColorDialog& closed) {
  if (closed.result() != QDialog::Accepted || !closed.selectedColor().isValid())
    return std::nullopt;
  current_ = ModelColour(closed.selectedColor());
  return current_;
}

}  // namespace quorvin
