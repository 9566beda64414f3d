#pragma once
// The document window's Execute menu and its Start Matlab command, as
// functions of a document number and what they need besides the model, for
// the window's menu to call.

#include <functional>
#include <memory>
#include <string>

#include "app/run_state.h"
#include "compiler/compile_questions.h"
#include "compiler/execution_step.h"
#include "model/model.h"

class QWidget;

namespace quorvin {

class InterpreterLink;
class TextResultsWindow;

inline const std::string kMatlabDirectoryPrompt = "Please locate the Matlab directory";
// Start Matlab on a program that was found and started but did not answer as
// an interpreter (it ended, sent back what it was sent, or stayed silent);
// the program's path follows.
inline const std::string kNotAnInterpreterMessage =
    "Sorry, the program that was started did not answer as an interpreter:\r\n";
// Start Matlab or Execute to Matlab while an interpreter is being started.
inline const std::string kStartUnderWayMessage =
    "Matlab is being started: wait until it has answered.";

// What a box-by-box run needs beyond the document: the one interpreter, the
// results window, whether a run is under way, the directory picker
// (frmDirectory unless a test scripts it) and where it opens.
struct LinkServices {
  InterpreterLink& link;
  TextResultsWindow& results;
  RunState& run;
  // Asks with prompt, opened on startDir (the current directory when empty).
  std::function<std::string(const std::string& prompt, const std::string& startDir)>
      pickDirectory;
  // Where an interpreter is installed, empty when none is found: Start
  // Matlab's picker opens there, so that OK at once starts it.
  std::function<std::string()> installedInterpreter;
};

// The one interpreter and results window of a program run, for the frame to
// own: destroying it closes the window and ends the interpreter it started.
// The window belongs to owner (the frame), so that a window manager keeps it
// in front of the frame, as it keeps the frame's dialogs.
class LinkSession {
 public:
  explicit LinkSession(QWidget* owner = nullptr);
  ~LinkSession();
  LinkSession(const LinkSession&) = delete;
  LinkSession& operator=(const LinkSession&) = delete;

  LinkServices& services() { return *services_; }

 private:
  std::unique_ptr<RunState> run_;
  std::unique_ptr<InterpreterLink> link_;
  std::unique_ptr<TextResultsWindow> results_;
  std::unique_ptr<LinkServices> services_;
};

// host holds the document window's questions: what the compile asks goes
// there, its progress to the model's views.

// A run under way is a compile waiting in an event loop for the
// interpreter; a compile started from there would run inside it, its
// questions and progress mixed with the run's. So none of these starts one
// while a run is under way (run.running()): they tell kRunUnderWayMessage
// instead.

// "Write to &ClipBoard": the script of document doc on the clipboard.
void mnuExeDDE_Click(Model& model, int doc, CompileQuestions& host, const RunState& run);
// "&Write to file": the script as an .m file, optionally a function.
void mnuExeFile_Click(Model& model, int doc, CompileQuestions& host, const RunState& run);
// "&Execute to Matlab": runs document doc box by box in the interpreter; the
// results window shows each statement and its output as they come. Refused
// during a run, and while an interpreter is being started
// (kStartUnderWayMessage).
void mnuEXEMatlab_Click(Model& model, int doc, CompileQuestions& host, LinkServices& services);
// "Start Matlab": asks for the installation directory and starts its
// interpreter; while the start lasts the windows take no input and a waiting
// box names the program (StartWaitingBox), whose Cancel gives up. A program
// that runs but does not answer as an interpreter is named in
// kNotAnInterpreterMessage. Refused during a run, whose own start (when the
// interpreter does not answer) goes on as usual, and during another start
// (kStartUnderWayMessage), as Execute to Matlab is.
void mnuFileStartMatlab_Click(Model& model, Dialogs& dialogs, LinkServices& services);

}  // namespace quorvin
