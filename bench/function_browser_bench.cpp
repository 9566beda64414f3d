// The function browser's categories over catalogues as large as a person's
// drives can give: half a million directories (every other one without an
// m-file, so its check reads every path) and half a million files; and a
// million files in a thousand directories. CategoryList alone, the whole
// opening of the browser with the catalogue in memory, as at every opening
// after the first, and the choice of all m-files. Checking each directory
// against every file took two minutes for the first; the goal is a second
// or so for each.

#include <benchmark/benchmark.h>

#include <string>

#include "app/function_browser.h"
#include "app/function_browser_rules.h"
#include "tests/support/qt_application.h"
#include "tests/support/quiet_questions.h"

namespace quorvin {
namespace {

// dirs directories of a hundred each under /data/lib<n>; every other
// directory holds filesPerDir m-files.
MFileCatalogue Catalogue(int dirs, int filesPerDir) {
  MFileCatalogue catalogue;
  for (int d = 0; d < dirs; ++d) {
    const std::string name = "pkg" + std::to_string(d);
    const std::string dir = "/data/lib" + std::to_string(d / 100) + "/" + name;
    catalogue.mFileDirs.push_back({name, dir});
    if (d % 2 == 0)
      for (int f = 0; f < filesPerDir; ++f)
        catalogue.mFiles.push_back(dir + "/f" + std::to_string(f) + ".m");
  }
  return catalogue;
}

const MFileCatalogue& HalfMillionEach() {
  static const MFileCatalogue catalogue = Catalogue(500000, 2);
  return catalogue;
}

const MFileCatalogue& MillionFiles() {
  static const MFileCatalogue catalogue = Catalogue(2000, 1000);
  return catalogue;
}

void Categories(benchmark::State& state, const MFileCatalogue& catalogue) {
  std::size_t shown = 0;
  for (auto _ : state) {
    const std::vector<Category> categories = CategoryList(catalogue);
    shown = categories.size();
    benchmark::DoNotOptimize(categories);
  }
  state.counters["directories"] = static_cast<double>(catalogue.mFileDirs.size());
  state.counters["files"] = static_cast<double>(catalogue.mFiles.size());
  state.counters["categories"] = static_cast<double>(shown);
}

void CategoriesOfHalfAMillionEach(benchmark::State& state) { Categories(state, HalfMillionEach()); }
BENCHMARK(CategoriesOfHalfAMillionEach)->Unit(benchmark::kMillisecond);

void CategoriesOfAMillionFiles(benchmark::State& state) { Categories(state, MillionFiles()); }
BENCHMARK(CategoriesOfAMillionFiles)->Unit(benchmark::kMillisecond);

// The browser window made and filled, as a dialog's button opens it.
void OpeningOverHalfAMillionEach(benchmark::State& state) {
  testing_support::EnsureGuiApplication();
  MFileTables tables;
  tables.catalogue = HalfMillionEach();
  tables.loaded = true;
  testing_support::QuietDialogs dialogs;
  for (auto _ : state) {
    FunctionBrowserWindow browser(nullptr, BrowserCaller::Formula, tables,
                                  [] { return ScanSettings{}; }, &dialogs);
    benchmark::DoNotOptimize(browser.cmbCategory->count());
  }
}
BENCHMARK(OpeningOverHalfAMillionEach)->Unit(benchmark::kMillisecond);

// "zzz All M files zzz" chosen in a browser over state.range(0) files, a
// thousand in every other directory: the time grows with the files (a list
// item made for each, one by one, took 2.2 s for a hundred thousand and
// minutes for a million).
void ChoosingAllFiles(benchmark::State& state) {
  testing_support::EnsureGuiApplication();
  MFileTables tables;
  tables.catalogue = Catalogue(static_cast<int>(2 * state.range(0) / 1000), 1000);
  tables.loaded = true;
  testing_support::QuietDialogs dialogs;
  FunctionBrowserWindow browser(nullptr, BrowserCaller::Formula, tables,
                                [] { return ScanSettings{}; }, &dialogs);
  const int allFiles = browser.cmbCategory->count() - 1;
  for (auto _ : state) {
    browser.cmbCategory->setCurrentIndex(-1);
    browser.cmbCategory->setCurrentIndex(allFiles);
  }
  state.counters["files"] = static_cast<double>(tables.catalogue.mFiles.size());
}
BENCHMARK(ChoosingAllFiles)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvin
