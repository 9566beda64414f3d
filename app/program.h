#pragma once
// The whole run of the program, from the frame's making to its end: main()
// and the start-up benchmark share it, so the benchmark times what a person
// starts.

#include <QApplication>
#include <functional>

#include "app/frame_window.h"

namespace quorvin {

struct StartOptions {
  // How long the splash window stays; the benchmark sets 0.
  int splashPauseMs = kSplashPauseMs;
  // Told once the frame, the document windows and the model exist, before the
  // start-up begins: a benchmark hooks into the frame here.
  std::function<void(FrameWindow& frame)> frameMade;
};

// Makes the frame, the document windows and the model, runs the start-up and
// the event loop until the program ends; returns the exit status. The
// application exists already and carries its name and version.
int RunProgram(QApplication& app, const StartOptions& options);

}  // namespace quorvin
