// User input, pause and eigenvectors, and the four output boxes: the
// templates that ask the person compiling, read the delivery mode, or write
// more than one line.

#include <string>
#include <string_view>

#include "compiler/script_delivery.h"
#include "compiler/templates_arms.h"
#include "compiler/templates_text.h"

namespace quorvin {

namespace {

constexpr std::string_view kTrashMessage = "What's the use of collecting data and dumping it ???";

// The prompt is asked when the generated script runs; entry 1 only orders
// the statement after its source.
void writeUserInput(ArmContext& ctx) {
  if (!ctx.ready()) return;
  ctx.script += boxName(ctx.q) + "=input('" + apostrophesDoubled(ctx.box().Params) + "');" +
                NL;
  ctx.done();
}

// A pause passes its input's value on, unless the input is a Dummy Input,
// which carries none. An empty P waits for a key press.
void writePause(ArmContext& ctx) {
  if (!ctx.ready()) return;
  if (ctx.hasIn(1)) {
    const BoxRecord* source = ctx.table.record(ctx.in(1));
    if (source == nullptr || source->Kind != "Dummy Input") {
      ctx.script += boxName(ctx.q) + "=" + boxName(ctx.in(1)) + ";" + NL;
    }
  }
  const std::string& seconds = ctx.box().Params;
  ctx.script += "pause" + (seconds.empty() ? std::string() : "(" + seconds + ")") + ";" +
                NL;
  ctx.done();
}

// The eigenvector matrix becomes the box; the eigenvalues land in temp1,
// which is cleared at once.
void writeEigenvectors(ArmContext& ctx) {
  if (!ctx.ready()) return;
  std::string line = "[" + boxName(ctx.q) + ",temp1]=" + LowerCased(ctx.box().Params) + "(" +
                     boxName(ctx.in(1));
  if (ctx.hasIn(2)) line += "," + boxName(ctx.in(2));
  ctx.script += line + ");" + NL + "clear temp1;" + NL;
  ctx.done();
}

// Asks where to save at every compile; a cancelled dialog writes nothing,
// but the box is done so that what follows it is compiled.
void writeAsciiFileOutput(ArmContext& ctx) {
  if (!ctx.ready()) return;
  const auto path = ctx.questions.saveFileAs(kMFileFilter, "");
  if (path) {
    ctx.script += "save " + pathAsCommandWord(*path) + " " + boxName(ctx.in(1)) + " -ascii ;" +
                  NL;
  }
  ctx.done();
}

// No ";": MATLAB shows the value.
void writeScreenOutput(ArmContext& ctx) {
  if (!ctx.ready()) return;
  ctx.script += boxName(ctx.q) + "=" + boxName(ctx.in(1)) + NL;
  ctx.done();
}

// P is the plot icon key, ";", then the plot code with "Input<d>" for the
// linked boxes. The code defines no variable of its own.
void writePlotOutput(ArmContext& ctx) {
  if (!ctx.ready()) return;
  const std::string& p = ctx.box().Params;
  const std::size_t keyEnd = p.find(';');
  const std::string code = keyEnd == std::string::npos ? p : p.substr(keyEnd + 1);
  std::string s = withInputsReplaced(code, ctx.box().InLink, PlaceholderCase::ExactInput);
  if (ctx.mode == CompileMode::Execute) {
    if (s.empty() || s.back() != ';') s += ';';
  } else if (!s.empty() && !s.ends_with(NL)) {
    // The next box's statement must start on a line of its own.
    s += NL;
  }
  if (!s.empty() && s.front() == ';') s.erase(0, 1);
  ctx.script += s;
  ctx.done();
}

// Consumes a value without using it.
void writeTrash(ArmContext& ctx) {
  if (!ctx.ready()) return;
  ctx.questions.messageBox(std::string(kTrashMessage), style::kQuestion, kAppTitle);
  ctx.done();
}

constexpr ArmEntry kPromptAndOutputArms[] = {
    {"User Input", &writeUserInput},
    {"Pause", &writePause},
    {"Eigenvectors", &writeEigenvectors},
    {"Ascii File Output", &writeAsciiFileOutput},
    {"Screen Output", &writeScreenOutput},
    {"Plot Output", &writePlotOutput},
    {"Trash", &writeTrash},
};

}  // namespace

std::span<const ArmEntry> PromptAndOutputArms() { return kPromptAndOutputArms; }

}  // namespace quorvin
