#pragma once
// Doubles that ask no one, for batch use (benchmarks, fuzzing, command-line
// tools): every message is acknowledged, every input box takes its default,
// and every file dialog is cancelled unless a path is set.

#include <optional>
#include <string>

#include "model/host.h"
#include "tests/support/internal_errors.h"

namespace quorvin::testing_support {

class QuietDialogs : public Dialogs {
 public:
  Answer messageBox(const std::string&, MessageStyle,
                    const std::string&) override { return Answer::Ok; }
  std::string inputBox(const std::string&, const std::string&, const std::string& d) override {
    return d;
  }
  std::optional<std::string> openFile(const std::string&) override { return fileAnswer; }
  std::optional<std::string> saveFileAs(const std::string&, const std::string&) override {
    return fileAnswer;
  }
  std::optional<std::string> fileAnswer;
};

// The same for a compile: the matrix dialog gives its initial text, a stuck
// walk is answered with Ignore so that it ends, and the last message is kept.
class QuietCompileQuestions : public StrictCompileQuestions {
 public:
  Answer messageBox(const std::string& text, MessageStyle style, const std::string&) override;
  std::string inputBox(const std::string&, const std::string&,
                       const std::string& defaultAnswer) override {
    return defaultAnswer;
  }
  std::optional<std::string> openFile(const std::string&) override { return std::nullopt; }
  std::optional<std::string> saveFileAs(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::string matrixEntry() override { return kUnansweredMatrix; }

  std::string lastMessage;
};

}  // namespace quorvin::testing_support
