#include "platform/interpreter_link.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <chrono>
#include <deque>
#include <optional>
#include <thread>

#include "compiler/execution_step.h"
#include "tests/support/qt_application.h"
#include "tests/support/recording_figure.h"
#include "tests/support/step_fakes.h"

namespace quorvin {
namespace {

using Status = EvalResult::Status;
using testing_support::QueuedQuestions;
using testing_support::StringSink;

InterpreterProgram UsrOctave() {
  auto program = FindInterpreter("/usr");
  EXPECT_TRUE(program.has_value());
  return program.value_or(InterpreterProgram{});
}

// The stand-in interpreter in mode; more: the mode's own arguments.
InterpreterProgram Fake(const char* mode, const QStringList& more = {}) {
  return {QUORVIN_TEST_DATA "/fake_interpreter.sh", QStringList{mode} + more, Dialect::Octave, {}};
}

const InputAnswerer kNoInput = [](const std::string&) { return std::string(); };

TEST(FindInterpreter, PrefersMatlabThenOctaveThenOctaveCli) {
  const auto usr = FindInterpreter("/usr");
  ASSERT_TRUE(usr);
  EXPECT_EQ(usr->path, "/usr/bin/octave");
  EXPECT_TRUE(usr->arguments.contains("--no-gui"));
  EXPECT_EQ(usr->dialect, Dialect::Octave);

  QTemporaryDir dir;
  QDir(dir.path()).mkdir("bin");
  EXPECT_FALSE(FindInterpreter(dir.path()));
  auto makeExecutable = [&](const QString& name) {
    QFile f(dir.path() + "/bin/" + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  };
  makeExecutable("octave-cli");
  EXPECT_EQ(FindInterpreter(dir.path())->path, dir.path() + "/bin/octave-cli");
  makeExecutable("matlab");
  const auto matlab = FindInterpreter(dir.path());
  EXPECT_EQ(matlab->dialect, Dialect::Matlab);
  EXPECT_TRUE(matlab->arguments.contains("-nodesktop"));
}

// One Octave for the whole suite, started the way Start Matlab starts it.
class OctaveLink : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    testing_support::EnsureGuiApplication();
    link_ = new InterpreterLink;
    ASSERT_TRUE(link_->start(UsrOctave()));
  }
  static void TearDownTestSuite() {
    delete link_;
    link_ = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(link_ && link_->alive());
    link_->setTimeoutMs(10000);
    ASSERT_EQ(link_->eval("clear all", kNoInput).status, Status::Ok);
  }
  EvalResult eval(const std::string& text) { return link_->eval(text, kNoInput); }
  // Runs the texts of boxes 1, 2, ... with the nesting level after each.
  void runBoxes(const std::vector<std::pair<int, std::string>>& steps) {
    table.nextBox = static_cast<int16_t>(steps.size() + 1);
    step.compileStarted();
    int box = 0;
    for (const auto& [nest, text] : steps) {
      std::string script = text;
      ASSERT_TRUE(step.executeStep(++box, nest, script));
    }
  }

  static InterpreterLink* link_;
  BoxTable table;
  QueuedQuestions host;
  StringSink results;
  ExecutionStep step{table, host, *link_, results, [] {}};
};
InterpreterLink* OctaveLink::link_ = nullptr;

TEST_F(OctaveLink, KeyboardInputSinScreenOutputBoxByBox) {
  runBoxes({{0, "box1=[ 1 2 3 ];\r\n"}, {0, "box2=sin(box1);\r\n"}, {0, "box3=box2\r\n"}});
  EXPECT_EQ(results.text,
            "box1=[ 1 2 3 ];\r\n"
            "box2=sin(box1);\r\n"
            "box3=box2\r\n"
            "box3 =\r\n\r\n   0.8415   0.9093   0.1411\r\n\r\n");
  EXPECT_EQ(step.failures(), 0);
}

TEST_F(OctaveLink, ForLoopRunsAsOneBlock) {
  runBoxes({{0, "box1=[ 1 2 3 ];\r\n"},
            {1, "for box2=1:1:10,\r\n"},
            {1, "   box3=sin(box2);\r\n"},
            {0, "end;\r\nbox4=box3;\r\n"},
            {0, "box5=box4\r\n"}});
  EXPECT_EQ(results.text,
            "box1=[ 1 2 3 ];\r\n"
            "for box2=1:1:10,\r\n   box3=sin(box2);\r\nend;\r\nbox4=box3;\r\n"
            "box5=box4\r\nbox5 = -0.5440\r\n");
  EXPECT_EQ(step.failures(), 0);
}

TEST_F(OctaveLink, IfWithElseRunsAsOneBlock) {
  runBoxes({{0, "box1=5;\r\n"},
            {2, "box2=box1;\r\nif (box2>3),\r\n"},
            {2, "      box4=cos(box2);\r\n"},
            {1, "   else\r\n"},
            {1, "   box3=sin(box2);\r\n"},
            {0, "end;\r\n"},
            {0, "box7=exist('box3')+box4\r\n"}});
  EXPECT_EQ(results.text,
            "box1=5;\r\n"
            "box2=box1;\r\nif (box2>3),\r\n      box4=cos(box2);\r\n   else\r\n"
            "   box3=sin(box2);\r\nend;\r\n"
            "box7=exist('box3')+box4\r\nbox7 = 0.2837\r\n");
}

TEST_F(OctaveLink, AnErrorIsReportedWithItsTextAndTheLinkStaysInStep) {
  const auto failed = eval("box1=nope+1;");
  EXPECT_EQ(failed.status, Status::Error);
  EXPECT_EQ(failed.output.rfind("error: ", 0), 0u) << failed.output;
  EXPECT_NE(failed.output.find("nope"), std::string::npos);
  // An unfinished statement cannot swallow what follows it.
  EXPECT_EQ(eval("[1 2").status, Status::Error);
  const auto next = eval("1+1");
  EXPECT_EQ(next.status, Status::Ok);
  EXPECT_EQ(next.output, "ans = 2\r\n");
}

// The person's workspace is the link's too: what a statement leaves there
// (ans, variables named like the functions the frame calls) must neither be
// changed by the frame nor break it.
TEST_F(OctaveLink, TheFrameLeavesAnsAloneAndSurvivesShadowingNames) {
  EXPECT_EQ(eval("6*7").output, "ans = 42\r\n");
  EXPECT_EQ(eval("ans+1").output, "ans = 43\r\n");
  ASSERT_EQ(eval("char=1; eval=2; fprintf=3; lasterr=4; stdout=5; fflush=6;").status, Status::Ok);
  const auto shown = eval("disp(7)");
  EXPECT_EQ(shown.status, Status::Ok);
  EXPECT_EQ(shown.output, "7\r\n");
  const auto failed = eval("nope");
  EXPECT_EQ(failed.status, Status::Error);
  EXPECT_EQ(failed.output.rfind("error: ", 0), 0u) << failed.output;
  EXPECT_EQ(
      link_->eval("box1=input('x?')", [](const std::string&) { return std::string("5"); }).output,
      "x? 5\r\nbox1 = 5\r\n");
  EXPECT_TRUE(link_->alive());
}

TEST_F(OctaveLink, StatementsWaitingForTheKeyboardAreAnsweredThroughTheProgram) {
  std::vector<std::string> prompts;
  const InputAnswerer answer = [&](const std::string& prompt) {
    prompts.push_back(prompt);
    return std::string("6*7");
  };
  const auto asked = link_->eval("box1=input('Enter x');", answer);
  EXPECT_EQ(asked.status, Status::Ok);
  EXPECT_EQ(asked.output, "Enter x 6*7\r\n");
  EXPECT_EQ(link_->eval("pause;", answer).status, Status::Ok);
  const auto text = link_->eval("box2=input('Name: ', 's')", answer);
  EXPECT_EQ(text.output, "Name:  6*7\r\nbox2 = 6*7\r\n");
  EXPECT_EQ(prompts, (std::vector<std::string>{"Enter x", "Paused: press OK to go on", "Name: "}));
  EXPECT_EQ(eval("box1").output, "box1 = 42\r\n");

  // Octave's other keyboard readers go through the program as well.
  prompts.clear();
  EXPECT_EQ(link_->eval("k=kbhit()", answer).output, "Press a key 6*7\r\nk = 6\r\n");
  EXPECT_EQ(link_->eval("k=kbhit(1)", answer).output, "k = \r\n");
  EXPECT_EQ(link_->eval("y=yes_or_no('Go on? ')", [](const std::string&) { return "yes"; }).output,
            "Go on? (yes or no)  yes\r\ny = 1\r\n");
  EXPECT_EQ(prompts, std::vector<std::string>{"Press a key"});

  const auto keyboard = eval("keyboard");
  EXPECT_EQ(keyboard.status, Status::Error);
  EXPECT_NE(keyboard.output.find("keyboard cannot be used"), std::string::npos);
  EXPECT_EQ(eval("pause(0.01); 3").output, "ans = 3\r\n");
}

TEST_F(OctaveLink, NothingElseReachesTheInterpreterWhileAStatementWaitsForInput) {
  EvalResult nested;
  bool restarted = true;
  const InputAnswerer answer = [&](const std::string&) {
    nested = link_->eval("disp('sneaked in')", kNoInput);
    restarted = link_->start(UsrOctave());
    return std::string("5");
  };
  const auto asked = link_->eval("box1=input('x?')+1", answer);
  EXPECT_EQ(nested.status, Status::Error);
  EXPECT_FALSE(restarted);
  EXPECT_EQ(asked.status, Status::Ok);
  EXPECT_EQ(asked.output, "x? 5\r\nbox1 = 6\r\n");
}

// A statement that runs for seconds: the event loop goes on turning (the
// timer stands in for the windows' repaints), its output shows as it comes,
// and nothing else reaches the interpreter meanwhile.
TEST_F(OctaveLink, ALongStatementLeavesTheWindowsAliveAndShowsItsOutputAsItComes) {
  QObject context;  // the connections to the shared link end with the test
  QElapsedTimer clock;
  clock.start();
  int ticks = 0;
  QTimer repaint;
  QObject::connect(&repaint, &QTimer::timeout, &context, [&] { ++ticks; });
  repaint.start(50);
  QString started;
  std::vector<std::pair<qint64, QString>> arrived;
  std::vector<bool> busy;
  QObject::connect(link_, &InterpreterLink::statementStarted, &context,
                   [&](const QString& text) { started = text; });
  QObject::connect(link_, &InterpreterLink::outputArrived, &context,
                   [&](const QString& text) { arrived.emplace_back(clock.elapsed(), text); });
  QObject::connect(link_, &InterpreterLink::busyChanged, &context,
                   [&](bool b) { busy.push_back(b); });
  EvalResult second;
  bool restarted = true;
  bool busyMeanwhile = false;
  QTimer::singleShot(300, &context, [&] {
    busyMeanwhile = link_->busy();
    second = link_->eval("disp('sneaked in')", kNoInput);
    restarted = link_->start(UsrOctave());
  });

  const std::string statement = "disp('first'); pause(1.5); disp('second')\r\n";
  const auto r = eval(statement);
  const qint64 total = clock.elapsed();
  EXPECT_EQ(r.status, Status::Ok);
  EXPECT_EQ(r.output, "first\r\nsecond\r\n");
  EXPECT_GE(total, 1400);
  EXPECT_GE(ticks, 10);
  EXPECT_EQ(started.toStdString(), statement);
  ASSERT_FALSE(arrived.empty());
  EXPECT_EQ(arrived.front().second, "first");  // its line end may still come before a marker
  EXPECT_LT(arrived.front().first, total - 1000);
  QString shown;
  for (const auto& piece : arrived) shown += piece.second;
  EXPECT_TRUE(QString("first\nsecond\n").startsWith(shown)) << shown.toStdString();
  EXPECT_TRUE(busyMeanwhile);
  EXPECT_EQ(second.status, Status::Error);
  EXPECT_FALSE(restarted);
  EXPECT_EQ(busy, (std::vector<bool>{true, false}));
  EXPECT_FALSE(link_->busy());
  EXPECT_EQ(eval("disp('still the same interpreter')").output, "still the same interpreter\r\n");
}

TEST_F(OctaveLink, ARunawayStatementIsInterruptedAtItsTimeOut) {
  link_->setTimeoutMs(300);
  const auto runaway = eval("disp('started'); fflush(stdout); while 1, end");
  EXPECT_EQ(runaway.status, Status::Timeout);
  EXPECT_EQ(runaway.output, "started\r\n");
  // Were the loop still running, this would time out as well.
  link_->setTimeoutMs(10000);
  const auto next = eval("disp('free again')");
  EXPECT_EQ(next.status, Status::Ok);
  EXPECT_EQ(next.output, "free again\r\n");
}

TEST_F(OctaveLink, EndlessPrintingIsCutAndInterrupted) {
  link_->setTimeoutMs(500);
  const auto flood = eval("while 1, disp(pi), end");
  EXPECT_EQ(flood.status, Status::Timeout);
  EXPECT_LT(flood.output.size(), 2 * kMaxPending);
  link_->setTimeoutMs(10000);
  EXPECT_EQ(eval("disp('free again')").output, "free again\r\n");
}

TEST_F(OctaveLink, TheFirstPlotOfARunOpensAFigure) {
  ASSERT_EQ(eval("close all; set(0, 'defaultfigurevisible', 'off'); 1;").status, Status::Ok);
  table.nextBox = 3;
  table[2].Kind = "Plot Output";
  runBoxes({{0, "box1=[ 1 2 3 ];\r\n"}, {0, "figure\r\nplot(box1)\r\n;"}});
  EXPECT_EQ(step.failures(), 0) << results.text;
  EXPECT_EQ(
      results.text.find("box1=[ 1 2 3 ];\r\nsystem_dependent(12,'off');figure;plot(box1);\r\n"),
      0u);
  EXPECT_EQ(eval("numel(get(0, 'children'))").output, "ans = 1\r\n");
  eval("close all");
}

// The figure comes in front as figure(gcf) brings it, by a statement the
// results window is not told of; where there is none, none is opened.
TEST_F(OctaveLink, RaiseFiguresRaisesTheCurrentFigureUntold) {
  QTemporaryDir stub;
  ASSERT_TRUE(testing_support::WriteRecordingFigure(stub.path().toStdString()));
  ASSERT_EQ(eval("close all; set(0, 'defaultfigurevisible', 'off'); figure; plot(1:3);").status,
            Status::Ok);
  ASSERT_EQ(eval("addpath('" + stub.path().toStdString() + "');").status, Status::Ok);
  int told = 0;
  const QMetaObject::Connection tell =
      QObject::connect(link_, &InterpreterLink::statementStarted, [&] { ++told; });
  link_->raiseFigures(true);
  EXPECT_EQ(told, 0);
  QObject::disconnect(tell);
  EXPECT_FALSE(link_->busy());
  EXPECT_EQ(eval(testing_support::kRecordedFigureCalls).output, "figure(1) \r\n");

  eval("close all; clear global quorvin_figure_calls");
  link_->raiseFigures(true);
  EXPECT_EQ(eval("numel(get(0, 'children'))").output, "ans = 0\r\n");
  EXPECT_EQ(eval(testing_support::kRecordedFigureCalls).output, "\r\n");
  eval("rmpath('" + stub.path().toStdString() + "'); clear global quorvin_figure_calls");
}

TEST_F(OctaveLink, FigureSwitchHasANoOpStandIn) {
  const auto r = eval("system_dependent(12,'off'); 4");
  EXPECT_EQ(r.status, Status::Ok);
  EXPECT_EQ(r.output, "ans = 4\r\n");
}

// Each of these ends its interpreter, so each starts its own.
class DyingOctave : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::EnsureGuiApplication();
    ASSERT_TRUE(link.start(UsrOctave()));
  }
  InterpreterLink link;
};

TEST_F(DyingOctave, AKillMidStatementIsNoticedAtOnce) {
  const qint64 pid = link.processId();
  std::thread killer([pid] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    ::kill(static_cast<pid_t>(pid), SIGKILL);
  });
  QElapsedTimer clock;
  clock.start();
  const auto r = link.eval("pause(20)", kNoInput);
  killer.join();
  EXPECT_EQ(r.status, Status::Dead);
  EXPECT_LT(clock.elapsed(), 3000);
  EXPECT_FALSE(link.alive());
  EXPECT_FALSE(QFile::exists("octave-workspace"));
}

TEST_F(DyingOctave, ExitInABoxLeadsToTheStartQuestion) {
  BoxTable table;
  table.nextBox = 3;
  QueuedQuestions host;
  host.answers = {Answer::No};
  StringSink results;
  ExecutionStep step(table, host, link, results, [] {});
  step.compileStarted();
  std::string script = "exit\r\n";
  EXPECT_FALSE(step.executeStep(1, 0, script));
  EXPECT_EQ(results.text, "exit\r\nthe interpreter has ended\r\n");
  EXPECT_EQ(host.messages, (std::vector<std::string>{kNotRespondingQuestion + "|20|Quorvin",
                                                     kCouldNotCompileMessage + "|64|Quorvin"}));
}

TEST_F(DyingOctave, EndingTheLinkEndsTheInterpreter) {
  const auto pid = static_cast<pid_t>(link.processId());
  ASSERT_GT(pid, 0);
  link.stop();
  EXPECT_EQ(::kill(pid, 0), -1);
  EXPECT_FALSE(link.alive());
  EXPECT_EQ(link.eval("1", kNoInput).status, Status::Dead);
}

// Closing the program during a statement: the link is stopped or destroyed
// by an event handled while the statement waits (a timer, or the input box
// of the statement itself). The wait ends at once with Dead and leaves no
// process behind, not even a zombie.
TEST(EndingDuringAStatement, EndsTheWaitAndTheInterpreterAtOnce) {
  testing_support::EnsureGuiApplication();
  struct Case {
    const char* name;
    const char* statement;
    bool fromInputBox;  // else from a timer
    bool destroy;       // else stop
  };
  for (const Case& c : {Case{"stop from a timer", "pause(20)", false, false},
                        Case{"stop from the input box", "x=input('x?')", true, false},
                        Case{"destroy from a timer", "pause(20)", false, true},
                        Case{"destroy from the input box", "x=input('x?')", true, true}}) {
    SCOPED_TRACE(c.name);
    auto* link = new InterpreterLink;
    ASSERT_TRUE(link->start(UsrOctave()));
    const auto pid = static_cast<pid_t>(link->processId());
    bool destroyed = false;
    const auto end = [&] {
      if (!c.destroy) return link->stop();
      delete link;
      destroyed = true;
    };
    QObject context;
    if (!c.fromInputBox) QTimer::singleShot(300, &context, end);
    QElapsedTimer clock;
    clock.start();
    const auto r = link->eval(c.statement, [&](const std::string&) {
      if (c.fromInputBox) end();
      return std::string("1");
    });
    EXPECT_EQ(r.status, Status::Dead);
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_EQ(::kill(pid, 0), -1);
    if (destroyed) continue;
    EXPECT_FALSE(link->busy());
    EXPECT_FALSE(link->alive());
    EXPECT_EQ(link->eval("1", kNoInput).status, Status::Dead);
    // The link itself is fine: it starts again.
    ASSERT_TRUE(link->start(UsrOctave()));
    EXPECT_EQ(link->eval("1+1", kNoInput).output, "ans = 2\r\n");
    delete link;
  }
  EXPECT_FALSE(QFile::exists("octave-workspace"));
}

// The program is quit (its last window closed) while a statement runs:
// every event loop ends, the wait's too, and the statement goes with them.
TEST(EndingDuringAStatement, QuittingTheProgramEndsTheStatement) {
  testing_support::EnsureGuiApplication();
  InterpreterLink link;
  ASSERT_TRUE(link.start(UsrOctave()));
  const auto pid = static_cast<pid_t>(link.processId());
  QTimer::singleShot(300, &link, [] { QCoreApplication::exit(0); });
  QElapsedTimer clock;
  clock.start();
  const auto r = link.eval("pause(20)", kNoInput);
  EXPECT_EQ(r.status, Status::Dead);
  EXPECT_LT(clock.elapsed(), 3000);
  EXPECT_EQ(::kill(pid, 0), -1);
  // Once quitting, no wait can be had at all: a start fails at once.
  clock.restart();
  EXPECT_FALSE(link.start(UsrOctave()));
  EXPECT_LT(clock.elapsed(), 3000);
  // The application's loop, run and ended once, takes back the quit for
  // the tests that follow.
  QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
  QCoreApplication::exec();
  ASSERT_TRUE(link.start(UsrOctave()));
  EXPECT_EQ(link.eval("1+1", kNoInput).output, "ans = 2\r\n");
}

class FakeLink : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::EnsureGuiApplication();
    link.setTimeoutMs(300);
    link.setStartTimeoutMs(3000);
  }
  InterpreterLink link;
};

TEST_F(FakeLink, AnInterpreterThatExitsAtStartIsNotStarted) {
  EXPECT_FALSE(link.start(Fake("exit-at-start")));
  EXPECT_FALSE(link.alive());
  EXPECT_FALSE(link.start({"/nonexistent/bin/matlab", {}, Dialect::Matlab, {}}));
}

// Whether any process of group is still alive (one that has died and only
// waits to be reaped is not).
bool GroupAlive(pid_t group) {
  for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
    QFile stat("/proc/" + entry + "/stat");
    if (!stat.open(QIODevice::ReadOnly)) continue;
    const QByteArray line = stat.readAll();
    // pid (name) state ppid pgrp ...
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() > 2 && fields[2].toLong() == group && fields[0] != "Z" && fields[0] != "X")
      return true;
  }
  return false;
}

// A program that is started but does not answer as an interpreter is given
// up as soon as that is plain: when it ends, when its own set-up comes back
// as it was sent (an echo is no answer), else at the start's time-out; then
// nothing of it is left, not even what it started.
TEST_F(FakeLink, AProgramThatDoesNotAnswerAsAnInterpreterIsGivenUpAsSoonAsThatIsPlain) {
  link.setStartTimeoutMs(1500);
  const QString launcher = QUORVIN_TEST_DATA "/forking_launcher.sh";
  struct Case {
    const char* name;
    InterpreterProgram program;
    qint64 fromMs, toMs;  // how long the start may take
  };
  const Case cases[] = {
      {"exits at once", Fake("exit-at-start"), 0, 500},
      {"echoes (cat)", {"/bin/cat", {}, Dialect::Octave, {}}, 0, 1000},
      {"stays silent (sleep under a launcher)",
       {launcher, {"/bin/sleep", "1000"}, Dialect::Octave, {}},
       1500,
       2000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // The process group, as the wait sees it.
    pid_t group = 0;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
      if (link.processId() > 0) group = static_cast<pid_t>(link.processId());
    });
    look.start(20);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(link.startProgram(c.program), StartResult::NoAnswer);
    const qint64 took = clock.elapsed();
    EXPECT_GE(took, c.fromMs);
    EXPECT_LT(took, c.toMs);
    EXPECT_FALSE(link.alive());
    EXPECT_EQ(link.processId(), 0);
    // Killed by then; a moment more to die.
    QElapsedTimer dying;
    dying.start();
    while (group > 0 && GroupAlive(group) && dying.elapsed() < 1000) QThread::msleep(20);
    if (group > 0) {
      EXPECT_FALSE(GroupAlive(group));
    }
  }
  EXPECT_EQ(link.startProgram({"/nonexistent/bin/matlab", {}, Dialect::Matlab, {}}),
            StartResult::NotRun);
}

TEST_F(FakeLink, SilenceEndsInATimeOut) {
  ASSERT_TRUE(link.start(Fake("silent")));
  QElapsedTimer clock;
  clock.start();
  const auto r = link.eval("x=1;", kNoInput);
  EXPECT_EQ(r.status, Status::Timeout);
  EXPECT_GE(clock.elapsed(), 290);
  EXPECT_LT(clock.elapsed(), 2000);
  EXPECT_DOUBLE_EQ(link.timeoutSeconds(), 0.3);
}

// MATLAB may take a minute to come up: the start waits as a statement does,
// and can be stopped.
TEST_F(FakeLink, AStartIsAWaitThatCanBeStopped) {
  link.setStartTimeoutMs(20000);
  std::vector<bool> busy;
  QObject::connect(&link, &InterpreterLink::busyChanged, [&](bool b) { busy.push_back(b); });
  bool busyMeanwhile = false;
  EvalResult meanwhile;
  QTimer::singleShot(300, &link, [&] {
    busyMeanwhile = link.busy();
    meanwhile = link.eval("x", kNoInput);
    link.stop();
  });
  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(link.start(Fake("mute")));
  EXPECT_LT(clock.elapsed(), 3000);
  EXPECT_TRUE(busyMeanwhile);
  EXPECT_EQ(meanwhile.status, Status::Error);
  EXPECT_EQ(busy, (std::vector<bool>{true, false}));
  EXPECT_FALSE(link.alive());
}

// A person's Cancel gives up a start whose interpreter has not answered. One
// that has answered while a window ran its own event loop inside the wait
// (the answer not yet taken) is kept, and comes up once that window closes.
TEST_F(FakeLink, CancellingAStartKeepsAnInterpreterThatHasAnswered) {
  struct Case {
    const char* mode;
    QStringList more;
    StartResult result;
  };
  // Up in a fifth of a second, while the window is open; never up.
  for (const Case& c : {Case{"slow-setup", {"0.2"}, StartResult::Up},
                        Case{"mute", {}, StartResult::Stopped}}) {
    SCOPED_TRACE(c.mode);
    std::optional<bool> answered;
    QTimer::singleShot(30, &link, [&] {
      QEventLoop window;  // a modal window's own loop
      QTimer::singleShot(500, &window, &QEventLoop::quit);
      window.exec();
      answered = link.startAnswered();
      link.cancelStart();
    });
    EXPECT_EQ(link.startProgram(Fake(c.mode, c.more)), c.result);
    EXPECT_EQ(answered, c.result == StartResult::Up);
    EXPECT_EQ(link.alive(), c.result == StartResult::Up);
    EXPECT_FALSE(link.startAnswered()) << "no start under way";
  }
}

// An interpreter that stops reading fills the pipe: a long statement must
// still end at the time-out rather than wait for room forever.
TEST_F(FakeLink, AStatementTooLongForAStuckPipeEndsInATimeOut) {
  ASSERT_TRUE(link.start(Fake("deaf")));
  const std::string block(200000, 'x');  // several pipe buffers once framed
  QElapsedTimer clock;
  clock.start();
  const auto r = link.eval(block, kNoInput);
  EXPECT_EQ(r.status, Status::Timeout);
  EXPECT_LT(clock.elapsed(), 2000);
  EXPECT_EQ(link.eval("x", kNoInput).status, Status::Timeout);
  EXPECT_LT(clock.elapsed(), 4000);
}

// Only a start takes a command that comes back as it was sent for a peer
// that will never answer: once a peer has answered its set-up, a statement
// that it sends back before working on it has its whole time.
TEST_F(FakeLink, AStatementSentBackBeforeItsAnswerHasItsWholeTime) {
  ASSERT_TRUE(link.start(Fake("echoing")));
  link.setTimeoutMs(3000);
  const auto r = link.eval("a", kNoInput);
  EXPECT_EQ(r.status, Status::Ok);
  const std::string answer = "fake answer 1\r\n";
  ASSERT_GE(r.output.size(), answer.size());
  EXPECT_EQ(r.output.substr(r.output.size() - answer.size()), answer);
}

TEST_F(FakeLink, TheAnswerAfterATimeOutIsTheRightOne) {
  ASSERT_TRUE(link.start(Fake("slow-first")));
  EXPECT_EQ(link.eval("a", kNoInput).status, Status::Timeout);
  link.setTimeoutMs(3000);
  const auto r = link.eval("b", kNoInput);
  EXPECT_EQ(r.status, Status::Ok);
  EXPECT_EQ(r.output, "fake answer 3\r\n");  // 2 closed off the late answer
}

TEST_F(FakeLink, GarbageOnThePipeIsShownAndDoesNotDesynchronise) {
  ASSERT_TRUE(link.start(Fake("garbage")));
  const auto first = link.eval("a", kNoInput);
  EXPECT_EQ(first.status, Status::Ok);
  // Control bytes, markers of numbers not sent, cut-off markers and a marker
  // of the right number without this link's session word are all text.
  EXPECT_EQ(first.output.rfind("x\x01\xff @@quorvin", 0), 0u);
  EXPECT_NE(first.output.find("-end-6@@\r\n"), std::string::npos);
  EXPECT_NE(first.output.find("\r\n@@quorvin-end-1@@\r\n"), std::string::npos);
  const std::string tail = "-end-fake answer 1\r\n";
  ASSERT_GT(first.output.size(), tail.size());
  EXPECT_EQ(first.output.substr(first.output.size() - tail.size()), tail);
  const auto second = link.eval("b", kNoInput);
  EXPECT_EQ(second.status, Status::Ok);
  EXPECT_NE(second.output.find("fake answer 2"), std::string::npos);
}

}  // namespace
}  // namespace quorvin
