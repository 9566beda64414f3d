// Closing a document and Exit: what each answer to the save question keeps,
// and the box still waiting to be placed, which no save writes.
#include "model/document_closing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <unistd.h>

#include "tests/model/editor_fixture.h"

namespace quorvin {
namespace {

namespace fs = std::filesystem;
using testing::EditorFixture;

struct TempDir {
  fs::path path = fs::temp_directory_path() /
                  ("quorvin-closing-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
  TempDir() { fs::create_directories(path); }
  ~TempDir() { fs::remove_all(path); }
};

// Two documents: the first owns boxes 1 and 3, the second box 2.
struct Closing : ::testing::Test {
  EditorFixture f;
  int doc = 0, other = 0;
  void SetUp() override {
    doc = f.OpenDocument();
    other = f.OpenDocument();
    f.AddBox(doc, 100, 100, "Sin");
    f.AddBox(other, 200, 200, "Cos");
    f.AddBox(doc, 300, 300, "Tan");
    f.m.documents.docInfo[doc].Changed = true;
  }
  bool Close() { return CloseDocument(f.m, doc); }
  bool BandHidden(int d) const {
    const std::vector<int>& hidden = f.views.shapesHidden;
    return std::find(hidden.begin(), hidden.end(), d) != hidden.end();
  }
  void ExpectClosed() {
    EXPECT_TRUE(f.m.documents.docInfo[doc].Free);
    ASSERT_EQ(f.m.table.highestBox(), 1);
    EXPECT_EQ(f.m.table[1].Kind, "Cos") << "the other document's box renumbered";
    EXPECT_EQ(f.m.table[1].Doc, other);
    EXPECT_TRUE(f.m.editor.selection().empty());
    EXPECT_TRUE(BandHidden(doc));
  }
  void ExpectKept() {
    EXPECT_FALSE(f.m.documents.docInfo[doc].Free);
    EXPECT_TRUE(f.m.documents.docInfo[doc].Changed);
    ASSERT_GE(f.m.table.highestBox(), 3);
    EXPECT_EQ(f.m.table[1].Kind, "Sin");
    EXPECT_EQ(f.m.table[3].Kind, "Tan");
    EXPECT_EQ(f.m.table[3].Doc, doc);
  }
};

TEST_F(Closing, UnchangedClosesWithoutAsking) {
  f.m.documents.docInfo[doc].Changed = false;
  EXPECT_TRUE(Close());
  EXPECT_TRUE(f.dialogs.messages.empty());
  ExpectClosed();
}

TEST_F(Closing, NoClosesWithoutSaving) {
  f.dialogs.answers = {Answer::No};
  EXPECT_TRUE(Close());
  ASSERT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.dialogs.messages[0].text, "Do you wish to save this file before closing ?");
  EXPECT_EQ(f.dialogs.messages[0].style.code(), 51);
  EXPECT_EQ(f.dialogs.messages[0].title, "Quorvin");
  EXPECT_TRUE(f.dialogs.filters.empty());
  ExpectClosed();
}

TEST_F(Closing, CancelKeepsTheWindowItsBoxesAndItsNumber) {
  f.dialogs.answers = {Answer::Cancel};
  EXPECT_FALSE(Close());
  ExpectKept();
  EXPECT_NE(f.OpenDocument(), doc);
}

TEST_F(Closing, YesSavesThenCloses) {
  TempDir dir;
  const fs::path path = dir.path / "chart.qvn";
  f.dialogs.answers = {Answer::Yes};
  f.dialogs.fileAnswers = {path.string()};
  EXPECT_TRUE(Close());
  EXPECT_TRUE(fs::exists(path));
  std::ifstream in(path, std::ios::binary);
  std::string first;
  std::getline(in, first);
  EXPECT_EQ(first, "2\r") << "the closing document's two boxes";
  ExpectClosed();
}

TEST_F(Closing, YesWithSaveAsCancelledKeepsEverything) {
  f.dialogs.answers = {Answer::Yes};
  EXPECT_FALSE(Close());
  EXPECT_EQ(f.dialogs.filters.size(), 1u) << "Save As was asked";
  ExpectKept();
}

TEST_F(Closing, YesWithAFailedWriteKeepsEverything) {
  TempDir dir;
  f.dialogs.answers = {Answer::Yes};
  f.dialogs.fileAnswers = {(dir.path / "missing" / "chart.qvn").string()};
  EXPECT_FALSE(Close());
  EXPECT_EQ(f.dialogs.messages.size(), 2u) << "the prompt, then why the save failed";
  ExpectKept();
}

TEST_F(Closing, AClosedOrUnnumberedWindowAsksNothing) {
  EXPECT_TRUE(CloseDocument(f.m, 0));
  EXPECT_TRUE(f.dialogs.messages.empty());
  EXPECT_EQ(f.m.table.highestBox(), 3);
}

TEST_F(Closing, ADocumentWithoutBoxesHidesItsRubberBandToo) {
  const int empty = f.OpenDocument();
  EXPECT_TRUE(CloseDocument(f.m, empty));
  EXPECT_TRUE(BandHidden(empty));
  EXPECT_TRUE(f.m.documents.docInfo[empty].Free);
}

TEST_F(Closing, ExitClosesEveryDocumentInTurn) {
  // Box 2 renumbered into the first document's freed number: the second
  // document has changed too.
  f.dialogs.answers = {Answer::No, Answer::No};
  std::vector<int> asked;
  EXPECT_TRUE(ExitAllDocuments(f.m, [&](int d) {
    asked.push_back(d);
    return CloseDocument(f.m, d);
  }));
  EXPECT_EQ(asked, (std::vector<int>{doc, other}));
  EXPECT_EQ(f.m.table.highestBox(), 0);
  EXPECT_TRUE(f.m.documents.openDocuments().empty());
}

TEST_F(Closing, ExitCancelledRestoresTheModeArmedBefore) {
  f.Pending(other);  // a box waits to be placed
  f.dialogs.answers = {Answer::Cancel};
  EXPECT_FALSE(ExitAllDocuments(f.m, [&](int d) { return CloseDocument(f.m, d); }));
  EXPECT_EQ(f.m.editor.mode(), EditMode::Placing) << "the canvas is not left dead";
  EXPECT_EQ(f.m.editor.pendingBox(), 4);
  ExpectKept();
}

TEST_F(Closing, ExitCancelledAfterAClosingKeepsTheSelectModeItLeft) {
  f.m.documents.docInfo[doc].Changed = false;
  f.m.documents.docInfo[other].Changed = true;
  f.m.editor.armArrowTool();
  f.dialogs.answers = {Answer::Cancel};
  EXPECT_FALSE(ExitAllDocuments(f.m, [&](int d) { return CloseDocument(f.m, d); }));
  EXPECT_EQ(f.m.editor.mode(), EditMode::Select);
  EXPECT_TRUE(f.m.documents.docInfo[doc].Free);
  EXPECT_FALSE(f.m.documents.docInfo[other].Free);
}

// A box asked for but not placed yet has no place on the canvas: no save
// writes it, whichever way the save comes, and the file holds exactly the
// placed boxes. Its record starts at the position a deleted box left behind.
struct WaitingBoxSave : Closing {
  TempDir dir;
  std::string path = (dir.path / "chart.qvn").string();
  // A fresh box's record: no links, every exit in the arrow colour 0.
  static std::string Record(const std::string& kind, int xy) {
    return kind + "~\r\n0~0~0~0~0~0~0~0~0~0~0~0~0\r\n" + std::to_string(xy) + "~" +
           std::to_string(xy) + "~\r\n";
  }
  const std::string docFile = "2\r\n" + Record("Sin", 100) + Record("Tan", 300) + "\r\n";
  const std::string otherFile = "1\r\n" + Record("Cos", 200) + "\r\n";
  void Wait(int on) {
    f.boxes[4].X = 5000;
    f.boxes[4].Y = 6000;
    ASSERT_EQ(f.Pending(on), 4);
    ASSERT_TRUE(f.m.editor.typePendingBox(4, {"Cos", "", kAllEntries, kAllExits}));
  }
  bool Exit() {
    return ExitAllDocuments(f.m, [&](int d) { return CloseDocument(f.m, d); });
  }
  std::string Saved() const {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
};

TEST_F(WaitingBoxSave, SaveAndSaveAsLeaveItOutAndWaiting) {
  const std::pair<const char*, SaveMode> saves[] = {{"Save", SaveMode::Save},
                                                    {"Save As", SaveMode::SaveAs}};
  for (const auto& [name, mode] : saves) {
    SCOPED_TRACE(name);
    Wait(doc);
    f.dialogs.fileAnswers = {path};
    ASSERT_TRUE(SaveDocument(f.m, doc, mode));
    EXPECT_EQ(Saved(), docFile);
    EXPECT_EQ(f.m.editor.pendingBox(), 4) << "it still waits for its click";
    f.m.editor.discardPendingBox();
    fs::remove(path);
  }
}

TEST_F(WaitingBoxSave, TheClosePromptsYesLeavesItOut) {
  f.dialogs.answers = {Answer::Yes};
  f.dialogs.fileAnswers = {path};
  Wait(doc);
  EXPECT_TRUE(Close());
  EXPECT_EQ(Saved(), docFile);
  EXPECT_EQ(f.m.editor.pendingBox(), 0);
  EXPECT_EQ(f.m.table.highestBox(), 1);
}

TEST_F(WaitingBoxSave, ExitsPromptLeavesItOut) {
  f.dialogs.answers = {Answer::Yes, Answer::No};
  f.dialogs.fileAnswers = {path};
  Wait(doc);
  EXPECT_TRUE(Exit());
  EXPECT_EQ(Saved(), docFile);
  EXPECT_EQ(f.m.table.highestBox(), 0);
}

// The first document closes unasked on the way out. The second's waiting box
// is given up with the closing (the mode moved on), not renumbered into a
// placed box: its save holds the one box placed on it, and after a Cancel no
// box the user never placed shows on its canvas.
TEST_F(WaitingBoxSave, ExitAfterAClosingSavesOnlyThePlacedBoxes) {
  f.m.documents.docInfo[doc].Changed = false;
  f.m.documents.docInfo[other].Changed = true;
  Wait(other);
  f.dialogs.answers = {Answer::Yes};
  f.dialogs.fileAnswers = {path};
  EXPECT_TRUE(Exit());
  EXPECT_EQ(Saved(), otherFile);
}

TEST_F(WaitingBoxSave, ExitCancelledAfterAClosingShowsNoUnplacedBox) {
  f.m.documents.docInfo[doc].Changed = false;
  f.m.documents.docInfo[other].Changed = true;
  Wait(other);
  f.dialogs.answers = {Answer::Cancel};
  EXPECT_FALSE(Exit());
  EXPECT_EQ(f.m.editor.pendingBox(), 0);
  EXPECT_EQ(f.m.table.placedBoxes(other), std::vector<int>{1});
  EXPECT_EQ(f.m.table[1].X, 200) << "the placed box, not the waiting one";
}

}  // namespace
}  // namespace quorvin
