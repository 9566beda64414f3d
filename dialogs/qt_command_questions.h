#pragma once
// The insert commands' questions asked with the Qt dialogs: every dialog a
// command names is built here, shown modally and read back.

#include <QWidget>
#include <string>

#include "commands/command_context.h"
#include "dialogs/function_browser.h"
#include "model/host.h"

namespace quorvin {

class QtCommandQuestions : public CommandQuestions {
 public:
  // Dialogs open over parent; messages and the input box come from messages.
  QtCommandQuestions(QWidget* parent, Dialogs& messages) : parent_(parent), messages_(messages) {}

  OptionAnswer askOption(const OptionCommand& family) override;
  ArithmeticAnswer askArithmetic() override;
  PauseAnswer askPause() override;
  std::string askPrompt() override;
  VectorAnswer askVector() override;
  SplitAnswer askSplit() override;
  std::string askComment() override;
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultAnswer) override;
  PlotOutputAnswer askPlot() override;
  FormulaAnswer askFormula() override;
  MatlabCommandAnswer askMatlabCommand() override;
  ConditionAnswer askCondition() override;
  ForLoopAnswer askForLoop() override;
  SubroutineChoice askSubroutine(const BoxTable& table) override;

  // The function browser that "Select a Matlab command" and "Show
  // Functions" open; until one is set they offer no choice.
  void setFunctionBrowser(FunctionBrowser browser) { browser_ = std::move(browser); }

 private:
  QWidget* parent_;
  Dialogs& messages_;
  FunctionBrowser browser_;
};

}  // namespace quorvin
