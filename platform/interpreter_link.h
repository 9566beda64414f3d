#pragma once
// The live interpreter the box-by-box run talks to: one MATLAB or GNU Octave
// process, driven over its standard input and output.
//
// Why the waits look as they do: a statement may run for minutes, and the
// run happens on the one thread the windows live on. eval() stays a plain
// call that returns the answer (the compile walks box after box and needs
// each answer before the next box), but while it waits it turns a local
// event loop instead of blocking: the windows repaint, the output shows in
// the results window as it arrives (outputArrived), and a stop ends the
// wait at once. The price is re-entrancy, since any event may now call back
// into the link during a wait: eval() and start() refuse while busy(), and
// stop() or destroying the link during a wait kills the process and lets
// the wait end with Dead. busyChanged tells when a wait begins and ends; a
// whole run, waits and compiling between them, is the application's to mark.

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

#include "compiler/interpreter.h"
#include "platform/interpreter_process.h"

namespace quorvin {

// The interpreters an installation's bin/ may hold, in order of preference,
// and how each is started: matlab without its desktop, else octave without
// its GUI (so plot windows still open), else octave-cli.
struct InterpreterCommand {
  QString name;  // the executable in bin/
  QStringList arguments;
  Dialect dialect = Dialect::Octave;
};
const std::vector<InterpreterCommand>& InterpreterCommands();

// Whether path names a file that may be run.
bool IsExecutableFile(const QString& path);

// The first of InterpreterCommands in the bin/ of an installation
// directory; nothing when none of them is there.
std::optional<InterpreterProgram> FindInterpreter(const QString& directory);

class InterpreterLink : public QObject, public Interpreter {
  Q_OBJECT

 public:
  explicit InterpreterLink(QObject* parent = nullptr);
  // Ends the interpreter it started: closing the program leaves none behind.
  ~InterpreterLink() override;

  // Ends any interpreter already running, starts program and waits until it
  // has taken the set-up (see InterpreterProcess::start), and says how that
  // went; Refused while the link is busy, Stopped when it is stopped or
  // destroyed during the start. What does not come up is ended at once.
  StartResult startProgram(const InterpreterProgram& program);
  // The same, true when it is up.
  bool start(const InterpreterProgram& program) { return startProgram(program) == StartResult::Up; }
  // Ends the interpreter. During a wait it is killed, and the wait ends.
  void stop();
  // Whether a start is under way whose interpreter has answered already:
  // the start ends Up as soon as its wait gets back to the answer (a window
  // that runs its own event loop meanwhile holds it up until it closes).
  bool startAnswered();
  // A person's Cancel of the start under way: stops the link, unless its
  // interpreter has answered already (startAnswered), which is then kept.
  void cancelStart();
  // True while the link waits on the interpreter: a statement runs or asks
  // for input, or a start is under way. Meanwhile eval and start refuse.
  bool busy() const { return busy_; }

  bool alive() override;
  EvalResult eval(const std::string& text, const InputAnswerer& answer) override;
  // A run's figures come in front of every other window, as figure(h)
  // brings each: rememberFigures before the run notes the figures open then,
  // raiseFigures after it raises those opened since, oldest first and the
  // current one last, and the current one also when currentToo (a figure
  // drawn into may be an old one). Both run as statements of the link's
  // own: no statementStarted, no output. Nothing while busy.
  void rememberFigures();
  void raiseFigures(bool currentToo);
  double timeoutSeconds() const override { return timeoutMs_ / 1000.0; }

  void setTimeoutMs(int ms) { timeoutMs_ = ms > 0 ? ms : 1; }
  void setStartTimeoutMs(int ms) { startTimeoutMs_ = ms > 0 ? ms : 1; }
  qint64 processId() const;

 signals:
  void busyChanged(bool busy);
  // A statement has gone to the interpreter: the text as eval got it.
  void statementStarted(const QString& text);
  // Output of the running statement as it arrives, LF line ends. The answer
  // eval returns holds it all again.
  void outputArrived(const QString& text);

 private:
  class BusyScope;
  void setBusy(bool busy);
  // eval, told to the results window or not.
  EvalResult exchange(const std::string& text, const InputAnswerer& answer, bool told);

  // Shared with the wait under way, which keeps the process for as long as
  // it needs it, even when the link is stopped or destroyed meanwhile.
  std::shared_ptr<InterpreterProcess> process_;
  bool busy_ = false;
  bool starting_ = false;  // the wait under way is a start's
  int timeoutMs_ = 30000;
  int startTimeoutMs_ = 60000;
};

}  // namespace quorvin
