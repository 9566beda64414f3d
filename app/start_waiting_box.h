#pragma once
// What a person sees while Start Matlab waits for the interpreter to come
// up, which MATLAB may take a minute to do: a box that names the program
// waited for, with a Cancel that gives up the wait at once. It shows only
// once the wait has lasted a moment (a local Octave is up in half a second),
// over the window active when the wait began, and holds the other windows
// until it goes.

#include <QString>
#include <memory>
#include <string>

class QProgressDialog;

namespace quorvin {

class InterpreterLink;

inline const std::string kStartWaitingText = "Waiting for the interpreter to answer:\r\n";

class StartWaitingBox {
 public:
  // For the lifetime of the box: Cancel stops link.
  StartWaitingBox(InterpreterLink& link, const QString& program);
  ~StartWaitingBox();
  StartWaitingBox(const StartWaitingBox&) = delete;
  StartWaitingBox& operator=(const StartWaitingBox&) = delete;

 private:
  std::unique_ptr<QProgressDialog> box_;
};

}  // namespace quorvin
