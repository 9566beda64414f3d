#include "tests/support/scripted_questions.h"

namespace quorvin::testing_support {

std::string OneLine(const std::string& text) {
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

Answer FirstButton(MessageStyle style) {
  switch (style.buttons) {
    case MessageButtons::AbortRetryIgnore: return Answer::Abort;
    case MessageButtons::YesNoCancel:
    case MessageButtons::YesNo: return Answer::Yes;
    case MessageButtons::RetryCancel: return Answer::Retry;
    case MessageButtons::Ok:
    case MessageButtons::OkCancel: break;
  }
  return Answer::Ok;
}

Answer ScriptedQuestions::messageBox(const std::string& text, MessageStyle style,
                                     const std::string& title) {
  questions.push_back("message " + std::to_string(style.code()) + " " + OneLine(title) + " " +
                      OneLine(text));
  const std::optional<std::string> word = Next();
  if (!word)
    return stuckAnswer && style.buttons == MessageButtons::AbortRetryIgnore ? *stuckAnswer
                                                                           : FirstButton(style);
  return AnswerFromWord(*word).value_or(FirstButton(style));
}

std::string ScriptedQuestions::inputBox(const std::string& prompt, const std::string& title,
                                        const std::string& defaultAnswer) {
  questions.push_back("input " + OneLine(title) + " " + OneLine(prompt) + " default " +
                      OneLine(defaultAnswer));
  return Next().value_or(defaultAnswer);
}

std::string ScriptedQuestions::matrixEntry() {
  questions.push_back("matrix");
  return Next().value_or(kUnansweredMatrix);
}

std::optional<std::string> ScriptedQuestions::openFile(const std::string& filter) {
  questions.push_back("open " + OneLine(filter));
  return Chosen();
}

std::optional<std::string> ScriptedQuestions::saveFileAs(const std::string& filter,
                                                         const std::string& initialName) {
  const std::string offered = initialName.empty() ? rememberedName : initialName;
  questions.push_back("save " + OneLine(filter) + " name " + OneLine(offered));
  std::optional<std::string> chosen = Chosen();
  if (chosen) rememberedName = *chosen;
  return chosen;
}

std::optional<std::string> ScriptedQuestions::Next() {
  if (answers.empty()) return std::nullopt;
  std::string a = std::move(answers.front());
  answers.pop_front();
  return a;
}

std::optional<std::string> ScriptedQuestions::Chosen() {
  std::optional<std::string> a = Next();
  if (a && a->empty()) return std::nullopt;
  return a;
}

}  // namespace quorvin::testing_support
