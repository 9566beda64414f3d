#pragma once
// "Matlab Text Results": the modeless window that shows a box-by-box run,
// each text sent followed by the interpreter's answer. It keeps its text
// across runs until OK. While a statement runs, the window shows it and its
// output as it arrives, below the exchange; the statement's entry in the
// exchange, once it comes, takes the place of that live tail.

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

  // Adds to the exchange, in place of any live tail.
  void append(const std::string& text) override;
  // The exchange as received, CR LF line ends included; the live tail is no part of it.
  const std::string& text() const { return text_; }

  // A statement has gone to the interpreter: a new live tail shows it.
  void showStatement(const QString& statement);
  // Output of the running statement, added to the live tail.
  void showArriving(const QString& output);

  // Shows the window for a run in front of the program's other windows,
  // restored when minimised, and whole on the screen of beside (the window
  // the run was asked from; none: its own screen). It stays where the person
  // put it as far as that screen allows; the first time it stands in the
  // screen's bottom right-hand corner.
  void showInFront(const QWidget* beside);

  // Hides the window and empties it: the next run starts afresh.
  void cmdOK_Click();

  QFrame* pnl;
  QPlainTextEdit* txt;
  QPushButton* cmdOK;

 protected:
  // The close box unloads the window as OK does.
  void closeEvent(QCloseEvent* event) override;

 private:
  // Drops the live tail from the text box.
  void dropLiveTail();
  // Adds text at the end of the text box, without its carriage returns.
  void addShown(QString text);

  std::string text_;
  bool placed_ = false;  // placed by showInFront once; the person's since
  int liveTail_ = -1;  // where the live tail starts in the text box; -1 none
};

}  // namespace quorvin
