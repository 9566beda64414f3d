#include "app/text_results_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quorvin {

TextResultsWindow::TextResultsWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      pnl(new QFrame(this)),
      txt(new QPlainTextEdit(pnl)),
      cmdOK(new QPushButton("OK", this)) {
  setObjectName("frmTextResults");
  setWindowTitle("Matlab Text Results");
  pnl->setObjectName("pnl");
  pnl->setFrameShape(QFrame::StyledPanel);
  txt->setObjectName("txt");
  txt->setReadOnly(true);
  txt->setLineWrapMode(QPlainTextEdit::NoWrap);
  txt->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  cmdOK->setObjectName("cmdOK");

  // The layouts keep the text box filling the window as it is resized.
  auto* inner = new QVBoxLayout(pnl);
  inner->addWidget(txt);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdOK);
  auto* outer = new QVBoxLayout(this);
  outer->addWidget(pnl, 1);
  outer->addLayout(buttons);
  resize(560, 420);

  connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

void TextResultsWindow::append(const std::string& text) {
  text_ += text;
  std::string shown;
  shown.reserve(text.size());
  for (char c : text)
    if (c != '\r') shown += c;
  txt->moveCursor(QTextCursor::End);
  txt->insertPlainText(QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size())));
  txt->ensureCursorVisible();
  if (isVisible()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TextResultsWindow::cmdOK_Click() {
  hide();
  text_.clear();
  txt->clear();
}

void TextResultsWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  cmdOK_Click();
}

}  // namespace quorvin
