#pragma once
// What a person sees while Start Matlab waits for the interpreter to come
// up, which MATLAB may take a minute to do: the windows take no input (a
// command started then would run inside the wait), and once the wait has
// lasted a moment (a local Octave is up in half a second) a box names the
// program waited for, with a Cancel that gives up the wait at once. The box
// shows over the window active when the wait began, only for as long as the
// interpreter has not answered, and is the one window that takes input.

#include <QElapsedTimer>
#include <QString>
#include <QTimer>
#include <memory>
#include <string>

#include "app/input_hold.h"

class QProgressDialog;

namespace quorvin {

class InterpreterLink;

inline const std::string kStartWaitingText = "Waiting for the interpreter to answer:\r\n";

class StartWaitingBox {
 public:
  // For the lifetime of the box: Cancel stops link's start, unless its
  // interpreter has answered already.
  StartWaitingBox(InterpreterLink& link, const QString& program);
  ~StartWaitingBox();
  StartWaitingBox(const StartWaitingBox&) = delete;
  StartWaitingBox& operator=(const StartWaitingBox&) = delete;

 private:
  // Shows the box once the wait has lasted, hides it once the interpreter
  // has answered.
  void look(InterpreterLink& link);

  InputHold hold_;
  std::unique_ptr<QProgressDialog> box_;
  QElapsedTimer clock_;
  QTimer watch_;
};

}  // namespace quorvin
