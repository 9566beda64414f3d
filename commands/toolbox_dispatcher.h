#pragma once
// The toolbox hand-over: a click on a tool picks it (ToolPick), the first
// mouse move over a document takes the pick, and cmdEventFire_Click runs the
// tool's command on that document.

#include <functional>
#include <span>
#include <string_view>

#include "commands/command_registry.h"
#include "model/box_editor.h"

namespace quorvin {

// A row of the tool table: a tool's name as the toolbox files and buttons
// give it, and the insert command it runs (the menu item's).
struct Tool {
  std::string_view name;
  std::string_view handler;  // the command's name, as its menu item and fault reports know it
  Command command;
};

// The 63 tools in the order they are compared.
std::span<const Tool> Tools();
// The tool of that name (exact, case-sensitive), or nullptr for no tool.
const Tool* FindTool(std::string_view name);

// The handler name that stands for the Subroutine tool's pop-up menu.
inline constexpr std::string_view kSubroutinePopup = "mnuSpecSub";

// The tool picked in the toolbox and not yet taken by a document: one for
// the program, held by the frame.
class ToolPick {
 public:
  // A toolbox button naming tool was clicked: a connect gesture in progress
  // is dropped, then "Arrow" arms the connect tool at once and leaves
  // nothing picked; any other name replaces the earlier pick (a name that
  // is no tool leaves nothing picked).
  void pick(BoxEditor& editor, std::string_view tool);
  // The tool waiting for a document, or nullptr.
  const Tool* picked() const { return tool_; }
  // A mouse move over a document: takes the picked tool out and then runs
  // it with run, so that a move over a canvas while its command's dialog
  // is open finds nothing to run. A pick made while it runs is dropped as
  // well, even when run throws: one pick never inserts a second box.
  // Nothing picked: runs nothing.
  void runPicked(const std::function<void(const Tool&)>& run);

 private:
  const Tool* tool_ = nullptr;
};

// Runs tool's command on ctx, the document that took the pick.
void cmdEventFire_Click(const Tool& tool, CommandContext& ctx);

}  // namespace quorvin
