#include "commands/rules/formula_rules.h"

#include <gtest/gtest.h>

#include "model/numeric_text.h"

namespace quorvin {
namespace {

using Slots3 = std::array<int16_t, 3>;
constexpr int16_t F = kFreeSlot;
constexpr int16_t A = kAbsentSlot;

TEST(FormulaRules, PlaceholderScanOpensTheEntriesTheFormulaUses) {
  struct Case {
    const char* formula;
    Slots3 entries;
    bool echo;
  };
  const Case cases[] = {
      {"", {F, A, A}, true},                       // nothing typed: the echo reads entry 1
      {"sin(x)", {F, A, A}, true},                 // no placeholder
      {"Input2*2", {A, F, A}, false},              // only Input2
      {"input1+1", {F, A, A}, true},               // lower case is no placeholder
      {"Input3", {A, A, F}, false},                // typed by hand counts
      {"Input1+Input3", {F, A, F}, false},
      {"Input2Input2", {A, F, A}, false},          // two clicks of "Input #2"
      {"Input1*Input2-Input3", {F, F, F}, false},
      {"Input4", {F, A, A}, true},                 // no entry 4
      {"INPUT1", {F, A, A}, true},
      {"Input 1", {F, A, A}, true},                // no blank inside
      {"xInput12", {F, A, A}, false},              // found inside longer text too
  };
  for (const Case& c : cases) {
    const FormulaPlaceholders scan = ScanFormulaPlaceholders(c.formula);
    EXPECT_EQ(FormulaEntrySlots(scan), c.entries) << c.formula;
    EXPECT_EQ(scan.none(), c.echo) << c.formula;
  }
}

TEST(FormulaRules, EchoLineAndCellSuffix) {
  EXPECT_EQ(FormulaEchoLine(7), "box7=Input1;\r\n");
  EXPECT_EQ(FormulaEchoLine(350), "box350=Input1;\r\n");

  FormulaAnswer a;
  a.row = "2";
  a.column = "3";
  EXPECT_EQ(FormulaCellSuffix(a), "") << "cell box unticked";
  a.cell = true;
  EXPECT_EQ(FormulaCellSuffix(a), "(2,3)");
  a.row = "";
  EXPECT_EQ(FormulaCellSuffix(a), "(,3)") << "taken as it stands";
}

TEST(FormulaRules, ComputeFunctionParamsInTheirOrder) {
  FormulaAnswer a;
  a.accepted = true;
  a.output = "y";
  a.formula = "sin(Input1)";
  EXPECT_EQ(ComputeFunctionParams(4, a), "y=sin(Input1);");
  a.cell = true;
  a.row = "2";
  a.column = "3";
  EXPECT_EQ(ComputeFunctionParams(4, a), "y(2,3)=sin(Input1);");
  a.formula = "pi";
  EXPECT_EQ(ComputeFunctionParams(4, a), "box4=Input1;\r\ny(2,3)=pi;");
  a.formula = "";
  a.cell = false;
  EXPECT_EQ(ComputeFunctionParams(12, a), "box12=Input1;\r\ny=;");
}

TEST(FormulaRules, EditorClosedWithoutOkGivesTheEchoOfOutput) {
  const FormulaAnswer closed;
  EXPECT_FALSE(closed.accepted);
  EXPECT_EQ(ComputeFunctionParams(3, closed), "box3=Input1;\r\noutput=;");
  EXPECT_EQ(FormulaEntrySlots(ScanFormulaPlaceholders(closed.formula)), (Slots3{F, A, A}));
}

TEST(FormulaRules, MatlabCommandStoredInLowerCase) {
  EXPECT_EQ(MatlabCommandParams("PLOT(Input1)"), "Output=plot(input1)");
  EXPECT_EQ(MatlabCommandParams(""), "Output=");
  EXPECT_EQ(MatlabCommandParams("disp('\xC3\x84 Z')"), "Output=disp('\xC3\x84 z')")
      << "bytes of other letters stay whole";
  EXPECT_EQ(LowerCased("AZaz09[@]`{"), "azaz09[@]`{");
}

TEST(FormulaRules, MatlabCommandEntriesAndExitsFromTheCheckBoxes) {
  MatlabCommandAnswer none;
  EXPECT_EQ(MatlabCommandEntrySlots(none), (Slots3{A, A, A}));
  EXPECT_EQ(MatlabCommandExitSlots(none), (std::array<int16_t, 5>{A, A, A, A, A}));

  MatlabCommandAnswer some;
  some.inputs = {true, false, true};
  some.outputs = {false, true, false, false, true};
  EXPECT_EQ(MatlabCommandEntrySlots(some), (Slots3{F, A, F}));
  EXPECT_EQ(MatlabCommandExitSlots(some), (std::array<int16_t, 5>{A, F, A, A, F}));

  MatlabCommandAnswer all;
  all.inputs = {true, true, true};
  all.outputs = {true, true, true, true, true};
  EXPECT_EQ(MatlabCommandEntrySlots(all), (Slots3{F, F, F}));
  EXPECT_EQ(MatlabCommandExitSlots(all), (std::array<int16_t, 5>{F, F, F, F, F}));
}

TEST(FormulaRules, AnswersByWidgetName) {
  FormulaAnswer f{true, "y", "Input1", true, "2", "3"};
  const WidgetTexts formula = WidgetTextsOf(f);
  EXPECT_EQ(formula, (WidgetTexts{{"txtoutput", "y"}, {"txtFunc", "Input1"}, {"chkcell", "1"},
                                  {"txtRow", "2"}, {"txtCol", "3"}}));

  MatlabCommandAnswer m;
  m.command = "disp(1)";
  m.inputs[1] = true;
  m.outputs[4] = true;
  const WidgetTexts command = WidgetTextsOf(m);
  EXPECT_EQ(command.size(), 9u);
  EXPECT_EQ(command.at("txtFunc"), "disp(1)");
  EXPECT_EQ(command.at("chkInputs(1)"), "0");
  EXPECT_EQ(command.at("chkInputs(2)"), "1");
  EXPECT_EQ(command.at("chkOutputs(5)"), "1");
  EXPECT_EQ(command.at("chkOutputs(4)"), "0");
}

TEST(FormulaRules, AnswersReadBackFromWidgetTexts) {
  FormulaAnswer f{true, "y", "Input1", true, "2", "3"};
  FormulaAnswer back = FormulaAnswerOf(WidgetTextsOf(f));
  EXPECT_FALSE(back.accepted) << "the texts do not say how the dialog closed";
  back.accepted = true;
  EXPECT_EQ(back, f);
  // A widget the texts lack keeps the fresh editor's value.
  const FormulaAnswer partial = FormulaAnswerOf({{"txtFunc", "pi"}, {"chkcell", "0"}});
  EXPECT_EQ(partial, (FormulaAnswer{false, "output", "pi", false, "", ""}));
  EXPECT_EQ(FormulaAnswerOf({}), FormulaAnswer{});

  MatlabCommandAnswer m;
  m.accepted = true;
  m.command = "Disp(Input2)";
  m.inputs = {false, true, true};
  m.outputs = {true, false, false, true, false};
  MatlabCommandAnswer mBack = MatlabCommandAnswerOf(WidgetTextsOf(m));
  mBack.accepted = true;
  EXPECT_EQ(mBack, m);
  EXPECT_EQ(MatlabCommandAnswerOf({{"chkOutputs(2)", "1"}, {"chkInputs(9)", "1"}}).outputs,
            (std::array<bool, 5>{false, true, false, false, false}));
}

TEST(NumericText, DecimalNumbersOnly) {
  const std::pair<const char*, bool> cases[] = {
      {"1", true},     {"-1", true},   {"+2", true},   {"1.5", true},    {".5", true},
      {"5.", true},    {"1e3", true},  {"1E-3", true}, {"-2.5e+10", true}, {"007", true},
      {"", false},     {"-", false},   {"+", false},   {".", false},     {"-.", false},
      {"1.2.3", false}, {"1e", false}, {"1e+", false}, {"e5", false},    {"1a", false},
      {" 1", false},   {"1 ", false},  {"--1", false}, {"1,5", false},   {"0x10", false},
      {"1e5.0", false},
  };
  for (const auto& [text, numeric] : cases) EXPECT_EQ(IsNumericText(text), numeric) << text;
}

}  // namespace
}  // namespace quorvin
