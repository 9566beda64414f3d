// Box names in parameter texts through a save and an open, checked over
// every flowchart file the project tracks: a saved file opened again
// compiles to the same script but for the numbers of the boxes, and a file
// opened after other documents' K boxes compiles to its script alone with
// its box names moved by K.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "compiler/compiler.h"
#include "model/flowchart_file.h"
#include "model/model.h"
#include "model/settings_store.h"
#include "tests/support/quiet_questions.h"
#include "tests/support/scripted_questions.h"

namespace quorvin {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The tracked flowcharts: test fixtures and the fuzz corpus.
std::vector<fs::path> TrackedFlowcharts() {
  std::vector<fs::path> found;
  for (const char* folder : {"tests", "fuzz/corpus"})
    for (const auto& e : fs::recursive_directory_iterator(fs::path(QUORVIN_SOURCE_DIR) / folder))
      if (e.path().extension() == ".qvn") found.push_back(e.path());
  return found;
}

// A program with nothing open; open() reads a file into a new document.
struct Program {
  testing_support::QuietDialogs dialogs;
  DocumentViews views;
  MemorySettingsStore store;
  Model m{dialogs, views, store};
  int open(const std::string& text) {
    const int doc = NewDocument(m);
    return ReadFlowchartInto(m, doc, text, "chart.qvn") ? doc : 0;
  }
  std::string compile(int doc) {
    testing_support::ScriptedQuestions host;
    host.stuckAnswer = Answer::Ignore;
    return Compiler(m, host).CompileFlowchart(CompileMode::Text, doc);
  }
};

// text with each box name ("box" and a number without leading zero, or an
// If's "elsebox" at the start) replaced by renamed(number).
template <typename Rename>
std::string Renamed(const std::string& text, Rename renamed) {
  static const std::regex kName(R"((^else|\b)box([1-9][0-9]{0,4})\b)");
  std::string out;
  std::size_t copied = 0;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), kName); it != std::sregex_iterator();
       ++it) {
    const auto digits = static_cast<std::size_t>(it->position(2));
    out.append(text, copied, digits - copied);
    out += renamed(std::stoi((*it)[2]));
    copied = digits + static_cast<std::size_t>(it->length(2));
  }
  return out.append(text, copied, std::string::npos);
}

// The script with its box numbers replaced by their order of appearance.
std::string Canonical(const std::string& script) {
  std::map<int, int> order;
  return Renamed(script, [&order](int n) {
    return "#" + std::to_string(order.try_emplace(n, static_cast<int>(order.size()) + 1).first->second);
  });
}

// Every flowchart the project keeps is one the reader takes: none is left
// out of the checks below as a file it refuses.
TEST(TrackedFlowcharts, EveryOneLoads) {
  for (const fs::path& p : TrackedFlowcharts()) {
    Program program;
    EXPECT_NE(program.open(ReadFile(p)), 0) << p;
  }
}

// Names a person might type, in a chart of three boxes that opens after
// seven: box9 would land on the file's second box if left as typed.
const char* const kNamesChart =
    "3\r\n"
    "Constant Input~2\r\n-1~-1~-1~2~0~0~0~0~0~0~0~0~0\r\n0~0~\r\n"
    "If~elsebox1>box9\r\n1~0~0~3~0~0~0~0~0~0~0~0~0\r\n0~900~\r\n"
    "Matlab Command~box3=box2+box1+inbox1+box01+box400+box12;;;disp('box2');\r\n"
    "2~0~0~0~0~0~0~0~0~0~0~0~0\r\n0~1800~\r\n\r\n";

TEST(BoxNamesInFiles, FollowTheirBoxesThroughSaveAndOpen) {
  const std::string other = ReadFile(fs::path(QUORVIN_SOURCE_DIR) / "tests/compiler/golden/if_else.qvn");
  std::vector<std::pair<std::string, std::string>> charts = {{"names chart", kNamesChart}};
  for (const fs::path& p : TrackedFlowcharts()) charts.emplace_back(p.string(), ReadFile(p));
  ASSERT_GT(charts.size(), 20u);
  for (const auto& [name, text] : charts) {
    SCOPED_TRACE(name);
    Program alone;
    const int doc = alone.open(text);
    if (doc == 0) continue;  // a file the reader refuses is no chart
    const int n = alone.m.table.nextBox - 1;
    const std::string script = alone.compile(doc);
    const std::string saved = FormatFlowchart(alone.m.table, doc);

    // Saved and opened again, the boxes may be numbered otherwise.
    Program again;
    EXPECT_EQ(Canonical(again.compile(again.open(saved))), Canonical(script));

    Program after;
    after.open(other);
    const int k = after.m.table.nextBox - 1;
    if (n + k > kMaxBoxes) continue;
    const int moved = after.open(text);
    // Names up to the last box opened move by K, the numbers of the links
    // with them; a name of no box of the file lands past the file's boxes.
    const auto byK = [n, k](int v) { return std::to_string(v <= n + k ? v + k : v); };
    for (int i = 1; i <= n; ++i) {
      const BoxRecord& r = after.m.table[i + k];
      EXPECT_EQ(r.Params, Renamed(alone.m.table[i].Params, byK)) << "box " << i;
      EXPECT_EQ(r.InLink[1], alone.m.table[i].InLink[1] > 0 ? alone.m.table[i].InLink[1] + k
                                                           : alone.m.table[i].InLink[1]);
    }
    EXPECT_EQ(after.compile(moved), Renamed(script, byK));
  }
}

}  // namespace
}  // namespace quorvin
