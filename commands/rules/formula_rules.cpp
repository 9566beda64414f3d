#include "commands/rules/formula_rules.h"

#include <cstddef>

namespace quorvin {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

template <std::size_t N>
std::array<int16_t, N> SlotsOfTicks(const std::array<bool, N>& ticks) {
  std::array<int16_t, N> slots{};
  for (std::size_t k = 0; k < N; ++k) slots[k] = ticks[k] ? kFreeSlot : kAbsentSlot;
  return slots;
}

}  // namespace

std::string FormulaPlaceholder(int k) { return "Input" + std::to_string(k); }

FormulaPlaceholders ScanFormulaPlaceholders(std::string_view formula) {
  FormulaPlaceholders scan;
  for (int k = 1; k <= kFormulaInputs; ++k) {
    scan.used[static_cast<std::size_t>(k - 1)] =
        formula.find(FormulaPlaceholder(k)) != std::string_view::npos;
  }
  return scan;
}

std::array<int16_t, kFormulaInputs> FormulaEntrySlots(const FormulaPlaceholders& scan) {
  std::array<int16_t, kFormulaInputs> slots = SlotsOfTicks(scan.used);
  if (scan.none()) slots[0] = kFreeSlot;
  return slots;
}

std::string FormulaEchoLine(int box) {
  return "box" + std::to_string(box) + "=" + FormulaPlaceholder(1) + ";" + std::string(kLineEnd);
}

std::string FormulaCellSuffix(const FormulaAnswer& answer) {
  if (!answer.cell) return {};
  return "(" + answer.row + "," + answer.column + ")";
}

std::string ComputeFunctionParams(int box, const FormulaAnswer& answer) {
  std::string params;
  if (ScanFormulaPlaceholders(answer.formula).none()) params = FormulaEchoLine(box);
  params += answer.output;
  params += FormulaCellSuffix(answer);
  params += "=";
  params += answer.formula;
  params += ";";
  return params;
}

std::string MatlabCommandParams(std::string_view command) {
  return "Output=" + LowerCased(command);
}

std::array<int16_t, kCommandInputs> MatlabCommandEntrySlots(const MatlabCommandAnswer& answer) {
  return SlotsOfTicks(answer.inputs);
}

std::array<int16_t, kCommandOutputs> MatlabCommandExitSlots(const MatlabCommandAnswer& answer) {
  return SlotsOfTicks(answer.outputs);
}

WidgetTexts WidgetTextsOf(const FormulaAnswer& answer) {
  return {{"txtoutput", answer.output},
          {"txtFunc", answer.formula},
          {"chkcell", CheckText(answer.cell)},
          {"txtRow", answer.row},
          {"txtCol", answer.column}};
}

WidgetTexts WidgetTextsOf(const MatlabCommandAnswer& answer) {
  WidgetTexts texts{{"txtFunc", answer.command}};
  for (int k = 1; k <= kCommandInputs; ++k) {
    texts[IndexedName("chkInputs", k)] = CheckText(answer.inputs[static_cast<std::size_t>(k - 1)]);
  }
  for (int k = 1; k <= kCommandOutputs; ++k) {
    texts[IndexedName("chkOutputs", k)] =
        CheckText(answer.outputs[static_cast<std::size_t>(k - 1)]);
  }
  return texts;
}

FormulaAnswer FormulaAnswerOf(const WidgetTexts& texts) {
  FormulaAnswer a;
  ReadWidgetText(texts, "txtoutput", a.output);
  ReadWidgetText(texts, "txtFunc", a.formula);
  ReadWidgetCheck(texts, "chkcell", a.cell);
  ReadWidgetText(texts, "txtRow", a.row);
  ReadWidgetText(texts, "txtCol", a.column);
  return a;
}

MatlabCommandAnswer MatlabCommandAnswerOf(const WidgetTexts& texts) {
  MatlabCommandAnswer a;
  ReadWidgetText(texts, "txtFunc", a.command);
  for (int k = 1; k <= kCommandInputs; ++k) {
    ReadWidgetCheck(texts, IndexedName("chkInputs", k), a.inputs[static_cast<std::size_t>(k - 1)]);
  }
  for (int k = 1; k <= kCommandOutputs; ++k) {
    ReadWidgetCheck(texts, IndexedName("chkOutputs", k),
                    a.outputs[static_cast<std::size_t>(k - 1)]);
  }
  return a;
}

}  // namespace quorvin
