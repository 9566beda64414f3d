#pragma once
// The compile host of a box-by-box run: the document window's own host for
// everything a person is asked, with each compiled box forwarded to the
// execution step, and the statements that failed in the interpreter told in
// the compile's closing message.

#include "compiler/compile_host.h"
#include "compiler/execution_step.h"

namespace quorvin {

class ExecutingHost : public CompileHost {
 public:
  ExecutingHost(CompileHost& base, ExecutionStep& step) : base_(base), step_(step) {}

  Answer messageBox(const std::string& text, int style, const std::string& title) override {
    return base_.messageBox(text, style, title);
  }
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultAnswer) override {
    return base_.inputBox(prompt, title, defaultAnswer);
  }
  std::optional<std::string> openFile(const std::string& filter) override {
    return base_.openFile(filter);
  }
  std::optional<std::string> saveFileAs(const std::string& filter,
                                        const std::string& initialName) override {
    return base_.saveFileAs(filter, initialName);
  }
  std::string matrixEntry() override { return base_.matrixEntry(); }
  void setDocsPointer(Pointer pointer) override { base_.setDocsPointer(pointer); }
  void setResourceGauge(double percent) override { base_.setResourceGauge(percent); }
  int chkInput() const override { return base_.chkInput(); }
  void compileStarted() override { step_.compileStarted(); }
  bool executeStep(int box, int nestLevel, std::string& script) override {
    return step_.run(box, nestLevel, script);
  }
  bool compileFinished(std::vector<std::string>& problems) override;

 private:
  CompileHost& base_;
  ExecutionStep& step_;
};

// The closing message's line for a run in which `failures` statements failed.
std::string FailedStatementsLine(int failures);

}  // namespace quorvin
