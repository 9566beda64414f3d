#pragma once
// The questions a document window asks for a compile: the Qt message, input
// and file dialogs of the window, and the matrix-entry grid.

#include <QDialog>
#include <QWidget>
#include <functional>
#include <string>

#include "compiler/compile_questions.h"
#include "dialogs/matrix_dialog.h"
#include "platform/qt_questions.h"

namespace quorvin {

class WindowQuestions : public CompileQuestions {
 public:
  // How a dialog of the compile is shown: modally, unless a test drives it
  // in its own way.
  using ShowDialog = std::function<void(QDialog& dialog)>;

  // The file dialogs open where place says (see QtQuestions).
  explicit WindowQuestions(QWidget* window, FileDialogPlace* place = nullptr)
      : window_(window), qt_(window, place) {}
  // The Qt questions behind the message, input and file dialogs.
  QtQuestions& dialogs() { return qt_; }

  Answer messageBox(const std::string& text, MessageStyle style,
                    const std::string& title) override {
    return qt_.messageBox(text, style, title);
  }
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultAnswer) override {
    return qt_.inputBox(prompt, title, defaultAnswer);
  }
  std::optional<std::string> openFile(const std::string& filter) override {
    return qt_.openFile(filter);
  }
  // The window's dialog offers the name last chosen in it when it is given
  // none: Write to file and the ASCII file outputs of its compiles. (The
  // flowchart's own Save As asks through the model, which keeps the name of
  // each document itself.)
  std::optional<std::string> saveFileAs(const std::string& filter,
                                        const std::string& initialName) override {
    std::optional<std::string> chosen =
        qt_.saveFileAs(filter, initialName.empty() ? lastSaveName_ : initialName);
    if (chosen) lastSaveName_ = *chosen;
    return chosen;
  }
  // frmMatrix over the window: the literal its OK built, or the fresh
  // grid's when it was closed any other way.
  std::string matrixEntry() override {
    MatrixDialog dialog(window_);
    if (showDialog_)
      showDialog_(dialog);
    else
      dialog.exec();
    return dialog.answer();
  }
  void setShowDialog(ShowDialog show) { showDialog_ = std::move(show); }

 private:
  QWidget* window_;
  QtQuestions qt_;
  std::string lastSaveName_;
  ShowDialog showDialog_;
};

}  // namespace quorvin
