#include <gtest/gtest.h>

#include "model/utf8_text.h"
#include "tests/model/box_information_fixture.h"
#include "tests/model/editor_fixture.h"

namespace quorvin {
namespace {

using testing::BoxInformationFixture;
using testing::EditorFixture;

struct Connecting : ::testing::Test {
  EditorFixture f;
  int doc = 0;
  void SetUp() override { doc = f.OpenDocument(); }
  void Connect(int from, int to) {
    f.m.editor.armArrowTool();
    f.m.editor.chooseArrowSource(from);
    f.m.editor.connectArrowTo(to);
  }
};

TEST_F(Connecting, ConnectUsesTheFirstFreeSlotsSkipsAbsentOnesAndMarksTheDocumentChanged) {
  const int s = f.AddBox(doc, 0, 0);
  const int t = f.AddBox(doc, 0, 0);
  f.boxes[s].OutLink = {0, 7, -1, 0, 0, 0};
  f.boxes[t].InLink = {0, 9, -1, 0};
  f.m.documents.docInfo[doc].Changed = false;
  Connect(s, t);
  EXPECT_EQ(f.m.table[s].OutLink[2], -1);
  EXPECT_EQ(f.m.table[s].OutLink[3], t);
  EXPECT_EQ(f.m.table[t].InLink[3], s) << "entry 2 absent: the arrow enters at 3";
  EXPECT_TRUE(f.dialogs.messages.empty());
  EXPECT_TRUE(f.m.documents.docInfo[doc].Changed) << "closing must ask to save the arrow";
  EXPECT_EQ(f.views.arrowsRedrawn, std::vector<int>{doc});
}

TEST_F(Connecting, ABoxMayLinkToItself) {
  const int a = f.AddBox(doc, 0, 0);
  Connect(a, a);
  EXPECT_EQ(f.m.table[a].OutLink[1], a);
  EXPECT_EQ(f.m.table[a].InLink[1], a);
}

TEST_F(Connecting, RefusalsTellWhyInOrderAndLinkNothing) {
  struct Case {
    const char* name;
    std::array<int16_t, 4> targetIn;
    std::array<int16_t, 6> sourceOut;
    bool sameDocument;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"other document", {0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, false,
       "Boxes are not in the same document"},
      {"entries full", {0, 5, -1, 6}, {0, 0, 0, 0, 0, 0}, true, "No more entries for box2 !"},
      {"exits full", {0, 0, 0, 0}, {0, 5, 6, -1, -1, -1}, true, "No more exits for box1 !"},
      {"entries before exits", {0, -1, -1, -1}, {0, -1, -1, -1, -1, -1}, true,
       "No more entries for box2 !"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EditorFixture g;
    const int d1 = g.OpenDocument();
    const int d2 = g.OpenDocument();
    const int s = g.AddBox(d1, 0, 0);
    const int t = g.AddBox(c.sameDocument ? d1 : d2, 0, 0);
    g.boxes[t].InLink = c.targetIn;
    g.boxes[s].OutLink = c.sourceOut;
    g.m.documents.docInfo[d1].Changed = false;
    const BoxTable before = g.m.table;
    g.m.editor.armArrowTool();
    g.m.editor.chooseArrowSource(s);
    g.m.editor.connectArrowTo(t);
    ASSERT_EQ(g.dialogs.messages.size(), 1u);
    EXPECT_EQ(g.dialogs.messages[0].text, c.message);
    EXPECT_EQ(g.dialogs.messages[0].style.code(), 48);
    EXPECT_EQ(g.dialogs.messages[0].title, "Quorvin");
    EXPECT_EQ(g.m.table, before);
    EXPECT_EQ(g.m.editor.mode(), EditMode::Select);
    EXPECT_EQ(g.views.pointers.back(), Pointer::Default);
    EXPECT_FALSE(g.m.documents.docInfo[d1].Changed);
  }
}

TEST(ApplyBoxInformation, TickedEntryIsCutOnBothEnds) {
  BoxInformationFixture f;
  const int s = f.Box("Keyboard Input"), n = f.Box("Cos"), t = f.Box("Sin");
  f.Link(s, 2, n, 1);
  f.Link(n, 1, t, 1);
  BoxInformationAnswer answer;
  answer.disconnectFrom[1] = true;
  EXPECT_TRUE(f.m.editor.applyBoxInformation(n, answer));
  EXPECT_EQ(f[n].InLink[1], 0);
  EXPECT_EQ(f[s].OutLink[2], 0);
  EXPECT_EQ(f[n].OutLink[1], t) << "an unticked link stays";
  EXPECT_EQ(f[t].InLink[1], n);
  EXPECT_TRUE(f.changed());
  EXPECT_EQ(f.views.redrawn.back(), f.doc);
}

TEST(ApplyBoxInformation, TickedExitIsCutOnBothEnds) {
  BoxInformationFixture f;
  const int n = f.Box("Keyboard Input"), t = f.Box("Plus");
  f.Link(n, 1, t, 2);
  BoxInformationAnswer answer;
  answer.disconnectTo[1] = true;
  EXPECT_TRUE(f.m.editor.applyBoxInformation(n, answer));
  EXPECT_EQ(f[n].OutLink[1], 0);
  EXPECT_EQ(f[t].InLink[2], 0);
  EXPECT_TRUE(f.changed());
}

TEST(ApplyBoxInformation, OneOfTwoLinksBetweenTheSameBoxesIsCutAlone) {
  struct Case {
    bool fromTick1, fromTick2;
    std::array<int, 3> sExits;   // exits 1..3 of s afterwards
    std::array<int, 2> nEntries; // entries 1..2 of n afterwards
  };
  const Case cases[] = {
      {true, false, {0, 0, 2}, {0, 1}},
      {false, true, {2, 0, 0}, {1, 0}},
      {true, true, {0, 0, 0}, {0, 0}},
  };
  for (const Case& c : cases) {
    BoxInformationFixture f;
    const int s = f.Box("Keyboard Input"), n = f.Box("Plus");
    f.Link(s, 1, n, 1);
    f.Link(s, 3, n, 2);
    BoxInformationAnswer answer;
    answer.disconnectFrom[1] = c.fromTick1;
    answer.disconnectFrom[2] = c.fromTick2;
    f.m.editor.applyBoxInformation(n, answer);
    SCOPED_TRACE(::testing::Message() << c.fromTick1 << c.fromTick2);
    EXPECT_EQ((std::array<int, 3>{f[s].OutLink[1], f[s].OutLink[2], f[s].OutLink[3]}), c.sExits);
    EXPECT_EQ((std::array<int, 2>{f[n].InLink[1], f[n].InLink[2]}), c.nEntries);
  }
}

TEST(ApplyBoxInformation, OneOfTwoExitsToTheSameBoxFreesOneEntryThere) {
  BoxInformationFixture f;
  const int n = f.Box("Keyboard Input"), t = f.Box("Plus");
  f.Link(n, 2, t, 1);
  f.Link(n, 4, t, 3);
  BoxInformationAnswer answer;
  answer.disconnectTo[4] = true;
  f.m.editor.applyBoxInformation(n, answer);
  EXPECT_EQ(f[n].OutLink[2], t);
  EXPECT_EQ(f[n].OutLink[4], 0);
  EXPECT_EQ(f[t].InLink[1], n);
  EXPECT_EQ(f[t].InLink[3], 0);
}

TEST(ApplyBoxInformation, HalfLinkFreesOnlyTheTickedSlot) {
  BoxInformationFixture f;
  const int s = f.Box("Keyboard Input"), n = f.Box("Plus"), other = f.Box("Cos");
  f[n].InLink[1] = static_cast<int16_t>(s);  // s holds no exit to n
  f.Link(s, 1, other, 1);
  BoxInformationAnswer answer;
  answer.disconnectFrom[1] = true;
  EXPECT_TRUE(f.m.editor.applyBoxInformation(n, answer));
  EXPECT_EQ(f[n].InLink[1], 0);
  EXPECT_EQ(f[s].OutLink[1], other);
}

TEST(ApplyBoxInformation, TickOnALinkToAMissingBoxFreesTheSlotOnly) {
  BoxInformationFixture f;
  const int n = f.Box("Plus");
  f[n].InLink[2] = 300;
  BoxInformationAnswer answer;
  answer.disconnectFrom[2] = true;
  EXPECT_TRUE(f.m.editor.applyBoxInformation(n, answer));
  EXPECT_EQ(f[n].InLink[2], 0);
}

TEST(ApplyBoxInformation, LinkOfABoxToItselfIsCutOnce) {
  BoxInformationFixture f;
  const int n = f.Box("Plus");
  f.Link(n, 2, n, 3);
  BoxInformationAnswer answer;
  answer.disconnectTo[2] = true;
  answer.disconnectFrom[3] = true;
  EXPECT_TRUE(f.m.editor.applyBoxInformation(n, answer));
  EXPECT_EQ(f[n].OutLink[2], 0);
  EXPECT_EQ(f[n].InLink[3], 0);
}

TEST(ApplyBoxInformation, OpeningLockedSlotsFreesOnlyTheAbsentOnes) {
  BoxInformationFixture f;
  const int s = f.Box("Keyboard Input"), n = f.Box("If");
  f.Link(s, 1, n, 1);
  f[n].InLink[2] = f[n].InLink[3] = kAbsentSlot;
  f[n].OutLink[3] = f[n].OutLink[4] = f[n].OutLink[5] = kAbsentSlot;

  BoxInformationAnswer inputs;
  inputs.openLockedInputs = true;
  EXPECT_TRUE(f.m.editor.applyBoxInformation(n, inputs));
  EXPECT_EQ(f[n].InLink, (std::array<int16_t, 4>{0, static_cast<int16_t>(s), 0, 0}));
  EXPECT_EQ(f[n].OutLink[3], kAbsentSlot) << "exits stay closed until asked";

  BoxInformationAnswer outputs;
  outputs.openLockedOutputs = true;
  EXPECT_TRUE(f.m.editor.applyBoxInformation(n, outputs));
  EXPECT_EQ(f[n].OutLink, (std::array<int16_t, 6>{}));
  EXPECT_TRUE(f.changed());
}

TEST(ApplyBoxInformation, OkWithNothingTickedRedrawsButChangesNothing) {
  BoxInformationFixture f;
  const int s = f.Box("Keyboard Input"), n = f.Box("Cos");
  f.Link(s, 1, n, 1);
  const BoxTable before = f.m.table;
  f.views.redrawn.clear();
  BoxInformationAnswer answer;
  answer.openLockedInputs = answer.openLockedOutputs = true;  // nothing locked
  EXPECT_FALSE(f.m.editor.applyBoxInformation(n, answer));
  EXPECT_EQ(f.m.table, before);
  EXPECT_FALSE(f.changed());
  EXPECT_EQ(f.views.redrawn, std::vector<int>{f.doc});
}

TEST(ApplyBoxInformation, NumberThatNamesNoBoxChangesNothing) {
  BoxInformationFixture f;
  f.Box("Cos");
  const BoxTable before = f.m.table;
  BoxInformationAnswer answer;
  answer.disconnectFrom.fill(true);
  answer.openLockedInputs = true;
  for (int n : {0, 2, 351}) EXPECT_FALSE(f.m.editor.applyBoxInformation(n, answer));
  EXPECT_EQ(f.m.table, before);
}

TEST(EditComment, ALongerCommentGivenBackUnchangedStaysWhole) {
  BoxInformationFixture f;
  const std::string longer(120, 'l');
  const int n = f.Box("Comment", longer.c_str());
  EXPECT_FALSE(f.m.editor.editComment(n, longer));
  EXPECT_EQ(f[n].Params, longer);
  EXPECT_FALSE(f.changed());
}

TEST(EditComment, UnchangedTextIsNoEdit) {
  BoxInformationFixture f;
  const int n = f.Box("Comment", "same");
  EXPECT_FALSE(f.m.editor.editComment(n, "same"));
  EXPECT_FALSE(f.changed());
}

TEST(KeepKeyboardAnswer, KeepsTheAnswerOfAKeyboardInputOnlyAndChangesNoDocument) {
  BoxInformationFixture f;
  const int keyboard = f.Box("Keyboard Input", "1 2");
  const int constant = f.Box("Constant Input", "pi");
  f.views.redrawn.clear();
  EXPECT_TRUE(f.m.editor.keepKeyboardAnswer(keyboard, "3 4 5"));
  EXPECT_EQ(f[keyboard].Params, "3 4 5");
  EXPECT_FALSE(f.m.editor.keepKeyboardAnswer(constant, "e"));
  EXPECT_EQ(f[constant].Params, "pi");
  EXPECT_FALSE(f.m.editor.keepKeyboardAnswer(3, "9"));
  EXPECT_FALSE(f.changed()) << "the flowchart is as it was";
  EXPECT_TRUE(f.views.redrawn.empty());
}

TEST(FirstCharacters, CountsCharactersNotBytes) {
  const std::string e = "\xC3\xA9";  // e acute, two bytes
  EXPECT_EQ(FirstCharacters(e + e + e, 2), e + e);
  EXPECT_EQ(FirstCharacters("ab" + e, 3), "ab" + e);
  EXPECT_EQ(FirstCharacters("ab" + e, 2), "ab");
  EXPECT_EQ(FirstCharacters("", 100), "");
  EXPECT_EQ(FirstCharacters("abc", 0), "");
  EXPECT_EQ(FirstCharacters(std::string(100, 'x'), 100), std::string(100, 'x'));
}

}  // namespace
}  // namespace quorvin
