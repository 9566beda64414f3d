#include "platform/interpreter_link.h"

#include <signal.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>

namespace quorvin {

namespace {
// How long one wait for output lasts before the process state is looked at again.
constexpr int kPollMs = 50;

// What is left of totalMs, at least 1 ms so that a wait still looks once.
int Remaining(const QElapsedTimer& clock, int totalMs) {
  return static_cast<int>(std::max<qint64>(totalMs - clock.elapsed(), 1));
}

bool Executable(const QString& path) {
  const QFileInfo info(path);
  return info.isFile() && info.isExecutable();
}
}  // namespace

std::optional<InterpreterProgram> FindInterpreter(const QString& directory) {
  const QString bin = directory + "/bin/";
  if (Executable(bin + "matlab"))
    return InterpreterProgram{bin + "matlab", {"-nodesktop", "-nosplash"}, Dialect::Matlab, {}};
  if (Executable(bin + "octave"))
    return InterpreterProgram{
        bin + "octave", {"--no-gui", "--quiet", "--no-history"}, Dialect::Octave, {}};
  if (Executable(bin + "octave-cli"))
    return InterpreterProgram{bin + "octave-cli", {"--quiet", "--no-history"}, Dialect::Octave, {}};
  return std::nullopt;
}

InterpreterLink::InterpreterLink(QObject* parent) : QObject(parent) {
  if (auto* app = QCoreApplication::instance())
    connect(app, &QCoreApplication::aboutToQuit, this, [this] { stop(); });
}

InterpreterLink::~InterpreterLink() { stop(); }

bool InterpreterLink::start(const InterpreterProgram& program) {
  if (busy_) return false;  // asked from an input box of a running statement
  stop();
  stubDir_ = std::make_unique<QTemporaryDir>();
  if (!stubDir_->isValid()) return false;
  session_ = QString::number(QRandomGenerator::global()->generate64(), 36).toStdString();
  for (const auto& [name, contents] : StubFiles(program.dialect, session_)) {
    QFile file(stubDir_->filePath(QString::fromStdString(name)));
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(contents.data(), static_cast<qint64>(contents.size()));
  }
  dialect_ = program.dialect;
  reader_ = AnswerReader(session_);
  exchange_ = 0;
  process_ = std::make_unique<QProcess>();
  // Errors and output in one stream, in the order they were written.
  process_->setProcessChannelMode(QProcess::MergedChannels);
  if (!program.workingDirectory.isEmpty()) process_->setWorkingDirectory(program.workingDirectory);
  process_->start(program.path, program.arguments);
  if (!process_->waitForStarted(startTimeoutMs_)) {
    stop();
    return false;
  }
  QElapsedTimer clock;
  clock.start();
  if (writeLine(SetupStatement(stubDir_->path().toStdString(), exchange_, dialect_, session_),
                startTimeoutMs_) != Write::Done ||
      await(exchange_, Remaining(clock, startTimeoutMs_), {}).status != EvalResult::Status::Ok) {
    stop();
    return false;
  }
  return true;
}

void InterpreterLink::stop() {
  if (busy_) {
    // An exchange is waiting on this process further up the stack: end the
    // process only; the exchange then finds it dead.
    if (process_) process_->kill();
    return;
  }
  if (process_) {
    if (process_->state() != QProcess::NotRunning) {
      process_->closeWriteChannel();  // end of input: the interpreter quits
      if (!process_->waitForFinished(1000)) {
        process_->kill();
        process_->waitForFinished(1000);
      }
    }
    process_.reset();
  }
  stubDir_.reset();
}

bool InterpreterLink::alive() {
  if (!process_ || process_->state() != QProcess::Running) return false;
  // Lets the process notice a death that happened since the last exchange.
  return !process_->waitForFinished(0);
}

qint64 InterpreterLink::processId() const { return process_ ? process_->processId() : 0; }

InterpreterLink::Write InterpreterLink::writeLine(const std::string& line, int waitMs) {
  const std::string data = line + "\n";
  if (process_->write(data.data(), static_cast<qint64>(data.size())) !=
      static_cast<qint64>(data.size()))
    return Write::Dead;
  QElapsedTimer clock;
  clock.start();
  while (process_->bytesToWrite() > 0) {
    if (process_->waitForBytesWritten(kPollMs)) continue;
    if (process_->state() != QProcess::Running) return Write::Dead;
    if (clock.elapsed() >= waitMs) return Write::Stuck;
  }
  return Write::Done;
}

EvalResult InterpreterLink::eval(const std::string& text, const InputAnswerer& answer) {
  // An input box of a waiting statement runs an event loop: a second
  // statement sent from there would be typed in as the first one's answer.
  if (busy_)
    return {EvalResult::Status::Error, "the interpreter is busy with another statement\r\n"};
  if (!alive()) return {EvalResult::Status::Dead, {}};
  busy_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }  // also when an answer callback throws
  } reset{busy_};
  return exchange(text, answer);
}

EvalResult InterpreterLink::exchange(const std::string& text, const InputAnswerer& answer) {
  std::string plain = text;  // CR LF from the compiler; the interpreter wants LF
  for (size_t p = plain.find("\r\n"); p != std::string::npos; p = plain.find("\r\n", p))
    plain.erase(p, 1);
  ++exchange_;
  QElapsedTimer clock;
  clock.start();
  EvalResult result;
  switch (writeLine(FramedStatement(plain, exchange_, dialect_, session_), timeoutMs_)) {
    case Write::Dead:
      process_->waitForFinished(kPollMs);
      return {EvalResult::Status::Dead, CleanAnswer(reader_.takeRest())};
    case Write::Stuck:
      // Still busy with an earlier statement: this one has not even been
      // read. It stays queued and runs when the interpreter reads again; its
      // answer is then closed off like any late one.
      result = {EvalResult::Status::Timeout, {}};
      break;
    case Write::Done:
      result = await(exchange_, Remaining(clock, timeoutMs_), answer);
      break;
  }
  if (dialect_ == Dialect::Matlab) result.output = WithoutLeadingPrompts(result.output);
  if (result.status == EvalResult::Status::Timeout) {
    result.output += CleanAnswer(reader_.takeRest());
    // A statement that runs away (an endless loop) would keep every later
    // one waiting too: interrupt it, as Ctrl-C at the interpreter's prompt
    // does. Its end marker then never comes, so an empty exchange follows
    // whose marker closes off whatever the statement still prints.
    ::kill(static_cast<pid_t>(process_->processId()), SIGINT);
    ++exchange_;
    writeLine(FramedStatement("", exchange_, dialect_, session_), kPollMs);
  }
  return result;
}

EvalResult InterpreterLink::await(int n, int timeoutMs, const InputAnswerer& answer) {
  std::string output;
  QElapsedTimer clock;
  clock.start();
  for (;;) {
    reader_.feed(process_->readAll().toStdString());
    const AnswerReader::Event event = reader_.next(n);
    if (event.kind == AnswerReader::Event::Kind::Done) {
      output += event.text;
      return {event.failed ? EvalResult::Status::Error : EvalResult::Status::Ok,
              CleanAnswer(output)};
    }
    if (event.kind == AnswerReader::Event::Kind::Input) {
      std::string typed = answer ? answer(event.prompt) : std::string();
      for (char& c : typed)
        if (c == '\n' || c == '\r') c = ' ';  // one line, or the pipe desynchronises
      output += event.text + event.prompt + " " + typed + "\n";
      // It asked, so it reads: a stuck or dead pipe is noticed below.
      if (writeLine(typed, timeoutMs) != Write::Done) continue;
      clock.restart();  // the person's time does not count
      continue;
    }
    if (process_->state() != QProcess::Running) {
      reader_.feed(process_->readAll().toStdString());
      return {EvalResult::Status::Dead, CleanAnswer(output + reader_.takeRest())};
    }
    const qint64 left = timeoutMs - clock.elapsed();
    if (left <= 0) return {EvalResult::Status::Timeout, CleanAnswer(output)};
    if (!process_->waitForReadyRead(static_cast<int>(std::min<qint64>(left, kPollMs))))
      process_->waitForFinished(0);
  }
}

}  // namespace quorvin
