// A 350-box chain run box by box through the interpreter link into Octave,
// against the same script run by Octave as one file (octave-cli file.m).
// The box-by-box figure leaves out the interpreter's start (Start Matlab
// happens once before a session); OctaveStartOnly shows what the file run
// pays for its own start, LinkStart what Start Matlab waits for.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "compiler/compiler.h"
#include "compiler/execution_step.h"
#include "compiler/script_delivery.h"
#include "platform/interpreter_link.h"
#include "tests/support/qt_application.h"
#include "tests/support/quiet_questions.h"

namespace quorvin {
namespace {

class CountingSink : public ResultsSink {
 public:
  size_t bytes = 0;
  void append(const std::string& t) override { bytes += t.size(); }
};

// Constant Input, then 349 Sin boxes each fed by the one before.
void Chain(BoxTable& table) {
  table.nextBox = kMaxBoxes + 1;
  for (int b = 1; b <= kMaxBoxes; ++b) {
    BoxRecord& r = table[b];
    r = BoxRecord{};
    r.Doc = 1;
    r.Kind = b == 1 ? "Constant Input" : "Sin";
    r.Params = b == 1 ? "0.5" : "";
    r.InLink = {0, static_cast<int16_t>(b == 1 ? -1 : b - 1), -1, -1};
    r.OutLink = {0, static_cast<int16_t>(b == kMaxBoxes ? 0 : b + 1), 0, 0, 0, 0};
  }
}

void BM_ChainBoxByBox(benchmark::State& state) {
  testing_support::EnsureGuiApplication();
  InterpreterLink link;
  const auto program = FindInterpreter("/usr");
  if (!program || !link.start(*program)) {
    state.SkipWithError("no Octave in /usr/bin");
    return;
  }
  BoxTable table;
  Chain(table);
  testing_support::QuietCompileQuestions host;
  DocumentViews views;
  const Preferences prefs;
  CountingSink sink;
  for (auto _ : state) {
    ExecutionStep step(table, host, link, sink, [] {});
    Compiler(table, views, prefs, host, &step).CompileFlowchart(CompileMode::Execute, 1);
    if (step.failures() != 0) state.SkipWithError("a statement failed");
  }
  state.counters["boxes"] = kMaxBoxes;
}
BENCHMARK(BM_ChainBoxByBox)->Unit(benchmark::kMillisecond);

void BM_ChainAsOneFile(benchmark::State& state) {
  testing_support::EnsureGuiApplication();
  BoxTable table;
  Chain(table);
  testing_support::QuietCompileQuestions host;
  DocumentViews views;
  const Preferences prefs;
  const std::string script =
      Compiler(table, views, prefs, host).CompileFlowchart(CompileMode::Text, 1);
  QTemporaryDir dir;
  const std::string file = dir.filePath("chain.m").toStdString();
  if (script.empty() || !WriteTextFile(file, MFileContents(script, std::nullopt))) {
    state.SkipWithError("no script");
    return;
  }
  for (auto _ : state) {
    QProcess octave;
    octave.start("/usr/bin/octave-cli", {"--quiet", "--no-history", QString::fromStdString(file)});
    octave.closeWriteChannel();
    if (!octave.waitForFinished(60000) || octave.exitCode() != 0)
      state.SkipWithError("octave-cli failed");
  }
}
BENCHMARK(BM_ChainAsOneFile)->Unit(benchmark::kMillisecond);

void BM_OctaveStartOnly(benchmark::State& state) {
  testing_support::EnsureGuiApplication();
  for (auto _ : state) {
    QProcess octave;
    octave.start("/usr/bin/octave-cli", {"--quiet", "--no-history", "--eval", "1;"});
    octave.closeWriteChannel();
    octave.waitForFinished(60000);
  }
}
BENCHMARK(BM_OctaveStartOnly)->Unit(benchmark::kMillisecond);

// Start Matlab's own wait: the link starts Octave from /usr and waits until
// it has taken the set-up.
void BM_LinkStart(benchmark::State& state) {
  testing_support::EnsureGuiApplication();
  const auto program = FindInterpreter("/usr");
  if (!program) {
    state.SkipWithError("no Octave in /usr/bin");
    return;
  }
  for (auto _ : state) {
    auto link = std::make_unique<InterpreterLink>();
    if (!link->start(*program)) state.SkipWithError("Octave did not come up");
    // Closing Octave (up to a second) is no part of the wait.
    state.PauseTiming();
    link.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_LinkStart)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvin
