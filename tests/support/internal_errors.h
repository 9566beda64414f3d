#pragma once
// What a test double does when the compiler reports a fault of the program
// (an arm that threw): by default it prints the report and aborts, so that
// a fuzz target or a command-line tool stops right there; the GoogleTest
// programs install a handler that fails the running test instead
// (gtest/internal_error_failure.cpp).

#include <string>

#include "compiler/compile_questions.h"

namespace quorvin::testing_support {

using InternalErrorHandler = void (*)(const std::string& report);

// nullptr puts the default (print and abort) back.
void SetInternalErrorHandler(InternalErrorHandler handler);
void ReportInternalError(const std::string& report);

// Compile questions whose internal error is never a message to a person:
// the base of every scripted or quiet double.
class StrictCompileQuestions : public CompileQuestions {
 public:
  void internalError(int box, const std::string& kind, const std::string& what) override {
    ReportInternalError(InternalErrorText(box, kind, what));
  }
};

}  // namespace quorvin::testing_support
