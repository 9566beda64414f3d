#pragma once
// A parameter dialog as the insert commands ask it: shown modally, then its
// answer read. Closed without OK, the caller takes the answer the dialog had
// when it opened.

#include <QDialog>

#include "commands/command_context.h"

namespace quorvin {

// A value dialog, whose answer is its widgets by name.
class FormDialog : public QDialog {
 public:
  using QDialog::QDialog;
  // The widgets the caller reads, by name (see FormAnswer).
  virtual FormAnswer answer() const = 0;
};

// What a shown dialog gives its caller: its answer after OK, otherwise
// (closed through the window, Escape) the answer it opened with.
template <typename Dialog, typename Answer>
Answer AnswerAfterShow(const Dialog& dialog, const Answer& opened) {
  return dialog.result() == QDialog::Accepted ? dialog.answer() : opened;
}

// Shows dialog modally and returns AnswerAfterShow.
template <typename Dialog>
auto AskModally(Dialog& dialog) {
  const auto opened = dialog.answer();
  dialog.exec();
  return AnswerAfterShow(dialog, opened);
}

}  // namespace quorvin
