#include "dialogs/dialog_questions.h"

#include "platform/qt_questions.h"

namespace quorvin {

DialogQuestions::DialogQuestions(QWidget* dialog, Dialogs* given) : used_(given) {
  if (used_ == nullptr) {
    own_ = std::make_unique<QtQuestions>(dialog);
    used_ = own_.get();
  }
}

DialogQuestions::~DialogQuestions() = default;

}  // namespace quorvin
