#include "platform/interpreter_link.h"

#include <QFileInfo>
#include <QPointer>
#include <utility>

namespace quorvin {

namespace {
QString Utf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

const std::vector<InterpreterCommand>& InterpreterCommands() {
  static const std::vector<InterpreterCommand> commands = {
      {"matlab", {"-nodesktop", "-nosplash"}, Dialect::Matlab},
      {"octave", {"--no-gui", "--quiet", "--no-history"}, Dialect::Octave},
      {"octave-cli", {"--quiet", "--no-history"}, Dialect::Octave},
  };
  return commands;
}

bool IsExecutableFile(const QString& path) {
  const QFileInfo info(path);
  return info.isFile() && info.isExecutable();
}

std::optional<InterpreterProgram> FindInterpreter(const QString& directory) {
  const QString bin = directory + "/bin/";
  for (const InterpreterCommand& command : InterpreterCommands())
    if (IsExecutableFile(bin + command.name))
      return InterpreterProgram{bin + command.name, command.arguments, command.dialect, {}};
  return std::nullopt;
}

// The link is busy for the length of one wait, a start's or a statement's.
// An event handled during the wait may destroy the link: then its end
// touches nothing.
class InterpreterLink::BusyScope {
 public:
  explicit BusyScope(InterpreterLink* link, bool starting = false) : link_(link) {
    link->starting_ = starting;
    link->setBusy(true);
  }
  ~BusyScope() {
    if (!link_) return;
    link_->starting_ = false;
    link_->setBusy(false);
  }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  QPointer<InterpreterLink> link_;
};

InterpreterLink::InterpreterLink(QObject* parent) : QObject(parent) {}

InterpreterLink::~InterpreterLink() { stop(); }

void InterpreterLink::setBusy(bool busy) {
  if (busy_ == busy) return;
  busy_ = busy;
  emit busyChanged(busy);
}

StartResult InterpreterLink::startProgram(const InterpreterProgram& program) {
  // Asked during a wait: from an input box of a running statement, or while
  // another start is under way.
  if (busy_) return StartResult::Refused;
  stop();
  const auto process = std::make_shared<InterpreterProcess>();
  process_ = process;
  const QPointer<InterpreterLink> self(this);
  StartResult result = StartResult::NotRun;
  {
    const BusyScope busy(this, true);
    result = process->start(program, startTimeoutMs_);
  }
  if (!self) return StartResult::Stopped;                // destroyed during the start
  if (process_ != process) return StartResult::Stopped;  // stopped during the start
  if (result != StartResult::Up) {
    // What did not come up has nothing to finish: it goes at once, and all
    // it started with it, rather than being given time to quit.
    process->abandon();
    process_.reset();
  }
  return result;
}

void InterpreterLink::stop() {
  const std::shared_ptr<InterpreterProcess> process = std::exchange(process_, nullptr);
  // A wait on it further up the stack keeps it: end it now, and the wait
  // with it. Otherwise it ends, quitting on its own, as the last holder
  // lets go here.
  if (process && busy_) process->abandon();
}

bool InterpreterLink::startAnswered() { return starting_ && process_ && process_->answered(); }

void InterpreterLink::cancelStart() {
  if (starting_ && !startAnswered()) stop();
}

bool InterpreterLink::alive() { return process_ && process_->running(); }

qint64 InterpreterLink::processId() const { return process_ ? process_->processId() : 0; }

EvalResult InterpreterLink::eval(const std::string& text, const InputAnswerer& answer) {
  return exchange(text, answer, true);
}

void InterpreterLink::rememberFigures() {
  exchange(kFiguresFunction + "('remember', false)", {}, false);
}

void InterpreterLink::raiseFigures(bool currentToo) {
  exchange(kFiguresFunction + "('raise', " + (currentToo ? "true" : "false") + ")", {}, false);
}

EvalResult InterpreterLink::exchange(const std::string& text, const InputAnswerer& answer,
                                     bool told) {
  // A wait runs the event loop: a second statement sent from there (say,
  // from an input box) would be typed in as the first one's answer.
  if (busy_)
    return {EvalResult::Status::Error, "the interpreter is busy with another statement\r\n"};
  if (!alive()) return {EvalResult::Status::Dead, {}};
  // From here on the link may be stopped or destroyed by any event of the
  // wait: the statement holds its process itself, and looks at the link
  // only through a guarded pointer.
  const std::shared_ptr<InterpreterProcess> process = process_;
  const QPointer<InterpreterLink> self(this);
  const int timeoutMs = timeoutMs_;
  const BusyScope busy(this);
  if (!told) return process->exchange(text, timeoutMs, answer, {});
  emit statementStarted(Utf8(text));
  return process->exchange(text, timeoutMs, answer, [self](const std::string& arrived) {
    if (self) emit self->outputArrived(Utf8(arrived));
  });
}

}  // namespace quorvin
