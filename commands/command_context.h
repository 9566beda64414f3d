#pragma once
// What an insert command needs of the document it runs in: the model, the
// document's number, a way to ask the user (dialogs and the input box), and
// the box buttons it gives icons to.

#include <array>
#include <map>
#include <string>
#include <string_view>

#include "commands/rules/flow_control_rules.h"
#include "commands/rules/formula_rules.h"
#include "commands/rules/subroutine_rules.h"
#include "model/model.h"

namespace quorvin {

// The widgets of a closed value dialog as the command reads them, by widget
// name: texts of text boxes, and "1" or "0" for the state of an option
// button or check box.
struct FormAnswer {
  std::map<std::string, std::string, std::less<>> texts;

  // The widget's text; a widget the answer does not hold reads empty.
  std::string text(std::string_view widget) const {
    const auto it = texts.find(widget);
    return it == texts.end() ? std::string() : it->second;
  }
  bool checked(std::string_view widget) const { return text(widget) == "1"; }
  bool operator==(const FormAnswer&) const = default;
};

// What an option dialog answers: the index of the option chosen (as the
// dialog counts its options, from its first index), and the texts of its
// extra text boxes by name.
struct OptionAnswer {
  int index = 0;
  std::map<std::string, std::string, std::less<>> extras;

  // The text of extra box name; a box the dialog lacks reads empty.
  std::string extra(std::string_view name) const {
    const auto it = extras.find(name);
    return it == extras.end() ? std::string() : it->second;
  }
  bool operator==(const OptionAnswer&) const = default;
};

struct OptionCommand;

// What the plot dialog answers the "Plot Output" command.
struct PlotOutputAnswer {
  // The plot command string (icon key, ";", plot code); empty when the
  // dialog was closed without OK.
  std::string commands;
  // [K - 1]: input K carries a mark in any column, so its entry stays open.
  std::array<bool, kEntries> inputsUsed{};

  bool operator==(const PlotOutputAnswer&) const = default;
};

class CommandQuestions {
 public:
  virtual ~CommandQuestions() = default;
  // Shows the value dialog named form (frmBasic, frmPause, ...) modally and
  // returns its widgets after OK; closed any other way it returns the
  // dialog's initial values.
  virtual FormAnswer askForm(std::string_view form) = 0;
  // Shows the option dialog of family modally and returns its answer after
  // OK; closed any other way, the answer it opened with
  // (InitialOptionAnswer).
  virtual OptionAnswer askOption(const OptionCommand& family) = 0;
  // The input box: the typed text, or the empty text on Cancel.
  virtual std::string inputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultAnswer) = 0;

  // The dialogs whose answers are more than widget texts. Each shows its
  // dialog fresh and modally; closed without OK, it answers the fresh
  // dialog's values.
  virtual PlotOutputAnswer askPlot() = 0;                 // frmPlot
  virtual FormulaAnswer askFormula() = 0;                 // frmFunc, preset for an insert
  virtual MatlabCommandAnswer askMatlabCommand() = 0;     // frmMatlabFunction
  virtual ConditionAnswer askCondition() = 0;             // frmIf
  virtual ForLoopAnswer askForLoop() = 0;                 // frmForLoop
  // frmSubs, listing the subroutine start boxes of table.
  virtual SubroutineChoice askSubroutine(const BoxTable& table) = 0;
};

// The document window a command runs in.
class CommandContext {
 public:
  virtual ~CommandContext() = default;
  virtual Model& model() = 0;
  // The number of the document whose menu or canvas ran the command.
  virtual int document() const = 0;
  virtual CommandQuestions& questions() = 0;
  // Puts the icon of key (an icon-table key) on the button of box on
  // document doc. The box is the one waiting to be placed; doc is the
  // document it belongs to, which need not be this one.
  virtual void setBoxIcon(int doc, int box, const std::string& key) = 0;
  // The Arrow tool: arms the connect tool on every document.
  virtual void armArrowTool() = 0;
  // The Subroutine tool: pops the window's Subroutines menu (mnuSpecSub) up
  // at the pointer. Its items run their commands when chosen; dismissed, it
  // runs nothing. It may return before the choice is made.
  virtual void showSubroutinesMenu() = 0;
};

}  // namespace quorvin
