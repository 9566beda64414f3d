// Template boxes inside whole compiles: readiness, Pickup assignments,
// indentation of multi-line templates, and what the output boxes ask.

#include "compile_fixture.h"
#include "octave_runner.h"

namespace quorvin::testing {
namespace {

using Strings = std::vector<std::string>;

class TemplateCompile : public CompileTest {};

TEST_F(TemplateCompile, AChainWritesOneStatementPerBoxInOrder) {
  const int k = c.input("Constant Input", "16");
  const int root = c.box("Sqrt");
  const int screen = c.box("Screen Output");
  c.absent(root, 2);
  c.absent(root, 3);
  c.chain(k, root, screen);
  EXPECT_EQ(Compile(), "box1=16;\r\nbox2=sqrt(box1);\r\nbox3=box2\r\n");
  EXPECT_EQ(Asked(), (Strings{kDone}));
}

TEST_F(TemplateCompile, ABoxWaitsUntilEveryLinkedEntryIsWritten) {
  const int a = c.input("Constant Input", "4");
  const int b = c.input("Constant Input", "1");
  const int root = c.box("Sqrt");
  const int sum = c.box("+");
  c.chain(a, root, sum);
  c.link(b, sum);
  const std::string script = Compile();
  const std::size_t rootAt = script.find("box3=sqrt(box1);\r\n");
  const std::size_t sumAt = script.find("box4=box3+box2;\r\n");
  ASSERT_NE(rootAt, std::string::npos) << script;
  ASSERT_NE(sumAt, std::string::npos) << script;
  EXPECT_LT(rootAt, sumAt);
  EXPECT_EQ(script.find("box4=", sumAt + 1), std::string::npos) << "written twice";
}

TEST_F(TemplateCompile, APickupFeedingATemplateIsAssignedFirst) {
  const int k = c.input("Constant Input", "4");
  const int pick = c.box("Pickup", "y");
  const int sum = c.box("+");
  c.link(k, sum);
  c.link(pick, sum);
  EXPECT_EQ(Compile(), "box1=4;\r\nbox2=y;\r\nbox3=box1+box2;\r\n");
}

TEST_F(TemplateCompile, TheSecondLineOfATwoLineTemplateIsNotIndented) {
  const int k = c.input("Constant Input", "[2 0;0 3]");
  const int loop = c.box("For", "1:1:2,");
  const int vectors = c.box("Eigenvectors", "Eig");
  const int next = c.box("Next");
  c.chain(k, loop, vectors, next);
  EXPECT_EQ(Compile(),
            "box1=[2 0;0 3];\r\n"
            "for box2=1:1:2,\r\n"
            "   [box3,temp1]=eig(box2);\r\nclear temp1;\r\n"
            "end;\r\nbox4=box3;\r\n");
}

TEST_F(TemplateCompile, APauseThatCarriesItsInputPausesAtTheLeftMargin) {
  const int k = c.input("Constant Input", "7");
  const int loop = c.box("For", "1:1:2,");
  const int wait = c.box("Pause", "5");
  const int next = c.box("Next");
  c.absent(wait, 2);
  c.absent(wait, 3);
  c.chain(k, loop, wait, next);
  EXPECT_EQ(Compile(),
            "box1=7;\r\n"
            "for box2=1:1:2,\r\n"
            "   box3=box2;\r\npause(5);\r\n"
            "end;\r\nbox4=box3;\r\n");
}

TEST_F(TemplateCompile, OutputBoxesAskDuringTheCompileAndTheirSuccessorsFollow) {
  const int k = c.input("Constant Input", "[1 2]");
  const int file = c.box("Ascii File Output");
  const int trash = c.box("Trash");
  c.link(k, file);
  c.link(k, trash);
  host.answers = {""};  // the Save As dialog is cancelled
  EXPECT_EQ(Compile(), "box1=[1 2];\r\n");
  // Both successors are queued in one pass; the trash box moves up behind
  // the input and is visited first.
  EXPECT_EQ(Asked(),
            (Strings{Message(32, "What's the use of collecting data and dumping it ???"),
                     "save " + OneLine("Mathlab Files (*.m)|*.m|All Files (*.*)|*.*") + " name \"\"",
                     kDone}));
}

TEST_F(TemplateCompile, PlotCodeReplacesItsPlaceholdersInTextMode) {
  const int x = c.input("Constant Input", "[1 2]");
  const int y = c.input("Constant Input", "[3 4]");
  const int plot = c.box("Plot Output", "Plot2d;figure;\r\nplot(Input1,Input2,'m-')\r\ngrid;\r\n");
  c.link(x, plot);
  c.link(y, plot);
  EXPECT_EQ(Compile(CompileMode::Text),
            "box1=[1 2];\r\nbox2=[3 4];\r\nfigure;\r\nplot(box1,box2,'m-')\r\ngrid;\r\n");
}

TEST_F(TemplateCompile, ACompiledChartComputesInOctave) {
  const int coefficients = c.input("Constant Input", "[1 -3 2]");
  const int roots = c.box("Polynomial Roots", "roots");
  c.absent(roots, 2);
  c.absent(roots, 3);
  const int doubled = c.box("Matlab Command", "output=sum(input1)*2;");
  const int text = c.box("Num2Str");
  const int same = c.box("StrCmp");
  const int expected = c.input("Constant Input", "'6'");
  c.chain(coefficients, roots, doubled, text, same);
  c.link(expected, same);
  const OctaveRun run = RunInOctave(Compile(), {"box2", "box3", "box5"});
  ASSERT_TRUE(run.ok()) << run.errors;
  EXPECT_EQ(run.value("box2"), "[2;1]");
  EXPECT_EQ(run.value("box3"), "6");
  EXPECT_EQ(run.value("box5"), "true");
}

}  // namespace
}  // namespace quorvin::testing
