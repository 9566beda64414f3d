#pragma once
// What a compile in CompileMode::Execute hands each box to as soon as its
// code is written: the execution step (execution_step.h), or a test's
// recorder. A text-only compile never calls it.

#include <string>
#include <vector>

namespace quorvin {

class ExecutionHook {
 public:
  virtual ~ExecutionHook() = default;
  // At the start of every compile (the first-plot flag starts at 0 there).
  virtual void compileStarted() = 0;
  // After every box whose code was written: `script` is the text written
  // since the previous step, nestLevel the number of blocks open after the
  // box. The step empties `script`. False when the compile must be abandoned
  // (the hook has already told the user why).
  virtual bool executeStep(int box, int nestLevel, std::string& script) = 0;
  // The walk is over: the hook runs whatever it still holds back and adds a
  // line to `problems` for each thing that went wrong in the run, to be told
  // in the closing message. False when the compile must be abandoned (the
  // hook has told the user why).
  virtual bool compileFinished(std::vector<std::string>& problems) = 0;
};

}  // namespace quorvin
