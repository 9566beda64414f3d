#pragma once
// An execution hook that runs nothing: it drops the text of every box it is
// handed and counts the calls.

#include <string>
#include <vector>

#include "compiler/execution_hook.h"

namespace quorvin::testing_support {

class CountingExecution : public ExecutionHook {
 public:
  void compileStarted() override { ++started; }
  bool executeStep(int, int, std::string& script) override {
    script.clear();
    ++steps;
    return true;
  }
  bool compileFinished(std::vector<std::string>&) override {
    ++finished;
    return true;
  }

  int started = 0, steps = 0, finished = 0;
};

}  // namespace quorvin::testing_support
