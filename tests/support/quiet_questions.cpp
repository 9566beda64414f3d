#include "tests/support/quiet_questions.h"

namespace quorvin::testing_support {

Answer QuietCompileQuestions::messageBox(const std::string& text, int style, const std::string&) {
  lastMessage = text;
  return (style & 7) == style::kAbortRetryIgnore ? Answer::Ignore : Answer::Ok;
}

}  // namespace quorvin::testing_support
