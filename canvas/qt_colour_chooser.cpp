#include "canvas/qt_colour_chooser.h"

#include "platform/bgr_colour.h"

namespace quorvin {

std::unique_ptr<QColorDialog> BuildColourDialog(QWidget* parent, std::uint32_t current) {
  return std::make_unique<QColorDialog>(ColourFromBgr(static_cast<std::int32_t>(current)), parent);
}

std::optional<std::uint32_t> QtColourChooser::chooseColour() {
  const std::unique_ptr<QColorDialog> shown = dialog();
  shown->exec();
  return takeAnswer(*shown);
}

std::optional<std::uint32_t> QtColourChooser::takeAnswer(const QColorDialog& closed) {
  if (closed.result() != QDialog::Accepted || !closed.selectedColor().isValid())
    return std::nullopt;
  current_ = static_cast<std::uint32_t>(BgrFromColour(closed.selectedColor()));
  return current_;
}

}  // namespace quorvin
