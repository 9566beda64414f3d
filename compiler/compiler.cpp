#include "compiler/compiler.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>

#include "compiler/arm.h"

namespace quorvin {

namespace {

const ArmEntry* FindArm(std::span<const ArmEntry> arms, const std::string& kind) {
  for (const ArmEntry& entry : arms)
    if (entry.kind == kind) return &entry;
  return nullptr;
}

// The arm of a kind whose code comes from the input or template tables.
const ArmEntry* PlainArmOf(const std::string& kind) {
  const ArmEntry* entry = FindArm(InputArms(), kind);
  return entry != nullptr ? entry : FindArm(TemplateArms(), kind);
}

// Whether every box linked to target's entries is written, in entry order.
// A Pickup counts as written: the test writes its line then, and onPickup is
// told of each one met before the first entry that is not written.
template <typename OnPickup>
bool LinkedEntriesWritten(const BoxTable& table, const WrittenBoxes& written, int target,
                          OnPickup onPickup) {
  const BoxRecord* t = table.box(target);
  if (t == nullptr) return false;
  for (int k = 1; k <= kEntries; ++k) {
    const int src = t->InLink[k];
    if (src <= 0) continue;
    const BoxRecord* in = table.linked(target, src);
    if (in == nullptr) return false;  // an input that leads to no box is never written
    if (in->Kind == "Pickup")
      onPickup(src, *in);
    else if (!written.contains(src))
      return false;
  }
  return true;
}

}  // namespace

bool ArmContext::ready() { return compiler.InputsReady(script, q); }

std::string Compiler::CompileFlowchart(CompileMode mode, int docTag) {
  mode_ = mode;
  script_.clear();
  processed_ = 0;
  Progressed();
  notes_.clear();
  leftOut_.clear();
  writtenUnder_.fill({});
  work_.reset();
  ExecutionHook* const execution = executing();
  try {
    if (execution != nullptr) execution->compileStarted();
    views_.setDocsPointer(Pointer::Hourglass);
    FindStartBoxes(docTag);
    if (work_.WorkListIsEmpty()) {
      questions_.messageBox("There are no inputs !", style::kExclamation, kAppTitle);
      views_.setDocsPointer(Pointer::Default);
      return {};
    }
    while (!work_.WorkListIsEmpty()) {
      const int passLength = work_.workLen;
      for (int j = 1; j <= passLength; ++j) {
        const Visit visit = VisitPosition(j);
        if (visit == Visit::Continue) continue;
        // After an abort the bars keep the progress they showed.
        if (visit != Visit::Abort) views_.setResourceGauge(table_.fillPercent());
        views_.setDocsPointer(Pointer::Default);
        return {};
      }
    }
    std::vector<std::string> runProblems;
    if (execution != nullptr && !execution->compileFinished(runProblems)) {
      views_.setResourceGauge(table_.fillPercent());
      views_.setDocsPointer(Pointer::Default);
      return {};
    }
    std::string result = std::move(script_);
    script_.clear();
    ReportEnd(runProblems);
    views_.setResourceGauge(table_.fillPercent());
    views_.setDocsPointer(Pointer::Default);
    return result;
  } catch (...) {
    // Only a failing window or memory can get here (an arm's own failure is
    // told in Dispatch); the compile ends as an abort does.
    try {
      views_.setDocsPointer(Pointer::Default);
    } catch (...) {
    }
    return {};
  }
}

void Compiler::FindStartBoxes(int docTag) {
  // The document's placed boxes: nothing links to the box that waits to be
  // placed either, so it is never compiled.
  const std::vector<int> boxes = table_.placedBoxes(docTag);
  for (const int b : boxes) {
    const BoxRecord& box = table_[b];
    const bool input = box.Kind.ends_with("Input");
    const bool noEntries = box.InLink[1] == kAbsentSlot && box.InLink[2] == kAbsentSlot &&
                           box.InLink[3] == kAbsentSlot;
    if (input && noEntries) work_.WorkListAdd(b);
  }
  if (!prefs_.chkInput) return;
  for (const int b : boxes) {
    const BoxRecord& box = table_[b];
    const bool allFree = box.InLink[1] == kFreeSlot && box.InLink[2] == kFreeSlot &&
                         box.InLink[3] == kFreeSlot;
    if (allFree) work_.WorkListAdd(b);
  }
}

Compiler::Visit Compiler::VisitPosition(int j) {
  int e = work_.workList[j];
  if (e != 0 && table_.box(e) == nullptr) {
    // Only boxes are ever queued; anything else is dropped, never read.
    work_.workList[j] = 0;
    e = 0;
  }
  if (e > 0 && work_.written.contains(e)) {
    work_.WorkListRemoveAt(j);
    return Visit::Continue;
  }
  bool armDone = false;
  if (e > 0 && table_[e].Params != "Deleted") {
    if (!script_.ends_with(kIndent))
      for (int level = 0; level < work_.nestLevel; ++level) script_ += kIndent;
    const int level = work_.nestLevel;
    const OpenBlock* open = work_.innermost();
    const int opener = open != nullptr ? open->box : 0;
    const BlockKind innermost = open != nullptr ? open->kind : BlockKind::Loop;
    if (!Dispatch(e, j)) return Visit::Fault;
    armDone = work_.written.contains(e);
    if (armDone && work_.nestLevel < level) RememberWaysNotFollowed(e, opener, innermost, j);
  }
  return Tail(j, armDone);
}

bool Compiler::Dispatch(int q, int j) {
  const std::string under = CurrentCall();
  ArmContext a{*this, table_, questions_, mode_, q, j, script_};
  // An arm that throws has a fault the flowchart cannot mend: going on
  // would only make its box look stuck (or leave its code half written), so
  // the compile ends here and the user is told which box it was.
  std::optional<std::string> fault;
  try {
    if (!ControlFlowArm(a))
      if (const ArmEntry* entry = PlainArmOf(table_[q].Kind)) entry->arm(a);
  } catch (const std::exception& e) {
    fault = e.what();
  } catch (...) {
    fault = "unknown error";
  }
  if (fault) {
    questions_.internalError(q, table_[q].Kind, *fault);
    return false;
  }
  if (work_.written.contains(q)) writtenUnder_[q] = under;
  return true;
}

Compiler::Visit Compiler::Tail(int j, bool armDone) {
  const int e = work_.workList[j];
  if (e > 0 && work_.written.contains(e)) {
    Progressed();
    QueueSuccessors(e);
    if (mode_ == CompileMode::Execute) {
      if (execution_ != nullptr && !execution_->executeStep(e, work_.nestLevel, script_))
        return Visit::Abandon;
      script_.clear();
    }
    work_.WorkListRemoveAt(j);
    ++processed_;
    const double share = static_cast<double>(processed_) / table_.lastBox() * 100.0;
    views_.setResourceGauge(std::min(std::nearbyint(share), 100.0));
    return Visit::Continue;
  }
  if (armDone) {
    // A block arm moved another entry here: its own box was written, which
    // is progress, and the entry now here has not waited yet.
    Progressed();
    return Visit::Continue;
  }
  return StuckCheck(j);
}

void Compiler::Progressed() {
  suspect_ = 0;
  waitCount_ = 0;
  passedOver_ = 0;
}

Compiler::Visit Compiler::StuckCheck(int j) {
  const int e = work_.workList[j];
  if (suspect_ > 0 && e > 0) {
    if (waitCount_ <= 1) {
      ++waitCount_;
      return Visit::Continue;
    }
    // The count can run out within one pass while a box is ready that the
    // pass has gone by (it moved down as the box before it left the list)
    // or not reached yet: the walk goes on to it.
    // Should that look ever be wrong, two whole passes without progress
    // still bring the question, so that the walk cannot go round for ever.
    if (passedOver_ <= 2 * work_.workLen)
      for (int p = 1; p <= work_.workLen; ++p)
        if (WouldBeWritten(work_.workList[p])) {
          ++passedOver_;
          return Visit::Continue;
        }
    // The first box to wait may have left the list since without any box
    // being written (a Pickup marked done by a box it feeds): the question
    // then names the box the walk stands at, which is still waiting.
    if (work_.positionOf(suspect_) == 0) suspect_ = e;
    const std::string text = "There seems to be an infinite loop here, whereby " +
                             Named(suspect_) + " cannot be processed." + NL +
                             "Do you want to retry, abort or ignore this box ?";
    const Answer answer =
        questions_.messageBox(text, style::kAbortRetryIgnore + style::kCritical, kAppTitle);
    if (answer == Answer::Retry) {
      suspect_ = 0;
    } else if (answer == Answer::Ignore) {
      // Drop the box the question named, wherever it waits now.
      const int p = work_.positionOf(suspect_);
      work_.workList[p > 0 ? p : j] = 0;
      suspect_ = 0;
    } else {
      return Visit::Abort;
    }
  } else if (e > 0) {
    suspect_ = e;
  }
  return Visit::Continue;
}

int Compiler::LinkedBox(int from, int value) const {
  return table_.linked(from, value) != nullptr ? value : 0;
}

void Compiler::QueueSuccessors(int e) {
  for (const int v : WayOn(e)) work_.WorkListAdd(v);
}

std::vector<int> Compiler::WayOn(int e) const {
  const BoxRecord& box = table_[e];
  std::vector<int> wayOn;
  // Values that lead to no box go the way of an absent slot.
  auto add = [this, e, &wayOn](int v) {
    if (v <= 0 || table_.linked(e, v) != nullptr) wayOn.push_back(v);
  };
  int first = 1;
  if (box.Kind == "If") {
    // Exit 1 (and exit 2 of an else branch) were compiled inside the block;
    // exit 2 of a plain If is the way on, queued even when free.
    if (!box.Params.starts_with("else")) add(box.OutLink[2]);
    first = 3;
  }
  for (int k = first; k <= kExits; ++k)
    if (box.OutLink[k] != 0) add(box.OutLink[k]);
  return wayOn;
}

bool Compiler::InputsReady(std::string& code, int target) {
  return LinkedEntriesWritten(table_, work_.written, target,
                              [this, &code](int pickup, const BoxRecord& box) {
                                code += boxName(pickup) + "=" + box.Params + ";" + NL;
                                work_.written.mark(pickup);
                              });
}

bool Compiler::WouldBeWritten(int e) const {
  const BoxRecord* box = table_.box(e);
  if (box == nullptr || work_.written.contains(e) || box->Params == "Deleted") return false;
  const std::string& kind = box->Kind;
  const bool hasArm = ControlFlowArmOf(kind) != nullptr || PlainArmOf(kind) != nullptr;
  return hasArm && LinkedEntriesWritten(table_, work_.written, e, [](int, const BoxRecord&) {}) &&
         ArmAllows(e);
}

std::string Compiler::Named(int box) const {
  const BoxRecord* b = table_.box(box);
  return boxName(box) + " (" + (b ? b->Kind : "") + ")";
}

void Compiler::Note(int box, const std::string& what) {
  std::string note = Named(box) + " " + what;
  if (std::find(notes_.begin(), notes_.end(), note) == notes_.end())
    notes_.push_back(std::move(note));
}

void Compiler::ReportEnd(const std::vector<std::string>& runProblems) {
  // Each box is told once, for the first reason found.
  std::vector<int> told;
  for (const LeftOut& left : leftOut_) {
    if (work_.written.contains(left.box) ||
        std::find(told.begin(), told.end(), left.box) != told.end())
      continue;
    told.push_back(left.box);
    Note(left.box, left.why);
  }
  // Blocks still open when the list ran dry, outermost first; an If with an
  // else part holds two levels and is told once.
  int previous = 0;
  for (int level = 1; level <= work_.nestLevel; ++level) {
    const OpenBlock& block = work_.openBlocks[static_cast<std::size_t>(level)];
    if (block.box == previous) continue;
    previous = block.box;
    switch (block.kind) {
      case BlockKind::Loop:
        Note(block.box, "opens a loop that no Next box closes.");
        break;
      case BlockKind::Branch:
      case BlockKind::ElseBranch:
        Note(block.box, "opens a branch that no End If box closes.");
        break;
      case BlockKind::Call:
        Note(block.box, block.callFound
                            ? "calls a subroutine that no End Subroutine box ends."
                            : "calls a subroutine that does not exist: no box is of kind \"" +
                                  block.subroutine + "\".");
        break;
    }
  }
  if (notes_.empty() && runProblems.empty()) {
    questions_.messageBox("Done !", style::kInformation, kAppTitle);
    return;
  }
  std::string text;
  if (!notes_.empty()) {
    text = "Done, but the script is incomplete:";
    for (const std::string& note : notes_) text += NL + note;
    for (const std::string& problem : runProblems) text += NL + problem;
  } else {
    text = "Done, but " + runProblems.front();
    for (std::size_t k = 1; k < runProblems.size(); ++k) text += NL + runProblems[k];
  }
  questions_.messageBox(text, style::kExclamation, kAppTitle);
}

}  // namespace quorvin
