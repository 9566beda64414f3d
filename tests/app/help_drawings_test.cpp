// The drawings the help pages teach, drawn arrow by arrow as a page tells a
// person to draw them and compiled: each test holds the page's sentence
// beside what the compile makes of the drawing, so that neither can change
// without the other.

#include <QClipboard>
#include <QGuiApplication>
#include <algorithm>
#include <utility>

#include "app/execute_commands.h"
#include "model/settings_store.h"
#include "tests/app/help_page_text.h"
#include "tests/compiler/compile_fixture.h"
#include "tests/support/editor_backdoor.h"
#include "tests/support/qt_application.h"
#include "tests/support/step_fakes.h"

namespace quorvin::testing {
namespace {

using Strings = std::vector<std::string>;

const QString kBoxes = "boxes.html";
const QString kBlocks = "blocks";

// The boxes that open and close a body, as the menus make them.
struct Block {
  const char* opener;
  const char* params;
  const char* closer;
  const char* name;  // as the compile's end message calls it
};
const Block kLoopsAndBranch[] = {
    {"For", "1:1:3,", "Next", "loop"},
    {"While", "box1<3", "Next", "loop"},
    {"If", "box1>3", "End If", "branch"},
};

struct HelpDrawings : CompileTest {
  // Box 1, the input 5, and box 2, the block box it leads to, on a fresh chart.
  int Opened(const char* kind, const char* params) {
    c = ChartBuilder{};
    host.questions.clear();
    const int in = c.input("Constant Input", "5");
    const int opener = c.box(kind, params);
    c.link(in, opener);
    return opener;
  }
};

// 1 input, 2 If: its first arrow to 3 (Sin), 3 to 4 (End If), its second
// arrow to 5 (Cos).
TEST_F(HelpDrawings, AnIfBranchIsItsFirstArrowAndTheWayOnItsSecond) {
  EXPECT_TRUE(Tells(kBoxes, kBlocks,
                    "The condition of an If or While box is a MATLAB expression over the "
                    "results of boxes, each named box followed by its number"));
  EXPECT_TRUE(Tells(kBoxes, kBlocks,
                    "An If box passes on the value at its entry under its own name"));
  EXPECT_TRUE(Tells(kBoxes, kBlocks,
                    "Without Second Output is 'else' Branch ticked, draw the If box's first "
                    "arrow to the branch, the boxes that run when the condition holds, ending "
                    "at an End If box, and its second arrow to the box that comes after the "
                    "branch."));
  const int branch = Opened("If", "box1>3");
  const int holds = c.box("Sin");
  c.link(branch, holds).link(holds, c.box("End If"));
  c.link(branch, c.box("Cos"));
  EXPECT_EQ(Compile(),
            "box1=5;\r\n"
            "box2=box1;\r\n"
            "if (box1>3),\r\n"
            "   box3=sin(box2);\r\n"
            "end;\r\n"
            "box5=cos(box2);\r\n");
  EXPECT_EQ(Asked(), Strings{kDone});
}

// 1 input, 2 If with else: its first arrow to 3 (Sin) and 4 (End If), its
// second to 5 (Cos) and 6 (End If), its third to 7 (Tan).
TEST_F(HelpDrawings, WithElseTheSecondArrowHoldsAndTheFirstIsTheElsePart) {
  EXPECT_TRUE(Tells(kBoxes, kBlocks,
                    "With it ticked, the boxes behind the second arrow run when the condition "
                    "holds and those behind the first arrow are the else part; each part ends at "
                    "an End If box of its own, and the third arrow leads on after the branch."));
  const int branch = Opened("If", "elsebox1>3");
  const char* parts[] = {"Sin", "Cos"};
  for (const char* part : parts) {
    const int first = c.box(part);
    c.link(branch, first).link(first, c.box("End If"));
  }
  c.link(branch, c.box("Tan"));
  EXPECT_EQ(Compile(),
            "box1=5;\r\n"
            "box2=box1;\r\n"
            "if (box1>3),\r\n"
            "      box5=cos(box2);\r\n"
            "   else\r\n"
            "   box3=sin(box2);\r\n"
            "end;\r\n"
            "box7=tan(box2);\r\n");
  EXPECT_EQ(Asked(), Strings{kDone});
}

// 1 input, 2 the opener, 3 (Sin) its body, 4 the closer, 5 (Cos) drawn from
// the closer: after a loop it is the way on, after a branch it is not
// written. A While box is given no value: its body reads box2 unset.
TEST_F(HelpDrawings, TheWayOnLeavesTheIfBoxOrTheNextBox) {
  EXPECT_TRUE(Tells(kBoxes, kBlocks, "a While box has no value of its own."));
  EXPECT_TRUE(Tells(kBoxes, kBlocks,
                    "Arrows drawn out of an End If box are not followed: the way on after a "
                    "branch leaves the If box, while the way on after a loop leaves its Next "
                    "box."));
  const std::pair<Block, std::string> cases[] = {
      {kLoopsAndBranch[0],
       "box1=5;\r\nfor box2=1:1:3,\r\n   box3=sin(box2);\r\nend;\r\nbox4=box3;\r\n"
       "box5=cos(box4);\r\n"},
      {kLoopsAndBranch[1],
       "box1=5;\r\nwhile box1<3\r\n   box3=sin(box2);\r\nend;\r\nbox4=box3;\r\n"
       "box5=cos(box4);\r\n"},
      {kLoopsAndBranch[2], "box1=5;\r\nbox2=box1;\r\nif (box1>3),\r\n   box3=sin(box2);\r\nend;\r\n"},
  };
  for (const auto& [block, script] : cases) {
    SCOPED_TRACE(block.opener);
    const int opener = Opened(block.opener, block.params);
    // One box a statement: arguments are made in no set order.
    const int body = c.box("Sin");
    const int closer = c.box(block.closer);
    c.chain(opener, body, closer, c.box("Cos"));
    EXPECT_EQ(Compile(), script);
  }
}

// 1 input, 2 If, 3 (Sin) its branch, 4 (End If), and 5 (Cos) drawn from the
// End If box only.
TEST_F(HelpDrawings, ABoxOnlyAnEndIfLeadsToIsNamedAtTheEnd) {
  EXPECT_TRUE(Tells(kBoxes, kBlocks,
                    "A box that only an End If box leads to is left out, and the message at the "
                    "end of the compile names it."));
  const int branch = Opened("If", "box1>3");
  const int holds = c.box("Sin");
  const int endIf = c.box("End If");
  c.chain(branch, holds, endIf, c.box("Cos"));
  Compile();
  EXPECT_EQ(Asked(), Strings{Incomplete({"box5 (Cos) is left out: arrows out of box4 (End If) "
                                         "are not followed; the way on after a branch leaves "
                                         "its If box."})});
}

// 1 input, 2 the opener, 3 (Sin) the box before the closer, with 4 (Screen
// Output) and 5 (the closer) on its exits in the order drawn.
TEST_F(HelpDrawings, AnOutputBesideTheBodyIsKeptWhenTheClosingArrowComesFirst) {
  EXPECT_TRUE(Tells(kBoxes, kBlocks,
                    "The compile writes a body until it comes to its Next or End If box, which "
                    "ends the block at once: a box of the body it has not reached by then is left "
                    "out, and the message at the end of the compile names it."));
  EXPECT_TRUE(Tells(kBoxes, kBlocks,
                    "One output box may stand beside the way, on the box just before the closing "
                    "box, when that box's arrow to the closing box is drawn first and its arrow "
                    "to the output second."));
  for (const Block& block : kLoopsAndBranch) {
    for (const bool closerFirst : {false, true}) {
      SCOPED_TRACE(std::string(block.opener) + (closerFirst ? ", closer first" : ", output first"));
      const int opener = Opened(block.opener, block.params);
      const int last = c.box("Sin");
      c.link(opener, last);
      const int output = c.box("Screen Output");
      const int closer = c.box(block.closer);
      if (closerFirst) c.link(last, closer).link(last, output);
      else c.link(last, output).link(last, closer);
      const std::string script = Compile();
      EXPECT_EQ(script.find("   box4=box3\r\n") != std::string::npos, closerFirst) << script;
      EXPECT_EQ(Asked(), closerFirst ? Strings{kDone}
                                     : Strings{Incomplete({"box4 (Screen Output) is left out: "
                                                           "box5 (" + std::string(block.closer) +
                                                           ") closed its " + block.name +
                                                           " first."})});
    }
  }
}

// 1 input, 2 the opener, 3 (Sin) with two ways, 4 (Cos) and 5 (Tan), that
// join again in 6 (+) before 7, the closer: every box is written, whatever
// the order the arrows of the body are drawn in.
TEST_F(HelpDrawings, ABodyWhoseBoxesAllLeadToTheClosingBoxKeepsThemInAnyDrawingOrder) {
  EXPECT_TRUE(Tells(kBoxes, kBlocks,
                    "A box that leads on through arrows to the closing box is always written "
                    "before it, so draw every box of a body on the way to its closing box, "
                    "joining a second way back into it (into a + box before the Next box, "
                    "say)."));
  // The arrows after the opener's own, as (from, to) box numbers.
  std::vector<std::pair<int, int>> arrows{{3, 4}, {3, 5}, {4, 6}, {5, 6}, {6, 7}};
  for (const Block& block : kLoopsAndBranch) {
    SCOPED_TRACE(block.opener);
    std::sort(arrows.begin(), arrows.end());
    do {
      const int opener = Opened(block.opener, block.params);
      for (const char* kind : {"Sin", "Cos", "Tan", "+"}) c.box(kind);
      c.box(block.closer);
      c.link(opener, 3);
      for (const auto& [from, to] : arrows) c.link(from, to);
      Compile();
      ASSERT_EQ(Asked(), Strings{kDone});
    } while (std::next_permutation(arrows.begin(), arrows.end()));
  }
}

// The first flowchart: Create a Linearly Spaced Vector (1) to Matlab Plot (2).
TEST(HelpFirstFlowchart, TheScriptIsOnTheClipboardOnceDoneIsClosed) {
  EXPECT_TRUE(Tells("getting_started.html", "steps",
                    "When Quorvin says \"Done !\", click OK: the script is then on the "
                    "clipboard. Paste it into MATLAB or Octave and run it."));
  testing_support::EnsureGuiApplication();
  testing_support::QueuedQuestions host;
  testing_support::RecordingViews views;
  MemorySettingsStore store;
  Model model{host, views, store};
  ChartBuilder c;
  const int vector = c.input("Vector Make Input", "[1:1:100];");
  c.link(vector, c.box("Plot Output", "Plot2d;plot([1:1:length(Input1)],Input1,'y-')"));
  testing_support::WritableTable(model) = c.table;
  QGuiApplication::clipboard()->clear();
  const RunState run;
  mnuExeDDE_Click(model, 1, host, run);
  EXPECT_EQ(host.messages, Strings{"Done !|64|Quorvin"});
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
            "box1=[1:1:100];\r\nplot([1:1:length(box1)],box1,'y-')\r\n");
}

}  // namespace
}  // namespace quorvin::testing
