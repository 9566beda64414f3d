#pragma once
// The rules of the toolbox editor: the palette of every tool in the order
// the editor offers them, the toolbox being edited (at most 24 tools, in
// button order), where its buttons sit, and the bytes of a toolbox file.
// Standard library only.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/current_toolbox.h"  // kToolboxFilter, one for every toolbox dialog
#include "model/twips.h"

namespace quorvin {

// The 63 tools of the editor's palette, in palette order (6 a row).
std::span<const std::string_view> PaletteToolNames();

constexpr int kPaletteColumns = 6;
constexpr int kPaletteRows = 3;
constexpr int kPaletteButtons = kPaletteColumns * kPaletteRows;  // 18
constexpr int kPaletteScrollMax = 15;
constexpr int kMaxToolboxTools = 24;  // 8 rows of 3 on the toolbox panel
constexpr int kToolboxColumns = 3;

inline const std::string kDefaultEditedToolbox = "my_box.tlb";

// The palette position (from 1) shown on palette button index (1 to 18)
// while the scroll bar stands at scroll.
int PalettePosition(int scroll, int index);
// The tool at a palette position, or "" for a blank position (past 63).
std::string_view PaletteToolAt(int position);

// Where toolbox button k (from 1) sits, in twips, given the template
// button's corner: 3 a row at a pitch of 495 twips.
constexpr int kToolboxButtonPitch = 495;
TwipsPoint ToolboxButtonPosition(int k, TwipsPoint templateCorner);

// The bytes the editor saves: every name followed by CR LF, then one more CR LF.
std::string ToolboxFileBytes(const std::vector<std::string>& names);

// The file a toolbox name means: a relative name lies in the program directory.
std::string ToolboxPath(const std::string& name, const std::string& appDir);

// The toolbox being edited.
class EditedToolbox {
 public:
  const std::vector<std::string>& tools() const { return tools_; }
  int count() const { return static_cast<int>(tools_.size()); }
  bool full() const { return count() >= kMaxToolboxTools; }
  // Takes every name of a file, also past 24, so that saving it again loses none.
  void load(std::vector<std::string> names);
  // Appends a dropped tool; false when the toolbox is full or the name is empty.
  bool add(const std::string& name);
  // Drops tool k (from 1); the later tools move up one. False for no such tool.
  bool remove(int k);
  void clear() { tools_.clear(); }
  // The list text: every name followed by CR LF.
  std::string text() const;

 private:
  std::vector<std::string> tools_;
};

}  // namespace quorvin
