#pragma once
// The questions the model asks a person, asked with Qt for one window:
// message boxes, the input box, and the open and save-as dialogs. Each
// dialog is built by a function of its own, so what it shows can be checked
// without showing it; QtQuestions only runs them modally and reads the answer.

#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/host.h"

namespace quorvin {

// A text of the model (UTF-8, lines ended by CR LF) as a window shows it.
QString DisplayText(const std::string& text);

// "Name|pattern|Name|pattern" as Qt's "Name (pattern);;Name (pattern)".
// Patterns separated by ";" are listed with blanks, and "*.*" means every
// file, as it does where the filters come from (a name without a dot too).
QString QtFileFilter(const std::string& filter);

// The buttons of a message-box style in their order, the one Enter presses,
// and its icon.
struct MessageBoxLook {
  std::vector<QMessageBox::StandardButton> buttons;
  QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};
MessageBoxLook LookOfStyle(int style);

// The answer a pressed button gives; anything else counts as Cancel.
Answer AnswerOfButton(int button);

std::unique_ptr<QMessageBox> BuildMessageBox(QWidget* parent, const std::string& text,
                                             int style, const std::string& title);

// The input box: a prompt, a text preset with the default answer, OK and
// Cancel.
class InputBox : public QDialog {
 public:
  InputBox(QWidget* parent, const std::string& prompt, const std::string& title,
           const std::string& defaultAnswer);
  // The typed text after OK; the empty text after Cancel or closing.
  std::string answer() const;

  QLabel* lblPrompt;
  QLineEdit* txtAnswer;
  QPushButton* cmdOK;
  QPushButton* cmdCancel;
};

std::unique_ptr<QFileDialog> BuildOpenDialog(QWidget* parent, const std::string& filter,
                                             const QString& directory);
// initialName, when not empty, is preset (with its directory).
std::unique_ptr<QFileDialog> BuildSaveDialog(QWidget* parent, const std::string& filter,
                                             const std::string& initialName);

// The file chosen in a closed file dialog, or nothing when it was cancelled.
std::optional<std::string> ChosenFile(const QFileDialog& dialog);

class QtQuestions : public Dialogs {
 public:
  explicit QtQuestions(QWidget* window) : window_(window) {}

  Answer messageBox(const std::string& text, int style, const std::string& title) override;
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultAnswer) override;
  std::optional<std::string> openFile(const std::string& filter) override;
  std::optional<std::string> saveFileAs(const std::string& filter,
                                        const std::string& initialName) override;

  // The save-as dialog this window would show now: preset with initialName,
  // or, when that is empty, with the name chosen in its last save-as.
  std::unique_ptr<QFileDialog> saveDialog(const std::string& filter,
                                          const std::string& initialName) const;
  // Reads a closed file dialog and remembers what was chosen.
  std::optional<std::string> takeAnswer(const QFileDialog& dialog, bool saving);

 private:
  QWidget* window_;
  std::string lastSaveName_;  // the save-as dialog's memory
  QString lastDirectory_;     // where the open dialog starts
};

}  // namespace quorvin
