#include "app/execute_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <exception>

#include "app/directory_picker.h"
#include "app/start_waiting_box.h"
#include "app/text_results_window.h"
#include "compiler/compiler.h"
#include "compiler/execution_step.h"
#include "compiler/script_delivery.h"
#include "platform/interpreter_install.h"
#include "platform/interpreter_link.h"

namespace quorvin {

namespace {

// A menu command never lets a fault escape into the event loop.
template <typename Command>
void Guarded(Dialogs& dialogs, Command command) {
  try {
    command();
  } catch (const std::exception& e) {
    dialogs.messageBox(std::string("The command could not be completed: ") + e.what(),
                       style::kExclamation, kAppTitle);
  } catch (...) {
    dialogs.messageBox("The command could not be completed.", style::kExclamation, kAppTitle);
  }
}

// A compile asked for while a run is under way is refused, with a word why.
bool RefusedDuringRun(const RunState& run, Dialogs& dialogs) {
  if (!run.running()) return false;
  dialogs.messageBox(kRunUnderWayMessage, style::kInformation, kAppTitle);
  return true;
}

// The commands that talk to the interpreter wait, with a word why, while a
// run or a start keeps the link busy: a start holds the windows' input, but
// a window that opened inside its wait (not at the person's input) takes it.
bool RefusedWhileLinkBusy(const LinkServices& services, Dialogs& dialogs) {
  if (RefusedDuringRun(services.run, dialogs)) return true;
  if (!services.link.busy()) return false;
  dialogs.messageBox(kStartUnderWayMessage, style::kInformation, kAppTitle);
  return true;
}

// Starts program, with the windows held and the waiting box up for as long
// as that takes.
StartResult StartWaited(InterpreterLink& link, const InterpreterProgram& program) {
  const StartWaitingBox waiting(link, program.path);
  return link.startProgram(program);
}

// Start Matlab's steps, from its menu or from a run whose interpreter does
// not answer.
void StartMatlab(Model& model, Dialogs& dialogs, LinkServices& services) {
  Guarded(dialogs, [&] {
    const std::string startDir =
        services.installedInterpreter ? services.installedInterpreter() : std::string();
    const std::string dir = services.pickDirectory
                                ? services.pickDirectory(kMatlabDirectoryPrompt, startDir)
                                : std::string();
    if (dir.empty()) {
      dialogs.messageBox("Sorry, cannot continue without the Matlab path.", style::kCritical,
                         kAppTitle);
      return;
    }
    auto program = FindInterpreter(QString::fromStdString(dir));
    // The interpreter works in the program's directory (or the home one),
    // not in the installation directory.
    if (program)
      program->workingDirectory =
          model.appDir.empty() ? QDir::homePath() : QString::fromStdString(model.appDir);
    switch (program ? StartWaited(services.link, *program) : StartResult::NotRun) {
      case StartResult::Up:
      case StartResult::Stopped:  // the person cancelled, or the program ends
        break;
      case StartResult::NoAnswer:
        dialogs.messageBox(kNotAnInterpreterMessage + program->path.toStdString(), style::kCritical,
                           kAppTitle);
        break;
      case StartResult::NotRun:
        dialogs.messageBox("Sorry, Matlab excutable still not found.", style::kCritical, kAppTitle);
        break;
      case StartResult::Refused:  // the link waits: another start, as refused above
        dialogs.messageBox(kStartUnderWayMessage, style::kInformation, kAppTitle);
        break;
    }
    // A start leaves the program's own directory current, which is where
    // bare file names (a recent file's) are looked for.
    if (!model.appDir.empty()) QDir::setCurrent(QString::fromStdString(model.appDir));
  });
}

}  // namespace

LinkSession::LinkSession(QWidget* owner)
    : run_(std::make_unique<RunState>()),
      link_(std::make_unique<InterpreterLink>()),
      results_(std::make_unique<TextResultsWindow>(owner)),
      services_(std::make_unique<LinkServices>(
          LinkServices{*link_, *results_, *run_,
                       [](const std::string& prompt, const std::string& startDir) {
                         return AskForDirectory(prompt, nullptr, startDir);
                       },
                       [] { return InstalledInterpreterDirectory().toStdString(); }})) {}

// The window goes first, then the interpreter is ended.
LinkSession::~LinkSession() {
  services_.reset();
  results_.reset();
  link_.reset();
  run_.reset();
}

void mnuExeDDE_Click(Model& model, int doc, CompileQuestions& host, const RunState& run) {
  if (RefusedDuringRun(run, host)) return;
  Guarded(host, [&] {
    const std::string text = Compiler(model, host).CompileFlowchart(CompileMode::Text, doc);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    if (!text.empty())
      clipboard->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  });
}

void mnuExeFile_Click(Model& model, int doc, CompileQuestions& host, const RunState& run) {
  if (RefusedDuringRun(run, host)) return;
  Guarded(host, [&] {
    const std::optional<std::string> file = host.saveFileAs(kMFileFilter, "");
    if (!file) return;
    const std::string text = Compiler(model, host).CompileFlowchart(CompileMode::Text, doc);
    if (text.empty()) {
      host.messageBox("No file to make, check your algorithm.", style::kExclamation, kAppTitle);
      return;
    }
    std::optional<std::string> functionName;
    if (host.messageBox("Do you want to add a function header ?", style::kQuestion + style::kYesNo,
                        kAppTitle) == Answer::Yes)
      functionName = FunctionNameForFile(*file);
    std::string reason;
    if (!WriteTextFile(*file, MFileContents(text, functionName), &reason))
      host.messageBox("The script could not be written:\r\n" + *file + "\r\n" + reason + ".",
                      style::kExclamation, kAppTitle);
  });
}

void mnuEXEMatlab_Click(Model& model, int doc, CompileQuestions& host, LinkServices& services) {
  if (RefusedWhileLinkBusy(services, host)) return;
  Guarded(host, [&] {
    const RunState::Scope running(services.run);
    // The results window follows the link for as long as the run lasts.
    QObject following;
    TextResultsWindow& results = services.results;
    QObject::connect(&services.link, &InterpreterLink::statementStarted, &following,
                     [&results](const QString& text) { results.showStatement(text); });
    QObject::connect(&services.link, &InterpreterLink::outputArrived, &following,
                     [&results](const QString& text) { results.showArriving(text); });
    results.showInFront(QApplication::activeWindow());
    // Figures open before the run are not its own (an interpreter started
    // during the run has none of them).
    services.link.rememberFigures();
    ExecutionStep step(model.table, host, services.link, results,
                       [&] { StartMatlab(model, host, services); });
    Compiler(model, host, &step).CompileFlowchart(CompileMode::Execute, doc);
    // The run's last message brought the program's windows forward, over
    // the figures it drew, whichever box drew them: now they come in front,
    // where they stay until the person closes them.
    services.link.raiseFigures(step.plotted());
  });
}

void mnuFileStartMatlab_Click(Model& model, Dialogs& dialogs, LinkServices& services) {
  if (RefusedWhileLinkBusy(services, dialogs)) return;
  StartMatlab(model, dialogs, services);
}

}  // namespace quorvin
