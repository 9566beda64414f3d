#pragma once
// A Dialogs that asks no one: every message is acknowledged, every input box
// takes its default, and every file dialog is cancelled unless a path is set.
// For batch use (benchmarks, fuzzing, command-line tools).

#include "model/host.h"

namespace quorvin {

class QuietDialogs : public Dialogs {
 public:
  Answer messageBox(const std::string&, int, const std::string&) override { return Answer::Ok; }
  std::string inputBox(const std::string&, const std::string&, const std::string& d) override {
    return d;
  }
  std::optional<std::string> openFile(const std::string&) override { return fileAnswer; }
  std::optional<std::string> saveFileAs(const std::string&, const std::string&) override {
    return fileAnswer;
  }
  std::optional<std::string> fileAnswer;
};

}  // namespace quorvin
