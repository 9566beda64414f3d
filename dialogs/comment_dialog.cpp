#include "dialogs/comment_dialog.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "dialogs/dialog_settling.h"
#include "dialogs/modal_answer.h"

namespace quorvin {

namespace {

// The first count characters of text; a character beyond the basic plane
// counts once and is never split.
QString FirstCharacters(const QString& text, int count) {
  qsizetype end = 0;
  for (int n = 0; n < count && end < text.size(); ++n) {
    const bool pair = text[end].isHighSurrogate() && end + 1 < text.size() &&
                      text[end + 1].isLowSurrogate();
    end += pair ? 2 : 1;
  }
  return text.left(end);
}

}  // namespace

CommentDialog::CommentDialog(QWidget* parent)
    : QDialog(parent),
      Frame1(new QGroupBox("The comment is:", this)),
      txtComment(new QLineEdit(Frame1)),
      Label1(new QLabel("Note: Comments can be up to 100 characters long.", this)),
      cmdOK(new QPushButton("OK", this)) {
  setObjectName("frmComment");
  setWindowTitle("Add a Comment");
  setModal(true);
  Frame1->setObjectName("Frame1");
  txtComment->setObjectName("txtComment");
  Label1->setObjectName("Label1");
  cmdOK->setObjectName("cmdOK");
  cmdOK->setDefault(true);

  auto* inner = new QVBoxLayout(Frame1);
  inner->addWidget(txtComment);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(Label1, 1);
  bottom->addWidget(cmdOK);
  auto* outer = new QVBoxLayout(this);
  outer->addWidget(Frame1);
  outer->addLayout(bottom);
  resize(420, sizeHint().height());

  connect(txtComment, &QLineEdit::textEdited, this, [this] { txtComment_Change(); });
  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
  SettleParameterDialog(*this);
}

void CommentDialog::txtComment_Change() {
  const QString text = txtComment->text();
  const QString cut = FirstCharacters(text, kMaxCharacters);
  if (cut.size() == text.size()) return;
  const int cursor = txtComment->cursorPosition();
  txtComment->setText(cut);  // no edit of the user: the handler does not run again
  txtComment->setCursorPosition(std::min(cursor, static_cast<int>(cut.size())));
}

void CommentDialog::cmdOK_Click() { accept(); }

std::string CommentDialog::comment() const { return txtComment->text().toStdString(); }

void CommentDialog::setComment(const std::string& text) {
  txtComment->setText(QString::fromStdString(text));
}

std::string CommentAfterShow(const CommentDialog& dialog, const std::string& opened) {
  return AnswerAfterShow(dialog, opened);
}

std::string AskForComment(QWidget* parent, const std::string& text) {
  CommentDialog dialog(parent);
  dialog.setComment(text);
  dialog.exec();
  return CommentAfterShow(dialog, text);
}

}  // namespace quorvin
