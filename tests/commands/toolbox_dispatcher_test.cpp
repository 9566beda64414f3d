// The toolbox dispatcher: tool names to commands, exactly.

#include <gtest/gtest.h>

#include "command_fixture.h"
#include "commands/toolbox_dispatcher.h"

namespace quorvin::testing {
namespace {

TEST(Dispatcher, ToolAndMenuMakeTheSameBox) {
  const CommandRegistry commands = InsertCommandRegistry();
  CommandFixture byTool, byMenu;
  ScriptedContext toolCtx = byTool.on(byTool.doc1);
  ScriptedContext menuCtx = byMenu.on(byMenu.doc1);
  std::string caption = "Cos";
  cmdEventFire_Click(commands, toolCtx, caption);
  commands.run("mnuTrigCos_Click", menuCtx);
  EXPECT_TRUE(byTool.m.table == byMenu.m.table);
  EXPECT_EQ(toolCtx.icons, menuCtx.icons);
}

TEST(Dispatcher, ToolNamesThatDifferFromTheirKinds) {
  const CommandRegistry commands = InsertCommandRegistry();
  for (const auto& [tool, kind] : {std::pair{"Natural Logarithm", "Log"}, {"FFTFFT", "FFT"},
                                   {"Square Root", "Sqrt"}, {"Special Matrix", "Matrix Make Input"},
                                   {"Eigen", "Eigenvalues"}, {"User", "User Input"}}) {
    CommandFixture f;
    ScriptedContext ctx = f.on(f.doc1);
    std::string caption = tool;
    cmdEventFire_Click(commands, ctx, caption);
    EXPECT_EQ(f.last().Kind, kind) << tool;
  }
}

TEST(Dispatcher, NearMissesDoNothing) {
  const CommandRegistry commands = InsertCommandRegistry();
  for (const char* name : {"cos", "Cos ", " Cos", "", "event fire", "plot output", "IF", "For ",
                           "while", "Subroutines", "mnuSpecSub", "Compute function",
                           "MATLAB Command", "Matrix Make", "Keyboard input"}) {
    CommandFixture f;
    ScriptedContext ctx = f.on(f.doc1);
    const BoxTable before = f.m.table;
    std::string caption = name;
    cmdEventFire_Click(commands, ctx, caption);
    EXPECT_TRUE(f.m.table == before) << name;
    EXPECT_EQ(f.m.editor.mode(), EditMode::Select) << name;
    EXPECT_TRUE(f.questions.asked.empty()) << name;
    EXPECT_EQ(ctx.arrowsArmed, 0);
    EXPECT_EQ(ctx.subroutineMenus, 0) << name;
  }
}

TEST(Dispatcher, ArrowArmsTheConnectToolAndMakesNoBox) {
  const CommandRegistry commands = InsertCommandRegistry();
  CommandFixture f;
  ScriptedContext ctx = f.on(f.doc1);
  std::string caption = "Arrow";
  cmdEventFire_Click(commands, ctx, caption);
  EXPECT_EQ(ctx.arrowsArmed, 1);
  EXPECT_EQ(f.m.table.highestBox(), 0);
}

TEST(Dispatcher, SubroutinePopsUpTheMenuAndOnlyItsChoiceMakesABox) {
  const CommandRegistry commands = InsertCommandRegistry();
  CommandFixture f;
  ScriptedContext ctx = f.on(f.doc1);
  std::string caption = "Subroutine";
  cmdEventFire_Click(commands, ctx, caption);  // dismissed
  EXPECT_EQ(ctx.subroutineMenus, 1);
  EXPECT_EQ(f.m.table.highestBox(), 0);
  EXPECT_TRUE(f.questions.asked.empty());
  ctx.chooseSubroutineItem = [&](CommandContext& c) { commands.run("mnuSpecSubEnd_Click", c); };
  caption = "Subroutine";
  cmdEventFire_Click(commands, ctx, caption);
  EXPECT_EQ(ctx.subroutineMenus, 2);
  EXPECT_EQ(f.last().Kind, "End Subroutine");
  EXPECT_EQ(f.m.table.highestBox(), 1);
}

TEST(Dispatcher, ARegisteredLaterCommandRuns) {
  CommandRegistry commands = InsertCommandRegistry();
  CommandFixture f;
  ScriptedContext ctx = f.on(f.doc1);
  int plots = 0;
  commands.add("mnuOutputPlot_Click", [&](CommandContext&) { ++plots; });
  std::string caption = "Plot Output";
  cmdEventFire_Click(commands, ctx, caption);
  EXPECT_EQ(plots, 1);
}

// The hand-over is emptied before the command runs, so a modal dialog that
// lets another mouse move fire the button finds no name to run again.
TEST(Dispatcher, TakesTheNameBeforeRunningTheCommand) {
  CommandRegistry commands = InsertCommandRegistry();
  CommandFixture f;
  ScriptedContext ctx = f.on(f.doc1);
  std::string caption = "Bessel Function";
  int reentries = 0;
  commands.add("mnuSpecialBessel_Click", [&](CommandContext& c) {
    EXPECT_TRUE(caption.empty());
    cmdEventFire_Click(commands, c, caption);  // the same button pressed again
    ++reentries;
  });
  cmdEventFire_Click(commands, ctx, caption);
  EXPECT_EQ(reentries, 1);
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
  EXPECT_EQ(dialogs.told,
            (std::vector<std::string>{"Internal error in mnuBroken_Click: slot 9|16|Quorvin"}));
}

TEST(ToolboxPick, DropsAConnectGestureAndArrowArmsAtOnce) {
  CommandFixture f;
  std::string txtEvent;
  for (EditMode from : {EditMode::ArrowArmed, EditMode::ArrowSource}) {
    testing_support::SetEditMode(f.m, from);
    ToolboxToolClicked(f.m, txtEvent, "Cos");
    EXPECT_EQ(f.m.editor.mode(), EditMode::Select);
    EXPECT_EQ(txtEvent, "Cos");
  }
  testing_support::SetEditMode(f.m, EditMode::Move);
  ToolboxToolClicked(f.m, txtEvent, "Sin");
  EXPECT_EQ(f.m.editor.mode(), EditMode::Move) << "only a connect gesture is dropped";
  ToolboxToolClicked(f.m, txtEvent, "Arrow");
  EXPECT_EQ(f.m.editor.mode(), EditMode::ArrowArmed);
  EXPECT_EQ(txtEvent, "");
}

}  // namespace
}  // namespace quorvin::testing
