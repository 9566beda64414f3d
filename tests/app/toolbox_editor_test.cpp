#include "app/toolbox_editor.h"

#include <gtest/gtest.h>

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>

#include "platform/title_bar.h"
#include "tests/support/cut_texts.h"
#include "tests/support/file_sandbox.h"
#include "tests/support/qt_application.h"
#include "tests/support/scripted_questions.h"

namespace quorvin {
namespace {

using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;

class ToolboxEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::EnsureGuiApplication();
    ASSERT_TRUE(scratch_.ok());
  }
  std::unique_ptr<ToolboxEditor> open() {
    return std::make_unique<ToolboxEditor>(nullptr, scratch_ / "", [this] { ++reloads_; },
                                           &questions_);
  }
  // Drops palette button index with the drag data data, as a real drag would.
  bool drop(ToolboxEditor& editor, const QMimeData& data) {
    const QPoint at(20, 20);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(editor.pnlToolbox, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(editor.pnlToolbox, &dropped);
    return dropped.isAccepted();
  }

  ScratchFolder scratch_;
  testing_support::ScriptedQuestions questions_;
  int reloads_ = 0;
};

TEST_F(ToolboxEditorTest, OpensEmptyWithoutItsFileAndTheFirstDropTakesTheFirstPlace) {
  auto editor = open();
  EXPECT_EQ(editor->windowTitle(), "Configure Toolbox");
  EXPECT_EQ(editor->fileName(), "my_box.tlb");
  EXPECT_EQ(editor->toolbox().count(), 0);
  editor->cmdPict_MouseMove(3);
  EXPECT_EQ(editor->lblFunction->text(), "Keyboard Input");
  ASSERT_TRUE(drop(*editor, *editor->paletteDragData(3)));
  ASSERT_EQ(editor->cmdButton.size(), 2);
  EXPECT_EQ(editor->cmdButton[1]->geometry(), QRect(8, 16, 33, 33));  // row 0, column 1
  EXPECT_EQ(editor->lbltoolbox->text(), "Keyboard Input\r\n");
}

TEST_F(ToolboxEditorTest, OnlyItsOwnPaletteDragsAreTaken) {
  auto editor = open();
  auto other = open();
  QMimeData text;
  text.setText("Sin");
  EXPECT_FALSE(drop(*editor, text));
  EXPECT_FALSE(drop(*editor, *other->paletteDragData(1)));
  EXPECT_EQ(editor->toolbox().count(), 0);
}

TEST_F(ToolboxEditorTest, TheTwentyFifthDropIsRefusedAndTheFileHoldsTwentyFour) {
  auto editor = open();
  for (int i = 0; i < 24; ++i) editor->pnlToolbox_DragDrop(1 + i % 18);
  EXPECT_TRUE(questions_.questions.empty());
  editor->pnlToolbox_DragDrop(5);
  EXPECT_EQ(questions_.questions,
            std::vector<std::string>{"message 16 \"Quorvin\" \"No more room in this toolbox !\""});
  EXPECT_EQ(editor->toolbox().count(), 24);
  editor->cmdOK_Click();
  EXPECT_EQ(testing_support::ReadBytes(scratch_ / "my_box.tlb").size(),
            editor->toolbox().text().size() + 2);
}

TEST_F(ToolboxEditorTest, ARightClickRemovesTheToolAndTheLaterOnesMoveUp) {
  WriteBytes(scratch_ / "my_box.tlb", "Sin\r\nCos\r\nTan\r\n\r\n");
  auto editor = open();
  ASSERT_EQ(editor->toolbox().count(), 3);
  const QRect third = editor->cmdButton[3]->geometry();
  QTest::mouseClick(editor->cmdButton[2], Qt::LeftButton);
  EXPECT_EQ(editor->toolbox().count(), 3);  // other buttons do nothing
  QTest::mouseClick(editor->cmdButton[2], Qt::RightButton);
  EXPECT_EQ(editor->toolbox().tools(), (std::vector<std::string>{"Sin", "Tan"}));
  ASSERT_EQ(editor->cmdButton.size(), 3);
  EXPECT_EQ(editor->cmdButton[2]->toolTip(), "Tan");
  EXPECT_NE(editor->cmdButton[2]->geometry(), third);
  QTest::mouseClick(editor->cmdButton[1], Qt::RightButton);
  EXPECT_EQ(editor->toolbox().tools(), std::vector<std::string>{"Tan"});
  EXPECT_EQ(editor->lbltoolbox->text(), "Tan\r\n");
}

TEST_F(ToolboxEditorTest, OkWritesTheBytesAndReloadsThePaletteCancelWritesNothing) {
  auto cancelled = open();
  cancelled->pnlToolbox_DragDrop(1);
  cancelled->cmdCancel_Click();
  EXPECT_EQ(scratch_.listing(), "");
  EXPECT_EQ(reloads_, 0);

  auto editor = open();
  editor->scroll->setValue(5);  // positions 31 to 48
  editor->pnlToolbox_DragDrop(5);
  editor->pnlToolbox_DragDrop(6);
  editor->cmdOK->click();
  EXPECT_EQ(ReadBytes(scratch_ / "my_box.tlb"), "Sin\r\nCos\r\n\r\n");
  EXPECT_EQ(reloads_, 1);
  EXPECT_EQ(editor->result(), QDialog::Accepted);
  auto again = open();
  EXPECT_EQ(again->toolbox().tools(), (std::vector<std::string>{"Sin", "Cos"}));
}

TEST_F(ToolboxEditorTest, AFailedSaveIsReportedOnceAndTheEditorStaysOpen) {
  auto editor = open();
  editor->opnFileName->setText(QString::fromStdString(scratch_ / "no/such/dir/a.tlb"));
  editor->cmdOK_Click();
  ASSERT_EQ(questions_.questions.size(), 1u);
  EXPECT_NE(questions_.questions[0].find("no/such/dir/a.tlb"), std::string::npos);
  EXPECT_EQ(reloads_, 0);
  EXPECT_EQ(editor->result(), 0);
}

TEST_F(ToolboxEditorTest, ScrolledToEightTheLastThreeButtonsAreBlankAndAddNothing) {
  auto editor = open();
  editor->scroll->setValue(8);
  editor->cmdPict_MouseMove(1);
  EXPECT_EQ(editor->lblFunction->text(), "Differences");
  EXPECT_EQ(editor->cmdPict[15]->toolTip(), "Check");
  for (int i = 16; i <= 18; ++i) {
    EXPECT_TRUE(editor->cmdPict[i]->icon().isNull()) << i;
    editor->pnlToolbox_DragDrop(i);
  }
  EXPECT_EQ(editor->toolbox().count(), 0);
}

TEST_F(ToolboxEditorTest, LoadAnotherToolboxReadsWholeLinesAndACancelFails) {
  WriteBytes(scratch_ / "my_box.tlb", "Sin\r\n\r\n");
  WriteBytes(scratch_ / "lf.tlb", "If\nFor\n");
  WriteBytes(scratch_ / "open.tlb", "Sin\r\nCos");
  auto editor = open();
  for (const auto& [file, tools] : std::vector<std::pair<std::string, std::vector<std::string>>>{
           {"lf.tlb", {"If", "For"}}, {"open.tlb", {"Sin", "Cos"}}}) {
    questions_.answers = {scratch_ / file};
    editor->chkReload->click();
    EXPECT_EQ(editor->toolbox().tools(), tools) << file;
    EXPECT_EQ(editor->fileName(), scratch_ / file);
    EXPECT_FALSE(editor->chkReload->isChecked());
  }
  questions_.questions.clear();
  questions_.answers = {""};  // cancelled
  editor->chkReload->click();
  EXPECT_EQ(questions_.questions.back(), "message 48 \"Quorvin\" \"Load Failed.\"");
  EXPECT_EQ(editor->toolbox().count(), 0);
  EXPECT_EQ(editor->cmdButton.size(), 1);
}

// Load another toolbox reads a file as the palette does: after an editor's
// byte-order mark, and not at all, with a word why, when it is no text of
// the program or names no tool.
TEST_F(ToolboxEditorTest, LoadAnotherToolboxReadsAFileAsThePaletteDoes) {
  WriteBytes(scratch_ / "marked.tlb", "\xEF\xBB\xBFSin\r\nCos\r\n");
  WriteBytes(scratch_ / "wide.tlb", std::string("\xFF\xFES\0i\0n\0\r\0\n\0", 12));
  WriteBytes(scratch_ / "notes.tlb", "shopping list\r\nmilk\r\n");
  auto editor = open();
  questions_.answers = {scratch_ / "marked.tlb"};
  editor->chkReload->click();
  EXPECT_EQ(editor->toolbox().tools(), (std::vector<std::string>{"Sin", "Cos"}));
  for (const auto& [file, why] : std::vector<std::pair<std::string, std::string>>{
           {"wide.tlb",
            "\\r\\nNot a text file of this program (it is written in UTF-16 LE, not in ASCII, "
            "Latin-1 or UTF-8)."},
           {"notes.tlb", ""}}) {
    questions_.questions.clear();
    questions_.answers = {scratch_ / file};
    editor->chkReload->click();
    EXPECT_EQ(editor->toolbox().count(), 0) << file;
    ASSERT_FALSE(questions_.questions.empty());
    EXPECT_EQ(questions_.questions.back(), "message 48 \"Quorvin\" \"Toolbox file names no tool:\\r\\n" +
                                               (scratch_ / file) + why + "\"")
        << file;
  }
}

TEST_F(ToolboxEditorTest, ClearEmptiesTheToolboxAndUnchecksItself) {
  WriteBytes(scratch_ / "my_box.tlb", "Sin\r\nCos\r\n\r\n");
  auto editor = open();
  editor->chkClear->click();
  EXPECT_EQ(editor->toolbox().count(), 0);
  EXPECT_EQ(editor->lbltoolbox->text(), "");
  EXPECT_FALSE(editor->chkClear->isChecked());
}

TEST_F(ToolboxEditorTest, SaveAsChoosesTheFileOkWritesTo) {
  auto editor = open();
  questions_.answers = {scratch_ / "mine.tlb"};
  editor->opnFileName->click();
  // It offers the file OK would have written: the bare name in the program
  // directory, not the same name wherever the last file dialog was.
  ASSERT_FALSE(questions_.questions.empty());
  EXPECT_EQ(questions_.questions.back(),
            "save \"Quorvin Toolbox Files (*.tlb)|*.tlb|All Files (*.*)|*.*\" name \"" +
                (scratch_ / "my_box.tlb") + "\"");
  EXPECT_EQ(editor->fileName(), scratch_ / "mine.tlb");
  EXPECT_FALSE(editor->opnFileName->isChecked());
  questions_.answers = {""};
  editor->opnFileName->click();
  EXPECT_EQ(editor->fileName(), scratch_ / "mine.tlb");
  editor->pnlToolbox_DragDrop(20 - 18);
  editor->cmdOK_Click();
  EXPECT_EQ(ReadBytes(scratch_ / "mine.tlb"), "Dummy Input\r\n\r\n");
}

TEST_F(ToolboxEditorTest, NoTextIsCutAtItsOwnSizeWhicheverToolIsNamed) {
  auto editor = open();
  editor->show();
  EXPECT_EQ(testing_support::CutTexts(*editor, TitleBarWidth), std::vector<std::string>{});
  for (int position = 0; position <= kPaletteScrollMax; ++position) {
    editor->scroll->setValue(position);
    for (int i = 1; i <= kPaletteButtons; ++i) {
      editor->cmdPict_MouseMove(i);
      EXPECT_EQ(testing_support::CutTexts(*editor, nullptr), std::vector<std::string>{})
          << editor->lblFunction->text().toStdString();
    }
  }
}

}  // namespace
}  // namespace quorvin
