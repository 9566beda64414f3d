#pragma once
// frmComment: the comment editor. The caller puts the text into txtComment,
// shows the dialog modally and takes the text back after OK. There is no
// Cancel: closing the window instead leaves the comment as it was. A comment
// longer than the limit (from a file) is shown whole and only cut once the
// user edits it, so looking at it never shortens it.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <string>

#include <QDialog>

namespace quorvin {

class CommentDialog : public QDialog {
 public:
  // A comment keeps at most this many characters, typed or set.
  static constexpr int kMaxCharacters = 100;

  explicit CommentDialog(QWidget* parent = nullptr);

  // Cuts a text longer than kMaxCharacters to its first kMaxCharacters; runs
  // on every edit of the user (typing, pasting, deleting).
  void txtComment_Change();
  void cmdOK_Click();

  // The comment as UTF-8 text, for the box's Params.
  std::string comment() const;
  void setComment(const std::string& text);
  std::string answer() const { return comment(); }

  QGroupBox* Frame1;
  QLineEdit* txtComment;
  QLabel* Label1;
  QPushButton* cmdOK;
};

// The comment a shown editor gives back: its text after OK, otherwise the
// text it was opened with.
std::string CommentAfterShow(const CommentDialog& dialog, const std::string& opened);

// Shows frmComment modally on text and returns CommentAfterShow.
std::string AskForComment(QWidget* parent, const std::string& text);

}  // namespace quorvin
