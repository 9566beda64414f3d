#include "compiler/execution_step.h"

#include <cmath>
#include <sstream>
#include <utility>

#include "model/line_end.h"

namespace quorvin {

namespace {
const std::string kFigurePrefix = "system_dependent(12,'off');";
const std::string kDiedText = "the interpreter has ended";

bool IsLineEndAt(const std::string& s, size_t i) {
  return i + 1 < s.size() && s[i] == '\r' && s[i + 1] == '\n';
}

// A note of the link's own starts on a line of its own, even after output
// cut off in mid-line.
std::string WithNote(std::string shown, const std::string& note) {
  if (!shown.empty() && shown.back() != '\n') shown += kCrLf;
  return shown + note + kCrLf;
}
}  // namespace

std::string FirstPlotText(const std::string& text) {
  // Whether the plot opens its own figure is read from the text as it came,
  // before any line end is joined.
  const bool opensFigure = text.compare(0, 6, "figure") == 0;
  std::string s = text;
  // The bound is fixed before the scan: a line end in the last two places
  // stays (it ends the joined line).
  const size_t scanEnd = s.size() >= 2 ? s.size() - 2 : 0;  // 0-based, exclusive
  for (size_t k = 0; k < scanEnd && k < s.size(); ++k) {
    if (!IsLineEndAt(s, k)) continue;
    // A line end with nothing before it separates nothing: dropped.
    if (k == 0 || s[k - 1] == ';')
      s.erase(k, 2);
    else
      s.replace(k, 2, ";");
  }
  return kFigurePrefix + (opensFigure ? "" : "figure;") + s + kCrLf;
}

std::string CollapseSemicolons(std::string text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (!(c == ';' && !out.empty() && out.back() == ';')) out += c;
  return out;
}

std::string NoAnswerText(double seconds) {
  std::ostringstream os;
  os << "no answer within " << std::round(seconds * 10) / 10 << " s";
  return os.str();
}

std::string FailedStatementsLine(int failures) {
  return std::to_string(failures) + (failures == 1 ? " statement" : " statements") +
         " failed in Matlab: see \"Matlab Text Results\".";
}

ExecutionStep::ExecutionStep(const BoxTable& table, Dialogs& dialogs, Interpreter& interpreter,
                             ResultsSink& results, std::function<void()> startInterpreter)
    : table_(table),
      dialogs_(dialogs),
      interpreter_(interpreter),
      results_(results),
      startInterpreter_(std::move(startInterpreter)) {}

void ExecutionStep::compileStarted() {
  firstPlotDone_ = false;
  heldBlock_.clear();
  failures_ = 0;
}

bool ExecutionStep::executeStep(int box, int nestLevel, std::string& script) {
  std::string text = std::move(script);
  script.clear();
  const BoxRecord* record = table_.box(box);
  if (record && record->Kind == "Plot Output" && !firstPlotDone_) {
    text = FirstPlotText(text);
    firstPlotDone_ = true;
  }
  text = CollapseSemicolons(std::move(text));
  if (nestLevel > 0) {
    heldBlock_ += text;
    return true;
  }
  text = std::exchange(heldBlock_, {}) + text;
  return exchange(text);
}

bool ExecutionStep::compileFinished(std::vector<std::string>& problems) {
  // A block that never closed goes now, before the verdict.
  if (!heldBlock_.empty() && !exchange(std::exchange(heldBlock_, {})))
    return false;  // abandoned; the user has been told
  if (failures_ > 0) problems.push_back(FailedStatementsLine(failures_));
  return true;
}

bool ExecutionStep::exchange(const std::string& text) {
  const InputAnswerer answer = [this](const std::string& prompt) {
    return dialogs_.inputBox(prompt.empty() ? kInputBoxPrompt : prompt, kAppTitle, "");
  };
  for (;;) {
    if (!interpreter_.alive()) {
      if (dialogs_.messageBox(kNotRespondingQuestion, style::kCritical + style::kYesNo,
                              kAppTitle) != Answer::Yes) {
        abandon();
        return false;
      }
      if (startInterpreter_) startInterpreter_();
      continue;
    }
    EvalResult result = interpreter_.eval(text, answer);
    std::string shown = text + result.output;
    switch (result.status) {
      case EvalResult::Status::Ok:
        results_.append(shown);
        return true;
      case EvalResult::Status::Error:
        ++failures_;
        results_.append(shown);
        return true;
      case EvalResult::Status::Timeout:
        ++failures_;
        results_.append(WithNote(shown, NoAnswerText(interpreter_.timeoutSeconds())));
        return true;
      case EvalResult::Status::Dead:
        // Shown, then the question of a link that no longer answers; a Yes
        // sends the text again to the new interpreter.
        ++failures_;
        results_.append(WithNote(shown, kDiedText));
        break;
    }
  }
}

void ExecutionStep::abandon() {
  heldBlock_.clear();
  dialogs_.messageBox(kCouldNotCompileMessage, style::kInformation, kAppTitle);
}

}  // namespace quorvin
