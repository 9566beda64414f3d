#include "app/run_state.h"

namespace quorvin {

void RunState::setRunning(bool running) {
  if (running_ == running) return;
  running_ = running;
  emit runningChanged(running);
}

}  // namespace quorvin
