#include "canvas/logic/line_colour.h"

namespace quorvin {

bool ChangeLineColor(Model& m, int doc, ColourChooser& colours) {
  if (!m.documents.isOpen(doc)) return false;
  const std::optional<std::uint32_t> chosen = colours.chooseColour();
  if (!chosen) return false;
  m.documents.docs[doc].arrowColor = static_cast<int32_t>(*chosen & 0x00FFFFFFu);
  return true;
}

}  // namespace quorvin
