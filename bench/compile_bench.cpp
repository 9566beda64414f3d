// Time of one compile of a full box table (350 boxes): a plain chain, and
// loops with branches nested 172 blocks deep.
#include <benchmark/benchmark.h>

#include <string>

#include "compiler/compiler.h"
#include "tests/support/quiet_questions.h"

namespace {

using namespace quorvin;

struct Table {
  BoxTable t;
  int add(const std::string& kind, const std::string& params = "") {
    const int n = t.nextBox;
    t.nextBox = static_cast<int16_t>(n + 1);
    t[n] = BoxRecord{};
    t[n].Kind = kind;
    t[n].Params = params;
    t[n].Doc = 1;
    return n;
  }
  void link(int from, int exit, int to, int entry) {
    t[from].OutLink[exit] = static_cast<int16_t>(to);
    t[to].InLink[entry] = static_cast<int16_t>(from);
  }
};

BoxTable Chain() {
  Table c;
  const int in = c.add("Constant Input", "1");
  for (int k = 1; k <= kEntries; ++k) c.t[in].InLink[k] = kAbsentSlot;
  int previous = in;
  while (c.t.nextBox <= kMaxBoxes) {
    const int next = c.add("Sin");
    c.link(previous, 1, next, 1);
    previous = next;
  }
  return c.t;
}

// For k -> If k -> For k+1 ...; the innermost If leads to a Sin and its End
// If; each If's way on (exit 2) is its loop's Next, which leads to the End
// If one level out.
BoxTable Nested() {
  Table c;
  constexpr int kLevels = 86;
  const int in = c.add("Constant Input", "3");
  for (int k = 1; k <= kEntries; ++k) c.t[in].InLink[k] = kAbsentSlot;
  int previous = in;
  int loops[kLevels], branches[kLevels], endIfs[kLevels], nexts[kLevels];
  for (int k = 0; k < kLevels; ++k) {
    loops[k] = c.add("For", "1:1:2,");
    branches[k] = c.add("If", "box" + std::to_string(loops[k]) + ">0");
    c.link(previous, 1, loops[k], 1);
    c.link(loops[k], 1, branches[k], 1);
    previous = branches[k];
  }
  const int inner = c.add("Sin");
  c.link(previous, 1, inner, 1);
  for (int k = kLevels - 1; k >= 0; --k) {
    endIfs[k] = c.add("End If");
    nexts[k] = c.add("Next");
    c.link(k == kLevels - 1 ? inner : nexts[k + 1], 1, endIfs[k], 1);
    c.link(branches[k], 2, nexts[k], 1);
  }
  previous = nexts[0];
  while (c.t.nextBox <= kMaxBoxes) {
    const int next = c.add("Sin");
    c.link(previous, 1, next, 1);
    previous = next;
  }
  return c.t;
}

void Run(benchmark::State& state, BoxTable table) {
  testing_support::QuietCompileQuestions host;
  DocumentViews views;
  Preferences prefs;
  Compiler compiler(table, views, prefs, host);
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string script = compiler.CompileFlowchart(CompileMode::Text, 1);
    bytes = script.size();
    benchmark::DoNotOptimize(script.data());
  }
  if (host.lastMessage != "Done !")
    state.SkipWithError(("compile did not finish: " + host.lastMessage).c_str());
  state.counters["script_bytes"] = static_cast<double>(bytes);
}

void BM_CompileChain350(benchmark::State& state) { Run(state, Chain()); }
void BM_CompileNestedLoopsAndBranches350(benchmark::State& state) { Run(state, Nested()); }

BENCHMARK(BM_CompileChain350)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CompileNestedLoopsAndBranches350)->Unit(benchmark::kMicrosecond);

}  // namespace
