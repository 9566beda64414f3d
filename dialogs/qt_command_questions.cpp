#include "dialogs/qt_command_questions.h"

#include "dialogs/comment_dialog.h"
#include "dialogs/flow_control_dialogs.h"
#include "dialogs/formula_dialog.h"
#include "dialogs/matlab_command_dialog.h"
#include "dialogs/modal_answer.h"
#include "dialogs/option_dialog.h"
#include "dialogs/plot_dialog.h"
#include "dialogs/subroutine_dialog.h"
#include "dialogs/value_dialogs.h"

namespace quorvin {

namespace {

// A value dialog of type Dialog over parent, asked modally.
template <typename Dialog>
auto Ask(QWidget* parent) {
  Dialog dialog(parent);
  return AskModally(dialog);
}

}  // namespace

OptionAnswer QtCommandQuestions::askOption(const OptionCommand& family) {
  return AskModally(*MakeOptionDialog(family, messages_, parent_));
}

ArithmeticAnswer QtCommandQuestions::askArithmetic() { return Ask<BasicDialog>(parent_); }

PauseAnswer QtCommandQuestions::askPause() { return Ask<PauseDialog>(parent_); }

std::string QtCommandQuestions::askPrompt() { return Ask<UserInputDialog>(parent_); }

VectorAnswer QtCommandQuestions::askVector() { return Ask<MakeVectorDialog>(parent_); }

SplitAnswer QtCommandQuestions::askSplit() { return Ask<SplitDialog>(parent_); }

std::string QtCommandQuestions::askComment() { return Ask<CommentDialog>(parent_); }

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
