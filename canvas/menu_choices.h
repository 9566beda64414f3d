#pragma once
// The Windows and Help menu commands, as a document window hands them to
// its frame (FrameServices) and as the frame's own Help menu gives them.
// Standard library only: the frame's help pages name them too.

namespace quorvin {

// Cascade; Tile, one above the other, each the area's full width; Arrange,
// side by side, each the area's full height.
enum class Arrangement { Cascade, Tile, Arrange };

// The help viewer's contents, its keyword index and its page on using help;
// the About and Disclaimer windows.
enum class HelpCommand { Contents, Search, HowToUse, About, Disclaimer };

}  // namespace quorvin
