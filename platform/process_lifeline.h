#pragma once
// Ties a child process, and whatever it starts in turn, to this program's
// life, however the program ends: an interpreter left running an endless
// loop after the program was killed would spin at full speed for ever.
//
// The child leads a process group of its own and gets SIGKILL from the
// kernel when the thread that started it ends (a parent-death signal, set in
// the child before it runs the program): start it from the GUI thread, which
// lasts as long as the program. That signal reaches the child alone, not a
// process it forked: a launcher script that runs the interpreter as its own
// child would leave the interpreter behind. So a watchdog joins the group, a
// shell waiting for the end of its input, which only this program writes to:
// when the program lets go of that pipe (cut(), or the kernel as the program
// dies), the watchdog kills the whole group, itself included. Being in the
// group, it also keeps the group's number from being reused meanwhile.

#include <QProcess>

namespace quorvin {

class ProcessLifeline {
 public:
  ProcessLifeline() = default;
  // Cuts the lifeline.
  ~ProcessLifeline();
  ProcessLifeline(const ProcessLifeline&) = delete;
  ProcessLifeline& operator=(const ProcessLifeline&) = delete;

  // Before child starts: it will lead its own process group and die with
  // the thread that starts it.
  static void prepare(QProcess& child);
  // Once child has started: the watchdog joins its group. Without one (the
  // child has already ended, no shell) the parent-death signal alone holds.
  void watch(const QProcess& child);
  // Kills what is left of the child's group, and the watchdog with it.
  void cut();

 private:
  QProcess watchdog_;
};

}  // namespace quorvin
