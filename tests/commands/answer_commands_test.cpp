// The insert commands that build a box from a dialog's or an input box's
// answer: plot, formula, MATLAB command, If, For, While and the subroutine
// boxes, with scripted answers.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "command_fixture.h"
#include "commands/command_registry.h"
#include "commands/flow_control_commands.h"
#include "model/box_kinds.h"

namespace quorvin::testing {
namespace {

using Entries = std::array<int, kEntries>;
using Exits = std::array<int, kExits>;

Entries EntriesOf(const BoxRecord& box) {
  return {box.InLink[1], box.InLink[2], box.InLink[3]};
}
Exits ExitsOf(const BoxRecord& box) {
  return {box.OutLink[1], box.OutLink[2], box.OutLink[3], box.OutLink[4], box.OutLink[5]};
}
constexpr Entries kEntriesFree{0, 0, 0};
constexpr Entries kNoEntries{-1, -1, -1};
constexpr Exits kExitsFree{0, 0, 0, 0, 0};
constexpr Exits kNoExits{-1, -1, -1, -1, -1};

class AnswerCommands : public ::testing::Test {
 protected:
  // Runs handler on document doc (the first by default).
  ScriptedContext Run(const char* handler, int doc = 0) {
    ScriptedContext ctx = f.on(doc == 0 ? f.doc1 : doc);
    EXPECT_TRUE(commands.run(handler, ctx)) << handler;
    return ctx;
  }
  // Runs handler and places its box; the box's number.
  int Placed(const char* handler, int doc = 0) {
    Run(handler, doc);
    f.place();
    return f.m.table.highestBox();
  }

  CommandFixture f;
  const CommandRegistry commands = InsertCommandRegistry();
};

// --- Plot Output ---------------------------------------------------------

TEST_F(AnswerCommands, PlotStoresTheCommandStringAndKeepsTheMarkedInputs) {
  f.questions.plots.push_back({"Plot2d;plot(Input1,Input2);\r\n", {true, true, false}});
  const ScriptedContext ctx = Run("mnuOutputPlot_Click");
  const BoxRecord& box = f.last();
  EXPECT_EQ(box.Kind, "Plot Output");
  EXPECT_EQ(box.Params, "Plot2d;plot(Input1,Input2);\r\n");
  EXPECT_EQ(EntriesOf(box), (Entries{0, 0, -1}));
  EXPECT_EQ(ExitsOf(box), kNoExits);
  ASSERT_EQ(ctx.icons.size(), 1u);
  EXPECT_EQ(ctx.icons.back(), (IconShown{f.doc1, 1, "Plot2d"}));
  EXPECT_EQ(f.m.editor.mode(), EditMode::Placing);
}

TEST_F(AnswerCommands, PlotMarkedOnlyInTheThirdInputKeepsThatEntry) {
  f.questions.plots.push_back({"Plot3d;mesh(Input1,Input2,Input3);\r\n", {false, false, true}});
  const ScriptedContext ctx = Run("mnuOutputPlot_Click");
  EXPECT_EQ(EntriesOf(f.last()), (Entries{-1, -1, 0}));
  EXPECT_EQ(ctx.icons.back().key, "Plot3d");
}

// A plot dialog closed without OK leaves no plot type: the re-typed waiting
// box must not keep the icon of its earlier kind, it shows the error cell.
TEST_F(AnswerCommands, PlotClosedWithoutOkShowsTheErrorCellNotAnEarlierIcon) {
  EXPECT_EQ(Run("mnuTrigCos_Click").icons.back().key, "Cos");
  const ScriptedContext ctx = Run("mnuOutputPlot_Click");  // re-types the waiting Cos box
  EXPECT_EQ(f.m.table.highestBox(), 1);
  const BoxRecord& box = f.last();
  EXPECT_EQ(box.Kind, "Plot Output");
  EXPECT_EQ(box.Params, "");
  EXPECT_EQ(EntriesOf(box), kNoEntries);
  EXPECT_EQ(ExitsOf(box), kNoExits);
  ASSERT_EQ(ctx.icons.size(), 1u);
  EXPECT_EQ(ctx.icons.back(), (IconShown{f.doc1, 1, ""})) << "IconForKey(\"\") is the error cell";
  EXPECT_EQ(BoxIconKey(box), "") << "a redrawn box shows the same cell";
}

// --- Compute Function ----------------------------------------------------

TEST_F(AnswerCommands, FormulaPlaceholderScan) {
  struct Case {
    const char* formula;
    Entries entries;
    const char* paramsAfterEcho;  // Params without the echo line
    bool echo;
  };
  for (const Case& c : {
           Case{"sin(Input1)", {0, -1, -1}, "y=sin(Input1);", false},
           Case{"", {0, -1, -1}, "y=;", true},                       // none at all
           Case{"2*Input2", {-1, 0, -1}, "y=2*Input2;", false},      // only Input2
           Case{"input1+1", {0, -1, -1}, "y=input1+1;", true},      // lower case is none
           Case{"Input3-Input1", {0, -1, 0}, "y=Input3-Input1;", false},
           Case{"Input1+Input2+Input3", {0, 0, 0}, "y=Input1+Input2+Input3;", false},
           Case{"Input4", {0, -1, -1}, "y=Input4;", true},
           Case{"Input", {0, -1, -1}, "y=Input;", true},
       }) {
    CommandFixture g;
    g.questions.formulas.push_back({true, "y", c.formula, false, "7", "8"});
    ScriptedContext ctx = g.on(g.doc1);
    commands.run("mnuOperatorsFunc_Click", ctx);
    const BoxRecord& box = g.last();
    SCOPED_TRACE(c.formula);
    EXPECT_EQ(box.Kind, "Compute Function");
    EXPECT_EQ(EntriesOf(box), c.entries);
    EXPECT_EQ(ExitsOf(box), kExitsFree);
    EXPECT_EQ(box.Params, std::string(c.echo ? "box1=Input1;\r\n" : "") + c.paramsAfterEcho);
    EXPECT_EQ(ctx.icons.back().key, "Compute Function");
  }
}

TEST_F(AnswerCommands, FormulaCellSuffixAndEchoLineOfTheBoxNumber) {
  Placed("mnuTrigSin_Click");
  f.questions.formulas.push_back({true, "y", "sin(Input1)", true, "2", "3"});
  Run("mnuOperatorsFunc_Click");
  EXPECT_EQ(f.last().Params, "y(2,3)=sin(Input1);");
  f.place();
  f.questions.formulas.push_back({true, "z", "pi", true, "1", "1"});
  Run("mnuOperatorsFunc_Click");
  EXPECT_EQ(f.last().Params, "box3=Input1;\r\nz(1,1)=pi;");
}

TEST_F(AnswerCommands, FormulaClosedWithoutOkEchoesIntoOutput) {
  Run("mnuOperatorsFunc_Click");
  EXPECT_EQ(f.last().Params, "box1=Input1;\r\noutput=;");
  EXPECT_EQ(EntriesOf(f.last()), (Entries{0, -1, -1}));
}

// --- Matlab Command ------------------------------------------------------

TEST_F(AnswerCommands, MatlabCommandSlotsFromTheCheckBoxesAndLowerCase) {
  MatlabCommandAnswer answer;
  answer.accepted = true;
  answer.command = "PLOT(Input1)";
  answer.inputs = {true, false, true};
  answer.outputs = {false, true, false, false, true};
  f.questions.matlabCommands.push_back(answer);
  const ScriptedContext ctx = Run("mnuSpecMatlab_Click");
  const BoxRecord& box = f.last();
  EXPECT_EQ(box.Kind, "Matlab Command");
  EXPECT_EQ(box.Params, "Output=plot(input1)");
  EXPECT_EQ(EntriesOf(box), (Entries{0, -1, 0}));
  EXPECT_EQ(ExitsOf(box), (Exits{-1, 0, -1, -1, 0}));
  EXPECT_EQ(ctx.icons.back().key, "Matlab Command");
}

TEST_F(AnswerCommands, MatlabCommandWithNothingTickedHasNoSlots) {
  Run("mnuTrigCos_Click");  // the waiting box it re-types
  Run("mnuSpecMatlab_Click");
  const BoxRecord& box = f.last();
  EXPECT_EQ(box.Params, "Output=");
  EXPECT_EQ(EntriesOf(box), kNoEntries);
  EXPECT_EQ(ExitsOf(box), kNoExits);
}

// The box waits with its icon while these dialogs are open.
TEST(IconWhileAsking, MatlabCommandIfAndForShowTheirIconBeforeTheDialog) {
  struct Watching : ScriptedCommandQuestions {
    const std::vector<IconShown>* icons = nullptr;
    std::vector<std::string> shownWhenAsked;
    std::string Shown() const { return icons->empty() ? "" : icons->back().key; }
    MatlabCommandAnswer askMatlabCommand() override {
      shownWhenAsked.push_back(Shown());
      return {};
    }
    ConditionAnswer askCondition() override {
      shownWhenAsked.push_back(Shown());
      return {};
    }
    ForLoopAnswer askForLoop() override {
      shownWhenAsked.push_back(Shown());
      return {};
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
      shownWhenAsked.push_back(Shown());
      return {};
    }
  };
  CommandFixture f;
  Watching questions;
  ScriptedContext ctx(f.m, f.doc1, questions);
  questions.icons = &ctx.icons;
  const CommandRegistry commands = InsertCommandRegistry();
  for (const char* handler :
       {"mnuSpecMatlab_Click", "mnuCondIf_Click", "mnuLoopFor_Click", "mnuLoopWhile_Click"})
    commands.run(handler, ctx);
  EXPECT_EQ(questions.shownWhenAsked,
            (std::vector<std::string>{"Matlab Command", "If", "For", "While"}));
}

// --- If, For, While ------------------------------------------------------

TEST_F(AnswerCommands, IfConditionWithAndWithoutElse) {
  struct Case {
    ConditionAnswer answer;
    const char* params;
  };
  for (const Case& c : {Case{{true, "a==b", false}, "a==b"}, Case{{true, "x>0", true}, "elsex>0"},
                        Case{{true, "", true}, "else"}, Case{{}, ""}}) {
    CommandFixture g;
    ScriptedContext ctx = g.on(g.doc1);
    commands.run("mnuOutputScreen_Click", ctx);  // a waiting box with marked slots
    g.questions.conditions.push_back(c.answer);
    commands.run("mnuCondIf_Click", ctx);
    const BoxRecord& box = g.last();
    EXPECT_EQ(box.Kind, "If");
    EXPECT_EQ(box.Params, c.params);
    EXPECT_EQ(EntriesOf(box), kEntriesFree) << c.params;
    EXPECT_EQ(ExitsOf(box), kExitsFree) << c.params;
    EXPECT_EQ(ctx.icons.back().key, "If");
  }
}

TEST_F(AnswerCommands, ForStoresFromIncrementUntil) {
  ForLoopAnswer answer;
  answer.accepted = true;
  answer.from = "0";
  answer.until = "10";
  answer.increment = "2";
  f.questions.forLoops.push_back(answer);
  const ScriptedContext ctx = Run("mnuLoopFor_Click");
  EXPECT_EQ(f.last().Kind, "For");
  EXPECT_EQ(f.last().Params, "0:2:10,");
  EXPECT_EQ(EntriesOf(f.last()), kEntriesFree);
  EXPECT_EQ(ExitsOf(f.last()), kExitsFree);
  EXPECT_EQ(ctx.icons.back().key, "For");
  f.place();
  Run("mnuLoopFor_Click");  // closed without OK
  EXPECT_EQ(f.last().Params, "1:1:1,");
}

TEST_F(AnswerCommands, WhileAsksForTheConditionAndKeepsACancelledBox) {
  f.questions.inputs = {"k<5"};
  const ScriptedContext ctx = Run("mnuLoopWhile_Click");
  EXPECT_EQ(f.questions.asked.back(), "input:Enter the condition in Matlab Script|Quorvin|");
  EXPECT_EQ(f.last().Kind, "While");
  EXPECT_EQ(f.last().Params, "k<5");
  EXPECT_EQ(EntriesOf(f.last()), kEntriesFree);
  EXPECT_EQ(ExitsOf(f.last()), kExitsFree);
  EXPECT_EQ(ctx.icons.back().key, "While");
  f.place();
  Run("mnuLoopWhile_Click");  // cancelled: the empty text
  EXPECT_EQ(f.m.table.highestBox(), 2);
  EXPECT_EQ(f.last().Kind, "While");
  EXPECT_EQ(f.last().Params, "");
  EXPECT_EQ(f.m.editor.mode(), EditMode::Placing) << "the box still waits to be placed";
}

// --- Subroutines ---------------------------------------------------------

TEST_F(AnswerCommands, SubroutineStartAsksTheNameAndMakesASource) {
  f.questions.inputs = {"filter"};
  const ScriptedContext ctx = Run("mnuSpecSubStart_Click");
  EXPECT_EQ(f.questions.asked.back(), "input:What is the subroutine's name ?|Quorvin|");
  const BoxRecord& box = f.last();
  EXPECT_EQ(box.Kind, "filter Subroutine");
  EXPECT_EQ(box.Params, "Subroutine");
  EXPECT_EQ(EntriesOf(box), kNoEntries);
  EXPECT_EQ(ExitsOf(box), kExitsFree);
  EXPECT_EQ(ctx.icons.back(), (IconShown{f.doc1, 1, "Subroutine"}));
  f.place();
  Run("mnuSpecSubStart_Click");  // cancelled: the empty name
  EXPECT_EQ(f.last().Kind, " Subroutine");
}

TEST_F(AnswerCommands, SubroutineEndIsASink) {
  const ScriptedContext ctx = Run("mnuSpecSubEnd_Click");
  EXPECT_EQ(f.last().Kind, "End Subroutine");
  EXPECT_EQ(f.last().Params, "Subroutine");
  EXPECT_EQ(EntriesOf(f.last()), kEntriesFree);
  EXPECT_EQ(ExitsOf(f.last()), kNoExits);
  EXPECT_EQ(ctx.icons.back().key, "Subroutine");
  EXPECT_TRUE(f.questions.asked.empty());
}

// Names that would break the flowchart file, or whose start box would read
// as an end or a call, are refused with a message and make no box.
TEST_F(AnswerCommands, SubroutineStartRefusesNamesNoStartBoxCanCarry) {
  for (const char* name : {"a~b", "~", "two\nlines", "two\rlines", "End", "Insert",
                           "Insert Subroutine x"}) {
    CommandFixture g;
    g.questions.inputs = {name};
    ScriptedContext ctx = g.on(g.doc1);
    commands.run("mnuSpecSubStart_Click", ctx);
    EXPECT_EQ(g.m.table.highestBox(), 0) << name;
    EXPECT_EQ(g.m.editor.mode(), EditMode::Select) << name;
    EXPECT_TRUE(ctx.icons.empty()) << name;
    ASSERT_EQ(g.dialogs.messages.size(), 1u) << name;
    EXPECT_EQ(g.dialogs.styles.back(), style::kExclamation) << name;
    EXPECT_EQ(g.dialogs.titles.back(), "Quorvin");
  }
  // Names that merely look alike are taken.
  for (const char* name : {"Ending", "End ", "Insert x", "end", "my filter", "Subroutine"}) {
    CommandFixture g;
    g.questions.inputs = {name};
    ScriptedContext ctx = g.on(g.doc1);
    commands.run("mnuSpecSubStart_Click", ctx);
    EXPECT_EQ(g.last().Kind, std::string(name) + " Subroutine") << name;
    EXPECT_TRUE(g.dialogs.messages.empty()) << name;
  }
}

TEST_F(AnswerCommands, SubroutineListCoversBothDocumentsAndStartBoxesOnly) {
  f.questions.inputs = {"filter", "solve"};
  Placed("mnuSpecSubStart_Click", f.doc1);
  Placed("mnuSpecSubEnd_Click", f.doc1);
  Placed("mnuSpecSubStart_Click", f.doc2);
  // A call whose name ends in "Subroutine" is no start box.
  f.questions.subroutines.push_back({true, "x Subroutine Subroutine"});
  Placed("mnuSpecSubInsert_Click", f.doc2);
  EXPECT_EQ(f.last().Kind, "Insert Subroutine x Subroutine");

  f.questions.subroutines.push_back({true, "solve Subroutine"});
  const ScriptedContext ctx = Run("mnuSpecSubInsert_Click", f.doc1);
  ASSERT_EQ(f.questions.subroutineLists.size(), 2u);
  EXPECT_EQ(f.questions.subroutineLists.back(),
            (std::vector<std::string>{"filter Subroutine", "solve Subroutine"}));
  const BoxRecord& call = f.last();
  EXPECT_EQ(call.Kind, "Insert Subroutine solve");
  EXPECT_EQ(call.Params, "Subroutine");
  EXPECT_EQ(EntriesOf(call), (Entries{0, -1, -1}));
  EXPECT_EQ(ExitsOf(call), (Exits{0, -1, -1, -1, -1}));
  EXPECT_EQ(ctx.icons.back(), (IconShown{f.doc1, 5, "Subroutine"}));
}

TEST_F(AnswerCommands, SubroutineCallNames) {
  struct Case {
    SubroutineChoice choice;
    const char* kind;
  };
  for (const Case& c : {Case{{true, "filter Subroutine"}, "Insert Subroutine filter"},
                        Case{{true, "myfunc"}, "Insert Subroutine myfunc"},  // typed
                        Case{{true, "Subroutine"}, "Insert Subroutine "},    // no name left
                        Case{{true, " Subroutine"}, "Insert Subroutine "},
                        Case{{}, "Insert Subroutine "}}) {                    // closed
    CommandFixture g;
    g.questions.subroutines.push_back(c.choice);
    ScriptedContext ctx = g.on(g.doc1);
    commands.run("mnuSpecSubInsert_Click", ctx);
    EXPECT_EQ(g.last().Kind, c.kind) << c.choice.text;
  }
  // A name the dialog would refuse is refused by the command too.
  CommandFixture g;
  g.questions.subroutines.push_back({true, "a~b Subroutine"});
  ScriptedContext ctx = g.on(g.doc1);
  commands.run("mnuSpecSubInsert_Click", ctx);
  EXPECT_EQ(g.m.table.highestBox(), 0);
  EXPECT_EQ(g.dialogs.messages.size(), 1u);
}

// The start and the call ask before the box exists: with a full box table
// they still ask (and the answer is dropped); the others ask nothing.
TEST(FullTableAnswers, StartAndCallAskFirstOthersNotAtAll) {
  CommandFixture f;
  for (int n = 1; n <= kMaxBoxes; ++n) {
    f.boxes[n].Kind = "Sin";
    f.boxes[n].Doc = static_cast<int16_t>(f.doc1);
  }
  f.boxes.nextBox = kMaxBoxes + 1;
  const BoxTable before = f.m.table;
  const CommandRegistry commands = InsertCommandRegistry();
  for (const char* handler : {"mnuOutputPlot_Click", "mnuOperatorsFunc_Click",
                              "mnuSpecMatlab_Click", "mnuCondIf_Click", "mnuLoopFor_Click",
                              "mnuLoopWhile_Click", "mnuSpecSubEnd_Click"}) {
    ScriptedContext ctx = f.on(f.doc1);
    commands.run(handler, ctx);
    EXPECT_TRUE(ctx.icons.empty()) << handler;
    EXPECT_TRUE(f.questions.asked.empty()) << handler;
  }
  f.questions.inputs = {"filter"};
  f.questions.subroutines.push_back({true, "filter Subroutine"});
  for (const char* handler : {"mnuSpecSubStart_Click", "mnuSpecSubInsert_Click"}) {
    ScriptedContext ctx = f.on(f.doc1);
    commands.run(handler, ctx);
    EXPECT_TRUE(ctx.icons.empty()) << handler;
  }
  EXPECT_EQ(f.questions.asked.size(), 2u);
  EXPECT_TRUE(f.m.table == before);
}

}  // namespace
}  // namespace quorvin::testing
