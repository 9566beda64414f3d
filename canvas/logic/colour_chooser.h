#pragma once
// The frame's colour dialog, as the canvas asks it: Edit > Change Line Color
// and the Box Information dialog's "Change color" button. The application
// implements it with Qt; tests script it.

#include <cstdint>
#include <optional>

namespace quorvin {

class ColourChooser {
 public:
  virtual ~ColourChooser() = default;
  // Opens on the colour chosen last (the dialog keeps it between openings)
  // and returns the chosen colour as 0x00BBGGRR, or nothing when cancelled.
  virtual std::optional<std::uint32_t> chooseColour() = 0;
};

}  // namespace quorvin
