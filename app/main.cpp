#include <QApplication>

#include "app/app_directory.h"
#include "app/document_routing.h"
#include "app/frame_window.h"
#include "canvas/document_windows.h"
#include "model/model.h"
#include "platform/qsettings_store.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Quorvin");
  QApplication::setApplicationVersion(QUORVIN_VERSION);
  // The frame ends the program itself, once every document agreed to close.
  QApplication::setQuitOnLastWindowClosed(false);

  quorvin::FrameWindow frame;
  quorvin::DocumentWindows windows(frame);
  quorvin::QSettingsStore store;
  quorvin::Model model(frame.questions(), windows, store);
  windows.attach(model);
  quorvin::JoinFrameAndWindows(frame, windows, model);
  frame.MDIForm_Load(quorvin::SystemAppDirProbe(&frame));

  int status = QApplication::exec();
  // Ending the program during a run quits every loop first; then the
  // documents are asked, and a Cancel keeps the program going.
  while (frame.resumeAfterInterruptedRun()) status = QApplication::exec();
  return status;
}
