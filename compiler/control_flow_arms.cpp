// The loop, branch and subroutine boxes: the kinds whose compilation changes
// the walk itself. Entering a block puts the whole work list aside as the
// copy of a new level; the closing box writes the closing line and brings
// the outer list back.

#include <cstddef>
#include <iterator>

#include "compiler/arm.h"
#include "compiler/compiler.h"
#include "model/box_kinds.h"

namespace quorvin {

namespace {

// Calls compile a subroutine's body in place, and a body may call other
// subroutines more than once: past this many written boxes a call is no
// longer expanded, so that a chart of doubling calls cannot run for ever.
constexpr int kMaxWrittenBoxes = 50 * kMaxBoxes;

// A closing line stands one level out from the body it ends.
void TakeOffOneLevel(std::string& script) {
  if (script.ends_with(kIndent)) script.resize(script.size() - kIndent.size());
}

OpenBlock Opened(int box, BlockKind kind) {
  OpenBlock block;
  block.box = static_cast<int16_t>(box);
  block.kind = kind;
  return block;
}

// What the end message calls a block of each kind, the box that closes it,
// and where the walk goes on after it, in the order of BlockKind.
struct BlockWords {
  const char* name;
  const char* endsAt;
  const char* wayOn;
  // Whether the way on leaves the box that opened the block (which its own
  // closing box puts at its position) rather than the closing box. The first
  // part of an else branch has no way on of its own: the else part follows,
  // in the level still open.
  bool wayOnLeavesOpener;
};
constexpr BlockWords kBlockWords[] = {
    {"loop", "a Next box", "a loop leaves its Next box", false},
    {"branch", "an End If box", "a branch leaves its If box", true},
    {"branch", "an End If box", "a branch leaves its If box", false},
    {"subroutine", "an End Subroutine box", "a subroutine leaves its Insert Subroutine box", true},
};

static_assert(std::size(kBlockWords) == static_cast<std::size_t>(BlockKind::Call) + 1,
              "a row of words for every kind of block");

const BlockWords& WordsOf(BlockKind kind) { return kBlockWords[static_cast<std::size_t>(kind)]; }

}  // namespace

std::string Compiler::CurrentCall() const {
  for (int level = work_.nestLevel; level >= 1; --level) {
    const OpenBlock& block = work_.openBlocks[static_cast<std::size_t>(level)];
    if (block.kind == BlockKind::Call) return block.subroutine;
  }
  return {};
}

// Next and End If both write a MATLAB "end" (or "else"), so either closes a
// loop or a branch; neither may close a call, which only End Subroutine ends.
bool Compiler::ClosesLoopOrBranch() const {
  const OpenBlock* open = work_.innermost();
  return open != nullptr && open->kind != BlockKind::Call;
}

Compiler::ControlFlowArmFunction Compiler::ControlFlowArmOf(const std::string& kind) {
  if (kind == "For" || kind == "While") return &Compiler::LoopArm;
  if (kind == "Next") return &Compiler::NextArm;
  if (kind == "Break") return &Compiler::BreakArm;
  if (kind == "If") return &Compiler::IfArm;
  if (kind == "End If") return &Compiler::EndIfArm;
  if (IsSubroutineEndKind(kind)) return &Compiler::EndSubroutineArm;
  if (IsSubroutineCallKind(kind)) return &Compiler::CallArm;
  if (IsSubroutineStartKind(kind)) return &Compiler::SubroutineStartArm;
  return nullptr;
}

bool Compiler::ControlFlowArm(ArmContext& a) {
  const ControlFlowArmFunction arm = ControlFlowArmOf(a.box().Kind);
  if (arm == nullptr) return false;
  (this->*arm)(a);
  return true;
}

bool Compiler::ArmAllows(int q) const {
  const std::string& kind = table_[q].Kind;
  if (kind == "For" || kind == "While" || kind == "If") return work_.NoOtherReady(q, table_);
  if (IsSubroutineCallKind(kind)) return waitCount_ == 0 || work_.NoOtherReady(q, table_);
  if (IsSubroutineStartKind(kind)) {
    const OpenBlock* open = work_.innermost();
    return open != nullptr && open->kind == BlockKind::Call;
  }
  return true;
}

void Compiler::LoopArm(ArmContext& a) {
  const bool inputsDone = a.ready();  // always tested: it writes Pickup lines
  if (!inputsDone || !ArmAllows(a.q)) return;
  // The loop box stays at its position: the tail queues its exits, the body,
  // into the emptied list.
  work_.OpenLevel(Opened(a.q, BlockKind::Loop), a.j);
  const BoxRecord& box = a.box();
  if (box.Kind == "For")
    a.script += Line("for " + boxName(a.q) + "=" + box.Params);
  else
    a.script += Line("while " + box.Params);
  a.done();
}

void Compiler::NextArm(ArmContext& a) {
  if (!a.ready()) return;
  const std::string assignment = Line(boxName(a.q) + "=" + boxName(a.in(1)) + ";");
  if (!ClosesLoopOrBranch()) {
    // No loop to end: the box only passes its value on.
    a.script += assignment;
    Note(a.q, "closes a loop that is not open.");
    a.done();
    return;
  }
  TakeOffOneLevel(a.script);
  // Whatever the body still had queued is dropped with the inner list.
  RememberLeftInBlock(a.q);
  const OpenBlock closed = *work_.CloseLevel();
  if (closed.kind == BlockKind::ElseBranch) {
    // Where an End If writes "else", this box writes "end;": the part on
    // the If box's exit 1 follows after the branch.
    const int elsePart = LinkedBox(closed.box, table_[closed.box].OutLink[1]);
    if (elsePart > 0)
      Note(elsePart,
           "is left out of the else part: " + ClosedTheBlock(a.q, closed.box, closed.kind));
  }
  const int displaced = work_.workList[a.j];
  work_.workList[a.j] = static_cast<int16_t>(a.q);
  work_.WorkListAdd(displaced);
  a.script += Line("end;") + assignment;
  a.done();
}

void Compiler::BreakArm(ArmContext& a) {
  if (!a.ready()) return;
  a.script += Line(boxName(a.q) + "=" + boxName(a.in(1)) + ";") + Line("break;");
  a.done();
}

void Compiler::IfArm(ArmContext& a) {
  const bool inputsDone = a.ready();
  if (!inputsDone || !ArmAllows(a.q)) return;
  a.done();
  const BoxRecord& box = a.box();
  const bool hasElse = box.Params.starts_with("else");
  const std::string condition = hasElse ? box.Params.substr(4) : box.Params;
  a.script += Line(boxName(a.q) + "=" + boxName(a.in(1)) + ";");
  a.script += Line("if (" + condition + "),");
  const auto q = static_cast<int16_t>(a.q);
  work_.OpenLevel(Opened(q, BlockKind::Branch));
  work_.workList[1] = static_cast<int16_t>(LinkedBox(a.q, box.OutLink[1]));
  if (hasElse) {
    // The branch on exit 2 comes first; the If box in the side slot makes
    // its End If write "else".
    work_.OpenLevel(Opened(q, BlockKind::ElseBranch));
    work_.workList[1] = static_cast<int16_t>(LinkedBox(a.q, box.OutLink[2]));
    work_.workList[0] = q;
  }
}

void Compiler::EndIfArm(ArmContext& a) {
  if (!a.ready()) return;
  if (!ClosesLoopOrBranch()) {
    Note(a.q, "closes a branch that is not open.");
    a.done();
    return;
  }
  TakeOffOneLevel(a.script);
  a.script += Line(work_.workList[0] > 0 ? "else" : "end;");
  RememberLeftInBlock(a.q);
  const OpenBlock block = *work_.CloseLevel();
  a.done();
  if (block.kind == BlockKind::Branch) BringToPosition(block.box, a.j);
}

void Compiler::CallArm(ArmContext& a) {
  const bool inputsDone = a.ready();
  if (!inputsDone || !ArmAllows(a.q)) return;
  const std::string startKind = SubroutineStartKindOfCall(a.box().Kind);
  a.done();
  for (int level = 1; level <= work_.nestLevel; ++level) {
    const OpenBlock& open = work_.openBlocks[static_cast<std::size_t>(level)];
    if (open.kind == BlockKind::Call && open.subroutine == startKind) {
      Note(a.q, "calls its subroutine from inside that subroutine; the call is not expanded.");
      return;
    }
  }
  if (processed_ >= kMaxWrittenBoxes) {
    Note(a.q, "is one subroutine call too many for one compile; the call is not expanded.");
    return;
  }
  // A subroutine called before in this compile is compiled afresh here.
  for (int b = 1; b < static_cast<int>(writtenUnder_.size()); ++b) {
    if (writtenUnder_[b] != startKind) continue;
    work_.written.unmark(b);
    writtenUnder_[b].clear();
  }
  OpenBlock block = Opened(a.q, BlockKind::Call);
  block.argument = static_cast<int16_t>(a.in(1));
  block.subroutine = startKind;
  work_.OpenLevel(block);
  bool found = false;
  for (int b = 1; b <= table_.lastBox(); ++b) {
    if (table_[b].Kind != startKind || !table_.placed(b)) continue;
    found = true;
    work_.WorkListAdd(b);
  }
  work_.openBlocks[static_cast<std::size_t>(work_.nestLevel)].callFound = found;
}

void Compiler::SubroutineStartArm(ArmContext& a) {
  if (!ArmAllows(a.q)) {
    // A subroutine is compiled where it is called, and nowhere else: its
    // start box reached any other way is dropped with nothing written.
    work_.workList[a.j] = 0;
    return;
  }
  a.script += Line(boxName(a.q) + "=" + boxName(work_.innermost()->argument) + ";");
  a.done();
}

void Compiler::EndSubroutineArm(ArmContext& a) {
  if (!a.ready()) return;
  const OpenBlock* open = work_.innermost();
  if (open == nullptr || open->kind != BlockKind::Call) {
    Note(a.q, open == nullptr ? "ends a subroutine that was not called."
                              : "ends a subroutine while a block inside it is still open.");
    a.done();
    return;
  }
  RememberLeftInBlock(a.q);
  const OpenBlock block = *work_.CloseLevel();
  // The subroutine's last value becomes the call box's own result.
  a.script += Line(boxName(block.box) + "=" + boxName(a.in(1)) + ";");
  a.done();
  BringToPosition(block.box, a.j);
}

// A box still queued when its block closes (a second way out of a box in
// the body, taken after the closing box's own) never gets its code: the
// closing box goes first because the walk reached it first. The note names
// the block the box really closed: a Next box closes a branch too, and an
// End If box a loop.
void Compiler::RememberLeftInBlock(int closer) {
  const OpenBlock* open = work_.innermost();
  if (open == nullptr) return;
  const std::string why =
      "is left out: " + Named(closer) + " closed its " + WordsOf(open->kind).name + " first.";
  for (int p = 1; p <= work_.workLen; ++p) {
    const int e = work_.workList[static_cast<std::size_t>(p)];
    if (e > 0 && e != closer && !work_.written.contains(e)) leftOut_.push_back({e, why});
  }
}

void Compiler::RememberWaysNotFollowed(int closer, int opener, BlockKind closed, int j) {
  const int here = work_.workList[static_cast<std::size_t>(j)];
  // A closing box that is not here (an End If or End Subroutine, whose
  // block goes on from its own box) leads nowhere.
  if (here != closer) RememberArrowsNotFollowed(closer, closed);
  // A box that takes its opener's place (a Next box that closed a branch)
  // leaves the way on after the block behind.
  if (!WordsOf(closed).wayOnLeavesOpener || here == opener || table_.box(opener) == nullptr)
    return;
  RememberWayOn(opener, "is left out: " + ClosedTheBlock(closer, opener, closed));
}

void Compiler::RememberArrowsNotFollowed(int closer, BlockKind closed) {
  if (table_.box(closer) == nullptr) return;
  RememberWayOn(closer, "is left out: arrows out of " + Named(closer) +
                            " are not followed; the way on after " + WordsOf(closed).wayOn + ".");
}

void Compiler::RememberWayOn(int box, const std::string& why) {
  for (const int to : WayOn(box))
    if (to > 0) leftOut_.push_back({to, why});
}

std::string Compiler::ClosedTheBlock(int closer, int opener, BlockKind closed) const {
  const BlockWords& words = WordsOf(closed);
  return Named(closer) + " closed the " + words.name + " of " + Named(opener) + "; a " +
         words.name + " ends at " + words.endsAt + ".";
}

void Compiler::BringToPosition(int box, int j) {
  const int p = work_.positionOf(box);
  if (p == 0 || p == j) return;
  std::swap(work_.workList[p], work_.workList[j]);
}

}  // namespace quorvin
