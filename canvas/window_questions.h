#pragma once
// The questions a document window asks for a compile: the Qt message, input
// and file dialogs of the window, and the matrix entry, which keeps its
// initial text until the window has a matrix dialog of its own.

#include <QWidget>
#include <string>

#include "compiler/compile_questions.h"
#include "platform/qt_questions.h"

namespace quorvin {

class WindowQuestions : public CompileQuestions {
 public:
  explicit WindowQuestions(QWidget* window) : qt_(window) {}

  Answer messageBox(const std::string& text, int style, const std::string& title) override {
    return qt_.messageBox(text, style, title);
  }
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultAnswer) override {
    return qt_.inputBox(prompt, title, defaultAnswer);
  }
  std::optional<std::string> openFile(const std::string& filter) override {
    return qt_.openFile(filter);
  }
  std::optional<std::string> saveFileAs(const std::string& filter,
                                        const std::string& initialName) override {
    return qt_.saveFileAs(filter, initialName);
  }
  // What the matrix dialog holds when it is closed without OK.
  std::string matrixEntry() override { return "mat"; }

 private:
  QtQuestions qt_;
};

}  // namespace quorvin
