#pragma once
// How statements travel to a MATLAB or Octave that reads its commands from a
// pipe, and how its answers are told apart. Every statement is passed as
// character codes to eval, so no quoting or line break in it can reach the
// command line; each exchange ends with a numbered marker, so output that
// arrives late (after a time-out) is never taken for the next answer.

#include <string>
#include <utility>
#include <vector>

namespace quorvin {

enum class Dialect { Matlab, Octave };

// session: a word of letters and digits that every marker of one interpreter
// carries; "" in tests.

// The one-line command that runs text and then prints end marker n.
std::string FramedStatement(const std::string& text, int n, Dialect dialect,
                            const std::string& session = "");
// The first command: quiet, no paging, no crash dumps, the stand-in functions
// of stubDir on the path; it ends with end marker n.
std::string SetupStatement(const std::string& stubDir, int n, Dialect dialect,
                           const std::string& session = "");
// Function files put in stubDir: name and contents. The interpreter reads
// its commands from the same pipe a waiting statement would read, so these
// stand in for the built-ins: input(...) and pause without a time print an
// input request, which the link answers from an input box by writing the
// typed line to the pipe; keyboard (a debugger prompt) ends with an error
// that says why. For Octave, a no-op system_dependent stands in for MATLAB's,
// and kbhit and yes_or_no ask through the program as input does. Beside
// them stands the link's own kFiguresFunction.
std::vector<std::pair<std::string, std::string>> StubFiles(Dialect dialect,
                                                           const std::string& session = "");

// The function, among StubFiles, that brings a run's figures in front:
// kFiguresFunction('remember', false) before the run notes the figures open
// then; kFiguresFunction('raise', current) after it raises the figures opened
// since, the current one last, and the current one also when current is true.
inline const std::string kFiguresFunction = "quorvin_figures";

// Octave prints this on every exit, even a clean one.
inline const std::string kSpuriousExitLine =
    "error: ignoring const execution_exception& while preparing to exit";

inline constexpr size_t kMaxPending = 1 << 20;
inline const std::string kCutNote = "\n[... output cut ...]\n";

// A statement that prints without end cannot fill the memory: past
// kMaxPending bytes the middle of text gives way to kCutNote, on line ends
// where lines are short. The head and the tail stay whole (a marker may be
// arriving in the tail).
void CutMiddle(std::string& text);

// Reads the merged output of the interpreter as it arrives.
class AnswerReader {
 public:
  struct Event {
    enum class Kind { Pending, Input, Done } kind = Kind::Pending;
    std::string text;     // output before the marker (Input, Done)
    std::string prompt;   // Input: what the statement asks
    bool failed = false;  // Done: the statement raised an error
  };

  explicit AnswerReader(const std::string& session = "");

  // What is pending is kept within kMaxPending (CutMiddle).
  void feed(const std::string& bytes);
  // The next event of exchange `expected`; consumes what it reports. Output
  // of earlier exchanges, up to their end markers, is dropped.
  Event next(int expected);
  // Output of exchange `expected` that is surely its own and can be shown
  // while the exchange still runs; consumed, so next() reports only the
  // rest. It stops short of anything that may be (the start of) a marker, of
  // a last line end (the line end printed before a marker is not output)
  // and of an unfinished UTF-8 character. Nothing while an earlier exchange
  // may still be answering. Call it after next() has reported Pending.
  std::string takeArrived(int expected);
  // Whether what arrived holds the command of exchange `expected` as it was
  // sent: its end marker spelt as the command spells it, not as printed. A
  // peer that sends back what it is sent (cat) is no interpreter; an
  // interpreter's output cannot hold it, not knowing the session word.
  bool echoed(int expected) const;
  // Whether exchange `expected` has ended: its end marker has been read, or
  // has arrived and waits for next() to report it.
  bool ended(int expected) const;
  // What arrived but belongs to no finished exchange; consumed.
  std::string takeRest();

 private:
  std::string endTag_, failTag_, inputTag_;
  std::string markPrefix_;  // what every marker of the session begins with
  std::string buffer_;
  int answered_ = -1;  // the last exchange whose end marker was read
};

// LF line ends made CR LF, the spurious exit line taken out.
std::string CleanAnswer(const std::string& raw);

// MATLAB reading from a pipe still prints its prompt (">> ", "EDU>> ")
// before it reads each line: those at the start of an answer are not part of it.
std::string WithoutLeadingPrompts(std::string answer);

}  // namespace quorvin
