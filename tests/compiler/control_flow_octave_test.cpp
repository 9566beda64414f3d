// Generated loops, branches, calls and inputs run in GNU Octave: the values
// they compute, not only that they parse.

#include <filesystem>
#include <fstream>

#include "compile_fixture.h"
#include "control_flow_charts.h"
#include "octave_runner.h"

namespace quorvin::testing {
namespace {

TEST_F(CompileTest, OctaveForLoopEndsWithItsLastValue) {
  ForLoopChart(c);
  const OctaveRun run = RunInOctave(Compile(), {"box2", "box3", "box5"});
  ASSERT_TRUE(run.ok()) << run.errors;
  EXPECT_EQ(run.value("box2"), "10");
  EXPECT_EQ(run.value("box3"), "20");
  EXPECT_EQ(run.value("box5"), "21");
}

TEST_F(CompileTest, OctaveIfRunsItsBranchOnlyWhenTheConditionHolds) {
  IfChart(c, "box2>3", "5");
  OctaveRun run = RunInOctave(Compile(), {"box3", "box5"});
  ASSERT_TRUE(run.ok()) << run.errors;
  EXPECT_EQ(run.value("box3"), "1");
  EXPECT_EQ(run.value("box5"), "105");
  c[1].Params = "2";
  run = RunInOctave(Compile(), {"box3", "box5"});
  ASSERT_TRUE(run.ok()) << run.errors;
  EXPECT_EQ(run.value("box3"), "<undefined>");
  EXPECT_EQ(run.value("box5"), "102");
}

TEST_F(CompileTest, OctaveIfWithElseTakesExitTwoWhenTrueAndExitOneWhenFalse) {
  IfElseChart(c, "5");
  OctaveRun run = RunInOctave(Compile(), {"box3", "box5", "box7"});
  ASSERT_TRUE(run.ok()) << run.errors;
  EXPECT_EQ(run.value("box3"), "<undefined>");
  EXPECT_EQ(run.value("box5"), "2");
  EXPECT_EQ(run.value("box7"), "50");
  c[1].Params = "1";
  run = RunInOctave(Compile(), {"box3", "box5"});
  ASSERT_TRUE(run.ok()) << run.errors;
  EXPECT_EQ(run.value("box3"), "1");
  EXPECT_EQ(run.value("box5"), "<undefined>");
}

TEST_F(CompileTest, OctaveSubroutineCallsComputeWithTheirArguments) {
  const int in = c.input("Constant Input", "2");
  const int first = c.box("Insert Subroutine sq", "Subroutine");
  const int second = c.box("Insert Subroutine sq", "Subroutine");
  c.chain(in, first, second);
  const int start = c.box("sq Subroutine", "Subroutine");
  const int body = c.box("Constant Input", "box4^2");
  c.chain(start, body, c.box("End Subroutine", "Subroutine"));
  c.link(second, c.box("Constant Input", "box3+1"));
  const OctaveRun run = RunInOctave(Compile(), {"box2", "box3", "box7"});
  ASSERT_TRUE(run.ok()) << run.errors;
  EXPECT_EQ(run.value("box2"), "4");
  EXPECT_EQ(run.value("box3"), "16");
  EXPECT_EQ(run.value("box7"), "17");
}

TEST_F(CompileTest, OctaveCallInsideABranch) {
  CallInBranchChart(c);
  const OctaveRun run = RunInOctave(Compile(), {"box3", "box8"});
  ASSERT_TRUE(run.ok()) << run.errors;
  EXPECT_EQ(run.value("box3"), "15");
  EXPECT_EQ(run.value("box8"), "5");
}

TEST_F(CompileTest, OctaveBreakLeavesTheLoopAtOnce) {
  const int in = c.input("Constant Input", "3");
  const int loop = c.box("For", "1:1:10,");
  const int brk = c.box("Break");
  c.chain(in, loop, brk, c.box("Next"));
  const OctaveRun run = RunInOctave(Compile(), {"box2", "box4"});
  ASSERT_TRUE(run.ok()) << run.errors;
  EXPECT_EQ(run.value("box2"), "1");
  EXPECT_EQ(run.value("box4"), "1");
}

TEST_F(CompileTest, OctaveInputFormsWithScriptedAnswers) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("quorvin-input-" + std::to_string(getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / "samples.txt") << "1 2\n3 4\n";
  std::ofstream(dir / "values") << "5 6 7\n";
  c.input("Keyboard Input");
  c.input("Matrix Input");
  c.input("Ascii File Input");
  c.input("Ascii File Input");
  c.input("Vector Make Input", "[0:0.5:1];");
  c.input("Matrix Make Input", "ones(2,3)");
  c.input("Constant Input", "pi");
  // Asked in the order the walk reaches the boxes: 1, 3, then 2, then 4.
  host.answers = {"1 2 3", (dir / "samples.txt").string(), "[1 2; 3 4",
                  (dir / "values").string()};
  const std::string script = Compile();
  ASSERT_EQ(host.questions.size(), 5u);  // and "Done !"
  EXPECT_EQ(host.questions[2], "matrix");
  const OctaveRun run =
      RunInOctave(script, {"box1", "box2", "box3", "box4", "box5", "box6", "box7"});
  fs::remove_all(dir);
  EXPECT_TRUE(run.ok()) << run.errors;
  EXPECT_EQ(run.value("box1"), "[1 2 3]");
  EXPECT_EQ(run.value("box2"), "[1 2;3 4]");
  EXPECT_EQ(run.value("box3"), "[1 2;3 4]");
  EXPECT_EQ(run.value("box4"), "[5 6 7]");
  EXPECT_EQ(run.value("box5"), "[0 0.5 1]");
  EXPECT_EQ(run.value("box6"), "[1 1 1;1 1 1]");
  EXPECT_EQ(run.value("box7"), "3.14159265358979");
}

// Files a person picks anywhere: a folder with a blank, names that are no
// variable names, an extension of other than three letters.
TEST_F(CompileTest, OctaveLoadsAsciiFilesWhateverTheirNames) {
  namespace fs = std::filesystem;
  const fs::path dir =
      fs::temp_directory_path() / ("quorvin input " + std::to_string(getpid())) / "it's here";
  fs::create_directories(dir);
  std::ofstream(dir / "run-1.txt") << "1 2\n";
  std::ofstream(dir / "2024 data") << "3\n";
  std::ofstream(dir / "set.dat1") << "4 5 6\n";
  for (int k = 0; k < 3; ++k) c.input("Ascii File Input");
  // Asked in the order the walk reaches the boxes: 1, 3, then 2.
  host.answers = {(dir / "run-1.txt").string(), (dir / "set.dat1").string(),
                  (dir / "2024 data").string()};
  const OctaveRun run = RunInOctave(Compile(), {"box1", "box2", "box3"});
  fs::remove_all(dir.parent_path());
  EXPECT_TRUE(run.ok()) << run.errors;
  EXPECT_EQ(run.value("box1"), "[1 2]");
  EXPECT_EQ(run.value("box2"), "3");
  EXPECT_EQ(run.value("box3"), "[4 5 6]");
}

}  // namespace
}  // namespace quorvin::testing
