#pragma once
// The frame's colour dialog with Qt. The frame owns one chooser, so the
// dialog opens on the colour chosen last, in whichever window it was chosen.

#include <QColor>
#include <QColorDialog>
#include <cstdint>
#include <memory>
#include <optional>

#include "canvas/logic/colour_chooser.h"

namespace quorvin {

// The colour dialog opening on current, a 0x00BBGGRR colour.
std::unique_ptr<QColorDialog> BuildColourDialog(QWidget* parent, std::uint32_t current);

class QtColourChooser : public ColourChooser {
 public:
  explicit QtColourChooser(QWidget* window, std::uint32_t first = 0)
      : window_(window), current_(first) {}

  std::optional<std::uint32_t> chooseColour() override;

  // The dialog as it would open now.
  std::unique_ptr<QColorDialog> dialog() const { return BuildColourDialog(window_, current_); }
  // Reads a closed dialog: a chosen colour becomes the one it opens on next.
  std::optional<std::uint32_t> takeAnswer(const QColorDialog& dialog);
  std::uint32_t current() const { return current_; }

 private:
  QWidget* window_;
  std::uint32_t current_;
};

}  // namespace quorvin
