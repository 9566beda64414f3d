#include "dialogs/comment_dialog.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QTest>

#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

class CommentDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { testing_support::EnsureGuiApplication(); }
};

TEST_F(CommentDialogTest, ControlsAndCaptions) {
  CommentDialog dialog;
  EXPECT_EQ(dialog.objectName(), "frmComment");
  EXPECT_EQ(dialog.windowTitle(), "Add a Comment");
  EXPECT_EQ(dialog.Frame1->title(), "The comment is:");
  EXPECT_EQ(dialog.Label1->text(), "Note: Comments can be up to 100 characters long.");
  EXPECT_EQ(dialog.cmdOK->text(), "OK");
  EXPECT_EQ(dialog.txtComment->objectName(), "txtComment");
  EXPECT_EQ(dialog.txtComment->text(), "");
  EXPECT_EQ(dialog.findChild<QPushButton*>("cmdCancel"), nullptr) << "there is no Cancel";
}

// A longer comment (read from a file) is shown whole: only an edit of the
// user cuts it, so opening and closing the editor never shortens it.
TEST_F(CommentDialogTest, PresetLongerThanAHundredStaysWholeUntilEdited) {
  CommentDialog dialog;
  const std::string longer = std::string(100, 'a') + std::string(20, 'b');
  dialog.setComment(longer);
  EXPECT_EQ(dialog.comment(), longer);
  dialog.show();
  dialog.txtComment->setFocus();
  dialog.txtComment->end(false);
  QTest::keyClick(dialog.txtComment, Qt::Key_Backspace);
  EXPECT_EQ(dialog.comment(), std::string(100, 'a')) << "an edit cuts it to the limit";
  dialog.setComment(std::string(100, 'z'));
  EXPECT_EQ(dialog.comment(), std::string(100, 'z')) << "exactly a hundred stays";
}

TEST_F(CommentDialogTest, PastingOrTypingNeverKeepsMoreThanAHundred) {
  CommentDialog dialog;
  dialog.show();
  dialog.txtComment->setFocus();
  dialog.txtComment->insert(QString(150, 'p'));  // a paste
  EXPECT_EQ(dialog.txtComment->text(), QString(100, 'p'));
  QTest::keyClicks(dialog.txtComment, "more");
  EXPECT_EQ(dialog.txtComment->text(), QString(100, 'p'));
}

TEST_F(CommentDialogTest, CharactersBeyondTheBasicPlaneCountOnceAndStayWhole) {
  CommentDialog dialog;
  const QString clef = QString::fromUtf8("\xF0\x9D\x84\x9E");  // two UTF-16 units
  QString text;
  for (int k = 0; k < 101; ++k) text += clef;
  dialog.txtComment->insert(text);  // a paste
  EXPECT_EQ(dialog.txtComment->text().size(), 200);
  EXPECT_TRUE(dialog.txtComment->text().endsWith(clef));
  const std::string umlauts(120, 'x');
  dialog.txtComment->clear();
  dialog.txtComment->insert(QString::fromStdString("\xC3\xBC" + umlauts));
  EXPECT_EQ(dialog.comment(), "\xC3\xBC" + std::string(99, 'x'));
}

TEST_F(CommentDialogTest, OkTakesTheEditClosingKeepsTheComment) {
  CommentDialog ok;
  ok.setComment("first note");
  ok.show();
  ok.txtComment->end(false);  // it opens with the comment selected
  QTest::keyClicks(ok.txtComment, "!");
  ok.cmdOK->click();
  EXPECT_TRUE(ok.isHidden());
  EXPECT_EQ(CommentAfterShow(ok, "first note"), "first note!");

  CommentDialog closed;
  const std::string longer(130, 'c');
  closed.setComment(longer);
  closed.show();
  closed.txtComment->setFocus();
  QTest::keyClicks(closed.txtComment, "x");
  QCloseEvent close;
  QCoreApplication::sendEvent(&closed, &close);
  EXPECT_TRUE(closed.isHidden());
  EXPECT_EQ(CommentAfterShow(closed, longer), longer) << "the comment stays as it was";
}

}  // namespace
}  // namespace quorvin
