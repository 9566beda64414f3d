#include "canvas/window_questions.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>

#include "compiler/script_delivery.h"
#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

// Answers the next file dialog: notes the file it offers, then saves as
// chosen, or cancels when chosen is empty.
const QString& AnswerNextSaveAs(const QString& chosen) {
  static QString offered;
  offered.clear();
  QTimer::singleShot(0, [chosen] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    offered = dialog->selectedFiles().value(0);
    if (chosen.isEmpty()) {
      dialog->reject();
      return;
    }
    dialog->selectFile(chosen);
    static_cast<QDialog*>(dialog)->accept();  // as the Save button does
  });
  return offered;
}

// Write to file and a compile's ASCII file outputs ask with no name: the
// window's dialog offers the one last chosen in it, and a cancel forgets
// nothing. Another window's dialog has a memory of its own.
TEST(WindowQuestions, ASaveAsGivenNoNameOffersTheNameLastChosenInThisWindow) {
  testing_support::EnsureGuiApplication();
  QTemporaryDir dir;
  const QString script = QDir(dir.path()).canonicalPath() + "/script.m";
  WindowQuestions window(nullptr);
  WindowQuestions otherWindow(nullptr);

  AnswerNextSaveAs(script);
  EXPECT_EQ(window.saveFileAs(kMFileFilter, ""), script.toStdString());

  const QString& offered = AnswerNextSaveAs("");
  EXPECT_EQ(window.saveFileAs(kMFileFilter, ""), std::nullopt);
  EXPECT_EQ(offered, script);

  AnswerNextSaveAs("");
  window.saveFileAs(kMFileFilter, "");
  EXPECT_EQ(offered, script) << "a cancel forgets nothing";

  AnswerNextSaveAs("");
  otherWindow.saveFileAs(kMFileFilter, "");
  EXPECT_NE(offered, script);
}

}  // namespace
}  // namespace quorvin
