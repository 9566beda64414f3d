#pragma once
// Whether a box-by-box run is under way. The run waits on the interpreter
// with the event loop turning, so the windows stay usable meanwhile; but a
// second compile would run inside that loop, its questions and progress
// mixed with the run's, and an edit would change the flowchart under it.
// So while running() the Execute commands and the document windows'
// commands refuse, saying why, and the canvas takes no edit.

#include <QObject>

namespace quorvin {

class RunState : public QObject {
  Q_OBJECT

 public:
  bool running() const { return running_; }

  // Marks a run under way for its own lifetime (the state must not be
  // running already).
  class Scope {
   public:
    explicit Scope(RunState& state) : state_(state) { state_.setRunning(true); }
    ~Scope() { state_.setRunning(false); }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    RunState& state_;
  };

 signals:
  void runningChanged(bool running);

 private:
  void setRunning(bool running);

  bool running_ = false;
};

}  // namespace quorvin
