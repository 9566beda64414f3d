#pragma once
// What one box kind's arm sees while the walk compiles box q, and the tables
// that map exact kind texts to their arms.

#include <span>
#include <string>
#include <string_view>

#include "compiler/compile_questions.h"
#include "compiler/compiler.h"
#include "model/box_table.h"
#include "model/line_end.h"

namespace quorvin {

// NL of the templates: every line of generated script ends with CR LF.
inline const std::string& NL = kCrLf;
inline std::string Line(std::string_view text) { return std::string(text) + NL; }
// One level of block nesting.
inline constexpr std::string_view kIndent = "   ";

// "box" followed by n in decimal: the variable of box n in generated script.
inline std::string boxName(int n) { return "box" + std::to_string(n); }

struct ArmContext {
  Compiler& compiler;
  const BoxTable& table;
  CompileQuestions& questions;
  CompileMode mode;     // Execute: box by box in the interpreter; Text: script only
  int q;                // the box being compiled
  int j;                // its work-list position
  std::string& script;  // the script text written so far

  const BoxRecord& box() const { return table[q]; }
  // InLink(k) of box q (k 1..3); a box named there exists only when > 0.
  int in(int k) { return box().InLink.at(k); }
  bool hasIn(int k) { return in(k) > 0; }
  // InputsReady(script, q): writes Pickup assignments as a side effect.
  bool ready();
  void done() { compiler.work().written.mark(q); }
};

using ArmFunction = void (*)(ArmContext&);

struct ArmEntry {
  std::string_view kind;  // compared exactly and case-sensitively
  ArmFunction arm;
};

// The input and constant kinds.
std::span<const ArmEntry> InputArms();
// Every other kind with a plain statement template (operators, functions,
// strings, sound, outputs, ...).
std::span<const ArmEntry> TemplateArms();

}  // namespace quorvin
