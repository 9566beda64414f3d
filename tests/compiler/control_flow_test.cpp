// Loops, branches and subroutine calls: the lines they write, the nesting,
// and the way the walk goes on after each block. A "Constant Input" box with
// linked entries serves as a plain statement box: it writes "boxN=P;".

#include <functional>

#include "compile_fixture.h"
#include "control_flow_charts.h"

namespace quorvin::testing {
namespace {

using Strings = std::vector<std::string>;

// A subroutine "name": its start box, one body box writing body, and its
// End Subroutine box, numbered in this order.
void Subroutine(ChartBuilder& c, const std::string& name, const std::string& body) {
  const int start = c.box(name + " Subroutine", "Subroutine");
  const int statement = c.box("Constant Input", body);
  const int end = c.box("End Subroutine", "Subroutine");
  c.chain(start, statement, end);
}

TEST_F(CompileTest, ForLoopBodyIsIndentedAndNextClosesIt) {
  ForLoopChart(c);
  EXPECT_EQ(Compile(),
            "box1=3;\r\n"
            "for box2=1:1:10,\r\n"
            "   box3=box2*2;\r\n"
            "end;\r\n"
            "box4=box3;\r\n"
            "box5=box4+1;\r\n");
  EXPECT_EQ(Asked(), Strings{kDone});
  EXPECT_EQ(endLevel, 0);
}

TEST_F(CompileTest, WhileWritesItsCondition) {
  const int in = c.input("Constant Input", "0");
  const int loop = c.box("While", "box1<3");
  const int body = c.box("Constant Input", "box1+1");
  const int next = c.box("Next");
  c.chain(in, loop, body, next);
  EXPECT_EQ(Compile(), "box1=0;\r\nwhile box1<3\r\n   box3=box1+1;\r\nend;\r\nbox4=box3;\r\n");
}

TEST_F(CompileTest, IfWithoutElseCompilesTheWayOnAfterEndIf) {
  IfChart(c, "box2>3");
  EXPECT_EQ(Compile(),
            "box1=5;\r\n"
            "box2=box1;\r\n"
            "if (box2>3),\r\n"
            "   box3=1;\r\n"
            "end;\r\n"
            "box5=box2+100;\r\n");
  EXPECT_EQ(Asked(), Strings{kDone});
}

TEST_F(CompileTest, IfWithElseWritesExitTwoFirstThenElseThenExitOne) {
  IfElseChart(c);
  EXPECT_EQ(Compile(),
            "box1=5;\r\n"
            "box2=box1;\r\n"
            "if (box2>3),\r\n"
            "      box5=2;\r\n"
            "   else\r\n"
            "   box3=1;\r\n"
            "end;\r\n"
            "box7=box2*10;\r\n");
  EXPECT_EQ(Asked(), Strings{kDone});
}

TEST_F(CompileTest, TwoLoopsReadyTogetherWaitForEachOther) {
  const int in = c.input("Constant Input", "1");
  const int a = c.box("For", "1:1:2,");
  const int b = c.box("While", "0");
  c.link(in, a).link(in, b);
  host.answers = {"Abort"};
  EXPECT_EQ(Compile(), "");
  EXPECT_EQ(Asked(), Strings{Stuck(3, "While")});
}

TEST_F(CompileTest, NextDropsWhatTheLoopBodyStillHadQueued) {
  const int in = c.input("Constant Input", "3");
  const int loop = c.box("For", "1:1:2,");
  const int body = c.box("Constant Input", "1");
  const int next = c.box("Next");
  const int unfinished = c.box("Nope");
  const int after = c.box("Constant Input", "box4");
  c.chain(in, loop, body, next, after);
  c.link(loop, unfinished);
  EXPECT_EQ(Compile(),
            "box1=3;\r\nfor box2=1:1:2,\r\n   box3=1;\r\nend;\r\nbox4=box3;\r\nbox6=box4;\r\n");
  EXPECT_EQ(Asked(),
            Strings{Incomplete({"box5 (Nope) is left out: box4 (Next) closed its loop first."})});
}

// A plot drawn from a box inside a block, whose other exit leads to the
// block's closing box: the walk reaches the closing box first and drops the
// plot with the body's list. The script cannot have it, but the compile must
// not call that done.
TEST_F(CompileTest, BoxDroppedWhenItsBlockClosesIsToldAsLeftOut) {
  const std::string plot = "Plot2d;plot(Input1)\r\n";
  // 1 input, 2 the opener, 3 Sin, 4 the plot drawn before 5 the closer.
  const auto beside = [&plot](const char* opener, const char* params, const char* closer) {
    return [=](ChartBuilder& b) {
      const int in = b.input("Constant Input", "3");
      const int block = b.box(opener, params);
      const int body = b.box("Sin");
      b.chain(in, block, body);
      b.link(body, b.box("Plot Output", plot)).link(body, b.box(closer));
    };
  };
  struct Case {
    const char* block;
    std::function<void(ChartBuilder&)> draw;
    const char* note;
  };
  const std::vector<Case> cases{
      {"loop", beside("For", "1:1:2,", "Next"),
       "box4 (Plot Output) is left out: box5 (Next) closed its loop first."},
      {"branch", beside("If", "box2>0", "End If"),
       "box4 (Plot Output) is left out: box5 (End If) closed its branch first."},
      {"subroutine",
       [&plot](ChartBuilder& b) {
         b.chain(b.input("Constant Input", "3"), b.box("Insert Subroutine show"));
         const int start = b.box("show Subroutine", "Subroutine");
         const int body = b.box("Sin");
         b.chain(start, body);
         b.link(body, b.box("Plot Output", plot))
             .link(body, b.box("End Subroutine", "Subroutine"));
       },
       "box5 (Plot Output) is left out: box6 (End Subroutine) closed its subroutine first."},
      // Next and End If each close whichever loop or branch is innermost.
      {"branch closed by a Next box", beside("If", "box2>0", "Next"),
       "box4 (Plot Output) is left out: box5 (Next) closed its branch first."},
      {"loop closed by an End If box", beside("For", "1:1:2,", "End If"),
       "box4 (Plot Output) is left out: box5 (End If) closed its loop first."},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.block);
    EXPECT_EQ(AskedFor(k.draw), Strings{Incomplete({k.note})});
  }
}

// A box the walk comes back to after its block closed is not told.
TEST_F(CompileTest, BoxQueuedAgainAfterItsBlockClosedIsNotLeftOut) {
  const int in = c.input("Constant Input", "3");
  const int loop = c.box("For", "1:1:2,");
  const int body = c.box("Constant Input", "1");
  const int next = c.box("Next");
  const int after = c.box("Constant Input", "box4");
  c.chain(in, loop, body, next, after);
  c.link(loop, after);
  Compile();
  EXPECT_EQ(Asked(), Strings{kDone});
}

// The walk goes on after a branch from its If box and after a subroutine
// from its call, never from the End If or End Subroutine box: a box drawn
// from one is never written, and the end says so. A loop goes on from its
// Next box, so an End If that closes a loop leads nowhere either.
TEST_F(CompileTest, BoxDrawnFromAClosingBoxIsToldAsLeftOut) {
  // 1 input, 2 the opener, 3 Sin, 4 End If, 5 Tan.
  const auto tanAfterEndIf = [](ChartBuilder& b, const char* opener, const char* params) {
    const int in = b.input("Constant Input", "3");
    const int block = b.box(opener, params);
    const int body = b.box("Sin");
    const int endIf = b.box("End If");
    b.chain(in, block, body, endIf, b.box("Tan"));
  };
  struct Case {
    const char* closer;
    std::function<void(ChartBuilder&)> draw;
    Strings asked;
  };
  const std::vector<Case> cases{
      {"End If",
       [&](ChartBuilder& b) {
         tanAfterEndIf(b, "If", "box2>0");
         b.box("Cos");  // drawn from nothing, as is a box of another document
         b.box("Cos", "", 2);
       },
       {Incomplete({"box5 (Tan) is left out: arrows out of box4 (End If) are not followed; the "
                    "way on after a branch leaves its If box."})}},
      {"both End If boxes of an else branch",
       [](ChartBuilder& b) {
         IfElseChart(b);
         b.link(4, b.box("Tan"));
         b.link(6, b.box("Cos"));
       },
       {Incomplete({"box9 (Cos) is left out: arrows out of box6 (End If) are not followed; the "
                    "way on after a branch leaves its If box.",
                    "box8 (Tan) is left out: arrows out of box4 (End If) are not followed; the "
                    "way on after a branch leaves its If box."})}},
      {"End Subroutine",
       [](ChartBuilder& b) {
         CallChart(b, 1);
         b.link(6, b.box("Tan"));
       },
       {Incomplete({"box7 (Tan) is left out: arrows out of box6 (End Subroutine) are not "
                    "followed; the way on after a subroutine leaves its Insert Subroutine "
                    "box."})}},
      {"End If closing a loop",
       [&](ChartBuilder& b) { tanAfterEndIf(b, "For", "1:1:2,"); },
       {Incomplete({"box5 (Tan) is left out: arrows out of box4 (End If) are not followed; the "
                    "way on after a loop leaves its Next box."})}},
      {"End If into a box of its own branch",
       [](ChartBuilder& b) {
         const int in = b.input("Constant Input", "3");
         const int branch = b.box("If", "box2>0");
         const int body = b.box("Sin");
         b.chain(in, branch, body);
         const int sum = b.box("+");
         const int endIf = b.box("End If");
         b.link(body, sum).link(body, endIf).link(endIf, sum);
       },
       {Incomplete({"box4 (+) is left out: box5 (End If) closed its branch first."})}},
      {"End If into a box the way on reaches",
       [](ChartBuilder& b) {
         IfChart(b, "box2>0");
         b.link(4, b.box("+"));
         b.link(5, 6);
       },
       {kDone}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.closer);
    EXPECT_EQ(AskedFor(k.draw), k.asked);
  }
}

// A Next box closes a branch as well as a loop, but takes the If box's place:
// the way on after the branch, which leaves the If box, is never followed.
// Closing the first part of an else branch, it writes "end;" where an End
// If writes "else".
TEST_F(CompileTest, BranchClosedByANextBoxIsTold) {
  const auto plain = [](ChartBuilder& b) { IfChart(b, "box2>0"); };
  const auto withElse = [](ChartBuilder& b) { IfElseChart(b); };
  struct Case {
    const char* part;
    void (*chart)(ChartBuilder&);
    int next;  // the End If box drawn as a Next box instead
    const char* note;
  };
  const std::vector<Case> cases{
      {"a plain branch", plain, 4,
       "box5 (Constant Input) is left out: box4 (Next) closed the branch of box2 (If); a branch "
       "ends at an End If box."},
      {"the else part", withElse, 4,
       "box7 (Constant Input) is left out: box4 (Next) closed the branch of box2 (If); a branch "
       "ends at an End If box."},
      {"the part before the else part", withElse, 6,
       "box3 (Constant Input) is left out of the else part: box6 (Next) closed the branch of "
       "box2 (If); a branch ends at an End If box."},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.part);
    const auto draw = [&k](ChartBuilder& b) {
      k.chart(b);
      b[k.next].Kind = "Next";
    };
    EXPECT_EQ(AskedFor(draw), Strings{Incomplete({k.note})});
  }
}

// What a closing box of the wrong kind would lose but the walk writes all
// the same, or a close that loses nothing, is not told.
TEST_F(CompileTest, WrongClosingBoxThatLosesNothingIsDone) {
  const std::vector<std::pair<const char*, std::function<void(ChartBuilder&)>>> cases{
      {"the way on also drawn from the Next box",
       [](ChartBuilder& b) {
         IfChart(b, "box2>0");
         b[4].Kind = "Next";
         b.link(4, 5);
       }},
      {"End If closing a loop with nothing drawn from it",
       [](ChartBuilder& b) {
         const int in = b.input("Constant Input", "3");
         const int loop = b.box("For", "1:1:2,");
         const int body = b.box("Sin");
         b.chain(in, loop, body, b.box("End If"));
       }},
  };
  for (const auto& [drawing, draw] : cases) {
    SCOPED_TRACE(drawing);
    EXPECT_EQ(AskedFor(draw), Strings{kDone});
  }
}

// Box 6 waits (for the Next box) in the outer list at position 2 while the loop runs. The Next
// box closes the loop at position 2 of the inner list, so box 6 is the entry
// it displaces: box 6 goes back into the list (its first free position),
// ahead of the Next box's own exits.
TEST_F(CompileTest, NextRequeuesTheEntryItDisplaces) {
  const int in = c.input("Constant Input", "1");
  const int loop = c.box("For", "1:1:2,");
  const int unfinished = c.box("Nope");
  const int body = c.box("Constant Input", "box2");
  const int next = c.box("Next");
  const int waiting = c.box("Vector Make Input");
  const int after = c.box("Constant Input", "box5*2");
  c.link(in, loop).link(in, waiting);
  c.link(loop, unfinished).link(loop, body);
  c.chain(body, next, after);
  c.link(next, waiting);
  c[waiting].InLink[3] = int16_t(next);
  EXPECT_EQ(Compile(),
            "box1=1;\r\n"
            "for box2=1:1:2,\r\n"
            "   box4=box2;\r\n"
            "end;\r\n"
            "box5=box4;\r\n"
            "box6=[box1:box5:box5];\r\n"
            "box7=box5*2;\r\n");
  EXPECT_EQ(Asked(),
            Strings{Incomplete({"box3 (Nope) is left out: box5 (Next) closed its loop first."})});
}

// Box 4 is visited first and waits for box 3: the blanks written before it
// stay at the end of the text and are box 3's indentation, not doubled.
TEST_F(CompileTest, BlanksLeftByAWaitingBoxAreNotWrittenAgain) {
  const int in = c.input("Constant Input", "1");
  const int loop = c.box("For", "1:1:3,");
  const int first = c.box("Constant Input", "1");
  const int second = c.box("Vector Make Input");
  c.link(in, loop).link(loop, first).link(loop, second);
  c.link(first, second).link(first, second);
  c.link(second, c.box("Next"));
  EXPECT_EQ(Compile(),
            "box1=1;\r\n"
            "for box2=1:1:3,\r\n"
            "   box3=1;\r\n"
            "   box4=[box2:box3:box3];\r\n"
            "end;\r\n"
            "box5=box4;\r\n");
}

// After a plain If its exit 2 is queued before exit 3. Both enter the list
// behind the If box at position 1; removing it moves exit 2's box into the
// position just visited, so exit 3's box is written first.
TEST_F(CompileTest, PlainIfQueuesExitTwoThenExitThreeAfterItsEndIf) {
  IfChart(c, "box2>3");
  const int third = c.box("Constant Input", "box2+200");
  c.link(2, third);
  EXPECT_EQ(Compile(),
            "box1=5;\r\nbox2=box1;\r\nif (box2>3),\r\n   box3=1;\r\nend;\r\n"
            "box6=box2+200;\r\nbox5=box2+100;\r\n");
}

// Once boxes wait, a call also waits while another queued box is ready:
// box 6 is written before the call opens.
TEST_F(CompileTest, CallWaitsForAReadyBoxOnceBoxesWait) {
  const int in = c.input("Constant Input", "4");
  const int never = c.box("Mystery");
  c.absent(never, 1);
  std::vector<int> stuck;
  for (int k = 0; k < 3; ++k) {
    stuck.push_back(c.box("Nope"));
    c.link(in, stuck.back());
    c[stuck.back()].InLink[2] = int16_t(never);
  }
  const int call = c.box("Insert Subroutine sq");
  const int ready = c.box("Constant Input", "box1+1");
  c.link(in, call).link(in, ready);
  Subroutine(c, "sq", "box8^2");
  host.stuckAnswer = Answer::Ignore;
  EXPECT_EQ(Compile(),
            "box1=4;\r\nbox7=box1+1;\r\n   box8=box1;\r\n   box9=box8^2;\r\n   box6=box9;\r\n");
}

// Opening the branch writes the If box: that is progress, even though the
// tail then finds the branch box, not the If box, at the If's position. The
// branch box that never gets ready is asked about at its fourth visit, as any
// box is; each visit writes the Pickup line once.
TEST_F(CompileTest, BranchBoxIsAskedAboutAtItsFourthVisit) {
  const int in = c.input("Constant Input", "1");
  const int branch = c.box("If", "box2>0");
  const int waiting = c.box("Break");
  const int pickup = c.box("Pickup", "x");
  const int never = c.box("Mystery");
  c.absent(never, 1);
  c.link(in, branch).link(branch, waiting);
  c[waiting].InLink = {0, int16_t(branch), int16_t(pickup), int16_t(never)};
  host.answers = {"Ignore"};
  std::string visits;
  for (int k = 0; k < 4; ++k) visits += "   box4=x;\r\n";
  EXPECT_EQ(Compile(), "box1=1;\r\nbox2=box1;\r\nif (box2>0),\r\n" + visits);
  EXPECT_EQ(Asked(), (Strings{Stuck(waiting, "Break"),
                              Incomplete({"box2 (If) opens a branch that no End If box closes."})}));
}

TEST_F(CompileTest, BreakInsideALoopAndTheWalkGoesOnWithItsExits) {
  const int in = c.input("Constant Input", "3");
  const int loop = c.box("For", "1:1:10,");
  const int brk = c.box("Break");
  const int next = c.box("Next");
  c.chain(in, loop, brk, next);
  EXPECT_EQ(Compile(),
            "box1=3;\r\nfor box2=1:1:10,\r\n   box3=box2;\r\nbreak;\r\nend;\r\nbox4=box3;\r\n");
}

TEST_F(CompileTest, SubroutineBodyIsCompiledInPlaceAtTheCall) {
  CallChart(c, 1);
  EXPECT_EQ(Compile(),
            "box1=4;\r\n"
            "   box4=box1;\r\n"
            "   box5=box4^2;\r\n"
            "   box2=box5;\r\n"
            "box3=box2+1;\r\n");
  EXPECT_EQ(Asked(), Strings{kDone});
}

TEST_F(CompileTest, SubroutineDrawnInAnotherDocumentIsFound) {
  CallChart(c, 2);
  EXPECT_EQ(Compile(),
            "box1=4;\r\n   box4=box1;\r\n   box5=box4^2;\r\n   box2=box5;\r\nbox3=box2+1;\r\n");
}

// The result goes to the call box even when the argument box's first exit
// leads elsewhere. Nothing waits yet, so the call opens although box 2 is
// ready too; box 2 is put aside with the rest of the list.
TEST_F(CompileTest, SubroutineResultGoesToTheCallBox) {
  const int in = c.input("Constant Input", "4");
  const int other = c.box("Constant Input", "box1");
  const int call = c.box("Insert Subroutine sq");
  c.link(in, other).link(in, call);
  Subroutine(c, "sq", "box4*2");
  EXPECT_EQ(Compile(),
            "box1=4;\r\n   box4=box1;\r\n   box5=box4*2;\r\n   box3=box5;\r\nbox2=box1;\r\n");
}

TEST_F(CompileTest, SecondCallOfTheSameSubroutineCompilesItsBodyAgain) {
  const int in = c.input("Constant Input", "2");
  const int first = c.box("Insert Subroutine sq");
  const int second = c.box("Insert Subroutine sq");
  c.chain(in, first, second);
  Subroutine(c, "sq", "box4^2");
  c.link(second, c.box("Constant Input", "box3+1"));
  EXPECT_EQ(Compile(),
            "box1=2;\r\n"
            "   box4=box1;\r\n"
            "   box5=box4^2;\r\n"
            "   box2=box5;\r\n"
            "   box4=box2;\r\n"
            "   box5=box4^2;\r\n"
            "   box3=box5;\r\n"
            "box7=box3+1;\r\n");
  EXPECT_EQ(Asked(), Strings{kDone});
}

TEST_F(CompileTest, CallOfAMissingSubroutineIsToldAsIncomplete) {
  const int in = c.input("Constant Input", "1");
  const int call = c.box("Insert Subroutine nothere");
  c.chain(in, call, c.box("Constant Input", "2"));
  EXPECT_EQ(Compile(), "box1=1;\r\n");
  EXPECT_EQ(Asked(), Strings{Incomplete({"box2 (Insert Subroutine nothere) calls a subroutine "
                                         "that does not exist: no box is of kind \"nothere "
                                         "Subroutine\"."})});
  EXPECT_EQ(endLevel, 1);
}

TEST_F(CompileTest, UnclosedLoopAndBranchAreToldOutermostFirst) {
  const int in = c.input("Constant Input", "1");
  const int loop = c.box("For", "1:1:2,");
  const int branch = c.box("If", "elsebox3>0");
  c.chain(in, loop, branch);
  c.link(branch, c.box("Constant Input", "1"));
  EXPECT_EQ(Compile(), "box1=1;\r\nfor box2=1:1:2,\r\n   box3=box2;\r\nif (box3>0),\r\n");
  EXPECT_EQ(Asked(), Strings{Incomplete({"box2 (For) opens a loop that no Next box closes.",
                                         "box3 (If) opens a branch that no End If box closes."})});
}

TEST_F(CompileTest, ClosingBoxesWithNoOpenBlockCloseNothing) {
  const int in = c.input("Constant Input", "1");
  const int next = c.box("Next");
  const int endIf = c.box("End If");
  const int endSub = c.box("End Subroutine", "Subroutine");
  c.chain(in, next, endIf, endSub, c.box("Constant Input", "2"));
  EXPECT_EQ(Compile(), "box1=1;\r\nbox2=box1;\r\nbox5=2;\r\n");
  EXPECT_EQ(Asked(),
            Strings{Incomplete({"box2 (Next) closes a loop that is not open.",
                                "box3 (End If) closes a branch that is not open.",
                                "box4 (End Subroutine) ends a subroutine that was not called."})});
  EXPECT_EQ(endLevel, 0);
}

// Inside a call, Next and End If have no loop or branch of their own to
// close, and End Subroutine inside an unclosed loop closes nothing: the
// call level is left for its own End Subroutine.
TEST_F(CompileTest, CallLevelIsClosedByEndSubroutineOnly) {
  const int in = c.input("Constant Input", "1");
  const int call = c.box("Insert Subroutine s");
  c.chain(in, call, c.box("Constant Input", "box2"));
  const int start = c.box("s Subroutine", "Subroutine");
  const int next = c.box("Next");
  const int endIf = c.box("End If");
  c.chain(start, next, endIf, c.box("End Subroutine", "Subroutine"));
  EXPECT_EQ(Compile(),
            "box1=1;\r\n   box4=box1;\r\n   box5=box4;\r\n   box2=box6;\r\nbox3=box2;\r\n");
  EXPECT_EQ(Asked(), Strings{Incomplete({"box5 (Next) closes a loop that is not open.",
                                         "box6 (End If) closes a branch that is not open."})});
  EXPECT_EQ(endLevel, 0);
}

TEST_F(CompileTest, EndSubroutineInsideAnOpenLoopLeavesTheCallOpen) {
  const int in = c.input("Constant Input", "1");
  const int call = c.box("Insert Subroutine s");
  c.link(in, call);
  const int start = c.box("s Subroutine", "Subroutine");
  const int loop = c.box("For", "1:1:2,");
  c.chain(start, loop, c.box("End Subroutine", "Subroutine"));
  EXPECT_EQ(Compile(), "box1=1;\r\n   box3=box1;\r\n   for box4=1:1:2,\r\n      ");
  EXPECT_EQ(Asked(),
            Strings{Incomplete({"box5 (End Subroutine) ends a subroutine while a block inside it "
                                "is still open.",
                                "box2 (Insert Subroutine s) calls a subroutine that no End "
                                "Subroutine box ends.",
                                "box4 (For) opens a loop that no Next box closes."})});
}

// With the preference on, the subroutine's start box (free entries) is a
// start box too: it is not compiled outside the call, and after the call
// the restored list holds the call box at another position than the End
// Subroutine box had; the walk still goes on after the call.
TEST_F(CompileTest, StartBoxOutsideACallIsSkippedAndTheCallStillLeadsOn) {
  const int in = c.input("Constant Input", "4");
  const int pass = c.box("Constant Input", "box1");
  const int call = c.box("Insert Subroutine sq");
  c.chain(in, pass, call);
  Subroutine(c, "sq", "box4^2");
  c.link(call, c.box("Constant Input", "box3+1"));
  prefs.chkInput = true;
  EXPECT_EQ(Compile(),
            "box1=4;\r\nbox2=box1;\r\n   box4=box2;\r\n   box5=box4^2;\r\n   box3=box5;\r\n"
            "box7=box3+1;\r\n");
  EXPECT_EQ(Asked(), Strings{kDone});
}

TEST_F(CompileTest, EndIfAfterACallInsideTheBranchStillWritesEnd) {
  CallInBranchChart(c);
  EXPECT_EQ(Compile(),
            "box1=5;\r\n"
            "box2=box1;\r\n"
            "if (box2>0),\r\n"
            "   box5=box2;\r\n"
            "      box6=box5*3;\r\n"
            "      box3=box6;\r\n"
            "end;\r\n"
            "box8=box2;\r\n");
}

// The If box waits at position 2 behind a box that is not ready; its End If
// is compiled at position 1 of the inner list.
TEST_F(CompileTest, WayOnAfterIfIsQueuedWhenTheIfStoodAtAnotherPosition) {
  const int in = c.input("Constant Input", "1");
  const int x = c.box("Vector Make Input");
  const int branch = c.box("If", "box3>0");
  const int a = c.box("Constant Input", "10");
  const int endIf = c.box("End If");
  const int d = c.box("Constant Input", "box3*2");
  c[in].OutLink = {0, int16_t(x), int16_t(branch), 0, 0, 0};
  c[x].InLink = {0, int16_t(in), int16_t(d), int16_t(d)};
  c[branch].InLink = {0, int16_t(in), 0, 0};
  c[branch].OutLink = {0, int16_t(a), int16_t(d), 0, 0, 0};
  c.link(a, endIf);
  c[d].InLink = {0, int16_t(branch), 0, 0};
  EXPECT_EQ(Compile(),
            "box1=1;\r\nbox3=box1;\r\nif (box3>0),\r\n   box4=10;\r\nend;\r\nbox6=box3*2;\r\n"
            "box2=[box1:box6:box6];\r\n");
  EXPECT_EQ(Asked(), Strings{kDone});
}

TEST_F(CompileTest, RecursiveCallIsNotExpandedAndTheWalkEnds) {
  const int in = c.input("Constant Input", "1");
  const int call = c.box("Insert Subroutine r");
  c.chain(in, call, c.box("Constant Input", "2"));
  const int start = c.box("r Subroutine", "Subroutine");
  const int inner = c.box("Insert Subroutine r");
  c.chain(start, inner, c.box("End Subroutine", "Subroutine"));
  EXPECT_EQ(Compile(), "box1=1;\r\n   box4=box1;\r\n   box2=box5;\r\nbox3=2;\r\n");
  EXPECT_EQ(Asked(), Strings{Incomplete({"box5 (Insert Subroutine r) calls its subroutine from "
                                         "inside that subroutine; the call is not expanded."})});
}

// Each subroutine calls the next one twice: the expansion would double with
// every level, so the compile stops expanding and says so.
TEST_F(CompileTest, DoublingCallsEndInBoundedTime) {
  const int in = c.input("Constant Input", "1");
  const int top = c.box("Insert Subroutine s0");
  c.chain(in, top);
  constexpr int kLevels = 40;
  for (int k = 0; k < kLevels; ++k) {
    const int start = c.box("s" + std::to_string(k) + " Subroutine", "Subroutine");
    const int one = c.box("Insert Subroutine s" + std::to_string(k + 1));
    const int two = c.box("Insert Subroutine s" + std::to_string(k + 1));
    c.chain(start, one, two, c.box("End Subroutine", "Subroutine"));
  }
  const int last = c.box("s40 Subroutine", "Subroutine");
  c.link(last, c.box("End Subroutine", "Subroutine"));
  const std::string script = Compile();
  EXPECT_FALSE(script.empty());
  ASSERT_FALSE(Asked().empty());
  EXPECT_NE(Asked().back().find("one subroutine call too many"), std::string::npos);
}

}  // namespace
}  // namespace quorvin::testing
