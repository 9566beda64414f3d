#pragma once
// Turns one document's flowchart into MATLAB script.

#include <array>
#include <string>
#include <vector>

#include "compiler/compile_host.h"
#include "compiler/work_list.h"
#include "model/box_table.h"

namespace quorvin {

struct ArmContext;

// Execute runs each box through the execution step as soon as its code is
// written; Text builds the script only.
enum class CompileMode { Execute = 0, Text = 1 };

class Compiler {
 public:
  Compiler(BoxTable& table, CompileHost& host) : table_(table), host_(host) {}

  // Execute runs each box through host.executeStep; Text builds the script
  // only. Returns the script, or "" (no start box, abort, ...).
  // Every box's Status is empty again whichever way the compile ends.
  std::string CompileFlowchart(CompileMode mode, int docTag);

  // Whether every box linked to target's entries is done; appends the
  // assignment of every Pickup box it meets to code.
  bool InputsReady(std::string& code, int target);

  WorkList& work() { return work_; }
  const WorkList& work() const { return work_; }
  // Waiting visits counted since the last progress (the call arm reads it).
  int waitCount() const { return waitCount_; }

 private:
  // Abort: the user ended the compile; Abandon: the execution step did.
  enum class Visit { Continue, Abort, Abandon };

  void FindStartBoxes(int docTag);
  Visit VisitPosition(int j);
  void Dispatch(int q, int j);
  Visit Tail(int j, bool armDone);
  Visit StuckCheck(int j);
  void QueueSuccessors(int box);
  void ClearStatus();
  // The start-box kind of the innermost open call, "" outside every call.
  std::string CurrentCall() const;
  // What the user is told when the walk has finished.
  void ReportEnd(const std::vector<std::string>& runProblems);

  // The arms of the kinds that change the walk itself (control_flow_arms.cpp);
  // false when q's kind is none of them.
  bool ControlFlowArm(ArmContext& a);
  void LoopArm(ArmContext& a);
  void NextArm(ArmContext& a);
  void BreakArm(ArmContext& a);
  void IfArm(ArmContext& a);
  void EndIfArm(ArmContext& a);
  void CallArm(ArmContext& a);
  void SubroutineStartArm(ArmContext& a);
  void EndSubroutineArm(ArmContext& a);
  // Whether a Next or End If box has a level of its own to close.
  bool ClosesLoopOrBranch() const;
  // After a closing box restored the list that holds block box `box`, puts
  // that box at position j so that the tail queues its way on.
  void BringToPosition(int box, int j);
  // A link value as a box the list may hold: 0 unless it names a box.
  int LinkedBox(int value) const;
  void Note(int box, const std::string& what);

  BoxTable& table_;
  CompileHost& host_;
  WorkList work_;

  // State of one compile.
  CompileMode mode_ = CompileMode::Text;
  std::string script_;
  int processed_ = 0;
  int suspect_ = 0;
  int waitCount_ = 0;
  // Problems that leave the script incomplete, told at the end.
  std::vector<std::string> notes_;
  // The start-box kind of the innermost call under which each box's code
  // was last written ("" outside every call): a later call of the same
  // subroutine compiles exactly those boxes again.
  std::array<std::string, kMaxBoxes + 1> writtenUnder_;
  int expansions_ = 0;
};

}  // namespace quorvin
