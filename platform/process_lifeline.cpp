#include "platform/process_lifeline.h"

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <QStringList>

namespace quorvin {

namespace {
// How long the watchdog may take to come up, and to end once cut.
constexpr int kWatchdogMs = 2000;
// Waits for the end of its input, then kills the process group $1.
constexpr char kWatchdogScript[] = "read line; kill -9 -\"$1\"";
}  // namespace

ProcessLifeline::~ProcessLifeline() { cut(); }

void ProcessLifeline::prepare(QProcess& child) {
  const pid_t parent = ::getpid();
  // Runs in the child between fork and exec: system calls only.
  child.setChildProcessModifier([parent] {
    ::setpgid(0, 0);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // The program may have died before the signal was asked for.
    if (::getppid() != parent) ::_exit(127);
  });
}

void ProcessLifeline::watch(const QProcess& child) {
  cut();
  const auto group = static_cast<pid_t>(child.processId());
  if (group <= 0) return;
  watchdog_.setStandardOutputFile(QProcess::nullDevice());
  watchdog_.setStandardErrorFile(QProcess::nullDevice());
  // Left in this program's group, its kill would end the program's group
  // instead: then it runs nothing.
  watchdog_.setChildProcessModifier([group] {
    if (::setpgid(0, group) != 0) ::_exit(127);
  });
  watchdog_.start("/bin/sh", {"-c", kWatchdogScript, "sh", QString::number(group)});
  watchdog_.waitForStarted(kWatchdogMs);
}

void ProcessLifeline::cut() {
  if (watchdog_.state() == QProcess::NotRunning) return;
  watchdog_.closeWriteChannel();
  watchdog_.waitForFinished(kWatchdogMs);
}

}  // namespace quorvin
