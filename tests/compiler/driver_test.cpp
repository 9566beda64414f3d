// The walk of CompileFlowchart: start boxes, order, readiness, the stuck
// question and the ways a compile ends.

#include <gtest/gtest-spi.h>

#include <stdexcept>

#include "compile_fixture.h"
#include "tests/support/counting_execution.h"
#include "tests/support/placed_boxes.h"
#include "tests/support/internal_errors.h"

namespace quorvin::testing {
namespace {

using Strings = std::vector<std::string>;

TEST_F(CompileTest, NoInputBoxSaysSoAndReturnsNothing) {
  c.box("Sin");
  EXPECT_EQ(Compile(), "");
  EXPECT_EQ(Asked(), Strings{Message(48, "There are no inputs !")});
  EXPECT_EQ(views.pointers, (std::vector<Pointer>{Pointer::Hourglass, Pointer::Default}));
}

TEST_F(CompileTest, StartBoxesInAscendingNumberOfThisDocumentOnly) {
  c.input("Constant Input", "1");
  c.input("Constant Input", "2", 2);
  c.input("Constant Input", "3");
  EXPECT_EQ(Compile(), "box1=1;\r\nbox3=3;\r\n");
  EXPECT_EQ(Asked(), Strings{kDone});
}

TEST_F(CompileTest, FreeEntriesMakeStartBoxesOnlyWhenPreferred) {
  c.box("Constant Input", "7");  // entries free, not absent
  c.input("Constant Input", "2");
  const int partly = c.box("Constant Input", "3");
  c.absent(partly, 1);
  EXPECT_EQ(Compile(), "box2=2;\r\n");
  prefs.chkInput = true;
  EXPECT_EQ(Compile(), "box2=2;\r\nbox1=7;\r\n");
}

TEST_F(CompileTest, ChainGivesOneStatementPerBoxAndDrivesTheGauge) {
  const int in = c.input("Constant Input", "1");
  const int a = c.box("Constant Input", "box1+1");
  const int b = c.box("Constant Input", "box2+1");
  c.chain(in, a, b);
  c.box("Sin", "", 2);  // another document's box counts in the gauge
  EXPECT_EQ(Compile(), "box1=1;\r\nbox2=box1+1;\r\nbox3=box2+1;\r\n");
  EXPECT_EQ(views.gauge, (std::vector<double>{25, 50, 75, 4.0 / 350 * 100}));
  EXPECT_EQ(views.pointers, (std::vector<Pointer>{Pointer::Hourglass, Pointer::Default}));
}

TEST_F(CompileTest, GaugeRoundsHalvesToEven) {
  int previous = c.input("Constant Input", "1");
  for (int k = 0; k < 7; ++k) {
    const int next = c.box("Constant Input", "1");
    c.link(previous, next);
    previous = next;
  }
  Compile();
  EXPECT_EQ(views.gauge, (std::vector<double>{12, 25, 38, 50, 62, 75, 88, 100, 8.0 / 350 * 100}));
}

TEST_F(CompileTest, PickupIsWrittenEveryTimeItsBoxIsTested) {
  const int in = c.input("Constant Input", "1");
  const int pickup = c.box("Pickup", "x");
  const int waiting = c.box("Break");
  const int feeder = c.box("Break");
  c[in].OutLink = {0, int16_t(feeder), int16_t(waiting), 0, 0, 0};
  c[waiting].InLink = {0, int16_t(pickup), int16_t(feeder), -1};
  c[feeder].InLink = {0, int16_t(in), -1, -1};
  EXPECT_EQ(Compile(),
            "box1=1;\r\n"
            "box2=x;\r\n"
            "box4=box1;\r\nbreak;\r\n"
            "box2=x;\r\n"
            "box3=box2;\r\nbreak;\r\n");
}

TEST_F(CompileTest, KindWithoutArmWritesNothingAndIsAskedAboutAtItsFourthVisit) {
  const int in = c.input("Constant Input", "1");
  const int comment = c.box("Comment", "just a note");
  c.link(in, comment);
  host.answers = {"Ignore"};
  EXPECT_EQ(Compile(), "box1=1;\r\n");
  EXPECT_EQ(Asked(), (Strings{Stuck(2, "Comment"), kDone}));
}

// Two boxes that never get ready; box 3 is the first to wait (it is visited
// in the pass that queued both). The question names box 3 and Ignore drops
// box 3, so the second question names box 2.
TEST_F(CompileTest, IgnoreDropsTheBoxTheQuestionNamed) {
  const int in = c.input("Constant Input", "1");
  const int a = c.box("Nope A");
  const int b = c.box("Nope B");
  c.link(in, a).link(in, b);
  host.answers = {"Ignore", "Ignore"};
  EXPECT_EQ(Compile(), "box1=1;\r\n");
  EXPECT_EQ(Asked(), (Strings{Stuck(3, "Nope B"), Stuck(2, "Nope A"), kDone}));
}

TEST_F(CompileTest, RetryAsksAgainAtTheSecondWaitingVisitAndAbortEndsWithNothing) {
  const int in = c.input("Constant Input", "1");
  c.link(in, c.box("Nope"));
  host.answers = {"Retry", "Abort"};
  EXPECT_EQ(Compile(), "");
  EXPECT_EQ(Asked(), (Strings{Stuck(2, "Nope"), Stuck(2, "Nope")}));
  EXPECT_EQ(views.pointers.back(), Pointer::Default);
  EXPECT_EQ(views.gauge, std::vector<double>{50});  // the bar keeps its last value
}

// Every test of a box fed by a Pickup writes the Pickup's line, so the lines
// count the waiting visits: four before the question, two more after Retry.
TEST_F(CompileTest, StuckQuestionComesAtTheFourthWaitingVisitAndAfterRetryAtTheSecond) {
  const int in = c.input("Constant Input", "1");
  const int pickup = c.box("Pickup", "x");
  const int waiting = c.box("Break");
  const int never = c.box("Mystery");
  c[in].OutLink[1] = int16_t(waiting);
  c[waiting].InLink = {0, int16_t(in), int16_t(pickup), int16_t(never)};
  host.answers = {"Retry", "Ignore"};
  std::string pickups;
  for (int visit = 0; visit < 6; ++visit) pickups += "box2=x;\r\n";
  EXPECT_EQ(Compile(), "box1=1;\r\n" + pickups);
  EXPECT_EQ(Asked(), (Strings{Stuck(3, "Break"), Stuck(3, "Break"), kDone}));
}

// Box 3, a Pickup queued as a start box, is the first to wait; box 4 then
// marks it done without any box being written, and it leaves the list. The
// question does not name a box that no longer waits: it names box 2, the
// box the walk stands at, and Ignore drops that one.
TEST_F(CompileTest, StuckQuestionNeverNamesABoxThatLeftTheList) {
  const int dummy = c.input("Dummy Input");
  const int mystery = c.box("Mystery");
  const int pickup = c.box("Pickup", "x");
  const int waiting = c.box("Break");
  const int never = c.box("Mystery");
  c.absent(never, 1);
  c[dummy].OutLink[1] = int16_t(waiting);
  c[waiting].InLink = {0, int16_t(dummy), int16_t(pickup), int16_t(never)};
  prefs.chkInput = true;
  host.stuckAnswer = Answer::Ignore;
  EXPECT_EQ(Compile(), "box3=x;\r\nbox3=x;\r\nbox3=x;\r\n");
  EXPECT_EQ(Asked(), (Strings{Stuck(mystery, "Mystery"), Stuck(waiting, "Break"), kDone}));
}

TEST_F(CompileTest, WaitingVisitsAreCountedAcrossBoxesUntilProgress) {
  // Box 2 is queued before box 3, one of its inputs, is written: it waits a
  // pass, and no question comes while boxes get written.
  const int in = c.input("Constant Input", "1");
  const int x = c.box("Vector Make Input");
  const int y = c.box("Constant Input", "2");
  c[in].OutLink = {0, int16_t(x), int16_t(y), 0, 0, 0};
  c[x].InLink = {0, int16_t(in), int16_t(y), int16_t(y)};
  EXPECT_EQ(Compile(), "box1=1;\r\nbox3=2;\r\nbox2=[box1:box3:box3];\r\n");
  EXPECT_EQ(Asked(), Strings{kDone});
}

// Charts without a loop whose every box is fed in the end: the waiting
// visits since the last box written reach the question's count within one
// pass, while a ready box waits at a position the pass has gone by (it moved
// down when the box before it left the list) or has not reached. The walk
// goes on to it without asking. Box 1 is the input 1; the arrows are drawn
// in the order given.
TEST_F(CompileTest, NoQuestionWhileAQueuedBoxIsReady) {
  struct Case {
    std::vector<std::string> kinds;  // of boxes 2, 3, ...
    std::vector<std::pair<int, int>> arrows;
    std::string script;
  };
  const std::vector<std::string> tanAndSums{"Tan", "+", "+", "+", "+"};
  const std::vector<Case> cases{
      {tanAndSums,
       {{1, 2}, {4, 6}, {2, 3}, {3, 5}, {1, 6}, {1, 5}, {1, 4}, {2, 4}, {1, 3}},
       "box1=1;\r\nbox2=tan(box1);\r\nbox4=box1+box2;\r\nbox6=box4+box1;\r\n"
       "box3=box2+box1;\r\nbox5=box3+box1;\r\n"},
      {tanAndSums,
       {{1, 2}, {2, 3}, {1, 5}, {4, 6}, {3, 4}, {2, 5}, {1, 4}, {1, 6}, {1, 3}},
       "box1=1;\r\nbox2=tan(box1);\r\nbox3=box2+box1;\r\nbox5=box1+box2;\r\n"
       "box4=box3+box1;\r\nbox6=box4+box1;\r\n"},
      {{"If", "Tan", "Tan", "+", "+", "+", "+", "End If"},
       {{1, 2}, {2, 3}, {4, 8}, {5, 6}, {5, 8}, {3, 4}, {3, 7}, {5, 7}, {3, 6}, {3, 5}, {4, 5},
        {4, 6}, {3, 8}, {8, 9}},
       "box1=1;\r\nbox2=box1;\r\nif (box2>0),\r\n   box3=tan(box2);\r\n   box4=tan(box3);\r\n"
       "   box5=box3+box4;\r\n   box7=box3+box5;\r\n   box8=box4+box5+box3;\r\n"
       "   box6=box5+box3+box4;\r\nend;\r\n"},
  };
  for (const Case& k : cases) {
    std::string drawn;
    Redraw([&](ChartBuilder& chart) {
      chart.input("Constant Input", "1");
      for (const std::string& kind : k.kinds) chart.box(kind, kind == "If" ? "box2>0" : "");
      for (const auto& [from, to] : k.arrows) {
        chart.link(from, to);
        drawn += " " + std::to_string(from) + "->" + std::to_string(to);
      }
    });
    SCOPED_TRACE(drawn);
    EXPECT_EQ(Compile(), k.script);
    EXPECT_EQ(Asked(), Strings{kDone});
  }
}

TEST_F(CompileTest, DeletedBoxIsNeverWritten) {
  const int in = c.input("Constant Input", "1");
  c.link(in, c.box("Constant Input", "Deleted"));
  host.answers = {"Ignore"};
  EXPECT_EQ(Compile(), "box1=1;\r\n");
  EXPECT_EQ(Asked(), (Strings{Stuck(2, "Constant Input"), kDone}));
}

// A model with one document and scripted questions.
struct CompileOfTheModel : ::testing::Test {
  ScriptedQuestions questions;
  RecordingViews views;
  MemorySettingsStore store;
  Model m{questions, views, store};
  int doc = NewDocument(m);
};

// A box asked for but not placed yet is no part of the flowchart: the
// compile of the model leaves it out, as a save does, and it still waits.
TEST_F(CompileOfTheModel, LeavesOutTheBoxWaitingToBePlaced) {
  ASSERT_EQ(testing_support::AddPlacedBox(m, doc, 0, 0, {"Constant Input", "1", kNoSlots, kAllExits}),
            1);
  const int waiting = testing_support::WaitingBox(m, doc);
  ASSERT_TRUE(m.editor.typePendingBox(waiting, {"Constant Input", "pi", kNoSlots, kAllExits}));
  ASSERT_EQ(m.editor.pendingBox(), 2);
  EXPECT_EQ(Compiler(m, questions).CompileFlowchart(CompileMode::Text, doc), "box1=1;\r\n");
  EXPECT_EQ(m.editor.pendingBox(), 2);
}

// Nor is it the subroutine a call looks for, whichever document it waits on.
TEST_F(CompileOfTheModel, ACallFindsNoSubroutineInTheBoxWaitingToBePlaced) {
  const int in =
      testing_support::AddPlacedBox(m, doc, 0, 0, {"Constant Input", "1", kNoSlots, kAllExits});
  const int call = testing_support::AddPlacedBox(m, doc, 0, 600, "Insert Subroutine sq");
  m.editor.chooseArrowSource(in);
  m.editor.connectArrowTo(call);
  const int waiting = testing_support::WaitingBox(m, NewDocument(m));
  ASSERT_TRUE(m.editor.typePendingBox(waiting, {"sq Subroutine", "Subroutine", kAllEntries, kAllExits}));
  EXPECT_EQ(Compiler(m, questions).CompileFlowchart(CompileMode::Text, doc), "box1=1;\r\n");
  EXPECT_EQ(questions.questions,
            Strings{Incomplete({"box2 (Insert Subroutine sq) calls a subroutine that does not "
                                "exist: no box is of kind \"sq Subroutine\"."})});
}

// The script a compiler that never compiled before writes of table's
// document 1, its questions answered with their defaults.
std::string FreshScript(const BoxTable& table, const Preferences& prefs) {
  ScriptedQuestions quiet;
  RecordingViews views;
  const std::string script =
      Compiler(table, views, prefs, quiet).CompileFlowchart(CompileMode::Text, 1);
  EXPECT_FALSE(script.empty());
  return script;
}

class StepRecorder : public ExecutionHook {
 public:
  bool executeStep(int box, int level, std::string& script) override {
    steps.push_back(std::to_string(box) + "@" + std::to_string(level) + ":" + script);
    script.clear();
    return box != failAt;
  }
  void compileStarted() override { ++starts; }
  bool compileFinished(std::vector<std::string>& problems) override {
    problems.insert(problems.end(), runProblems.begin(), runProblems.end());
    return !abandonAtEnd;
  }
  Strings steps;
  int failAt = 0;
  int starts = 0;
  Strings runProblems;
  bool abandonAtEnd = false;
};

// A compile in Execute mode with its hook, and the doubles it reports to.
class CompileExecute : public ::testing::Test {
 protected:
  ChartBuilder c;
  ScriptedQuestions host;
  RecordingViews views;
  Preferences prefs;
  StepRecorder steps;
  Compiler compiler{c.table, views, prefs, host, &steps};
};

TEST_F(CompileExecute, EachWrittenBoxGoesToTheExecutionStepAndTheResultIsEmpty) {
  const int in = c.input("Constant Input", "3");
  const int loop = c.box("For", "1:1:2,");
  const int body = c.box("Constant Input", "box2");
  const int next = c.box("Next");
  c.chain(in, loop, body, next);
  EXPECT_EQ(compiler.CompileFlowchart(CompileMode::Execute, 1), "");
  EXPECT_EQ(steps.starts, 1);
  const Strings sent{"1@0:box1=3;\r\n", "2@1:for box2=1:1:2,\r\n", "3@1:   box3=box2;\r\n",
                     "4@0:end;\r\nbox4=box3;\r\n"};
  EXPECT_EQ(steps.steps, sent);
  steps.steps.clear();
  compiler.CompileFlowchart(CompileMode::Execute, 1);
  EXPECT_EQ(steps.steps, sent) << "the next run sends every box again";
}

TEST_F(CompileExecute, AbandonedStepEndsTheCompileWithNothingLeftBehind) {
  const int in = c.input("Constant Input", "3");
  c.link(in, c.box("Constant Input", "4"));
  steps.failAt = 1;
  EXPECT_EQ(compiler.CompileFlowchart(CompileMode::Execute, 1), "");
  EXPECT_EQ(steps.steps.size(), 1u);
  EXPECT_TRUE(host.questions.empty());  // neither Done nor anything else
  EXPECT_EQ(views.gauge.back(), 2.0 / 350 * 100);
  EXPECT_EQ(views.pointers.back(), Pointer::Default);
  EXPECT_EQ(compiler.CompileFlowchart(CompileMode::Text, 1), FreshScript(c.table, prefs));
}

TEST_F(CompileExecute, ProblemsOfTheRunAreToldInTheClosingMessage) {
  c.input("Constant Input", "3");
  steps.runProblems = {"2 statements failed."};
  compiler.CompileFlowchart(CompileMode::Execute, 1);
  EXPECT_EQ(host.questions, (Strings{Message(48, "Done, but 2 statements failed.")}));

  // With an open block too, both are told.
  host.questions.clear();
  c.link(1, c.box("For", "1:1:2,"));
  compiler.CompileFlowchart(CompileMode::Execute, 1);
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0].rfind("message 48 \"Quorvin\" \"Done, but the script is incomplete:", 0), 0u)
      << host.questions[0];
  EXPECT_NE(host.questions[0].find("\\r\\n2 statements failed.\""), std::string::npos)
      << host.questions[0];

  // In text mode the execution hook is not asked.
  host.questions.clear();
  compiler.CompileFlowchart(CompileMode::Text, 1);
  EXPECT_EQ(host.questions[0].find("statements failed"), std::string::npos);
}

TEST_F(CompileExecute, HostCanAbandonAtTheEnd) {
  c.input("Constant Input", "3");
  steps.abandonAtEnd = true;
  EXPECT_EQ(compiler.CompileFlowchart(CompileMode::Execute, 1), "");
  EXPECT_TRUE(host.questions.empty());
  EXPECT_EQ(views.pointers.back(), Pointer::Default);
  EXPECT_EQ(compiler.CompileFlowchart(CompileMode::Text, 1), FreshScript(c.table, prefs));
}

// A compile whose questions fail, and the doubles it reports to.
class CompileFaults : public ::testing::Test {
 protected:
  ChartBuilder c;
  RecordingViews views;
  Preferences prefs;
};

// The input box of the Keyboard Input arm fails: a fault of the program
// inside an arm.
class ThrowingHost : public ScriptedQuestions {
 public:
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultAnswer) override {
    if (fails) throw std::runtime_error("dialog failed");
    return ScriptedQuestions::inputBox(prompt, title, defaultAnswer);
  }
  bool fails = true;
};

// What the program does: the user is told which box, and the compile ends
// as every other way out does.
class ThrowingHostTellingTheUser : public ThrowingHost {
 public:
  void internalError(int box, const std::string& kind, const std::string& what) override {
    CompileQuestions::internalError(box, kind, what);
  }
};

TEST_F(CompileFaults, AFailingArmEndsTheCompileNamingTheBox) {
  const Strings told{Message(16, "Box 2 (Keyboard Input) could not be compiled: dialog failed")};
  for (const CompileMode mode : {CompileMode::Text, CompileMode::Execute}) {
    SCOPED_TRACE(static_cast<int>(mode));
    ChartBuilder chart;
    const int in = chart.input("Constant Input", "5");
    chart.input("Keyboard Input");
    chart.link(in, chart.box("Sin"));
    ThrowingHostTellingTheUser host;
    RecordingViews shown;
    testing_support::CountingExecution hook;
    Compiler compiler(chart.table, shown, prefs, host, &hook);
    EXPECT_EQ(compiler.CompileFlowchart(mode, 1), "");
    EXPECT_EQ(host.questions, told);  // no stuck question, no "Done !"
    EXPECT_EQ(shown.pointers.back(), Pointer::Default);
    EXPECT_EQ(shown.gauge.back(), 3.0 / 350 * 100);
    EXPECT_EQ(hook.finished, 0);
    // Box 1 had been written; the next compile writes it again.
    host.fails = false;
    EXPECT_EQ(compiler.CompileFlowchart(CompileMode::Text, 1), FreshScript(chart.table, prefs));
  }
}

// In tests and fuzzing the same fault fails the run instead of asking anyone.
TEST_F(CompileFaults, AFailingArmFailsTheTest) {
  c.input("Keyboard Input");
  ThrowingHost host;
  Compiler compiler(c.table, views, prefs, host);
  EXPECT_NONFATAL_FAILURE(compiler.CompileFlowchart(CompileMode::Text, 1),
                          "internal error: Box 1 (Keyboard Input) could not be compiled: "
                          "dialog failed");
  EXPECT_TRUE(host.questions.empty());
}

TEST_F(CompileFaults, AFailingArmAbortsAFuzzRun) {
  c.input("Keyboard Input");
  ThrowingHost host;
  Compiler compiler(c.table, views, prefs, host);
  EXPECT_DEATH(
      {
        testing_support::SetInternalErrorHandler(nullptr);  // as outside GoogleTest
        compiler.CompileFlowchart(CompileMode::Text, 1);
      },
      "internal error: Box 1 \\(Keyboard Input\\) could not be compiled: dialog failed");
}

class ThrowingQuestionHost : public ScriptedQuestions {
 public:
  Answer messageBox(const std::string& text, MessageStyle style,
                    const std::string& title) override {
    if (fails) throw std::runtime_error("no message box");
    return ScriptedQuestions::messageBox(text, style, title);
  }
  bool fails = true;
};

TEST_F(CompileFaults, FailingQuestionEndsTheCompileWithNothingLeftBehind) {
  ThrowingQuestionHost host;
  const int in = c.input("Constant Input", "1");
  c.link(in, c.box("Nope"));
  Compiler compiler(c.table, views, prefs, host);
  EXPECT_EQ(compiler.CompileFlowchart(CompileMode::Text, 1), "");
  EXPECT_EQ(views.pointers.back(), Pointer::Default);
  // Box 1 had been written; the next compile writes it again.
  host.fails = false;
  host.answers = {"Ignore"};
  EXPECT_EQ(compiler.CompileFlowchart(CompileMode::Text, 1), "box1=1;\r\n");
}

// What an aborted compile had written counts for nothing in the next
// compile of the same compiler: every box is written again.
TEST_F(CompileTest, TheNextCompileWritesAgainWhatAnAbortedOneHadWritten) {
  const int in = c.input("Constant Input", "1");
  const int later = c.box("Nope");
  c.link(in, later);
  Compiler compiler(c.table, views, prefs, host);
  host.answers = {"Abort"};
  EXPECT_EQ(compiler.CompileFlowchart(CompileMode::Text, 1), "");
  c[later].Kind = "Constant Input";
  c[later].Params = "2";
  EXPECT_EQ(compiler.CompileFlowchart(CompileMode::Text, 1), "box1=1;\r\nbox2=2;\r\n");
}

TEST_F(CompileTest, ListGrowsPastFivePositionsAndShrinksAtTheNextCompile) {
  for (int k = 0; k < 7; ++k) c.input("Dummy Input");
  Compiler compiler(c.table, views, prefs, host);
  compiler.CompileFlowchart(CompileMode::Text, 1);
  EXPECT_EQ(compiler.work().workLen, 10);
  c.table.nextBox = 2;
  compiler.CompileFlowchart(CompileMode::Text, 1);
  EXPECT_EQ(compiler.work().workLen, 5);
}

// Links that name no box of the table, numbers past the table, links into
// another document: nothing is read out of range, no other document's box is
// written, and the walk ends.
TEST_F(CompileTest, DanglingAndForeignLinksAreHarmless) {
  const int in = c.input("Constant Input", "1");
  const int a = c.box("Vector Make Input");
  const int foreign = c.box("Constant Input", "3", 2);
  c[in].OutLink = {0, int16_t(a), 400, 9, int16_t(foreign), int16_t(in)};
  c[a].InLink = {0, int16_t(in), 351, -3};
  c[a].OutLink = {0, 32767, -9, 0, 0, 0};
  host.answers = {"Ignore"};
  EXPECT_EQ(Compile(), "box1=1;\r\n");
  EXPECT_EQ(Asked(), (Strings{Stuck(2, "Vector Make Input"), kDone}));
}

// An arrow never joins two documents. A slot that names a box of another
// one (a table damaged by a link stored on one box only) leads nowhere: that
// box is neither queued as a successor nor taken for an input, and nothing
// of it is read or written.
TEST_F(CompileTest, ALinkNeverLeadsIntoAnotherDocument) {
  const int in = c.input("Constant Input", "pi");
  const int cos = c.box("Cos", "", 2);
  const int pickup = c.box("Pickup", "7", 2);
  const int sum = c.box("+");
  c[in].OutLink[1] = static_cast<int16_t>(cos);  // box 2's entry stays free
  c.link(in, sum);
  c[sum].InLink[2] = static_cast<int16_t>(pickup);
  host.answers = {"Ignore"};
  EXPECT_EQ(Compile(), "box1=pi;\r\n");
  EXPECT_EQ(Asked(), (Strings{Stuck(sum, "+"), kDone}));
}

}  // namespace
}  // namespace quorvin::testing
