#include "platform/interpreter_process.h"

#include <signal.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QRandomGenerator>
#include <QTimer>
#include <algorithm>

namespace quorvin {

namespace {
// How long the empty exchange that follows an interrupt may take to be written.
constexpr int kShortWaitMs = 50;
// How long an ended process may take to quit, and then to die once killed.
constexpr int kEndMs = 1000;
// How long a start still waits once the set-up has come back as it was
// sent: a peer that sends back what it is sent (cat) is no interpreter and
// never answers. Only the start is cut short so: a peer that has answered
// its set-up is an interpreter, and its statements have their whole time.
constexpr int kAfterEchoMs = 500;

// What is left of totalMs, at least 1 ms so that a wait still looks once.
int Remaining(const QElapsedTimer& clock, int totalMs) {
  return static_cast<int>(std::max<qint64>(totalMs - clock.elapsed(), 1));
}
}  // namespace

InterpreterProcess::~InterpreterProcess() {
  if (process_.state() != QProcess::NotRunning) {
    process_.closeWriteChannel();  // end of input: the interpreter quits
    if (!process_.waitForFinished(kEndMs)) {
      process_.kill();
      process_.waitForFinished(kEndMs);
    }
  }
  lifeline_.cut();
}

StartResult InterpreterProcess::start(const InterpreterProgram& program, int timeoutMs) {
  if (!stubDir_.isValid()) return StartResult::NotRun;
  session_ = QString::number(QRandomGenerator::global()->generate64(), 36).toStdString();
  for (const auto& [name, contents] : StubFiles(program.dialect, session_)) {
    QFile file(stubDir_.filePath(QString::fromStdString(name)));
    if (!file.open(QIODevice::WriteOnly)) return StartResult::NotRun;
    file.write(contents.data(), static_cast<qint64>(contents.size()));
  }
  dialect_ = program.dialect;
  reader_ = AnswerReader(session_);
  exchange_ = 0;
  // Errors and output in one stream, in the order they were written.
  process_.setProcessChannelMode(QProcess::MergedChannels);
  if (!program.workingDirectory.isEmpty()) process_.setWorkingDirectory(program.workingDirectory);
  ProcessLifeline::prepare(process_);
  process_.start(program.path, program.arguments);
  if (!process_.waitForStarted(timeoutMs)) return StartResult::NotRun;
  lifeline_.watch(process_);
  QElapsedTimer clock;
  clock.start();
  const bool up =
      writeLine(SetupStatement(stubDir_.path().toStdString(), exchange_, dialect_, session_),
                timeoutMs) == Write::Done &&
      await(exchange_, Remaining(clock, timeoutMs), {}, {}, Echo::NoAnswer).status ==
          EvalResult::Status::Ok;
  if (up) return StartResult::Up;
  return abandoned_ ? StartResult::Stopped : StartResult::NoAnswer;
}

bool InterpreterProcess::running() {
  if (gone()) return false;
  // Lets the process notice a death that happened since the last exchange.
  return !process_.waitForFinished(0);
}

bool InterpreterProcess::answered() {
  if (gone()) return false;
  process_.waitForReadyRead(0);  // what came since the event loop last looked
  reader_.feed(process_.readAll().toStdString());
  return reader_.ended(exchange_);
}

void InterpreterProcess::abandon() {
  abandoned_ = true;
  if (process_.state() != QProcess::NotRunning) {
    process_.kill();
    process_.waitForFinished(kEndMs);  // reaped at once
  }
  lifeline_.cut();
  if (waiting_) waiting_->quit();
}

void InterpreterProcess::waitForNews(int ms) {
  QEventLoop loop;
  bool woken = false;
  const auto wake = [&] {
    woken = true;
    loop.quit();
  };
  QTimer limit;
  limit.setSingleShot(true);
  QObject::connect(&limit, &QTimer::timeout, &loop, wake);
  QObject::connect(&process_, &QProcess::readyRead, &loop, wake);
  QObject::connect(&process_, &QProcess::bytesWritten, &loop, wake);
  QObject::connect(&process_, &QProcess::finished, &loop, wake);
  limit.start(ms);
  waiting_ = &loop;
  loop.exec();
  waiting_ = nullptr;
  // Ended by none of these: the application is quitting, which ends every
  // event loop (and returns at once from any new one); the statement ends
  // with it.
  if (!woken) abandon();
}

InterpreterProcess::Write InterpreterProcess::writeLine(const std::string& line, int waitMs) {
  if (gone()) return Write::Dead;
  const std::string data = line + "\n";
  if (process_.write(data.data(), static_cast<qint64>(data.size())) !=
      static_cast<qint64>(data.size()))
    return Write::Dead;
  QElapsedTimer clock;
  clock.start();
  // Written at once when the pipe has room; else the event loop writes as
  // the process reads.
  while (process_.bytesToWrite() > 0 && !process_.waitForBytesWritten(0)) {
    if (gone()) return Write::Dead;
    if (clock.elapsed() >= waitMs) return Write::Stuck;
    waitForNews(Remaining(clock, waitMs));
  }
  return gone() ? Write::Dead : Write::Done;
}

EvalResult InterpreterProcess::exchange(const std::string& text, int timeoutMs,
                                        const InputAnswerer& answer,
                                        const ArrivingOutput& arriving) {
  std::string plain = text;  // CR LF from the compiler; the interpreter wants LF
  for (size_t p = plain.find("\r\n"); p != std::string::npos; p = plain.find("\r\n", p))
    plain.erase(p, 1);
  ++exchange_;
  QElapsedTimer clock;
  clock.start();
  EvalResult result;
  switch (writeLine(FramedStatement(plain, exchange_, dialect_, session_), timeoutMs)) {
    case Write::Dead:
      if (!abandoned_) process_.waitForFinished(kShortWaitMs);
      return {EvalResult::Status::Dead, CleanAnswer(reader_.takeRest())};
    case Write::Stuck:
      // Still busy with an earlier statement: this one has not even been
      // read. It stays queued and runs when the interpreter reads again; its
      // answer is then closed off like any late one.
      result = {EvalResult::Status::Timeout, {}};
      break;
    case Write::Done:
      result = await(exchange_, Remaining(clock, timeoutMs), answer, arriving, Echo::Output);
      break;
  }
  if (dialect_ == Dialect::Matlab) result.output = WithoutLeadingPrompts(result.output);
  if (result.status == EvalResult::Status::Timeout) {
    result.output += CleanAnswer(reader_.takeRest());
    // A statement that runs away (an endless loop) would keep every later
    // one waiting too: interrupt it, as Ctrl-C at the interpreter's prompt
    // does. Its end marker then never comes, so an empty exchange follows
    // whose marker closes off whatever the statement still prints.
    if (const qint64 pid = process_.processId(); pid > 0) ::kill(static_cast<pid_t>(pid), SIGINT);
    ++exchange_;
    writeLine(FramedStatement("", exchange_, dialect_, session_), kShortWaitMs);
  }
  return result;
}

EvalResult InterpreterProcess::await(int n, int timeoutMs, const InputAnswerer& answer,
                                     const ArrivingOutput& arriving, Echo echo) {
  std::string output;
  size_t shown = 0;
  // Output goes to the answer and, up to the head that a cut keeps, to the
  // person at once; the rest shows when the statement has ended.
  const auto add = [&](const std::string& text) {
    if (text.empty()) return;
    output += text;
    CutMiddle(output);
    if (!arriving || shown > kMaxPending / 2) return;
    shown += text.size();
    arriving(shown > kMaxPending / 2 ? text + kCutNote : text);
  };
  QElapsedTimer clock;
  clock.start();
  for (;;) {
    reader_.feed(process_.readAll().toStdString());
    const AnswerReader::Event event = reader_.next(n);
    if (event.kind == AnswerReader::Event::Kind::Done) {
      output += event.text;
      return {event.failed ? EvalResult::Status::Error : EvalResult::Status::Ok,
              CleanAnswer(output)};
    }
    if (event.kind == AnswerReader::Event::Kind::Input) {
      add(event.text + event.prompt + " ");  // shown while the person is asked
      std::string typed = answer ? answer(event.prompt) : std::string();
      for (char& c : typed)
        if (c == '\n' || c == '\r') c = ' ';  // one line, or the pipe desynchronises
      add(typed + "\n");
      // It asked, so it reads: a stuck or dead pipe is noticed below.
      if (writeLine(typed, timeoutMs) != Write::Done) continue;
      clock.restart();  // the person's time does not count
      continue;
    }
    add(reader_.takeArrived(n));
    if (gone()) {
      reader_.feed(process_.readAll().toStdString());
      return {EvalResult::Status::Dead, CleanAnswer(output + reader_.takeRest())};
    }
    if (echo == Echo::NoAnswer && reader_.echoed(n))
      timeoutMs = static_cast<int>(std::min<qint64>(timeoutMs, clock.elapsed() + kAfterEchoMs));
    const qint64 left = timeoutMs - clock.elapsed();
    if (left <= 0) return {EvalResult::Status::Timeout, CleanAnswer(output)};
    waitForNews(static_cast<int>(left));
  }
}

}  // namespace quorvin
