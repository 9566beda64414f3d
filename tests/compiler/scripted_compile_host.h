#pragma once
// A compile host that answers from a script and records every question in
// the order asked, one line each (see Describe... below). Shared by the
// compiler tests, the qvn2m test program and the compile fuzzer.
//
// Answers are taken in order, one per question: the text typed into an
// input box or the matrix dialog, the button's word for a message box
// (Abort, Retry, Ignore, Yes, No, OK, Cancel), a path for a file dialog, an
// empty answer cancelling a file dialog. When none is left: an input box
// returns its default, the matrix dialog its initial text "mat", a message
// box its first button, a file dialog is cancelled.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "compiler/compile_host.h"

namespace quorvin::testing {

// Text on one line: backslash, quote, CR, LF and tab escaped C-style.
inline std::string OneLine(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '"': out += "\\\""; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default: out += c;
    }
  }
  return out + "\"";
}

// The first button of a message-box style: what Enter would press.
inline Answer FirstButton(int style) {
  switch (style & 7) {
    case style::kAbortRetryIgnore: return Answer::Abort;
    case style::kYesNoCancel:
    case style::kYesNo: return Answer::Yes;
    case 5: return Answer::Retry;
    default: return Answer::Ok;
  }
}

class ScriptedCompileHost : public CompileHost {
 public:
  Answer messageBox(const std::string& text, int style, const std::string& title) override {
    questions.push_back("message " + std::to_string(style) + " " + OneLine(title) + " " +
                        OneLine(text));
    const std::optional<std::string> word = Next();
    if (!word) return stuckAnswer && (style & 7) == style::kAbortRetryIgnore ? *stuckAnswer
                                                                            : FirstButton(style);
    return AnswerFromWord(*word).value_or(FirstButton(style));
  }
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultAnswer) override {
    questions.push_back("input " + OneLine(title) + " " + OneLine(prompt) + " default " +
                        OneLine(defaultAnswer));
    return Next().value_or(defaultAnswer);
  }
  std::string matrixEntry() override {
    questions.push_back("matrix");
    return Next().value_or("mat");
  }
  std::optional<std::string> openFile(const std::string& filter) override {
    questions.push_back("open " + OneLine(filter));
    return Chosen();
  }
  // The dialog remembers the last name chosen in it and offers it again
  // when the caller presets none.
  std::optional<std::string> saveFileAs(const std::string& filter,
                                        const std::string& initialName) override {
    const std::string offered = initialName.empty() ? rememberedName : initialName;
    questions.push_back("save " + OneLine(filter) + " name " + OneLine(offered));
    std::optional<std::string> chosen = Chosen();
    if (chosen) rememberedName = *chosen;
    return chosen;
  }
  void setDocsPointer(Pointer pointer) override { pointers.push_back(pointer); }
  void setResourceGauge(double percent) override { gauge.push_back(percent); }
  int chkInput() const override { return chk; }

  std::deque<std::string> answers;
  std::vector<std::string> questions;
  std::vector<Pointer> pointers;
  std::vector<double> gauge;
  std::string rememberedName;
  int chk = 0;
  // When set, stuck-walk questions (Abort/Retry/Ignore) left without a
  // scripted answer get this one instead of the first button.
  std::optional<Answer> stuckAnswer;

 private:
  std::optional<std::string> Next() {
    if (answers.empty()) return std::nullopt;
    std::string a = std::move(answers.front());
    answers.pop_front();
    return a;
  }
  std::optional<std::string> Chosen() {
    std::optional<std::string> a = Next();
    if (a && a->empty()) return std::nullopt;
    return a;
  }
};

}  // namespace quorvin::testing
