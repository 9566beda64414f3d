#pragma once
// Turns one document's flowchart into MATLAB script.

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "compiler/compile_questions.h"
#include "compiler/execution_hook.h"
#include "compiler/work_list.h"
#include "model/box_table.h"
#include "model/host.h"
#include "model/model.h"
#include "model/preferences.h"

namespace quorvin {

struct ArmContext;

// Execute runs each box through the execution step as soon as its code is
// written; Text builds the script only.
enum class CompileMode { Execute = 0, Text = 1 };

// Where the answer a Keyboard Input box was given is kept (in its Params),
// to be proposed again at the next compile: the one thing a compile leaves
// in the boxes.
using KeyboardAnswerKeeper = std::function<void(int box, const std::string& answer)>;

class Compiler {
 public:
  // A compile of boxes in table, which it only reads: its progress shows on
  // views (pointer and gauge of every open document), prefs are read at the
  // start of each compile, questions asks the user, execution (Execute mode
  // only) runs each box as soon as its code is written, and keepAnswer (if
  // any) keeps each Keyboard Input's answer.
  Compiler(const BoxTable& table, DocumentViews& views, const Preferences& prefs,
           CompileQuestions& questions, ExecutionHook* execution = nullptr,
           KeyboardAnswerKeeper keepAnswer = {})
      : table_(table), views_(views), prefs_(prefs), questions_(questions),
        execution_(execution), keepAnswer_(std::move(keepAnswer)) {}
  // The same on the model's box table, views and live preferences; the
  // editor keeps the answers.
  Compiler(Model& model, CompileQuestions& questions, ExecutionHook* execution = nullptr)
      : Compiler(model.table, model.views, model.prefs, questions, execution,
                 [&editor = model.editor](int box, const std::string& answer) {
                   editor.keepKeyboardAnswer(box, answer);
                 }) {}

  // Execute hands each box to the execution hook (without one, the text of
  // each box is dropped); Text builds the script only. Returns the script,
  // or "" (no start box, abort, a fault of an arm, ...). Each compile starts
  // afresh, with no box written, however the one before it ended.
  std::string CompileFlowchart(CompileMode mode, int docTag);

  // Whether every box linked to target's entries is done; appends the
  // assignment of every Pickup box it meets to code.
  bool InputsReady(std::string& code, int target);

  WorkList& work() { return work_; }
  const WorkList& work() const { return work_; }
  // Box's answer, kept for the next compile (the Keyboard Input arm).
  void KeepKeyboardAnswer(int box, const std::string& answer) {
    if (keepAnswer_) keepAnswer_(box, answer);
  }

 private:
  // Abort: the user ended the compile; Abandon: the execution step did;
  // Fault: an arm failed and the user has been told.
  enum class Visit { Continue, Abort, Abandon, Fault };

  // The hook of this compile: none in Text mode.
  ExecutionHook* executing() const {
    return mode_ == CompileMode::Execute ? execution_ : nullptr;
  }
  void FindStartBoxes(int docTag);
  Visit VisitPosition(int j);
  // False when q's arm failed (a fault of the program, reported).
  bool Dispatch(int q, int j);
  Visit Tail(int j, bool armDone);
  // A box was written: the walk starts counting waits afresh.
  void Progressed();
  Visit StuckCheck(int j);
  // Whether the arm of queued box e would write its code were e visited
  // now: the tests the arms make, made without writing anything.
  bool WouldBeWritten(int e) const;
  // What q's arm tests besides the boxes at its entries: a loop or a branch
  // opens only while no other queued box is ready, a call too once boxes
  // wait, and a subroutine's start box is written only inside a call.
  bool ArmAllows(int q) const;
  void QueueSuccessors(int box);
  // The slot values the tail queues once box's code is written: each exit
  // that leads to a box of its document or is absent, and a plain If's exit
  // 2 even when free.
  std::vector<int> WayOn(int box) const;
  // The start-box kind of the innermost open call, "" outside every call.
  std::string CurrentCall() const;
  // What the user is told when the walk has finished.
  void ReportEnd(const std::vector<std::string>& runProblems);

  // The arms of the kinds that change the walk itself (control_flow_arms.cpp);
  // false when q's kind is none of them.
  bool ControlFlowArm(ArmContext& a);
  using ControlFlowArmFunction = void (Compiler::*)(ArmContext&);
  // The arm of kind when it is one of those, else nullptr.
  static ControlFlowArmFunction ControlFlowArmOf(const std::string& kind);
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
  // A slot value of box from as a box the list may hold: 0 unless it leads
  // to a box (of from's own document).
  int LinkedBox(int from, int value) const;
  // "boxN (Kind)", as the compile's messages name a box.
  std::string Named(int box) const;
  void Note(int box, const std::string& what);
  // Before closing box `closer` ends the innermost block: remembers the
  // boxes its body still had queued, which the walk drops with the list.
  void RememberLeftInBlock(int closer);
  // After closing box `closer`, visited at position j, ended the block of
  // that kind that `opener` opened: the tail follows the way on of the box
  // it finds at j and of no other. Remembers the boxes left out when that
  // box is not the closing box (its arrows are not followed) or, after a
  // branch, not the If box (the way on after the branch is not followed);
  // they are told unless the walk reaches them another way.
  void RememberWaysNotFollowed(int closer, int opener, BlockKind closed, int j);
  void RememberArrowsNotFollowed(int closer, BlockKind closed);
  // Remembers each box the tail would queue after box, for reason why.
  void RememberWayOn(int box, const std::string& why);
  // "boxN (Next) closed the branch of boxM (If); a branch ends at an End If
  // box."
  std::string ClosedTheBlock(int closer, int opener, BlockKind closed) const;

  const BoxTable& table_;
  DocumentViews& views_;
  const Preferences& prefs_;
  CompileQuestions& questions_;
  ExecutionHook* execution_;
  KeyboardAnswerKeeper keepAnswer_;
  WorkList work_;

  // State of one compile.
  CompileMode mode_ = CompileMode::Text;
  std::string script_;
  int processed_ = 0;
  int suspect_ = 0;
  int waitCount_ = 0;
  // Questions put off since the last progress because a queued box looked
  // ready.
  int passedOver_ = 0;
  // Problems that leave the script incomplete, told at the end.
  std::vector<std::string> notes_;
  // Boxes dropped with a block's list, and why; told at the end unless
  // their code was written after all.
  struct LeftOut {
    int box;
    std::string why;
  };
  std::vector<LeftOut> leftOut_;
  // The start-box kind of the innermost call under which each box's code
  // was last written ("" outside every call): a later call of the same
  // subroutine compiles exactly those boxes again.
  std::array<std::string, kMaxBoxes + 1> writtenUnder_;
  int expansions_ = 0;
};

}  // namespace quorvin
