#pragma once
// Turns one document's flowchart into MATLAB script.

#include <string>

#include "compiler/compile_host.h"
#include "compiler/work_list.h"
#include "model/box_table.h"

namespace quorvin {

class Compiler {
 public:
  Compiler(BoxTable& table, CompileHost& host) : table_(table), host_(host) {}

  // mode 0 runs each box through host.executeStep; any other value builds
  // the script only. Returns the script, or "" (no start box, abort, ...).
  std::string CompileFlowchart(int mode, int docTag);

  // 1 when every box linked to target's entries is done; appends the
  // assignment of every Pickup box it meets to code.
  int InputsReady(std::string& code, int target);

  WorkList& work() { return work_; }
  const WorkList& work() const { return work_; }

 private:
  BoxTable& table_;
  CompileHost& host_;
  WorkList work_;
};

}  // namespace quorvin
