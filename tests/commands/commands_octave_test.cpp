// A flowchart built only through the insert commands, with scripted dialog
// answers, compiled and run in GNU Octave: what the commands store is what
// the compiler and the interpreter understand.

#include <gtest/gtest.h>

#include <string>

#include "chart_by_commands.h"
#include "tests/compiler/octave_runner.h"

namespace quorvin::testing {
namespace {

class CommandChart : public ::testing::Test, protected ChartByCommands {};

TEST_F(CommandChart, BuiltByCommandsCompiledAndRunInOctave) {
  const int e = Insert("mnuConst_Click", Option("frmConst", 1));
  const int log = Insert("mnuOperatorsLog_Click");
  Connect(e, log);
  const int vec = Insert("mnuMatMakeVec_Click", Then(VectorAnswer{"0", "0.5", "2"}));
  const int sum = Insert("mnuMatVectorOperations_Click", Option("frmVec", 1));
  Connect(vec, sum);
  const int plus = Insert("mnuOperatorsArith_Click");
  Connect(log, plus);
  Connect(sum, plus);
  const int mat = Insert("mnuMatMake_Click",
                         Option("frmMakeMat", 1, {{"txtRows", "2"}, {"txtCols", "3"}}));
  const int size = Insert("mnuMatSize_Click");
  Connect(mat, size);
  const int rows = Insert("mnuMatSplit_Click", Then(SplitAnswer{false, "2", "3"}));
  Connect(mat, rows);
  // A Pickup stands for its variable in the box it feeds, here log * pi.
  f.questions.inputs = {"pi"};
  const int pick = Insert("mnuSpecPickup_Click");
  const int times =
      Insert("mnuOperatorsArith_Click", Then(ArithmeticAnswer{ArithmeticOperator::Multiply}));
  Connect(log, times);
  Connect(pick, times);
  const int cosine = Insert("mnuTrigCos_Click");
  Connect(times, cosine);
  const int rounded = Insert("mnuOperatorsRound_Click", Option("frmRound", 3));
  Connect(cosine, rounded);
  const int negated = Insert("mnuOperatorsLogic_Click", Option("frmLogic", 3));
  Connect(log, negated);
  const int text = Insert("mnuStringConvert_Click", Option("frmStrConvert", 2));
  Connect(plus, text);
  const int upper = Insert("mnuStringCompare_Click", Option("frmStrCompare", 2));
  Connect(text, upper);
  const int poly = Insert("mnuSpecialPoly_Click", Option("frmPoly", 0));
  const int coefficients = Insert("mnuMatMakeVec_Click", Then(VectorAnswer{.max = "2"}));
  Connect(coefficients, poly);
  const int comment = Insert("mnuSpecComment_Click", Comment("a note"));
  const int screen = Insert("mnuOutputScreen_Click");
  Connect(plus, screen);
  const int trash = Insert("mnuOutputTrash_Click");
  Connect(upper, trash);
  EXPECT_EQ(f.m.table[comment].Kind, "Comment");

  const std::string script = Compile();
  ASSERT_FALSE(script.empty());
  auto name = [](int n) { return "box" + std::to_string(n); };
  // Texts are shown by their character codes.
  const std::string codes = "\ntext=double(" + name(text) + ");upper=double(" + name(upper) + ");";
  const OctaveRun run =
      RunInOctave(script + codes, {name(log), name(sum), name(plus), name(size), name(rows),
                                   name(cosine), name(rounded), name(negated), "text", "upper",
                                   name(poly)});
  ASSERT_TRUE(run.ok()) << run.errors << "\n" << script;
  EXPECT_EQ(run.value(name(log)), "1");
  EXPECT_EQ(run.value(name(sum)), "5");
  EXPECT_EQ(run.value(name(plus)), "6");
  EXPECT_EQ(run.value(name(size)), "[2 3]");
  EXPECT_EQ(run.value(name(rows)), "[0 0;0 0]");  // columns 2 to 3 of zeros(2,3)
  EXPECT_EQ(run.value(name(cosine)), "-1");
  EXPECT_EQ(run.value(name(rounded)), "-1");
  EXPECT_EQ(run.value(name(negated)), "false");
  EXPECT_EQ(run.value("text"), "54");
  EXPECT_EQ(run.value("upper"), "54");
  EXPECT_EQ(run.value(name(poly)), "-2");
}

// A counted loop with a branch inside, one arm of which calls a subroutine,
// every box made by its insert command from scripted answers. With an else
// part the lines under the if come from exit 2 and those under "else" from
// exit 1.
TEST_F(CommandChart, LoopBranchAndSubroutineFromTheirCommandsRunInOctave) {
  const int e = Insert("mnuConst_Click", Option("frmConst", 1));
  // Typed in upper case, stored and run in lower case.
  MatlabCommandAnswer rounding;
  rounding.accepted = true;
  rounding.command = "ROUND(Input1)";
  rounding.inputs[0] = true;
  rounding.outputs[0] = true;
  f.questions.matlabCommands.push_back(rounding);
  const int source = Insert("mnuSpecMatlab_Click");
  Connect(e, source);
  ForLoopAnswer range;
  range.accepted = true;
  range.from = "1";
  range.until = "4";
  range.increment = "1";
  f.questions.forLoops.push_back(range);
  const int loop = Insert("mnuLoopFor_Click");
  Connect(source, loop);
  const int branch = loop + 1;
  f.questions.conditions.push_back({true, "box" + std::to_string(branch) + ">2", true});
  ASSERT_EQ(Insert("mnuCondIf_Click"), branch);
  Connect(loop, branch);
  f.questions.formulas.push_back({true, "output", "Input1*10", false, "", ""});
  const int tenfold = Insert("mnuOperatorsFunc_Click");
  Connect(branch, tenfold);
  const int endThen = Insert("mnuCondEndIf_Click");
  Connect(tenfold, endThen);
  f.questions.subroutines.push_back({true, "square Subroutine"});
  const int call = Insert("mnuSpecSubInsert_Click");
  Connect(branch, call);
  const int endElse = Insert("mnuCondEndIf_Click");
  Connect(call, endElse);
  const int next = Insert("mnuLoopNext_Click");
  Connect(branch, next);
  const int screen = Insert("mnuOutputScreen_Click");
  Connect(next, screen);

  f.questions.inputs = {"square"};
  const int start = Insert("mnuSpecSubStart_Click");
  f.questions.formulas.push_back({true, "output", "Input1^2", false, "", ""});
  const int squared = Insert("mnuOperatorsFunc_Click");
  Connect(start, squared);
  const int end = Insert("mnuSpecSubEnd_Click");
  Connect(squared, end);
  EXPECT_EQ(f.m.table[call].Kind, "Insert Subroutine square");
  EXPECT_EQ(f.m.table[start].Kind, "square Subroutine");

  const std::string script = Compile();
  ASSERT_FALSE(script.empty());
  auto name = [](int n) { return "box" + std::to_string(n); };
  const OctaveRun run =
      RunInOctave(script, {name(source), name(loop), name(tenfold), name(call), name(next)});
  ASSERT_TRUE(run.ok()) << run.errors << "\n" << script;
  EXPECT_EQ(run.value(name(source)), "3");
  EXPECT_EQ(run.value(name(loop)), "4");
  EXPECT_EQ(run.value(name(call)), "16") << "the last pass, 4 > 2, squared 4\n" << script;
  EXPECT_EQ(run.value(name(tenfold)), "20") << "the last else pass, 2, times ten\n" << script;
  EXPECT_EQ(run.value(name(next)), "4");
}

}  // namespace
}  // namespace quorvin::testing
