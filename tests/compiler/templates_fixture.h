#pragma once
// A box table and scripted questions for running one template arm at a time,
// without the walk around it.

#include <algorithm>
#include <array>
#include <set>
#include <string>

#include "compiler/arm.h"
#include "compiler/compiler.h"
#include "model/preferences.h"
#include "tests/support/recording_views.h"
#include "tests/support/scripted_questions.h"

namespace quorvin::testing {

using testing_support::OneLine;
using testing_support::RecordingViews;
using testing_support::ScriptedQuestions;

// Finds the arm of a kind in the exact-kind tables, or nullptr.
inline ArmFunction FindArm(std::string_view kind) {
  for (auto table : {InputArms(), TemplateArms()}) {
    const auto it = std::find_if(table.begin(), table.end(),
                                 [&](const ArmEntry& e) { return e.kind == kind; });
    if (it != table.end()) return it->arm;
  }
  return nullptr;
}

class ArmBench {
 public:
  BoxTable table;
  ScriptedQuestions host;
  RecordingViews views;
  Preferences prefs;
  Compiler compiler{table, views, prefs, host};

  // Boxes that run() leaves unwritten, so that a box linked to one of them
  // has to wait.
  std::set<int> unwritten;

  ArmBench() { table.nextBox = kMaxBoxes + 1; }

  // Box n exists, is done, and has the given kind (what feeds an entry).
  void feeder(int n, const std::string& kind = "Constant Input") {
    if (BoxRecord* b = table.record(n)) {
      b->Kind = kind;
      written().mark(n);
    }
  }

  // Compiles box q of the given kind alone and returns what its arm wrote.
  // Every entry value above 0 names a feeding box that is already done.
  std::string run(int q, const std::string& kind, const std::string& params,
                  std::array<int, 3> links, CompileMode mode = CompileMode::Text) {
    BoxRecord& box = table[q];
    box.Kind = kind;
    box.Params = params;
    written().unmark(q);
    for (int k = 1; k <= kEntries; ++k) {
      const int link = links[static_cast<std::size_t>(k - 1)];
      box.InLink[static_cast<std::size_t>(k)] = static_cast<int16_t>(link);
      if (link <= 0 || link == q || table.record(link) == nullptr) continue;
      if (unwritten.contains(link)) {
        table[link].Kind = "Constant Input";
        written().unmark(link);
      } else if (!written().contains(link)) {
        feeder(link);
      }
    }
    std::string script;
    const ArmFunction arm = FindArm(kind);
    if (arm == nullptr) return "<no arm>";
    ArmContext ctx{compiler, table, host, mode, q, 1, script};
    arm(ctx);
    return script;
  }

  bool done(int q) const { return compiler.work().written.contains(q); }

 private:
  WrittenBoxes& written() { return compiler.work().written; }
};

}  // namespace quorvin::testing
