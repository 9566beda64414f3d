#pragma once
// One QApplication for a test or benchmark program, made by whichever test
// needs it first; it lives until the process ends. Without a display it uses
// the offscreen platform.

#include <QApplication>

namespace quorvin::testing_support {

inline void EnsureGuiApplication() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "quorvin_tests";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  new QApplication(argc, argv);
}

}  // namespace quorvin::testing_support
