#include "tests/support/quiet_questions.h"

namespace quorvin::testing_support {

Answer QuietCompileQuestions::messageBox(const std::string& text, MessageStyle style,
                                         const std::string&) {
  lastMessage = text;
  return style.buttons == MessageButtons::AbortRetryIgnore ? Answer::Ignore : Answer::Ok;
}

}  // namespace quorvin::testing_support
