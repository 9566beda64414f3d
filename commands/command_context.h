#pragma once
// What an insert command needs of the document it runs in: the model, the
// document's number, a way to ask the user (dialogs and the input box), and
// the box buttons it gives icons to.

#include <string>
#include <string_view>

#include "commands/dialog_answers.h"
#include "commands/rules/flow_control_rules.h"
#include "commands/rules/formula_rules.h"
#include "commands/rules/subroutine_rules.h"
#include "model/model.h"

namespace quorvin {

struct OptionCommand;

class CommandQuestions {
 public:
  virtual ~CommandQuestions() = default;
  // The dialogs of the smaller commands, each shown fresh and modally: it
  // answers what it shows after OK, and closed any other way the answer it
  // opened with (the default answer; an option dialog's is
  // InitialOptionAnswer).
  virtual OptionAnswer askOption(const OptionCommand& family) = 0;
  virtual ArithmeticAnswer askArithmetic() = 0;  // frmBasic
  virtual PauseAnswer askPause() = 0;            // frmPause
  virtual std::string askPrompt() = 0;           // frmUserInput: the prompt
  virtual VectorAnswer askVector() = 0;          // frmMakeVector
  virtual SplitAnswer askSplit() = 0;            // frmSplit
  virtual std::string askComment() = 0;          // frmComment, opened empty
  // The input box: the typed text, or the empty text on Cancel.
  virtual std::string inputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultAnswer) = 0;

  // The larger dialogs, each also shown fresh and modally; closed without
  // OK, it answers the fresh dialog's values.
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
