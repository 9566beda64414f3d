#pragma once
// The document window's Execute menu and its Start Matlab command, as
// functions of a document number and what they need besides the model, for
// the window's menu to call.

#include <functional>
#include <memory>
#include <string>

#include "compiler/compile_questions.h"
#include "model/model.h"

namespace quorvin {

class InterpreterLink;
class TextResultsWindow;

inline const std::string kMatlabDirectoryPrompt = "Please locate the Matlab directory";

// What a box-by-box run needs beyond the document: the one interpreter, the
// results window, and the directory picker (frmDirectory unless a test
// scripts it).
struct LinkServices {
  InterpreterLink& link;
  TextResultsWindow& results;
  std::function<std::string(const std::string& prompt)> pickDirectory;
};

// The one interpreter and results window of a program run, for the frame to
// own: destroying it closes the window and ends the interpreter it started.
class LinkSession {
 public:
  LinkSession();
  ~LinkSession();
  LinkSession(const LinkSession&) = delete;
  LinkSession& operator=(const LinkSession&) = delete;

  LinkServices& services() { return *services_; }

 private:
  std::unique_ptr<InterpreterLink> link_;
  std::unique_ptr<TextResultsWindow> results_;
  std::unique_ptr<LinkServices> services_;
};

// host holds the document window's questions: what the compile asks goes
// there, its progress to the model's views.

// "Write to &ClipBoard": the script of document doc on the clipboard.
void mnuExeDDE_Click(Model& model, int doc, CompileQuestions& host);
// "&Write to file": the script as an .m file, optionally a function.
void mnuExeFile_Click(Model& model, int doc, CompileQuestions& host);
// "&Execute to Matlab": runs document doc box by box in the interpreter.
void mnuEXEMatlab_Click(Model& model, int doc, CompileQuestions& host, LinkServices& services);
// "Start Matlab": asks for the installation directory and starts its interpreter.
void mnuFileStartMatlab_Click(Model& model, Dialogs& dialogs, LinkServices& services);

}  // namespace quorvin
