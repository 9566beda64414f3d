// A document of 350 boxes and their arrows in a real document window,
// offscreen: one repaint of the whole window, one scroll step (every button
// moved, the window repainted), and loading the 350-box file into a new
// window. Goals: a repaint under 4 ms, a scroll step under 8 ms.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMdiSubWindow>

#include "canvas/document_window.h"
#include "tests/canvas/fake_frame.h"
#include "tests/support/placed_boxes.h"
#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

constexpr int kColumns = 25;  // 25 by 14 boxes: 350

const std::string kChain350 = QUORVIN_SOURCE_DIR "/fuzz/corpus/compile_fuzzer/chain_350.qvn";

// A window the size of a full screen, its document 350 boxes on a grid,
// chained row by row, every seventh also linked to the box below.
struct FullWindow : testing::WindowsFixture {
  FullWindow() {
    frame.area.resize(1280, 900);
    doc = NewDocument(m);
    for (int n = 0; n < kMaxBoxes; ++n)
      testing_support::AddPlacedBox(m, doc, 300 + (n % kColumns) * 750,
                                    300 + (n / kColumns) * 960, n % 2 ? "Sin" : "Cos");
    for (int n = 1; n < kMaxBoxes; ++n) Link(n, 1, n + 1, 1);
    for (int n = 1; n + kColumns <= kMaxBoxes; n += 7) Link(n, 2, n + kColumns, 2);
    window = windows.window(doc);
    window->subWindow()->resize(1270, 880);
    window->boxesChanged();
    QApplication::processEvents();
  }
  void Link(int from, int exit, int to, int entry) {
    boxes[from].OutLink[exit] = static_cast<int16_t>(to);
    boxes[to].InLink[entry] = static_cast<int16_t>(from);
  }
  int doc = 0;
  DocumentWindow* window = nullptr;
};

void BM_RepaintWindow(benchmark::State& state) {
  testing_support::EnsureGuiApplication();
  FullWindow f;
  for (auto _ : state) f.window->repaint();
  state.counters["buttons"] = static_cast<double>(f.window->boxButtons().size());
}
BENCHMARK(BM_RepaintWindow)->Unit(benchmark::kMicrosecond);

// One step of the vertical scroll bar, down and back up in turn.
void BM_ScrollStep(benchmark::State& state) {
  testing_support::EnsureGuiApplication();
  FullWindow f;
  int step = 0;
  for (auto _ : state) {
    f.window->scrV->setValue(step++ % 2 ? 0 : 200);
    f.window->repaint();
  }
}
BENCHMARK(BM_ScrollStep)->Unit(benchmark::kMicrosecond);

// File > Open of the 350-box file until the window has painted it once.
void BM_LoadIntoWindow(benchmark::State& state) {
  testing_support::EnsureGuiApplication();
  testing::WindowsFixture f;
  for (auto _ : state) {
    LoadFlowchart(f.m, kChain350);
    DocumentWindow* window = f.windows.window(f.m.documents.openDocuments().back());
    window->repaint();
    state.PauseTiming();
    window->closeWindow();
    QApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_LoadIntoWindow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvin
