#pragma once
// frmComment: the comment editor. The caller puts the text into txtComment,
// shows the dialog modally and always takes the text back: there is no
// Cancel, and closing the window keeps the text as it stands.

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>

namespace quorvin {

class CommentDialog : public QDialog {
 public:
  // A comment keeps at most this many characters, typed or set.
  static constexpr int kMaxCharacters = 100;

  explicit CommentDialog(QWidget* parent = nullptr);

  // Cuts a text longer than kMaxCharacters to its first kMaxCharacters.
  void txtComment_Change();
  void cmdOK_Click();

  // The comment as UTF-8 text, for the box's Params.
  std::string comment() const;
  void setComment(const std::string& text);

  QGroupBox* Frame1;
  QLineEdit* txtComment;
  QLabel* Label1;
  QPushButton* cmdOK;
};

// Shows frmComment modally on text and returns the text it holds when it
// closes.
std::string AskForComment(QWidget* parent, const std::string& text);

}  // namespace quorvin
