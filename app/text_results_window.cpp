#include "app/text_results_window.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

#include "app/screen_placement.h"

namespace quorvin {

TextResultsWindow::TextResultsWindow(QWidget* parent)
    // A dialog's window type: a window manager keeps it in front of its
    // owner, the frame, and of the questions the run asks there. It keeps
    // the buttons of an ordinary window.
    : QWidget(parent, Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
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
  // Outside a dialog a button takes Enter only when told to; a person who
  // tabs to OK presses Enter there, as on every other OK of the program.
  cmdOK->setAutoDefault(true);

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
  dropLiveTail();
  text_ += text;
  addShown(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void TextResultsWindow::showStatement(const QString& statement) {
  dropLiveTail();
  liveTail_ = txt->document()->characterCount() - 1;
  addShown(statement);
}

void TextResultsWindow::showArriving(const QString& output) {
  if (liveTail_ < 0) liveTail_ = txt->document()->characterCount() - 1;
  addShown(output);
}

void TextResultsWindow::dropLiveTail() {
  if (liveTail_ < 0) return;
  QTextCursor tail(txt->document());
  tail.setPosition(std::min(liveTail_, txt->document()->characterCount() - 1));
  tail.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  tail.removeSelectedText();
  liveTail_ = -1;
}

void TextResultsWindow::addShown(QString text) {
  text.remove('\r');
  txt->moveCursor(QTextCursor::End);
  txt->insertPlainText(text);
  txt->ensureCursorVisible();
}

void TextResultsWindow::showInFront(const QWidget* beside) {
  QScreen* screen = beside ? beside->screen() : this->screen();
  // Until the window manager has framed it, its decorations are taken to be
  // those it gave the window beside it.
  create();
  const QMargins decorations = Decorations(*this, beside);
  if (screen) {
    const QRect available = screen->availableGeometry();
    setGeometry(placed_ ? WholeOnScreen(geometry(), decorations, available)
                        : AtBottomRight(size(), decorations, available));
    placed_ = true;
  }
  setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
}

void TextResultsWindow::cmdOK_Click() {
  hide();
  text_.clear();
  txt->clear();
  liveTail_ = -1;
}

void TextResultsWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  cmdOK_Click();
}

}  // namespace quorvin
