#pragma once
// For as long as it lives, the program takes no input from the person but in
// its topmost modal window and that window's popup: presses, moves, keys,
// shortcuts, the wheel, drops and a window manager's close of any other
// window are swallowed, under a busy pointer. A command that waits in an
// event loop of its own (the start of the interpreter) holds the input so:
// a command started from there would run inside the wait, and a window it
// opened would hold the wait up until that window closed.

#include <QObject>

namespace quorvin {

class InputHold : public QObject {
 public:
  InputHold();
  // A mouse button pressed during the hold and still down goes on being
  // held until it is let go: its release is swallowed as its press was.
  ~InputHold() override;
  InputHold(const InputHold&) = delete;
  InputHold& operator=(const InputHold&) = delete;

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override;

 private:
  Qt::MouseButtons swallowedDown_;  // pressed during the hold, not let go yet
};

}  // namespace quorvin
