// Saving and loading a full 350-box flowchart.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "model/flowchart_file.h"
#include "model/model.h"
#include "tests/support/editor_backdoor.h"
#include "tests/support/placed_boxes.h"
#include "tests/support/quiet_questions.h"

namespace {

using namespace quorvin;


// A chain of 350 boxes, each with a parameter text and a two-line formula.
void FillChain(Model& m, int doc) {
  for (int i = 1; i <= kMaxBoxes; ++i) {
    testing_support::AddPlacedBox(
        m, doc, 300 * (i % 20), 600 * (i / 20), i == 1 ? "Constant Input" : "Compute Function",
        "box" + std::to_string(i) + "=0;\r\nbox" + std::to_string(i) + "(2,3)=Input1*2;");
    if (i > 1) {
      testing_support::WritableTable(m)[i].InLink[1] = static_cast<int16_t>(i - 1);
      testing_support::WritableTable(m)[i - 1].OutLink[1] = static_cast<int16_t>(i);
    }
  }
}

void BM_SaveFull(benchmark::State& state) {
  testing_support::QuietDialogs dialogs;
  DocumentViews views;
  MemorySettingsStore store;
  Model m(dialogs, views, store);
  const int doc = NewDocument(m);
  FillChain(m, doc);
  dialogs.fileAnswer = (std::filesystem::temp_directory_path() / "quorvin-bench-save.qvn").string();
  for (auto _ : state) benchmark::DoNotOptimize(SaveDocument(m, doc, SaveMode::SaveAs));
  std::filesystem::remove(*dialogs.fileAnswer);
}
BENCHMARK(BM_SaveFull)->Unit(benchmark::kMicrosecond);

void BM_LoadFull(benchmark::State& state) {
  testing_support::QuietDialogs dialogs;
  DocumentViews views;
  MemorySettingsStore store;
  std::string text;
  {
    Model m(dialogs, views, store);
    FillChain(m, NewDocument(m));
    text = FormatFlowchart(m.table, 1);
  }
  const auto path = std::filesystem::temp_directory_path() / "quorvin-bench-load.qvn";
  std::ofstream(path, std::ios::binary) << text;
  for (auto _ : state) {
    Model m(dialogs, views, store);
    LoadFlowchart(m, path.string());
    benchmark::DoNotOptimize(m.table.nextBox);
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_LoadFull)->Unit(benchmark::kMicrosecond);

}  // namespace
