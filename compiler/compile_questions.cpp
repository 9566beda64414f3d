#include "compiler/compile_questions.h"

namespace quorvin {

std::string InternalErrorText(int box, const std::string& kind, const std::string& what) {
  return "Box " + std::to_string(box) + " (" + kind + ") could not be compiled: " + what;
}

void CompileQuestions::internalError(int box, const std::string& kind, const std::string& what) {
  messageBox(InternalErrorText(box, kind, what), style::kCritical, kAppTitle);
}

}  // namespace quorvin
