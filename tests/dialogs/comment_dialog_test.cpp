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

TEST_F(CommentDialogTest, PresetLongerThanAHundredCharactersShowsItsFirstHundred) {
  CommentDialog dialog;
  dialog.setComment(std::string(100, 'a') + std::string(20, 'b'));
  EXPECT_EQ(dialog.comment(), std::string(100, 'a'));
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
  dialog.txtComment->setText(text);
  EXPECT_EQ(dialog.txtComment->text().size(), 200);
  EXPECT_TRUE(dialog.txtComment->text().endsWith(clef));
  const std::string umlauts(120, 'x');
  dialog.setComment("\xC3\xBC" + umlauts);
  EXPECT_EQ(dialog.comment(), "\xC3\xBC" + std::string(99, 'x'));
}

TEST_F(CommentDialogTest, OkAndClosingBothKeepTheText) {
  CommentDialog ok;
  ok.setComment("first note");
  ok.show();
  ok.cmdOK->click();
  EXPECT_TRUE(ok.isHidden());
  EXPECT_EQ(ok.comment(), "first note");

  CommentDialog closed;
  closed.setComment("second note");
  closed.show();
  QCloseEvent close;
  QCoreApplication::sendEvent(&closed, &close);
  EXPECT_EQ(closed.comment(), "second note");
}

}  // namespace
}  // namespace quorvin
