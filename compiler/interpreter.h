#pragma once
// What the execution step needs of a live MATLAB or Octave: run one statement
// text and hand back everything it printed. The platform layer implements it
// over a pipe; tests implement it with scripts.

#include <functional>
#include <string>

namespace quorvin {

struct EvalResult {
  enum class Status {
    Ok,       // the text ran to its end
    Error,    // the interpreter refused it or it failed; output holds its error text
    Timeout,  // no answer within the time-out; the interpreter may still be busy
    Dead,     // no interpreter process is alive (never started, exited, killed)
  };
  Status status = Status::Ok;
  // Everything the statement printed, errors included, lines ending CR LF.
  std::string output;
};

// Asked when a statement waits for keyboard input (input, pause): gets the
// prompt, returns the line to type.
using InputAnswerer = std::function<std::string(const std::string& prompt)>;

class Interpreter {
 public:
  virtual ~Interpreter() = default;
  // True while the process can take a statement.
  virtual bool alive() = 0;
  virtual EvalResult eval(const std::string& text, const InputAnswerer& answer) = 0;
  // How long eval waits for an answer before it reports Timeout.
  virtual double timeoutSeconds() const = 0;
};

}  // namespace quorvin
