#include "app/start_waiting_box.h"

#include <QApplication>
#include <QProgressDialog>
#include <QWindow>

#include "model/host.h"
#include "platform/interpreter_link.h"
#include "platform/qt_questions.h"

namespace quorvin {

namespace {
// How long a start goes on before the box shows.
constexpr int kShowAfterMs = 1000;
// How often the box looks whether to show or to go.
constexpr int kLookEveryMs = 100;
}  // namespace

StartWaitingBox::StartWaitingBox(InterpreterLink& link, const QString& program)
    : box_(std::make_unique<QProgressDialog>(DisplayText(kStartWaitingText) + program, "Cancel", 0,
                                             0)) {
  box_->setWindowTitle(DisplayText(kAppTitle));
  box_->setWindowModality(Qt::ApplicationModal);
  box_->setAutoClose(false);
  box_->setAutoReset(false);
  box_->reset();  // it would show itself after a while: look() shows it instead
  // Over the window active now, as its dialog would be, but not its child:
  // that window may go during the wait, and would take the box with it.
  if (QWidget* active = QApplication::activeWindow()) {
    box_->winId();  // makes the box's window, to be kept over the active one
    box_->windowHandle()->setTransientParent(active->windowHandle());
  }
  // Cancel, Escape and the close box all end the wait.
  QObject::connect(box_.get(), &QProgressDialog::canceled, &link, [&link] { link.cancelStart(); });
  // The link may go during the wait (the program ends): the look goes with it.
  QObject::connect(&watch_, &QTimer::timeout, &link, [this, &link] { look(link); });
  clock_.start();
  watch_.start(kLookEveryMs);
}

StartWaitingBox::~StartWaitingBox() = default;

void StartWaitingBox::look(InterpreterLink& link) {
  // Answered, the start ends as soon as its wait gets back to it: there is
  // nothing left to wait for or to give up.
  if (link.startAnswered()) {
    box_->hide();
    watch_.stop();
  } else if (clock_.elapsed() >= kShowAfterMs && box_->isHidden() && !box_->wasCanceled()) {
    box_->show();
  }
}

}  // namespace quorvin
