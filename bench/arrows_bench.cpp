// Redrawing a document's arrows: 350 boxes and 399 links painted offscreen
// onto an image the size of a full-screen document window, antialiased.
// A redraw runs on every move, drag and scroll step, so it has to stay well
// under a frame: the goal is 4 ms.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "canvas/arrow_painter.h"
#include "canvas/logic/arrow_geometry.h"
#include "tests/canvas/box_table_fixture.h"
#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

constexpr int kColumns = 25;  // 25 by 14 boxes: 350
constexpr int kWindowWidth = 1280;
constexpr int kWindowHeight = 900;

// A chain through every box row by row (349 links into entry 1), and every
// seventh box also linked to the box below it (50 links into entry 2).
BoxTable Flowchart() {
  BoxTable table;
  for (int n = 0; n < kMaxBoxes; ++n)
    testing_support::AddBox(table, 1, 300 + (n % kColumns) * 750, 300 + (n / kColumns) * 960);
  for (int n = 1; n < kMaxBoxes; ++n) testing_support::LinkBoxes(table, n, 1, n + 1, 1);
  for (int n = 1; n + kColumns <= kMaxBoxes; n += 7)
    testing_support::LinkBoxes(table, n, 2, n + kColumns, 2);
  return table;
}

QImage Window() { return QImage(kWindowWidth, kWindowHeight, QImage::Format_ARGB32_Premultiplied); }

// The painting alone, from arrows already figured.
void BM_PaintArrows(benchmark::State& state) {
  testing_support::EnsureGuiApplication();
  const BoxTable table = Flowchart();
  const std::vector<Arrow> arrows = ArrowsOfDocument(table, 1, 0, 0);
  QImage image = Window();
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintArrows(painter, arrows, static_cast<int>(state.range(0)));
  }
  state.counters["arrows"] = static_cast<double>(arrows.size());
}
BENCHMARK(BM_PaintArrows)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

// A whole redraw: clear, figure every arrow from the box table, paint.
void BM_RedrawArrows(benchmark::State& state) {
  testing_support::EnsureGuiApplication();
  const BoxTable table = Flowchart();
  QImage image = Window();
  for (auto _ : state) {
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintArrows(painter, ArrowsOfDocument(table, 1, 0, 0), 1);
  }
}
BENCHMARK(BM_RedrawArrows)->Unit(benchmark::kMicrosecond);

// The geometry alone.
void BM_ArrowsOfDocument(benchmark::State& state) {
  const BoxTable table = Flowchart();
  for (auto _ : state) benchmark::DoNotOptimize(ArrowsOfDocument(table, 1, 0, 0));
}
BENCHMARK(BM_ArrowsOfDocument)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quorvin
