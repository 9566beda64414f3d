// However the program ends, the interpreter it started ends with it: also
// when the program is killed during a statement that never ends, and also
// when the interpreter runs under a launcher that forks it instead of
// exec'ing it.

#include <gtest/gtest.h>
#include <signal.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <fstream>
#include <string>

#include "platform/interpreter_link.h"
#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

const QString kLauncher = QUORVIN_TEST_DATA "/forking_launcher.sh";

InterpreterProgram UsrOctave() {
  auto program = FindInterpreter("/usr");
  EXPECT_TRUE(program.has_value());
  return program.value_or(InterpreterProgram{});
}

// The same interpreter, run by the forking launcher.
InterpreterProgram Launched(InterpreterProgram program) {
  program.arguments.prepend(program.path);
  program.path = kLauncher;
  return program;
}

// No such process, or one that has died and only waits to be reaped.
bool Gone(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return true;
  const std::size_t name = line.rfind(')');
  return name == std::string::npos || name + 2 >= line.size() || line[name + 2] == 'Z' ||
         line[name + 2] == 'X';
}

bool GoneWithin(pid_t pid, int ms) {
  QElapsedTimer clock;
  clock.start();
  while (!Gone(pid)) {
    if (clock.elapsed() > ms) return false;
    QThread::msleep(20);
  }
  return true;
}

// Ends an interpreter a failed test left running: it was started here.
struct Reaper {
  pid_t pid = 0;
  ~Reaper() {
    if (pid > 0 && !Gone(pid)) ::kill(pid, SIGKILL);
  }
};

// The process id the interpreter reports of itself; 0 when none came.
pid_t InterpreterPid(QProcess& host) {
  QByteArray said;
  QElapsedTimer clock;
  clock.start();
  while (!said.contains('\n') && clock.elapsed() < 60000)
    if (host.waitForReadyRead(1000)) said += host.readAllStandardOutput();
  return static_cast<pid_t>(said.trimmed().toLongLong());
}

TEST(InterpreterLifetime, AKilledProgramTakesItsRunningInterpreterWithIt) {
  testing_support::EnsureGuiApplication();
  for (const auto& [name, program] : {std::pair{"started directly", UsrOctave()},
                                      std::pair{"started by a forking launcher",
                                                Launched(UsrOctave())}}) {
    SCOPED_TRACE(name);
    QProcess host;
    host.start(QUORVIN_LINK_HOST, QStringList{program.path} + program.arguments);
    ASSERT_TRUE(host.waitForStarted(5000));
    Reaper interpreter{InterpreterPid(host)};
    ASSERT_GT(interpreter.pid, 0) << host.readAllStandardError().toStdString();
    // The endless statement is under way: the interpreter is busy, not idle.
    QThread::msleep(300);
    ASSERT_FALSE(Gone(interpreter.pid));
    ::kill(static_cast<pid_t>(host.processId()), SIGKILL);
    ASSERT_TRUE(host.waitForFinished(5000));
    EXPECT_TRUE(GoneWithin(interpreter.pid, 5000));
  }
}

// Exit during a run stops the link in the middle of the statement: the
// launcher's child, which never reads its input again, ends too.
TEST(InterpreterLifetime, StoppingTheLinkMidStatementEndsAnInterpreterBehindALauncher) {
  testing_support::EnsureGuiApplication();
  InterpreterLink link;
  ASSERT_TRUE(link.start(Launched(UsrOctave())));
  const InputAnswerer none = [](const std::string&) { return std::string(); };
  const EvalResult answer = link.eval("disp(getpid())", none);
  Reaper interpreter{static_cast<pid_t>(QString::fromStdString(answer.output).trimmed().toLong())};
  ASSERT_GT(interpreter.pid, 0);
  ASSERT_NE(interpreter.pid, link.processId()) << "the launcher's child";
  QTimer::singleShot(300, &link, [&link] { link.stop(); });
  EXPECT_EQ(link.eval("while true, end", none).status, EvalResult::Status::Dead);
  EXPECT_TRUE(GoneWithin(interpreter.pid, 3000));
}

}  // namespace
}  // namespace quorvin
