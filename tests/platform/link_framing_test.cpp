#include "platform/link_framing.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

namespace quorvin {
namespace {

using Kind = AnswerReader::Event::Kind;

TEST(FramedStatement, PassesTheTextAsCharacterCodes) {
  // Octave's calls go through builtin, so a variable named char, eval or
  // fprintf cannot break the frame, and the flush sits in a condition so
  // that it leaves ans alone.
  EXPECT_EQ(FramedStatement("a='x';\n", 7, Dialect::Octave),
            "builtin('eval', builtin('char', [97 61 39 120 39 59 10]), "
            "'builtin(''fprintf'', ''error: %s\\n'', builtin(''lasterr'')); "
            "builtin(''fprintf'', ''@@quorvin-fail-7@@\\n'');'); "
            "builtin('fprintf', '\\n@@quorvin-end-7@@\\n'); "
            "if builtin('fflush', builtin('stdout')), end");
  EXPECT_EQ(FramedStatement("", 1, Dialect::Matlab),
            "eval(char([]), 'fprintf(''error: %s\\n'', lasterr()); "
            "fprintf(''@@quorvin-fail-1@@\\n'');'); fprintf('\\n@@quorvin-end-1@@\\n');");
}

TEST(AnswerReader, OnlyMarkersOfItsSessionCount) {
  AnswerReader reader("k3x");
  EXPECT_NE(FramedStatement("", 2, Dialect::Octave, "k3x").find("'\\n@@quorvink3x-end-2@@\\n'"),
            std::string::npos);
  reader.feed("@@quorvin-end-2@@\n@@quorvinzz-end-2@@\n\n@@quorvink3x-end-2@@\n");
  const auto done = reader.next(2);
  EXPECT_EQ(done.kind, Kind::Done);
  EXPECT_EQ(done.text, "@@quorvin-end-2@@\n@@quorvinzz-end-2@@\n");
}

// A peer that sends back what it is sent (cat) returns the command itself,
// end marker and all: that is never its answer, and it is told apart from
// one, in whatever pieces it comes.
TEST(AnswerReader, TellsTheEchoOfACommandFromItsAnswer) {
  const std::string setup = SetupStatement("/tmp/stubs", 0, Dialect::Octave, "k3x") + "\n";
  const std::string statement = FramedStatement("disp(1)", 4, Dialect::Matlab, "k3x") + "\n";
  struct Case {
    const char* name;
    std::string arrived;
    int expected;
    bool echoed;
  };
  const Case cases[] = {
      {"the set-up sent back", setup, 0, true},
      {"a statement sent back", statement, 4, true},
      {"the echo of another exchange", statement, 3, false},
      {"the echo of another session", FramedStatement("", 4, Dialect::Matlab, "zz") + "\n", 4,
       false},
      {"the printed answer", "1\n\n@@quorvink3x-end-4@@\n", 4, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (size_t split = 0; split <= c.arrived.size(); split += 7) {
      AnswerReader reader("k3x");
      reader.feed(c.arrived.substr(0, split));
      reader.takeArrived(c.expected);  // what the link shows on the way
      reader.feed(c.arrived.substr(split));
      const AnswerReader::Event event = reader.next(c.expected);
      reader.takeArrived(c.expected);
      EXPECT_EQ(reader.echoed(c.expected), c.echoed) << "split at " << split;
      if (c.echoed) {
        EXPECT_EQ(event.kind, Kind::Pending) << "split at " << split;
      }
    }
  }
}

// Whether an exchange has ended is told from what arrived, taking none of it:
// next() reports the same afterwards.
TEST(AnswerReader, TellsWhetherAnExchangeHasEndedWithoutTakingIt) {
  struct Case {
    const char* name;
    std::string arrived;
    bool ended;
  };
  const Case cases[] = {
      {"nothing yet", "", false},
      {"output, no marker", "ans = 3\n", false},
      {"the late end of the exchange before", "late\n\n@@quorvin-end-3@@\n", false},
      {"the command sent back", FramedStatement("disp(1)", 4, Dialect::Octave) + "\n", false},
      {"its end", "ans = 3\n\n@@quorvin-end-4@@\n", true},
      {"its end after an input request", "\n@@quorvin-input:65 @@\n\n@@quorvin-end-4@@\n", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AnswerReader reader;
    reader.feed(c.arrived);
    EXPECT_EQ(reader.ended(4), c.ended);
    AnswerReader untold;
    untold.feed(c.arrived);
    EXPECT_EQ(reader.next(4).kind, untold.next(4).kind);
  }
  AnswerReader reader;
  reader.feed("\n@@quorvin-end-4@@\n");
  reader.next(4);
  EXPECT_TRUE(reader.ended(4)) << "once taken";
}

TEST(AnswerReader, WaitsForItsOwnCompleteMarker) {
  AnswerReader reader;
  reader.feed("ans = 3\n\n@@quorvin-end-2");
  EXPECT_EQ(reader.next(2).kind, Kind::Pending);
  reader.feed("@@\nleft over");
  const auto done = reader.next(2);
  EXPECT_EQ(done.kind, Kind::Done);
  EXPECT_EQ(done.text, "ans = 3\n");
  EXPECT_FALSE(done.failed);
  EXPECT_EQ(reader.takeRest(), "left over");
}

TEST(AnswerReader, DropsTheLateAnswerOfAnEarlierExchange) {
  AnswerReader reader;
  reader.feed(
      "late 4\n\n@@quorvin-end-4@@\nlate 5\n@@quorvin-end-5@@\nmine\n\n@@quorvin-end-6@@\n");
  const auto done = reader.next(6);
  EXPECT_EQ(done.kind, Kind::Done);
  EXPECT_EQ(done.text, "mine\n");
}

TEST(AnswerReader, KeepsLookAlikesAndGarbageAsText) {
  AnswerReader reader;
  const std::string junk = "x\x01\xff @@quorvin-end-9@@\n@@quorvin-end-\n@@quorvin-input:7x@@\n";
  reader.feed(junk + "\n@@quorvin-end-3@@\n");
  const auto done = reader.next(3);
  EXPECT_EQ(done.kind, Kind::Done);
  EXPECT_EQ(done.text, junk);
}

TEST(AnswerReader, ReportsAnErrorAndAnInputRequest) {
  AnswerReader reader;
  reader.feed("before\n\n@@quorvin-input:69 110 116 101 114 32 120 @@\n");
  const auto ask = reader.next(1);
  ASSERT_EQ(ask.kind, Kind::Input);
  EXPECT_EQ(ask.prompt, "Enter x");
  EXPECT_EQ(ask.text, "before\n");
  reader.feed("@@quorvin-input:8364 32 @@\n");  // a MATLAB character beyond a byte
  EXPECT_EQ(reader.next(1).prompt, "\xE2\x82\xAC ");
  reader.feed("error: boom\n@@quorvin-fail-1@@\n\n@@quorvin-end-1@@\n");
  const auto done = reader.next(1);
  EXPECT_TRUE(done.failed);
  EXPECT_EQ(done.text, "error: boom\n");
}

// The pipe delivers output in pieces of any size: every split of a stream
// gives the same events as the stream in one piece.
TEST(AnswerReader, ArrivalInPiecesChangesNothing) {
  const std::string stream =
      "late\n@@quorvins1-end-3@@\nbefore\n\n@@quorvins1-input:65 66 @@\n"
      "error: boom\n@@quorvins1-fail-4@@\n\n@@quorvins1-end-4@@\nrest";
  auto events = [](const std::vector<std::string>& pieces) {
    AnswerReader reader("s1");
    std::vector<std::string> seen;
    for (const std::string& piece : pieces) {
      reader.feed(piece);
      for (auto e = reader.next(4); e.kind != Kind::Pending; e = reader.next(4)) {
        seen.push_back(std::to_string(static_cast<int>(e.kind)) + "|" + e.text + "|" + e.prompt +
                       "|" + (e.failed ? "failed" : ""));
        if (e.kind == Kind::Done) break;
      }
    }
    seen.push_back(reader.takeRest());
    return seen;
  };
  const auto whole = events({stream});
  ASSERT_EQ(whole, (std::vector<std::string>{"1|before\n|AB|", "2|error: boom\n||failed", "rest"}));
  for (size_t cut = 0; cut <= stream.size(); ++cut)
    EXPECT_EQ(events({stream.substr(0, cut), stream.substr(cut)}), whole) << cut;
}

// What is shown while a statement runs and what its end reports make, put
// together, the answer the statement would have had all at once, however
// the stream is split; nothing of a marker, nor the late output of an
// earlier exchange, is shown on the way.
TEST(AnswerReader, OutputShownOnTheWayAddsUpToTheAnswer) {
  const std::string stream =
      "late\n@@quorvins1-end-3@@\nfirst line\n\xE2\x82\xAC sign\n\n@@quorvins1-input:65 @@\n"
      "@@quorvins1-end-9@@\nafter a look-alike\nerror: boom\n@@quorvins1-fail-4@@\n\n"
      "@@quorvins1-end-4@@\nrest";
  struct Seen {
    std::string answer;   // arrived pieces and event texts, as the link adds them up
    std::string arrived;  // the pieces shown on the way
    bool failed = false;
  };
  auto read = [](const std::vector<std::string>& pieces, bool showOnTheWay) {
    AnswerReader reader("s1");
    Seen seen;
    for (const std::string& piece : pieces) {
      reader.feed(piece);
      for (;;) {
        const auto e = reader.next(4);
        if (e.kind == Kind::Pending) {
          if (!showOnTheWay) break;
          const std::string part = reader.takeArrived(4);
          seen.answer += part;
          seen.arrived += part;
          break;
        }
        seen.answer += e.text + (e.kind == Kind::Input ? "<" + e.prompt + ">" : "");
        seen.failed = e.failed;
        if (e.kind == Kind::Done) break;
      }
    }
    return seen;
  };
  const Seen whole = read({stream}, false);
  ASSERT_EQ(whole.answer,
            "first line\n\xE2\x82\xAC sign\n<A>@@quorvins1-end-9@@\nafter a look-alike\n"
            "error: boom\n");
  ASSERT_TRUE(whole.failed);
  for (size_t cut = 0; cut <= stream.size(); ++cut)
    for (size_t cut2 = cut; cut2 <= stream.size(); cut2 += 7) {
      const Seen split =
          read({stream.substr(0, cut), stream.substr(cut, cut2 - cut), stream.substr(cut2)}, true);
      EXPECT_EQ(split.answer, whole.answer) << cut << " " << cut2;
      EXPECT_TRUE(split.failed);
      EXPECT_EQ(split.arrived.find("late"), std::string::npos) << cut;
      EXPECT_EQ(split.arrived.find('@'), std::string::npos) << cut;
      EXPECT_TRUE(QString::fromUtf8(split.arrived).toUtf8() ==
                  QByteArray::fromStdString(split.arrived))
          << cut;  // never half a character
    }
  // Up to the input request, all but the line end before it is shown.
  EXPECT_EQ(read({stream.substr(0, stream.find("@@quorvins1-input"))}, true).arrived,
            "first line\n\xE2\x82\xAC sign\n");
}

TEST(AnswerReader, NothingIsShownBeforeTheExchangeBeforeHasEnded) {
  AnswerReader reader;
  reader.feed("late output of 2\n");
  EXPECT_EQ(reader.next(4).kind, Kind::Pending);
  EXPECT_EQ(reader.takeArrived(4), "");
  reader.feed("\n@@quorvin-end-2@@\nstill 3's\n");
  EXPECT_EQ(reader.next(4).kind, Kind::Pending);
  EXPECT_EQ(reader.takeArrived(4), "");
  reader.feed("\n@@quorvin-end-3@@\nmine\nmore");
  EXPECT_EQ(reader.next(4).kind, Kind::Pending);
  EXPECT_EQ(reader.takeArrived(4), "mine\nmore");
}

TEST(AnswerReader, EndlessOutputIsCutInTheMiddle) {
  AnswerReader reader;
  reader.feed("head");
  for (int i = 0; i < 300; ++i) reader.feed(std::string(10000, 'x'));
  reader.feed("tail\n\n@@quorvin-end-1@@\n");
  const auto done = reader.next(1);
  ASSERT_EQ(done.kind, Kind::Done);
  EXPECT_LE(done.text.size(), kMaxPending);
  EXPECT_EQ(done.text.rfind("headxxx", 0), 0u);
  EXPECT_NE(done.text.find(kCutNote), std::string::npos);
  EXPECT_EQ(done.text.substr(done.text.size() - 8), "xxxtail\n");
}

// Numbered lines, printed in pieces as they arrive: around the one note, the
// lines are whole lines that were printed, in their order; the marker at
// the end survives every cut.
TEST(CutMiddle, CutsOnLineEndsOnceHoweverOftenItCuts) {
  std::string printed, kept;
  for (int i = 1; i <= 300000; ++i) {
    const std::string line = std::to_string(i) + "\n";
    printed += line;
    kept += line;
    if (i % 997 == 0) CutMiddle(kept);
  }
  kept += "@@quorvin-end-";
  CutMiddle(kept);
  EXPECT_LE(kept.size(), kMaxPending);
  const size_t note = kept.find(kCutNote);
  ASSERT_NE(note, std::string::npos);
  EXPECT_EQ(kept.find(kCutNote, note + 1), std::string::npos) << "one note";
  const std::string head = kept.substr(0, note) + "\n";
  const std::string tail = kept.substr(note + kCutNote.size());
  EXPECT_EQ(printed.rfind(head, 0), 0u) << "the head ends with a whole line";
  ASSERT_EQ(tail.substr(tail.size() - 14), "@@quorvin-end-");
  const std::string tailLines = tail.substr(0, tail.size() - 14);
  EXPECT_EQ(printed.substr(printed.size() - tailLines.size()), tailLines);
  EXPECT_TRUE(printed.size() == tailLines.size() ||
              printed[printed.size() - tailLines.size() - 1] == '\n')
      << "the tail starts with a whole line";
}

// One endless line has no line end to cut on: it is cut where it must be.
TEST(CutMiddle, ALineWithoutEndIsCutMidway) {
  std::string text(kMaxPending + 10, 'x');
  CutMiddle(text);
  EXPECT_EQ(text, std::string(kMaxPending / 2, 'x') + kCutNote + std::string(4096, 'x'));
}

TEST(WithoutLeadingPrompts, DropsOnlyThePromptsBeforeTheAnswer) {
  EXPECT_EQ(WithoutLeadingPrompts(">> >> EDU>> ans = 1\r\n>> x"), "ans = 1\r\n>> x");
  EXPECT_EQ(WithoutLeadingPrompts("a >> b"), "a >> b");
}

TEST(CleanAnswer, MakesCrLfAndDropsTheSpuriousExitLine) {
  EXPECT_EQ(CleanAnswer("a\nb\r\n" + kSpuriousExitLine + "\n"), "a\r\nb\r\n");
}

}  // namespace
}  // namespace quorvin
