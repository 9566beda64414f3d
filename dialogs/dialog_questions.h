#pragma once
// The person a dialog asks its own questions (a refusal on OK, a failing
// browser): the caller's Dialogs when given, which is how tests script them,
// else Qt message boxes over the dialog itself.

#include <memory>

#include "model/host.h"

class QWidget;

namespace quorvin {

class DialogQuestions {
 public:
  DialogQuestions(QWidget* dialog, Dialogs* given);
  ~DialogQuestions();
  DialogQuestions(const DialogQuestions&) = delete;
  DialogQuestions& operator=(const DialogQuestions&) = delete;

  Dialogs& operator*() const { return *used_; }
  Dialogs* operator->() const { return used_; }

 private:
  std::unique_ptr<Dialogs> own_;
  Dialogs* used_;
};

}  // namespace quorvin
