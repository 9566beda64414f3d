// What each command stores: kind, parameters, slots and icon, from scripted
// dialog answers; re-typing a waiting box; a full box table.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "command_fixture.h"
#include "commands/command_registry.h"
#include "commands/value_commands.h"
#include "tests/support/gtest/row_names.h"

namespace quorvin::testing {
namespace {

struct Case {
  const char* name;
  const char* handler;
  Script script;  // the dialog's answer, or none (as it opens)
  const char* kind;
  const char* params;
  std::array<int16_t, 3> entries;  // InLink 1..3
  const char* icon;
};

const Case kCases[] = {
    {"Cos", "mnuTrigCos_Click", {}, "Cos", "", {0, -1, -1}, "Cos"},
    {"Bessel untouched", "mnuSpecialBessel_Click", {}, "BesselJ", "0", {0, -1, -1}, "BesselJ"},
    {"Bessel order with blanks", "mnuSpecialBessel_Click",
     Option("frmBessel", 3, {{"txtOrder", " 2 "}}), "BesselK", " 2 ", {0, -1, -1}, "BesselK"},
    {"Bessel emptied order", "mnuSpecialBessel_Click",
     Option("frmBessel", std::nullopt, {{"txtOrder", ""}}), "BesselJ", "", {0, -1, -1},
     "BesselJ"},
    {"Find with condition", "mnuSpecialCheck_Click", Option("frmCheck", 6, {{"txtCond", "x > 2 "}}),
     "Find", "x > 2 ", {0, -1, -1}, "Find"},
    {"Find without condition", "mnuSpecialCheck_Click", Option("frmCheck", 6), "Find", "",
     {0, -1, -1}, "Find"},
    {"condition of another check", "mnuSpecialCheck_Click",
     Option("frmCheck", 5, {{"txtCond", "x"}}), "IsNAN", "", {0, -1, -1}, "IsNAN"},
    {"Diag typed", "mnuMatMan_Click", Option("frmMatMan", std::nullopt, {{"diag", "-2"}}),
     "Matrix Manipulation", "Diag|-2", {0, -1, -1}, "Diag"},
    {"Diag empty", "mnuMatMan_Click", Option("frmMatMan", std::nullopt, {{"diag", ""}}),
     "Matrix Manipulation", "Diag|", {0, -1, -1}, "Diag"},
    {"Rot90", "mnuMatMan_Click", Option("frmMatMan", 3, {{"diag", "7"}}), "Matrix Manipulation",
     "Rot90", {0, -1, -1}, "Rot90"},
    {"logic untouched", "mnuOperatorsLogic_Click", {}, "Logic Operator", "|", {0, 0, 0}, "|"},
    {"NOT", "mnuOperatorsLogic_Click", Option("frmLogic", 3), "Logic Operator", "~", {0, -1, -1},
     "~"},
    {"XOR", "mnuOperatorsLogic_Click", Option("frmLogic", 4), "Logic Operator", "xor",
     {0, 0, -1}, "xor"},
    {"Mat2Str", "mnuStringConvert_Click", Option("frmStrConvert", 4), "Mat2Str", "", {0, -1, 0},
     "Mat2Str"},
    {"Str2Mat", "mnuStringConvert_Click", {}, "Str2Mat", "", {0, 0, 0}, "Str2Mat"},
    {"Eval", "mnuStringMake_Click", Option("frmStrMake", 3), "Eval", "", {0, 0, -1}, "Eval"},
    {"Sort Complex", "mnuOperatorsComplex_Click", Option("frmCmplx", 6), "Sort Complex",
     "cplxpair", {0, 0, -1}, "Sort Complex"},
    {"saxis", "mnuSounds_Click", Option("frmSound", 1), "Sound axis scaling", "saxis",
     {0, -1, -1}, "Sound axis scaling"},
    {"wavwrite", "mnuSounds_Click", Option("frmSound", 4), "wavwrite", "", {0, 0, 0}, "wavwrite"},
    {"Legendre", "mnuSpecialBeta_Click", Option("frmBetaFunc", 7), "Associated Legendre function",
     "Legendre", {0, 0, 0}, "Associated Legendre function"},
    {"Del2", "mnuMatDiff_Click", Option("frmDiff", 2), "Del2", "", {0, -1, -1}, "Del2"},
    {"Wilkinson", "mnuMatSpecMat_Click", Option("frmSpecMat", 11),
     "Wilkinson's eigenvalue test matrix", "Wilkinson", {0, -1, -1},
     "Wilkinson's eigenvalue test matrix"},
    {"Toeplitz", "mnuMatSpecMat_Click", Option("frmSpecMat", 9), "Toeplitz matrix", "Toeplitz",
     {0, 0, -1}, "Toeplitz matrix"},
    {"constant e", "mnuConst_Click", Option("frmConst", 1), "Constant Input", "exp(1)",
     {-1, -1, -1}, "Constant Input"},
    {"arbitrary constant", "mnuConst_Click", Option("frmConst", 5, {{"txtConst", "2.5"}}),
     "Constant Input", "2.5", {-1, -1, -1}, "Constant Input"},
    {"constant closed", "mnuConst_Click", {}, "Constant Input", "pi", {-1, -1, -1},
     "Constant Input"},
    {"zeros", "mnuMatMake_Click", Option("frmMakeMat", 1, {{"txtRows", "3"}, {"txtCols", "4"}}),
     "Matrix Make Input", "zeros(3,4)", {-1, -1, -1}, "Matrix Make Input"},
    {"ones empty rows", "mnuMatMake_Click",
     Option("frmMakeMat", std::nullopt, {{"txtRows", ""}, {"txtCols", "4"}}), "Matrix Make Input",
     "ones(,4)", {-1, -1, -1}, "Matrix Make Input"},
    {"randn initial", "mnuMatMake_Click", Option("frmMakeMat", 4), "Matrix Make Input",
     "randn(1,1)", {-1, -1, -1}, "Matrix Make Input"},
    {"vector", "mnuMatMakeVec_Click", Then(VectorAnswer{"0", "0.1", "1"}), "Vector Make Input",
     "[0:0.1:1];", {-1, -1, -1}, "Vector Make Input"},
    {"vector empty", "mnuMatMakeVec_Click", Then(VectorAnswer{"", "", ""}), "Vector Make Input",
     "[::];", {-1, -1, -1}, "Vector Make Input"},
    {"vector closed", "mnuMatMakeVec_Click", {}, "Vector Make Input", "[1:1:1];", {-1, -1, -1},
     "Vector Make Input"},
    {"pause", "mnuInputPause_Click", Then(PauseAnswer{.seconds = "2.5"}), "Pause", "2.5",
     {0, -1, -1}, "Pause"},
    {"pause waits", "mnuInputPause_Click", Then(PauseAnswer{.seconds = "3", .waitForUser = true}),
     "Pause", "", {0, -1, -1}, "Pause"},
    {"pause closed", "mnuInputPause_Click", {}, "Pause", "1", {0, -1, -1}, "Pause"},
    {"prompt", "mnuInputUser_Click", Prompt("How many? "), "User Input", "How many? ",
     {0, -1, -1}, "User Input"},
    {"split rows", "mnuMatSplit_Click", Then(SplitAnswer{.from = "2", .to = "5"}), "Split",
     "Row2:5", {0, -1, -1}, "Split"},
    {"split columns empty", "mnuMatSplit_Click", Then(SplitAnswer{false, "", ""}), "Split",
     "Col1:1", {0, -1, -1}, "Split"},
    {"split underscores", "mnuMatSplit_Click", Then(SplitAnswer{.from = "1_0", .to = "____"}),
     "Split", "Row10:1", {0, -1, -1}, "Split"},
    {"comment", "mnuSpecComment_Click", Comment("a note"), "Comment", "a note", {-1, -1, -1},
     "Comment"},
    {"arith power element", "mnuOperatorsArith_Click",
     Then(ArithmeticAnswer{ArithmeticOperator::Power, true}), "^", ".", {0, 0, -1}, "^"},
    {"arith closed", "mnuOperatorsArith_Click", {}, "+", "", {0, 0, 0}, "+"},
};

class Commands : public ::testing::TestWithParam<Case> {};

TEST_P(Commands, StoreKindParamsEntriesAndIcon) {
  const Case& c = GetParam();
  CommandFixture f;
  ScriptedContext ctx = f.on(f.doc1);
  if (c.script) c.script(f.questions);
  ASSERT_TRUE(InsertCommandRegistry().run(c.handler, ctx));
  const int n = f.m.table.highestBox();
  ASSERT_EQ(n, 1);
  const BoxRecord& box = f.m.table[n];
  EXPECT_EQ(box.Kind, c.kind);
  EXPECT_EQ(box.Params, c.params);
  EXPECT_EQ((std::array<int16_t, 3>{box.InLink[1], box.InLink[2], box.InLink[3]}), c.entries);
  ASSERT_FALSE(ctx.icons.empty());
  EXPECT_EQ(ctx.icons.back(), (IconShown{f.doc1, n, c.icon}));
  EXPECT_EQ(f.m.editor.mode(), EditMode::Placing);
}

INSTANTIATE_TEST_SUITE_P(Rows, Commands, ::testing::ValuesIn(kCases),
                         testing_support::ByRowName());

TEST(SlotsOfKinds, OutputsAndCommentsHaveNoExitsSourcesNoEntries) {
  struct Slots {
    const char* handler;
    std::array<int16_t, 3> in;
    std::array<int16_t, 5> out;
  };
  const Slots cases[] = {
      {"mnuOutputScreen_Click", {0, -1, -1}, {-1, -1, -1, -1, -1}},
      {"mnuOutputTrash_Click", {0, 0, 0}, {-1, -1, -1, -1, -1}},
      {"mnuInputKeyboardScalar_Click", {-1, -1, -1}, {0, 0, 0, 0, 0}},
      {"mnuLoopBreak_Click", {0, 0, 0}, {0, 0, 0, 0, 0}},
      {"mnuFFTfft_Click", {0, 0, -1}, {0, 0, 0, 0, 0}},
      {"mnuSpecComment_Click", {-1, -1, -1}, {-1, -1, -1, -1, -1}},
      {"mnuSpecPickup_Click", {-1, -1, -1}, {0, 0, 0, 0, 0}},
  };
  for (const Slots& s : cases) {
    CommandFixture f;
    ScriptedContext ctx = f.on(f.doc1);
    InsertCommandRegistry().run(s.handler, ctx);
    const BoxRecord& b = f.last();
    EXPECT_EQ((std::array<int16_t, 3>{b.InLink[1], b.InLink[2], b.InLink[3]}), s.in) << s.handler;
    EXPECT_EQ((std::array<int16_t, 5>{b.OutLink[1], b.OutLink[2], b.OutLink[3], b.OutLink[4],
                                      b.OutLink[5]}),
              s.out)
        << s.handler;
  }
}

TEST(Pickup, AsksForTheVariableOfferingTheBoxName) {
  CommandFixture f;
  ScriptedContext ctx = f.on(f.doc1);
  for (int k = 0; k < 6; ++k) {
    InsertCommandRegistry().run("mnuTrigSin_Click", ctx);
    f.place();
  }
  f.questions.inputs = {"speed"};
  InsertCommandRegistry().run("mnuSpecPickup_Click", ctx);
  EXPECT_EQ(f.questions.asked.back(), "input:Please enter the variable to pick up|Quorvin|box7");
  EXPECT_EQ(f.last().Params, "speed");
  f.place();
  f.questions.inputs = {""};  // Cancel
  InsertCommandRegistry().run("mnuSpecPickup_Click", ctx);
  EXPECT_EQ(f.last().Kind, "Pickup");
  EXPECT_EQ(f.last().Params, "");
}

TEST(Retyping, TheWaitingBoxTakesTheLaterKindWithItsOwnSlots) {
  CommandFixture f;
  ScriptedContext ctx = f.on(f.doc1);
  const CommandRegistry commands = InsertCommandRegistry();
  commands.run("mnuOutputScreen_Click", ctx);
  commands.run("mnuTrigCos_Click", ctx);
  EXPECT_EQ(f.m.table.highestBox(), 1) << "no second box";
  const BoxRecord& box = f.last();
  EXPECT_EQ(box.Kind, "Cos");
  EXPECT_EQ(box.OutLink, (std::array<int16_t, 6>{0, 0, 0, 0, 0, 0})) << "exits free again";
  EXPECT_EQ(box.InLink, (std::array<int16_t, 4>{0, 0, -1, -1}));

  f.questions.scriptOption("frmCheck", 6, {{"txtCond", "x"}});
  commands.run("mnuSpecialCheck_Click", ctx);
  EXPECT_EQ(f.last().Params, "x");
  commands.run("mnuSounds_Click", ctx);
  EXPECT_EQ(f.last().Kind, "Sound");
  EXPECT_EQ(f.last().Params, "") << "the condition of the earlier kind is gone";
  EXPECT_EQ(f.last().InLink, (std::array<int16_t, 4>{0, 0, 0, -1}));

  commands.run("mnuSpecComment_Click", ctx);
  commands.run("mnuOperatorsLogic_Click", ctx);
  EXPECT_EQ(f.last().OutLink, (std::array<int16_t, 6>{0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(f.m.table.highestBox(), 1);
}

TEST(Retyping, TheIconGoesToTheWaitingBoxsOwnDocument) {
  CommandFixture f;
  ScriptedContext onDoc1 = f.on(f.doc1);
  ScriptedContext onDoc2 = f.on(f.doc2);
  const CommandRegistry commands = InsertCommandRegistry();
  commands.run("mnuTrigSin_Click", onDoc1);
  commands.run("mnuTrigTan_Click", onDoc2);
  EXPECT_EQ(f.m.table.highestBox(), 1);
  EXPECT_EQ(f.last().Kind, "Tan");
  EXPECT_EQ(f.last().Doc, f.doc1);
  ASSERT_EQ(onDoc2.icons.size(), 1u);
  EXPECT_EQ(onDoc2.icons.back(), (IconShown{f.doc1, 1, "Tan"}));
}

TEST(FullTable, NoDialogNoRecordNoButtonAt350Boxes) {
  CommandFixture f;
  for (int n = 1; n <= kMaxBoxes; ++n) {
    f.boxes[n].Kind = "Sin";
    f.boxes[n].Doc = static_cast<int16_t>(f.doc1);
    f.boxes[n].InLink = {0, 0, -1, -1};
  }
  f.boxes.nextBox = kMaxBoxes + 1;
  const BoxTable before = f.m.table;
  const CommandRegistry commands = InsertCommandRegistry();
  std::string tool;
  for (const char* handler : {"mnuTrigCos_Click", "mnuSpecialBessel_Click", "mnuConst_Click",
                              "mnuOperatorsArith_Click", "mnuSpecPickup_Click",
                              "mnuOperatorsLogic_Click", "mnuMatSplit_Click"}) {
    ScriptedContext ctx = f.on(f.doc1);
    commands.run(handler, ctx);
    EXPECT_TRUE(ctx.icons.empty()) << handler;
  }
  EXPECT_TRUE(f.questions.asked.empty()) << "no dialog asked";
  EXPECT_TRUE(f.m.table == before);
  EXPECT_NE(f.m.editor.mode(), EditMode::Placing);
}

TEST(SplitRule, RangesAndUnderscores) {
  EXPECT_EQ(SplitParams(true, "2", "5"), "Row2:5");
  EXPECT_EQ(SplitParams(false, "", ""), "Col1:1");
  EXPECT_EQ(SplitParams(true, "3", ""), "Row3:1");
  EXPECT_EQ(SplitParams(true, "3", "____"), "Row3:1");
  EXPECT_EQ(SplitParams(true, "1_0", "2"), "Row10:2");
  EXPECT_EQ(SplitParams(true, "_", "___"), "Row:") << "only exactly four underscores are empty";
}

}  // namespace
}  // namespace quorvin::testing
