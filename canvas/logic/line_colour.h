#pragma once
// Edit > Change Line Color: the arrow colour a document gives its new boxes.

#include "canvas/logic/colour_chooser.h"
#include "model/model.h"

namespace quorvin {

// Asks for a colour for document doc's new arrows. A cancelled colour dialog
// keeps the document's colour; nothing is asked for a closed document. True
// when a colour was chosen.
bool ChangeLineColor(Model& m, int doc, ColourChooser& colours);

}  // namespace quorvin
