// Operator and matrix-command templates whose statements do not fit the
// name(arguments) shape of the statement table.

#include <algorithm>
#include <array>
#include <string>

#include "compiler/templates_arms.h"
#include "compiler/templates_text.h"

namespace quorvin {

namespace {

// Sum of every linked entry in entry order; fewer than two operands give no
// statement, yet the box counts as done.
void writeSum(ArmContext& ctx) {
  if (!ctx.ready()) return;
  std::string operands;
  int count = 0;
  for (int k = 1; k <= kEntries; ++k) {
    // Only entries that name a box are operands: an absent slot (-1) read
    // from a file is no box to add.
    if (!ctx.hasIn(k)) continue;
    if (count > 0) operands += "+";
    operands += boxName(ctx.in(k));
    ++count;
  }
  if (count >= 2) ctx.script += boxName(ctx.q) + "=" + operands + ";" + NL;
  ctx.done();
}

// "-" and "*" write their own operator, "/" and "^" the kind itself; P (the
// element-wise ".") stands right before the operator except for "-".
void writeBinary(ArmContext& ctx) {
  if (!ctx.ready()) return;
  const BoxRecord& box = ctx.box();
  const std::string op = box.Kind == "-" ? "-" : box.Params + box.Kind;
  ctx.script += boxName(ctx.q) + "=" + boxName(ctx.in(1)) + op + boxName(ctx.in(2)) + ";" +
                NL;
  ctx.done();
}

// Formula and MATLAB-command boxes: P is a whole statement whose output is
// named "Output" (any case) and whose inputs are "Input<d>" or "input<d>".
void writeFormula(ArmContext& ctx) {
  if (!ctx.ready()) return;
  const BoxRecord& box = ctx.box();
  constexpr std::string_view kOutput = "Output";
  std::string s;
  if (StartsWithIgnoringCase(box.Params, kOutput)) {
    s = boxName(ctx.q) + box.Params.substr(kOutput.size());
  } else {
    // The output is some other name: the box variable still has to exist.
    s = boxName(ctx.q) + "=0;" + box.Params;
  }
  ctx.script += withInputsReplaced(s, box.InLink, PlaceholderCase::InputOrLowerInput);
  ctx.script += NL;
  ctx.done();
}

void writeLogic(ArmContext& ctx) {
  if (!ctx.ready()) return;
  const std::string& op = ctx.box().Params;
  const std::string q = boxName(ctx.q);
  std::string line;
  if (op == "|" || op == "&") {
    line = q + "=" + boxName(ctx.in(1)) + op + boxName(ctx.in(2)) + ";";
  } else if (op == "~") {
    line = q + "=~" + boxName(ctx.in(1)) + ";";
  } else if (op == "xor") {
    line = q + "=xor(" + boxName(ctx.in(1)) + "," + boxName(ctx.in(2)) + ");";
  }
  if (!line.empty()) ctx.script += line + NL;
  ctx.done();
}

void writeMatrixManipulation(ArmContext& ctx) {
  if (!ctx.ready()) return;
  static constexpr std::array<std::string_view, 5> kFunctions = {"Fliplr", "Flipud", "Rot90",
                                                                  "Tril", "Triu"};
  const std::string& p = ctx.box().Params;
  const std::string q = boxName(ctx.q);
  const std::string i1 = boxName(ctx.in(1));
  std::string line;
  if (std::find(kFunctions.begin(), kFunctions.end(), p) != kFunctions.end()) {
    line = q + "=" + LowerCased(p) + "(" + i1 + ");";
  } else if (p == "Transpose") {
    line = q + "=" + i1 + "';";
  } else {
    // "Diag|" then the diagonal number as typed.
    constexpr std::size_t kDiagPrefix = 5;
    const std::string d = p.size() > kDiagPrefix ? p.substr(kDiagPrefix) : std::string();
    // No number typed means the main diagonal; "diag(x,)" would not parse.
    line = q + "=diag(" + i1 + (d.empty() ? "" : "," + d) + ");";
  }
  ctx.script += line + NL;
  ctx.done();
}

// P is "Row" or "Col" followed by an index range.
void writeSplit(ArmContext& ctx) {
  if (!ctx.ready()) return;
  const std::string& p = ctx.box().Params;
  constexpr std::size_t kWhich = 3;
  const std::string range = p.size() > kWhich ? p.substr(kWhich) : std::string();
  const bool rows = p.compare(0, kWhich, "Row") == 0;
  const std::string index = rows ? range + ",:" : ":," + range;
  ctx.script += boxName(ctx.q) + "=" + boxName(ctx.in(1)) + "(" + index + ");" + NL;
  ctx.done();
}

// The solvers always integrate the user's own m-file yprime.
void writeOde(ArmContext& ctx) {
  if (!ctx.ready()) return;
  ctx.script += boxName(ctx.q) + "=" + LowerCased(ctx.box().Kind) + "('yprime'," +
                boxName(ctx.in(1)) + "," + boxName(ctx.in(2)) + "," + boxName(ctx.in(3)) +
                " );" + NL;
  ctx.done();
}

constexpr ArmEntry kOperatorArms[] = {
    {"+", &writeSum},
    {"-", &writeBinary},
    {"*", &writeBinary},
    {"/", &writeBinary},
    {"^", &writeBinary},
    {"Compute Function", &writeFormula},
    {"Matlab Command", &writeFormula},
    {"Logic Operator", &writeLogic},
    {"Matrix Manipulation", &writeMatrixManipulation},
    {"Split", &writeSplit},
    {"ODE23", &writeOde},
    {"ODE45", &writeOde},
};

}  // namespace

std::span<const ArmEntry> OperatorArms() { return kOperatorArms; }

}  // namespace quorvin
