#include "dialogs/qt_command_questions.h"

#include "commands/form_vocabulary.h"
#include "dialogs/comment_dialog.h"
#include "dialogs/flow_control_dialogs.h"
#include "dialogs/formula_dialog.h"
#include "dialogs/matlab_command_dialog.h"
#include "dialogs/option_dialog.h"
#include "dialogs/plot_dialog.h"
#include "dialogs/subroutine_dialog.h"
#include "dialogs/value_dialogs.h"

namespace quorvin {

std::unique_ptr<FormDialog> MakeFormDialog(std::string_view form, QWidget* parent) {
  if (form == "frmBasic") return std::make_unique<BasicDialog>(parent);
  if (form == "frmPause") return std::make_unique<PauseDialog>(parent);
  if (form == "frmUserInput") return std::make_unique<UserInputDialog>(parent);
  if (form == "frmMakeVector") return std::make_unique<MakeVectorDialog>(parent);
  if (form == "frmSplit") return std::make_unique<SplitDialog>(parent);
  if (form == "frmComment") return std::make_unique<CommentDialog>(parent);
  return nullptr;
}

FormAnswer QtCommandQuestions::askForm(std::string_view form) {
  std::unique_ptr<FormDialog> dialog = MakeFormDialog(form, parent_);
  if (!dialog) return InitialAnswer(form);
  return AskModally(*dialog);
}

OptionAnswer QtCommandQuestions::askOption(const OptionCommand& family) {
  return AskModally(*MakeOptionDialog(family, messages_, parent_));
}

std::string QtCommandQuestions::inputBox(const std::string& prompt, const std::string& title,
                                         const std::string& defaultAnswer) {
  return messages_.inputBox(prompt, title, defaultAnswer);
}

PlotOutputAnswer QtCommandQuestions::askPlot() {
  const PlotAnswer plot = AskForPlot(parent_, &messages_);
  PlotOutputAnswer answer;
  answer.commands = plot.commands;
  for (int k = 1; k <= kPlotInputs && k <= kEntries; ++k)
    answer.inputsUsed[static_cast<std::size_t>(k - 1)] = plot.marks.inputUsed(k);
  return answer;
}

FormulaAnswer QtCommandQuestions::askFormula() {
  return AskForFormula(parent_, browser_, &messages_);
}

MatlabCommandAnswer QtCommandQuestions::askMatlabCommand() {
  return AskForMatlabCommand(parent_, browser_, &messages_);
}

ConditionAnswer QtCommandQuestions::askCondition() { return AskForCondition(parent_); }

ForLoopAnswer QtCommandQuestions::askForLoop() { return AskForForLoop(parent_); }

SubroutineChoice QtCommandQuestions::askSubroutine(const BoxTable& table) {
  return AskForSubroutine(parent_, table, &messages_);
}

}  // namespace quorvin
