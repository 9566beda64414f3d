#include "app/program.h"

#include <QIcon>

#include "app/app_directory.h"
#include "app/document_routing.h"
#include "canvas/document_windows.h"
#include "model/model.h"
#include "platform/icon_sheet.h"
#include "platform/qsettings_store.h"
#include "platform/termination_request.h"

namespace quorvin {

int RunProgram(QApplication& /*the loop's owner*/, const StartOptions& options) {
  // The frame ends the program itself, once every document agreed to close.
  QApplication::setQuitOnLastWindowClosed(false);
  // Every window of the program, the frame's and the dialogs' title bars too.
  QApplication::setWindowIcon(QIcon(ProgramIcon()));

  // The model asks a person through the questions and reports to the
  // windows; the frame, made over the model, makes itself the window the
  // questions open over, and the windows open in it.
  QtQuestions questions(nullptr);
  DocumentWindows windows;
  QSettingsStore store;
  Model model(questions, windows, store);
  FrameWindow frame(model, questions, DocumentsOf(windows), options.splashPauseMs);
  JoinFrameAndWindows(frame, windows, model);
  if (options.frameMade) options.frameMade(frame);
  // SIGTERM (kill, or a desktop session that ends) ends the program as Exit
  // does: a run under way ends with its interpreter at once, then every
  // changed document is asked about, so nothing is lost unasked; a session
  // that will not wait for the answer kills the program, and the interpreter
  // goes with it all the same.
  TerminationRequest termination;
  QObject::connect(&termination, &TerminationRequest::requested, &frame,
                   [&frame] { frame.exitProgram(); });
  frame.MDIForm_Load(SystemAppDirProbe(&frame));

  int status = QApplication::exec();
  // Ending the program during a run quits every loop first; then the
  // documents are asked, and a Cancel keeps the program going.
  while (frame.resumeAfterInterruptedRun()) status = QApplication::exec();
  return status;
}

}  // namespace quorvin
