#pragma once
// The execution step of a box-by-box run: after each compiled box the text
// written for it goes to the live interpreter, and both the text and the
// answer are added to the results window.

#include <functional>
#include <string>
#include <vector>

#include "compiler/execution_hook.h"
#include "compiler/interpreter.h"
#include "model/box_table.h"
#include "model/host.h"

namespace quorvin {

inline const std::string kNotRespondingQuestion =
    "Matlab is not responding. Maybe it isn't running. Shal I try and start it ?";
inline const std::string kCouldNotCompileMessage =
    "DDE Error. Could not compile. Try compiling to the clipboard.";
inline const std::string kInputBoxPrompt = "Matlab waits for input";
// Told when a command would start a compile or another interpreter, or
// change the documents, while a run is under way.
inline const std::string kRunUnderWayMessage =
    "A flowchart is running in Matlab: wait until it has ended.";

// Where the exchange is shown: the results window, or a test's string.
class ResultsSink {
 public:
  virtual ~ResultsSink() = default;
  virtual void append(const std::string& text) = 0;
};

// The first plot of a run: the lines joined into one (a line end after ";"
// dropped, any other turned into ";"), behind the prefix that switches the
// interpreter's figure handling and opens a figure, then CR LF.
std::string FirstPlotText(const std::string& text);

// Every run of semicolons made one.
std::string CollapseSemicolons(std::string text);

// "no answer within 30 s": shown for a statement that timed out.
std::string NoAnswerText(double seconds);

// The closing message's line for a run in which `failures` statements failed.
std::string FailedStatementsLine(int failures);

// The execution hook of a box-by-box run. The compile that it is handed to
// ends the run (gauge, pointer) when a step returns false.
class ExecutionStep : public ExecutionHook {
 public:
  // dialogs asks and tells the user; table names the kinds of the boxes
  // stepped; startInterpreter is the Start Matlab command.
  ExecutionStep(const BoxTable& table, Dialogs& dialogs, Interpreter& interpreter,
                ResultsSink& results, std::function<void()> startInterpreter);

  // A new compile: the first-plot flag and the failure count start at 0.
  void compileStarted() override;
  // The step for box after its code was written; empties script. While a
  // block is open (nestLevel above 0) the text is held back, because a loop
  // or branch opened alone is an error in any interpreter: the whole block
  // goes as one exchange when it closes. False when the user declined to
  // start the interpreter and the compile must be abandoned.
  bool executeStep(int box, int nestLevel, std::string& script) override;
  // At the end of a compile: sends a block that never closed, so that what
  // it holds is not silently lost, and adds the failed statements' line to
  // problems when any failed. False when the compile was abandoned.
  bool compileFinished(std::vector<std::string>& problems) override;

  // Statements that failed, timed out or met a dead interpreter in this compile.
  int failures() const { return failures_; }
  // Whether a Plot Output box of this compile was stepped: it drew a figure.
  bool plotted() const { return firstPlotDone_; }

 private:
  bool exchange(const std::string& text);
  void abandon();

  const BoxTable& table_;
  Dialogs& dialogs_;
  Interpreter& interpreter_;
  ResultsSink& results_;
  std::function<void()> startInterpreter_;
  bool firstPlotDone_ = false;
  std::string heldBlock_;
  int failures_ = 0;
};

}  // namespace quorvin
