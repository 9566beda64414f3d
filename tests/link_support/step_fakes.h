#pragma once
// Test doubles around the execution step: a compile host that answers from a
// queue and records what it was told, and a results sink into a string.

#include <deque>
#include <string>
#include <vector>

#include "compiler/compile_host.h"
#include "compiler/execution_step.h"

namespace quorvin::testing_support {

class ScriptedStepHost : public CompileHost {
 public:
  std::deque<Answer> answers;         // an empty queue answers No
  std::vector<std::string> messages;  // "text|style|title"
  std::vector<std::string> prompts;
  std::string typed = "42";
  double gauge = -1;
  std::optional<Pointer> pointerSet;

  Answer messageBox(const std::string& text, int style, const std::string& title) override {
    messages.push_back(text + "|" + std::to_string(style) + "|" + title);
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
  std::string matrixEntry() override { return "mat"; }
  void setDocsPointer(Pointer p) override { pointerSet = p; }
  void setResourceGauge(double percent) override { gauge = percent; }
  int chkInput() const override { return 0; }
};

class StringSink : public ResultsSink {
 public:
  std::string text;
  void append(const std::string& t) override { text += t; }
};

}  // namespace quorvin::testing_support
