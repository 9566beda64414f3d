#pragma once
// The answers of the formula editor (frmFunc) and of the MATLAB command
// dialog (frmMatlabFunction), and what a "Compute Function" or "Matlab
// Command" box stores from them. Standard library only.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "commands/rules/widget_texts.h"
#include "model/ascii_case.h"
#include "model/box_record.h"

namespace quorvin {

constexpr int kFormulaInputs = 3;         // the placeholders Input1 to Input3
constexpr int kCommandInputs = kEntries;  // chkInputs(1..3)
constexpr int kCommandOutputs = kExits;   // chkOutputs(1..5)

// What frmFunc holds when it closes. The defaults are a freshly loaded
// editor's, which is also what a command reads after the editor was closed
// without OK.
struct FormulaAnswer {
  bool accepted = false;  // closed by OK
  std::string output = "output";  // txtoutput: the result name
  std::string formula;            // txtFunc
  bool cell = false;              // chkcell: assign one cell of the result
  std::string row;                // txtRow
  std::string column;             // txtCol

  bool operator==(const FormulaAnswer&) const = default;
};

// What frmMatlabFunction holds when it closes; the defaults are a fresh
// dialog's (empty command, every entry and exit closed).
struct MatlabCommandAnswer {
  bool accepted = false;
  std::string command;                        // txtFunc, as typed
  std::array<bool, kCommandInputs> inputs{};  // chkInputs(1..3), [k - 1]
  std::array<bool, kCommandOutputs> outputs{};  // chkOutputs(1..5), [k - 1]

  bool operator==(const MatlabCommandAnswer&) const = default;
};

// "Input" followed by the digit k (1 to 3).
std::string FormulaPlaceholder(int k);

// Which placeholders a formula uses: "Input1" to "Input3" anywhere in it,
// compared case-sensitively ("input1" is not one).
struct FormulaPlaceholders {
  std::array<bool, kFormulaInputs> used{};  // [k - 1]

  bool none() const { return !used[0] && !used[1] && !used[2]; }
};
FormulaPlaceholders ScanFormulaPlaceholders(std::string_view formula);

// The entries of a "Compute Function" box, InLink(1..3) at [k - 1]: free (0)
// for each placeholder the formula uses, absent (-1) for the others; a
// formula without any placeholder keeps entry 1 free, since the echo line
// reads it.
std::array<int16_t, kFormulaInputs> FormulaEntrySlots(const FormulaPlaceholders& scan);

// The line that makes a box without placeholders pass its first input on:
// "box", the box number, "=Input1;" and CR LF.
std::string FormulaEchoLine(int box);

// "(row,column)" when the cell box is ticked, else the empty text.
std::string FormulaCellSuffix(const FormulaAnswer& answer);

// The Params of "Compute Function" box `box`: the echo line when the formula
// uses no placeholder, then result name, cell suffix, "=", formula and ";".
std::string ComputeFunctionParams(int box, const FormulaAnswer& answer);

// The Params of a "Matlab Command" box: "Output=" and the command in lower
// case, placeholders included ("Input1" becomes "input1").
std::string MatlabCommandParams(std::string_view command);

// InLink(1..3) at [k - 1] and OutLink(1..5) at [k - 1]: free (0) where the
// check box is ticked, absent (-1) elsewhere.
std::array<int16_t, kCommandInputs> MatlabCommandEntrySlots(const MatlabCommandAnswer& answer);
std::array<int16_t, kCommandOutputs> MatlabCommandExitSlots(const MatlabCommandAnswer& answer);

// The answers by widget name: txtoutput, txtFunc, chkcell, txtRow, txtCol;
// txtFunc, chkInputs(1..3), chkOutputs(1..5).
WidgetTexts WidgetTextsOf(const FormulaAnswer& answer);
WidgetTexts WidgetTextsOf(const MatlabCommandAnswer& answer);
// The answers read back from such texts (accepted stays false).
FormulaAnswer FormulaAnswerOf(const WidgetTexts& texts);
MatlabCommandAnswer MatlabCommandAnswerOf(const WidgetTexts& texts);

}  // namespace quorvin
