#pragma once
// A parameter dialog as the insert commands ask it: shown modally, then its
// widgets read as a FormAnswer. Closed without OK, the caller takes the
// answer the dialog had when it opened.

#include <QDialog>

#include "commands/command_context.h"

namespace quorvin {

class FormDialog : public QDialog {
 public:
  using QDialog::QDialog;
  // The widgets the caller reads, by name (see FormAnswer).
  virtual FormAnswer answer() const = 0;
};

// What a shown dialog gives its caller: its widgets after OK, otherwise
// (closed through the window, Escape) the answer it opened with.
inline FormAnswer AnswerAfterShow(const FormDialog& dialog, const FormAnswer& opened) {
  return dialog.result() == QDialog::Accepted ? dialog.answer() : opened;
}

}  // namespace quorvin
