#pragma once
// One running MATLAB or GNU Octave and the exchanges with it over its
// standard input and output. Every wait runs a local event loop, so the
// program's windows go on repainting and taking events while the
// interpreter works; a wait ends on output, on the process's end, on room in
// the pipe, at its time limit, or when it is abandoned.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <string>

#include "compiler/interpreter.h"
#include "platform/link_framing.h"
#include "platform/process_lifeline.h"

class QEventLoop;

namespace quorvin {

struct InterpreterProgram {
  QString path;
  QStringList arguments;
  Dialect dialect = Dialect::Octave;
  QString workingDirectory;  // empty: the program's current directory
};

// How a start ended.
enum class StartResult {
  Up,        // the interpreter has taken the set-up
  NotRun,    // the program could not be run
  NoAnswer,  // it ran but did not answer as an interpreter: it ended, sent
             // back what it was sent (cat), or stayed silent until the time-out
  Stopped,   // given up from outside during the start: stopped, or the program quits
  Refused,   // a wait was already under way (InterpreterLink only)
};

// Gets the output of a running statement as it arrives.
using ArrivingOutput = std::function<void(const std::string& text)>;

class InterpreterProcess {
 public:
  InterpreterProcess() = default;
  // Ends the interpreter: closes its input, so that it quits, and kills it
  // when it does not.
  ~InterpreterProcess();
  InterpreterProcess(const InterpreterProcess&) = delete;
  InterpreterProcess& operator=(const InterpreterProcess&) = delete;

  // Starts program and waits until it has taken the set-up: up to timeoutMs,
  // less when it ends or only sends back what it is sent. The interpreter,
  // and all it starts, ends with the program however the program ends:
  // start it from the GUI thread (see ProcessLifeline).
  StartResult start(const InterpreterProgram& program, int timeoutMs);
  // True while the process can take a statement.
  bool running();
  // Runs text and waits up to timeoutMs for its end. arriving (may be
  // empty) gets the output as it comes, answer the input requests.
  EvalResult exchange(const std::string& text, int timeoutMs, const InputAnswerer& answer,
                      const ArrivingOutput& arriving);
  // Whether the exchange under way (the start's set-up, or a statement) has
  // its answer in, though its wait may not have taken it yet (a window that
  // runs its own event loop meanwhile holds the wait up). Reads what the
  // pipe holds now.
  bool answered();
  // Kills the process now and ends the wait under way: its exchange reports
  // Dead. Nothing of the process is left, not even a zombie.
  void abandon();
  qint64 processId() const { return process_.processId(); }

 private:
  enum class Write { Done, Dead, Stuck };
  // What a command that comes back as it was sent says: during the start,
  // that the peer is no interpreter; afterwards, only that it was printed.
  enum class Echo { NoAnswer, Output };
  // Hands line to the process. Stuck: it took no more within waitMs (it is
  // busy and the pipe is full); the rest stays queued in order, to follow
  // once it reads again.
  Write writeLine(const std::string& line, int waitMs);
  // Waits for the end of exchange n; asks answer for any keyboard input.
  EvalResult await(int n, int timeoutMs, const InputAnswerer& answer,
                   const ArrivingOutput& arriving, Echo echo);
  // Runs the event loop until the process has news or ms have passed.
  void waitForNews(int ms);
  bool gone() const { return abandoned_ || process_.state() != QProcess::Running; }

  QProcess process_;
  ProcessLifeline lifeline_;  // what the interpreter started ends with it
  QTemporaryDir stubDir_;
  Dialect dialect_ = Dialect::Octave;
  std::string session_;  // the word in this interpreter's markers
  AnswerReader reader_;
  int exchange_ = 0;
  QEventLoop* waiting_ = nullptr;  // the wait under way
  bool abandoned_ = false;
};

}  // namespace quorvin
