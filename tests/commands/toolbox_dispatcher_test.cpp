// The toolbox dispatcher: tool names to commands, exactly, and the hand-over
// of a picked tool to the first document that takes it.

#include <gtest/gtest.h>

#include "command_fixture.h"
#include "commands/toolbox_dispatcher.h"
#include "model/box_kinds.h"

namespace quorvin::testing {
namespace {

// The tool name picked in the toolbox, then a move over doc's canvas.
void PickAndMove(CommandFixture& f, ScriptedContext& ctx, std::string_view name) {
  ToolPick pick;
  pick.pick(f.m.editor, name);
  pick.runPicked([&](const Tool& tool) { cmdEventFire_Click(tool, ctx); });
}

TEST(Dispatcher, ToolAndMenuMakeTheSameBox) {
  const CommandRegistry commands = InsertCommandRegistry();
  CommandFixture byTool, byMenu;
  ScriptedContext toolCtx = byTool.on(byTool.doc1);
  ScriptedContext menuCtx = byMenu.on(byMenu.doc1);
  PickAndMove(byTool, toolCtx, "Cos");
  commands.run("mnuTrigCos_Click", menuCtx);
  EXPECT_TRUE(byTool.m.table == byMenu.m.table);
  EXPECT_EQ(toolCtx.icons, menuCtx.icons);
}

TEST(Dispatcher, ToolNamesThatDifferFromTheirKinds) {
  for (const auto& [tool, kind] : {std::pair{"Natural Logarithm", "Log"}, {"FFTFFT", "FFT"},
                                   {"Square Root", "Sqrt"}, {"Special Matrix", "Matrix Make Input"},
                                   {"Eigen", "Eigenvalues"}, {"User", "User Input"}}) {
    CommandFixture f;
    ScriptedContext ctx = f.on(f.doc1);
    PickAndMove(f, ctx, tool);
    EXPECT_EQ(f.last().Kind, kind) << tool;
  }
}

TEST(Dispatcher, NearMissesDoNothing) {
  for (const char* name : {"cos", "Cos ", " Cos", "", "event fire", "plot output", "IF", "For ",
                           "while", "Subroutines", "mnuSpecSub", "Compute function",
                           "MATLAB Command", "Matrix Make", "Keyboard input", "arrow"}) {
    CommandFixture f;
    ScriptedContext ctx = f.on(f.doc1);
    const BoxTable before = f.m.table;
    EXPECT_EQ(FindTool(name), nullptr) << name;
    PickAndMove(f, ctx, name);
    EXPECT_TRUE(f.m.table == before) << name;
    EXPECT_EQ(f.m.editor.mode(), EditMode::Select) << name;
    EXPECT_TRUE(f.questions.asked.empty()) << name;
    EXPECT_EQ(ctx.arrowsArmed, 0);
    EXPECT_EQ(ctx.subroutineMenus, 0) << name;
  }
}

TEST(Dispatcher, ArrowArmsTheConnectToolAndMakesNoBox) {
  CommandFixture f;
  ScriptedContext ctx = f.on(f.doc1);
  cmdEventFire_Click(*FindTool("Arrow"), ctx);
  EXPECT_EQ(ctx.arrowsArmed, 1);
  EXPECT_EQ(f.m.table.highestBox(), 0);
}

TEST(Dispatcher, SubroutinePopsUpTheMenuAndOnlyItsChoiceMakesABox) {
  const CommandRegistry commands = InsertCommandRegistry();
  CommandFixture f;
  ScriptedContext ctx = f.on(f.doc1);
  PickAndMove(f, ctx, "Subroutine");  // dismissed
  EXPECT_EQ(ctx.subroutineMenus, 1);
  EXPECT_EQ(f.m.table.highestBox(), 0);
  EXPECT_TRUE(f.questions.asked.empty());
  ctx.chooseSubroutineItem = [&](CommandContext& c) { commands.run("mnuSpecSubEnd_Click", c); };
  PickAndMove(f, ctx, "Subroutine");
  EXPECT_EQ(ctx.subroutineMenus, 2);
  EXPECT_EQ(f.last().Kind, "End Subroutine");
  EXPECT_EQ(f.m.table.highestBox(), 1);
}

// The palette shows every tool by its name's icon: a tool the table hands
// over has a picture of its own, never the unknown one.
TEST(Dispatcher, EveryToolOfTheTableHasAnIcon) {
  ASSERT_FALSE(Tools().empty());
  for (const Tool& tool : Tools())
    EXPECT_NE(SelectBoxIcon(std::string(tool.name)).number, kUnknownIcon) << tool.name;
}

TEST(Registry, AFaultOfACommandIsToldAndStaysInTheEvent) {
  struct Told : testing_support::QuietDialogs {
    Answer messageBox(const std::string& text, MessageStyle style,
                      const std::string& title) override {
      told.push_back(text + "|" + std::to_string(style.code()) + "|" + title);
      return Answer::Ok;
    }
    std::vector<std::string> told;
  } dialogs;
  testing_support::RecordingViews views;
  MemorySettingsStore store;
  Model m{dialogs, views, store};
  ScriptedCommandQuestions questions;
  ScriptedContext ctx(m, NewDocument(m), questions);
  CommandRegistry commands;
  commands.add("mnuBroken_Click", [](CommandContext&) { throw std::out_of_range("slot 9"); });
  EXPECT_TRUE(commands.run("mnuBroken_Click", ctx));
  const Tool broken{"Broken", "mnuBroken_Click",
                    [](CommandContext&) { throw std::out_of_range("slot 10"); }};
  cmdEventFire_Click(broken, ctx);
  EXPECT_EQ(dialogs.told,
            (std::vector<std::string>{"Internal error in mnuBroken_Click: slot 9|16|Quorvin",
                                      "Internal error in mnuBroken_Click: slot 10|16|Quorvin"}));
}

TEST(ToolboxPick, DropsAConnectGestureAndArrowArmsAtOnce) {
  CommandFixture f;
  ToolPick pick;
  for (EditMode from : {EditMode::ArrowArmed, EditMode::ArrowSource}) {
    testing_support::SetEditMode(f.m, from);
    pick.pick(f.m.editor, "Cos");
    EXPECT_EQ(f.m.editor.mode(), EditMode::Select);
    ASSERT_NE(pick.picked(), nullptr);
    EXPECT_EQ(pick.picked()->name, "Cos");
  }
  testing_support::SetEditMode(f.m, EditMode::Move);
  pick.pick(f.m.editor, "Sin");
  EXPECT_EQ(f.m.editor.mode(), EditMode::Move) << "only a connect gesture is dropped";
  pick.pick(f.m.editor, "Arrow");
  EXPECT_EQ(f.m.editor.mode(), EditMode::ArrowArmed);
  EXPECT_EQ(pick.picked(), nullptr);
}

// One pick runs once: the last pick before the move, taken out before its
// command runs, so that a move over another canvas while its dialog is open
// runs nothing; a name that is no tool replaces the earlier pick too.
TEST(ToolboxPick, TheLastPickRunsOnceAndIsTakenBeforeItRuns) {
  CommandFixture f;
  ToolPick pick;
  std::vector<std::string> ran;
  const auto move = [&] {
    pick.runPicked([&](const Tool& tool) {
      ran.emplace_back(tool.name);
      EXPECT_EQ(pick.picked(), nullptr);
      pick.runPicked([&](const Tool& again) { ran.push_back("again " + std::string(again.name)); });
    });
  };
  pick.pick(f.m.editor, "Sin");
  pick.pick(f.m.editor, "Bessel Function");
  move();
  move();
  EXPECT_EQ(ran, std::vector<std::string>{"Bessel Function"});
  pick.pick(f.m.editor, "Sin");
  pick.pick(f.m.editor, "Sine");
  move();
  EXPECT_EQ(ran, std::vector<std::string>{"Bessel Function"});
}

// A pick made while the command runs, and the pick of a command that
// fails, are dropped with it.
TEST(ToolboxPick, NothingIsLeftPickedWhenTheCommandEnds) {
  CommandFixture f;
  ToolPick pick;
  pick.pick(f.m.editor, "Cos");
  pick.runPicked([&](const Tool&) { pick.pick(f.m.editor, "Tan"); });
  EXPECT_EQ(pick.picked(), nullptr);
  pick.pick(f.m.editor, "Cos");
  EXPECT_THROW(pick.runPicked([](const Tool&) { throw std::runtime_error("dialog failed"); }),
               std::runtime_error);
  EXPECT_EQ(pick.picked(), nullptr);
}

}  // namespace
}  // namespace quorvin::testing
