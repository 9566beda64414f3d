#pragma once
// "Matlab Text Results": the modeless window that shows a box-by-box run,
// each text sent followed by the interpreter's answer. It keeps its text
// across runs until OK.

#include <QFrame>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <string>

#include "compiler/execution_step.h"

namespace quorvin {

class TextResultsWindow : public QWidget, public ResultsSink {
 public:
  explicit TextResultsWindow(QWidget* parent = nullptr);

  // Adds to the exchange; the window repaints at once, since a run blocks
  // the event loop until its end.
  void append(const std::string& text) override;
  // The exchange as received, CR LF line ends included.
  const std::string& text() const { return text_; }

  // Hides the window and empties it: the next run starts afresh.
  void cmdOK_Click();

  QFrame* pnl;
  QPlainTextEdit* txt;
  QPushButton* cmdOK;

 protected:
  // The close box unloads the window as OK does.
  void closeEvent(QCloseEvent* event) override;

 private:
  std::string text_;
};

}  // namespace quorvin
