#pragma once
// Compile questions answered from a script, every question recorded in the
// order asked, one line each (see OneLine below). Shared by the compiler
// tests, the qvn2m test program and the compile fuzzer.
//
// Answers are taken in order, one per question: the text typed into an
// input box or the matrix dialog, the button's word for a message box
// (Abort, Retry, Ignore, Yes, No, OK, Cancel), a path for a file dialog, an
// empty answer cancelling a file dialog. When none is left: an input box
// returns its default, the matrix dialog what a closed one answers, a message
// box its first button, a file dialog is cancelled.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/internal_errors.h"

namespace quorvin::testing_support {

// Text on one line: backslash, quote, CR, LF and tab escaped C-style.
std::string OneLine(const std::string& text);

// The first button of a message-box style: what Enter would press.
Answer FirstButton(MessageStyle style);

class ScriptedQuestions : public StrictCompileQuestions {
 public:
  Answer messageBox(const std::string& text, MessageStyle style, const std::string& title) override;
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultAnswer) override;
  std::string matrixEntry() override;
  std::optional<std::string> openFile(const std::string& filter) override;
  // The dialog remembers the last name chosen in it and offers it again
  // when the caller presets none.
  std::optional<std::string> saveFileAs(const std::string& filter,
                                        const std::string& initialName) override;

  std::deque<std::string> answers;
  std::vector<std::string> questions;
  std::string rememberedName;
  // When set, stuck-walk questions (Abort/Retry/Ignore) left without a
  // scripted answer get this one instead of the first button.
  std::optional<Answer> stuckAnswer;

 private:
  std::optional<std::string> Next();
  std::optional<std::string> Chosen();
};

}  // namespace quorvin::testing_support
