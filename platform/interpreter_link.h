#pragma once
// The live interpreter the box-by-box run talks to: one MATLAB or GNU Octave
// process, driven over its standard input and output.

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <optional>

#include "compiler/interpreter.h"
#include "platform/link_framing.h"

namespace quorvin {

struct InterpreterProgram {
  QString path;
  QStringList arguments;
  Dialect dialect = Dialect::Octave;
  QString workingDirectory;  // empty: the program's current directory
};

// The interpreter of an installation directory: bin/matlab (without its
// desktop), else bin/octave (without its GUI, so plot windows still open),
// else bin/octave-cli. Nothing when none of them is there.
std::optional<InterpreterProgram> FindInterpreter(const QString& directory);

class InterpreterLink : public QObject, public Interpreter {
 public:
  explicit InterpreterLink(QObject* parent = nullptr);
  // Ends the interpreter it started: closing the program leaves none behind.
  ~InterpreterLink() override;

  // Ends any interpreter already running, starts program and waits until it
  // has taken the set-up. False when it cannot be started or does not come up.
  bool start(const InterpreterProgram& program);
  void stop();

  bool alive() override;
  EvalResult eval(const std::string& text, const InputAnswerer& answer) override;
  double timeoutSeconds() const override { return timeoutMs_ / 1000.0; }

  void setTimeoutMs(int ms) { timeoutMs_ = ms > 0 ? ms : 1; }
  void setStartTimeoutMs(int ms) { startTimeoutMs_ = ms > 0 ? ms : 1; }
  qint64 processId() const;

 private:
  EvalResult exchange(const std::string& text, const InputAnswerer& answer);
  // Waits for the end of exchange n; asks answer for any keyboard input.
  EvalResult await(int n, int timeoutMs, const InputAnswerer& answer);
  enum class Write { Done, Dead, Stuck };
  // Hands line to the process. Stuck: it took no more within waitMs (it is
  // busy and the pipe is full); the rest stays queued in order, to follow
  // once it reads again.
  Write writeLine(const std::string& line, int waitMs);

  std::unique_ptr<QProcess> process_;
  std::unique_ptr<QTemporaryDir> stubDir_;
  Dialect dialect_ = Dialect::Octave;
  std::string session_;  // the word in this interpreter's markers
  AnswerReader reader_;
  int exchange_ = 0;
  bool busy_ = false;  // an exchange is under way
  int timeoutMs_ = 30000;
  int startTimeoutMs_ = 60000;
};

}  // namespace quorvin
