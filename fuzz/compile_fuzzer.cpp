// Compiles whatever flowchart the bytes describe. Once through the reader
// (twice loaded, so the second document's boxes sit after the first's), and
// once as a box table taken from the text without any check, so that links
// name missing boxes, numbers past the table, negative slots and other
// documents. Every question is answered the same way (Ignore when the walk
// is stuck), so each walk has to end; it writes nothing into the table but
// a Keyboard Input's answer. A stuck-walk question must name a box that is
// still queued, and an arm that throws aborts the run (the test doubles'
// internal-error report).
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "compiler/compiler.h"
#include "model/model.h"
#include "model/settings_store.h"
#include "tests/support/counting_execution.h"
#include "tests/support/quiet_questions.h"
#include "tests/support/scripted_questions.h"

namespace {

using namespace quorvin;

void Check(bool ok) {
  if (!ok) std::abort();
}

bool OnlyKeyboardAnswersChanged(const BoxTable& before, const BoxTable& after) {
  for (int n = 1; n <= kMaxBoxes; ++n) {
    BoxRecord now = after[n];
    if (now.Kind == "Keyboard Input") now.Params = before[n].Params;
    if (now != before[n]) return false;
  }
  return after.nextBox == before.nextBox;
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

int16_t Number(std::string_view field) {
  long long v = 0;
  std::from_chars(field.data(), field.data() + field.size(), v);
  return static_cast<int16_t>(std::clamp<long long>(v, INT16_MIN, INT16_MAX));
}

// The text's records as they stand: kind line, link line, position line.
void RawTable(std::string_view text, BoxTable& t) {
  const std::vector<std::string_view> lines = Lines(text);
  int n = 0;
  for (std::size_t first = 1; first + 1 < lines.size() && n < kMaxBoxes; first += 3) {
    BoxRecord& r = t[++n];
    const std::string_view kind = lines[first];
    const std::size_t tilde = kind.find('~');
    r.Kind = std::string(kind.substr(0, tilde));
    if (tilde != std::string_view::npos) r.Params = std::string(kind.substr(tilde + 1));
    std::string_view links = lines[first + 1];
    for (int f = 0; f < 13; ++f) {
      const std::size_t end = links.find('~');
      const int16_t v = Number(links.substr(0, end));
      if (f < 3)
        r.InLink[f + 1] = v;
      else if ((f - 3) % 2 == 0)
        r.OutLink[(f - 3) / 2 + 1] = v;
      if (end == std::string_view::npos) break;
      links.remove_prefix(end + 1);
    }
    r.Doc = static_cast<int16_t>(n % 7 == 0 ? 2 : 1);
  }
  // The count line may claim boxes the text does not hold: they exist,
  // empty, as records past the last one read.
  const int claimed = lines.empty() ? 0 : Number(lines[0]);
  t.nextBox = static_cast<int16_t>(std::clamp(std::max(n, claimed), 0, kMaxBoxes) + 1);
}

// A stuck-walk question must name a box that still waits in the live list.
class CheckingHost : public testing_support::ScriptedQuestions {
 public:
  Answer messageBox(const std::string& text, MessageStyle style,
                    const std::string& title) override {
    constexpr std::string_view kNamed = "whereby box";
    const std::size_t at = text.find(kNamed);
    if (compiler != nullptr && style == style::kAbortRetryIgnore + style::kCritical &&
        at != std::string::npos) {
      int box = 0;
      const char* from = text.data() + at + kNamed.size();
      std::from_chars(from, text.data() + text.size(), box);
      Check(compiler->work().positionOf(box) > 0);
    }
    return ScriptedQuestions::messageBox(text, style, title);
  }
  const Compiler* compiler = nullptr;
};

// One compile of table, checked; make builds its compiler over the
// questions and the hook.
template <typename MakeCompiler>
void Compile(const BoxTable& table, CompileMode mode, int doc, const MakeCompiler& make) {
  CheckingHost host;
  host.stuckAnswer = Answer::Ignore;
  testing_support::CountingExecution hook;
  Compiler compiler = make(host, hook);
  host.compiler = &compiler;
  const BoxTable before = table;
  compiler.CompileFlowchart(mode, doc);
  Check(OnlyKeyboardAnswersChanged(before, table));
  // The hook is told of Execute compiles only, and finishes at most once.
  Check(hook.started == (mode == CompileMode::Execute ? 1 : 0));
  Check(hook.finished <= hook.started);
  Check(compiler.work().workLen >= 5);
  Check(compiler.work().nestLevel >= 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 1 << 16) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const bool chk = size % 2 == 0;
  {
    testing_support::QuietDialogs dialogs;
    DocumentViews views;
    MemorySettingsStore store;
    Model m(dialogs, views, store);
    const int first = NewDocument(m);
    if (ReadFlowchartInto(m, first, text, "fuzz.qvn")) {
      ReadFlowchartInto(m, NewDocument(m), text, "fuzz.qvn");
      // The model's compile: the editor keeps the Keyboard Input answers.
      const auto onModel = [&m](bool useChk) {
        return [&m, useChk](CompileQuestions& host, ExecutionHook& hook) {
          m.prefs.chkInput = useChk;
          return Compiler(m, host, &hook);
        };
      };
      Compile(m.table, CompileMode::Text, 1, onModel(chk));
      Compile(m.table, CompileMode::Execute, 2, onModel(!chk));
    }
  }
  BoxTable raw;
  RawTable(text, raw);
  DocumentViews views;
  Preferences prefs;
  const auto onRaw = [&](bool useChk) {
    return [&, useChk](CompileQuestions& host, ExecutionHook& hook) {
      prefs.chkInput = useChk;
      return Compiler(raw, views, prefs, host, &hook);
    };
  };
  Compile(raw, CompileMode::Text, 1, onRaw(chk));
  Compile(raw, CompileMode::Execute, 2, onRaw(!chk));
  return 0;
}
