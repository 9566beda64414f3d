#include "compiler/execution_step.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "tests/support/step_fakes.h"

namespace quorvin {
namespace {

using testing_support::QueuedQuestions;
using testing_support::StringSink;

// Replays canned results; an empty queue answers Ok with no output.
class FakeInterpreter : public Interpreter {
 public:
  bool running = true;
  std::vector<std::string> sent;
  std::deque<EvalResult> results;
  std::string askFor;  // when set, the next eval asks for input with this prompt
  std::string lastTyped;

  bool alive() override { return running; }
  EvalResult eval(const std::string& text, const InputAnswerer& answer) override {
    sent.push_back(text);
    if (!askFor.empty()) lastTyped = answer(std::exchange(askFor, {}));
    if (results.empty()) return {};
    EvalResult r = results.front();
    results.pop_front();
    if (r.status == EvalResult::Status::Dead) running = false;
    return r;
  }
  double timeoutSeconds() const override { return 2; }
};

struct StepFixture : ::testing::Test {
  BoxTable table;
  QueuedQuestions host;
  FakeInterpreter interpreter;
  StringSink results;
  int starts = 0;
  ExecutionStep step{table, host, interpreter, results, [this] {
                       ++starts;
                       interpreter.running = true;
                     }};

  void SetUp() override {
    table.nextBox = 6;
    for (int b = 1; b <= 5; ++b) table[b].Kind = "Sin";
    table[4].Kind = "Plot Output";
    table[5].Kind = "Plot Output";
    step.compileStarted();
  }
  bool run(int box, int nest, std::string text) { return step.executeStep(box, nest, text); }
};

TEST(FirstPlotText, JoinsLinesBehindThePrefix) {
  struct Case {
    const char* text;
    const char* sent;
  };
  const Case cases[] = {
      // The two-line plot code with the ";" added for a run.
      {"figure\r\nplot(box3)\r\n;", "system_dependent(12,'off');figure;plot(box3);;\r\n"},
      // Indentation before figure: the text no longer starts with it.
      {"   figure\r\nplot(box3)\r\n;",
       "system_dependent(12,'off');figure;   figure;plot(box3);;\r\n"},
      // A line end after ";" goes; the next one is not looked at.
      {"hold on;\r\n\r\nplot(box1)\r\n;",
       "system_dependent(12,'off');figure;hold on;\r\nplot(box1);;\r\n"},
      // A line end in the last two places stays.
      {"plot(box1)\r\n", "system_dependent(12,'off');figure;plot(box1)\r\n\r\n"},
      // A line end with nothing before it is dropped; the text did not start
      // with figure, so the prefix opens one.
      {"\r\nfigure\r\n;", "system_dependent(12,'off');figure;figure;;\r\n"},
      // "figure" must be the first six characters, not merely a prefix of a word.
      {"figures=1;\r\n", "system_dependent(12,'off');figures=1;\r\n\r\n"},
      {"figur", "system_dependent(12,'off');figure;figur\r\n"},
      {"", "system_dependent(12,'off');figure;\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(FirstPlotText(c.text), c.sent) << c.text;
}

TEST(CollapseSemicolons, EveryRunBecomesOne) {
  EXPECT_EQ(CollapseSemicolons(";;;a;;b;\r\n;;"), ";a;b;\r\n;");
  EXPECT_EQ(CollapseSemicolons("x=1;\r\n"), "x=1;\r\n");
}

TEST_F(StepFixture, OnlyTheFirstPlotIsJoinedAndEveryExchangeIsShown) {
  interpreter.results = {{}, {EvalResult::Status::Ok, "box2 = 0.8415\r\n"}};
  ASSERT_TRUE(run(4, 0, "figure\r\nplot(box3)\r\n;"));
  ASSERT_TRUE(run(2, 0, "box2=box1\r\n"));
  ASSERT_TRUE(run(5, 0, "figure\r\nplot(box2)\r\n;"));
  ASSERT_TRUE(run(1, 0, "a;;;b\r\n"));
  EXPECT_EQ(interpreter.sent,
            (std::vector<std::string>{"system_dependent(12,'off');figure;plot(box3);\r\n",
                                      "box2=box1\r\n", "figure\r\nplot(box2)\r\n;", "a;b\r\n"}));
  EXPECT_EQ(results.text,
            "system_dependent(12,'off');figure;plot(box3);\r\nbox2=box1\r\nbox2 = 0.8415\r\n"
            "figure\r\nplot(box2)\r\n;a;b\r\n");
  // A new compile resets the first-plot flag.
  step.compileStarted();
  ASSERT_TRUE(run(5, 0, "plot(box2)\r\n;"));
  EXPECT_EQ(interpreter.sent.back(), "system_dependent(12,'off');figure;plot(box2);\r\n");
  EXPECT_EQ(step.failures(), 0);
}

TEST_F(StepFixture, AnOpenBlockIsSentWholeWhenItCloses) {
  std::string script = "for box2=1:1:10,\r\n";
  ASSERT_TRUE(step.executeStep(2, 1, script));
  EXPECT_TRUE(script.empty());
  ASSERT_TRUE(run(3, 1, "   box3=sin(box2);\r\n"));
  EXPECT_TRUE(interpreter.sent.empty());
  EXPECT_TRUE(results.text.empty());
  ASSERT_TRUE(run(1, 0, "end;\r\nbox4=box3;\r\n"));
  ASSERT_EQ(interpreter.sent.size(), 1u);
  EXPECT_EQ(interpreter.sent[0],
            "for box2=1:1:10,\r\n   box3=sin(box2);\r\nend;\r\nbox4=box3;\r\n");
  EXPECT_EQ(results.text, interpreter.sent[0]);
}

TEST_F(StepFixture, ABlockThatNeverClosesIsSentAtTheEnd) {
  ASSERT_TRUE(run(2, 1, "for box2=1:1:10,\r\n"));
  std::vector<std::string> problems;
  ASSERT_TRUE(step.compileFinished(problems));
  ASSERT_EQ(interpreter.sent, std::vector<std::string>{"for box2=1:1:10,\r\n"});
  ASSERT_TRUE(step.compileFinished(problems));  // nothing held any more
  EXPECT_EQ(interpreter.sent.size(), 1u);
  EXPECT_TRUE(problems.empty());
}

TEST_F(StepFixture, FailedStatementsAreToldAtTheEnd) {
  interpreter.results = {{EvalResult::Status::Error, "error: x\r\n"}};
  ASSERT_TRUE(run(1, 0, "box1=nope;\r\n"));
  std::vector<std::string> problems;
  ASSERT_TRUE(step.compileFinished(problems));
  EXPECT_EQ(problems, std::vector<std::string>{FailedStatementsLine(1)});
}

TEST(FailedStatementsLine, CountsThem) {
  EXPECT_EQ(FailedStatementsLine(1), "1 statement failed in Matlab: see \"Matlab Text Results\".");
  EXPECT_EQ(FailedStatementsLine(2), "2 statements failed in Matlab: see \"Matlab Text Results\".");
}

TEST_F(StepFixture, FailuresAreShownAndCountedAndTheWalkGoesOn) {
  interpreter.results = {{EvalResult::Status::Error, "error: 'nope' undefined\r\n"},
                         {EvalResult::Status::Timeout, "partial"}};  // cut in mid-line
  ASSERT_TRUE(run(1, 0, "box1=nope;\r\n"));
  ASSERT_TRUE(run(2, 0, "box2=slow();\r\n"));
  EXPECT_EQ(results.text,
            "box1=nope;\r\nerror: 'nope' undefined\r\nbox2=slow();\r\npartial\r\n"
            "no answer within 2 s\r\n");
  EXPECT_EQ(step.failures(), 2);
  EXPECT_TRUE(host.messages.empty());
}

// The step only says why; the compile it returns false to forgets what it
// had written and puts the gauge and the pointer back (driver_test.cpp).
TEST_F(StepFixture, DecliningToStartAbandonsTheCompile) {
  interpreter.running = false;
  host.answers = {Answer::No};
  EXPECT_FALSE(run(1, 0, "box1=[ 1 ];\r\n"));
  EXPECT_TRUE(interpreter.sent.empty());
  EXPECT_EQ(host.messages, (std::vector<std::string>{kNotRespondingQuestion + "|20|Quorvin",
                                                     kCouldNotCompileMessage + "|64|Quorvin"}));
  EXPECT_EQ(starts, 0);
}

TEST_F(StepFixture, YesStartsTheInterpreterAndSendsAgain) {
  interpreter.running = false;
  host.answers = {Answer::Yes};
  ASSERT_TRUE(run(1, 0, "box1=[ 1 ];\r\n"));
  EXPECT_EQ(starts, 1);
  EXPECT_EQ(interpreter.sent, std::vector<std::string>{"box1=[ 1 ];\r\n"});
}

TEST_F(StepFixture, AnInterpreterDyingMidStatementIsShownAndAskedAbout) {
  interpreter.results = {{EvalResult::Status::Dead, "bye\r\n"}};
  host.answers = {Answer::Yes, Answer::No};
  interpreter.results.push_back({EvalResult::Status::Dead, ""});
  EXPECT_FALSE(run(1, 0, "exit\r\n"));
  EXPECT_EQ(starts, 1);
  EXPECT_EQ(results.text,
            "exit\r\nbye\r\nthe interpreter has ended\r\n"
            "exit\r\nthe interpreter has ended\r\n");
  EXPECT_EQ(host.messages.size(), 3u);  // asked twice, then told
}

TEST_F(StepFixture, KeyboardInputIsAskedThroughTheInputBox) {
  interpreter.askFor = "Enter x";
  ASSERT_TRUE(run(1, 0, "box1=input('Enter x');\r\n"));
  EXPECT_EQ(host.prompts, std::vector<std::string>{"Enter x"});
  EXPECT_EQ(interpreter.lastTyped, "42");
}

}  // namespace
}  // namespace quorvin
