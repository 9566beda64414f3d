#pragma once
// What a compile asks of a person: the message and input boxes and file
// dialogs of every window, and the matrix-entry dialog. The document window
// implements it with Qt; tests supply a scripted one. Progress (pointer and
// gauge) goes to the model's DocumentViews instead, and running each box in
// the interpreter to an ExecutionHook.

#include <string>

#include "model/host.h"

namespace quorvin {

// What the matrix-entry dialog answers when it is closed without OK: what OK
// on an untouched grid builds ("[" and the blanks of its empty cells), so the
// statement stays valid script.
inline const std::string kUnansweredMatrix = "[        ";

class CompileQuestions : public Dialogs {
 public:
  // The matrix-entry dialog, shown modally: the literal its OK built, or
  // kUnansweredMatrix when it was closed without OK.
  virtual std::string matrixEntry() = 0;

  // The arm of box `box` (of kind `kind`) failed with `what`: a fault of the
  // program, not of the flowchart. The compile ends after this call as an
  // abort does. Tells the user so, naming the box; test doubles fail the test
  // (or the fuzz run) here instead, so that no such fault passes unseen.
  virtual void internalError(int box, const std::string& kind, const std::string& what);
};

// "Box 7 (Cos) could not be compiled: what"
std::string InternalErrorText(int box, const std::string& kind, const std::string& what);

}  // namespace quorvin
