#pragma once
// Test doubles around a box-by-box run: compile questions answered from a
// queue that record what they were told, and a results sink into a string.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "compiler/execution_step.h"
#include "tests/support/internal_errors.h"

namespace quorvin::testing_support {

class QueuedQuestions : public StrictCompileQuestions {
 public:
  std::deque<Answer> answers;         // an empty queue answers No
  std::vector<std::string> messages;  // "text|style|title"
  std::vector<std::string> prompts;
  std::string typed = "42";

  Answer messageBox(const std::string& text, MessageStyle style,
                    const std::string& title) override {
    messages.push_back(text + "|" + std::to_string(style.code()) + "|" + title);
    if (answers.empty()) return Answer::No;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  std::string inputBox(const std::string& prompt, const std::string&, const std::string&) override {
    prompts.push_back(prompt);
    return typed;
  }
  std::optional<std::string> openFile(const std::string&) override { return std::nullopt; }
  std::optional<std::string> saveFileAs(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::string matrixEntry() override { return kUnansweredMatrix; }
};

class StringSink : public ResultsSink {
 public:
  std::string text;
  void append(const std::string& t) override { text += t; }
};

}  // namespace quorvin::testing_support
