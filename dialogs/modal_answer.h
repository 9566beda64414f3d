#pragma once
// How a parameter dialog answers the command that shows it: shown modally,
// then its answer() read. Closed without OK (through the window, Escape),
// the caller takes the answer the dialog had when it opened.

#include <QDialog>

namespace quorvin {

// What a shown dialog gives its caller: its answer after OK, otherwise the
// answer it opened with.
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
