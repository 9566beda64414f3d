// Scanning a generated tree of 100,000 files for m-files, against `find`
// applying the same rules in the same run: dotted and hidden directories
// pruned, symbolic links not followed, "*.m" matched ignoring case, and a
// root's own files left out. The goal is a scan no slower than find.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/mfile_scan.h"

namespace quorvin {
namespace {

namespace fs = std::filesystem;

// 20 directories of 50 subdirectories of 100 files each (a quarter of them
// m-files, some named in capitals), plus a hidden and a dotted directory and
// a link back to the root, which the walk must all leave alone.
const std::string& Tree() {
  static const std::string root = [] {
    const fs::path base = fs::temp_directory_path() / "quorvin-mfile-scan-bench";
    if (fs::exists(base / "done")) return base.string();
    fs::remove_all(base);
    for (int top = 0; top < 20; ++top)
      for (int sub = 0; sub < 50; ++sub) {
        const fs::path dir = base / ("top" + std::to_string(top)) / ("sub" + std::to_string(sub));
        fs::create_directories(dir);
        for (int f = 0; f < 100; ++f) {
          const char* ext = f % 4 != 0 ? ".txt" : (f % 8 == 0 ? ".M" : ".m");
          std::ofstream(dir / ("file" + std::to_string(f) + ext)) << "% help\n";
        }
      }
    for (const char* skipped : {".hidden", "dotted.dir"}) {
      fs::create_directories(base / skipped);
      std::ofstream(base / skipped / "skip.m") << "% skipped\n";
    }
    fs::create_directory_symlink(base, base / "top0" / "loop");
    std::ofstream(base / "done") << "";
    return base.string();
  }();
  return root;
}

void ScanGeneratedTree(benchmark::State& state) {
  const std::string& root = Tree();  // built once, outside the timing
  std::size_t found = 0;
  for (auto _ : state) {
    ScanResult result;
    ScanRoot(root, result);
    found = result.catalogue.mFiles.size();
    benchmark::DoNotOptimize(result);
  }
  state.counters["mfiles"] = static_cast<double>(found);
}
BENCHMARK(ScanGeneratedTree)->Unit(benchmark::kMillisecond);

void FindSameRules(benchmark::State& state) {
  const std::string& root = Tree();
  const std::string command = "find '" + root +
                              "' -mindepth 1 -type d -name '*.*' -prune -o -type f -iname '*.m' "
                              "-path '" + root + "/*/*' -print";
  std::size_t found = 0;
  for (auto _ : state) {
    found = 0;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
      state.SkipWithError("find could not be started");
      return;
    }
    char line[4096];
    while (std::fgets(line, sizeof line, pipe) != nullptr) ++found;
    ::pclose(pipe);
  }
  state.counters["mfiles"] = static_cast<double>(found);
}
BENCHMARK(FindSameRules)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quorvin
