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
#include <utility>
#include <vector>

#include "model/host.h"

namespace quorvin {

// A text of the model (UTF-8, lines ended by CR LF) as a window shows it.
QString DisplayText(const std::string& text);

// "Name|pattern|Name|pattern" as Qt's "Name (pattern);;Name (pattern)".
// Patterns separated by ";" are listed with blanks, and "*.*" means every
// file, as it does where the filters come from (a name without a dot too).
QString QtFileFilter(const std::string& filter);

// The extension a Qt name filter's first pattern gives ("qvn" for
// "Quorvin Files (*.qvn)"), empty for "*" or a pattern with wildcards.
QString SuffixOfFilter(const QString& nameFilter);

// The buttons of a message-box style in their order, the one Enter presses,
// and its icon.
struct MessageBoxLook {
  std::vector<QMessageBox::StandardButton> buttons;
  QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};
MessageBoxLook LookOfStyle(MessageStyle style);

// The answer a pressed button gives; anything else counts as Cancel.
Answer AnswerOfButton(int button);

std::unique_ptr<QMessageBox> BuildMessageBox(QWidget* parent, const std::string& text,
                                             MessageStyle style, const std::string& title);

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

// Where the file dialogs open: the folder of the file last chosen in one of
// them, else the directory the program was started from (not the program's
// own directory, which holds its settings). One for the program, shared by
// the questions of every window, so every dialog follows the person's files.
class FileDialogPlace {
 public:
  explicit FileDialogPlace(QString startDirectory) : start_(std::move(startDirectory)) {}
  // A folder that is gone since leaves the start directory.
  QString directory() const;
  // A file chosen in a dialog: the next dialog opens in its folder.
  void chose(const std::string& file);

 private:
  QString start_;
  QString last_;
};

class QtQuestions : public Dialogs {
 public:
  // The file dialogs open where place says; without one, where the current
  // directory is now, and then where this window's last file was chosen.
  explicit QtQuestions(QWidget* window, FileDialogPlace* place = nullptr);

  // The window the questions open over, for questions made before it: the
  // program's, which the model asks and the frame shows.
  void setWindow(QWidget* window) { window_ = window; }
  // Where the file dialogs open.
  FileDialogPlace& place() { return *place_; }

  Answer messageBox(const std::string& text, MessageStyle style,
                    const std::string& title) override;
  std::string inputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultAnswer) override;
  std::optional<std::string> openFile(const std::string& filter) override;
  std::optional<std::string> saveFileAs(const std::string& filter,
                                        const std::string& initialName) override;
  std::optional<std::string> nameFile(const std::string& filter,
                                      const std::string& initialName) override;

  // The open dialog this window would show now.
  std::unique_ptr<QFileDialog> openDialog(const std::string& filter) const;
  // The save-as dialog this window would show now: preset with initialName,
  // or, when that is empty, with no name where the file dialogs open. The
  // questions remember no name: one asked for several documents would offer
  // one document's file for another's Save As.
  std::unique_ptr<QFileDialog> saveDialog(const std::string& filter,
                                          const std::string& initialName) const;
  // The same dialog for nameFile: it does not ask to replace a file.
  std::unique_ptr<QFileDialog> nameDialog(const std::string& filter,
                                          const std::string& initialName) const;
  // Reads a closed file dialog; the next one opens in the chosen file's folder.
  std::optional<std::string> takeAnswer(const QFileDialog& dialog);

 private:
  QWidget* window_;
  FileDialogPlace ownPlace_;  // where the dialogs open when no place was given
  FileDialogPlace* place_;
};

}  // namespace quorvin
