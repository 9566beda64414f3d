#include "app/start_waiting_box.h"

#include <QApplication>
#include <QProgressDialog>

#include "model/host.h"
#include "platform/interpreter_link.h"
#include "platform/qt_questions.h"

namespace quorvin {

namespace {
// How long a start goes on before the box shows.
constexpr int kShowAfterMs = 1000;
}  // namespace

StartWaitingBox::StartWaitingBox(InterpreterLink& link, const QString& program)
    : box_(std::make_unique<QProgressDialog>(DisplayText(kStartWaitingText) + program, "Cancel", 0,
                                             0, QApplication::activeWindow())) {
  box_->setWindowTitle(DisplayText(kAppTitle));
  box_->setWindowModality(Qt::ApplicationModal);
  box_->setAutoClose(false);
  box_->setAutoReset(false);
  box_->setMinimumDuration(kShowAfterMs);
  // Cancel, Escape and the close box all end the wait.
  QObject::connect(box_.get(), &QProgressDialog::canceled, &link, [&link] { link.stop(); });
  box_->setValue(0);  // counts kShowAfterMs from now
}

StartWaitingBox::~StartWaitingBox() = default;

}  // namespace quorvin
