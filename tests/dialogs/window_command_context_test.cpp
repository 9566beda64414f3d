// A window's context runs the commands of its menu and its toolbox hand-over.

#include "dialogs/window_command_context.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>

#include "commands/command_registry.h"
#include "commands/toolbox_dispatcher.h"
#include "dialogs/insert_menu.h"
#include "model/settings_store.h"
#include "tests/support/qt_application.h"
#include "tests/support/quiet_questions.h"
#include "tests/support/recording_views.h"

namespace quorvin {
namespace {

// A model with one open document.
struct WindowFixture {
  WindowFixture() { testing_support::EnsureGuiApplication(); }
  testing_support::QuietDialogs dialogs;
  testing_support::RecordingViews views;
  MemorySettingsStore store;
  Model m{dialogs, views, store};
  int doc = NewDocument(m);
};

TEST(WindowCommandContext, CommandsReachTheModelTheIconsAndTheArrowTool) {
  WindowFixture f;
  Model& m = f.m;
  const int doc = f.doc;
  QWidget window;
  std::vector<std::string> icons;
  int arrows = 0;
  WindowCommandContext ctx(
      m, [doc] { return doc; }, &window,
      [&](int d, int box, const std::string& key) {
        icons.push_back(std::to_string(d) + ":" + std::to_string(box) + ":" + key);
      },
      [&] { ++arrows; });
  cmdEventFire_Click(*FindTool("Natural Logarithm"), ctx);
  EXPECT_EQ(m.table[1].Kind, "Log");
  EXPECT_EQ(icons, (std::vector<std::string>{std::to_string(doc) + ":1:Log"}));
  cmdEventFire_Click(*FindTool("Arrow"), ctx);
  EXPECT_EQ(arrows, 1);
}

// The Subroutine tool pops up the window's own Subroutines menu; only an
// item chosen there makes a box.
TEST(WindowCommandContext, SubroutineToolPopsUpTheWindowsSubroutinesMenu) {
  WindowFixture f;
  Model& m = f.m;
  const int doc = f.doc;
  QWidget window;
  WindowCommandContext ctx(m, [doc] { return doc; }, &window, {}, {});
  const CommandRegistry commands = InsertCommandRegistry();
  const Tool& subroutine = *FindTool("Subroutine");
  cmdEventFire_Click(subroutine, ctx);  // no menu installed: nothing happens
  EXPECT_EQ(m.table.highestBox(), 0);

  auto* bar = new QMenuBar(&window);
  QMenu* functions = bar->addMenu("Fu&nctions");
  InstallInsertCommands(*functions, commands, [&]() -> CommandContext& { return ctx; });
  QMenu* sub = ctx.subroutinesMenu();
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(sub->objectName(), "mnuSpecSub");
  cmdEventFire_Click(subroutine, ctx);
  EXPECT_TRUE(sub->isVisible());
  EXPECT_EQ(m.table.highestBox(), 0) << "the pop-up itself makes no box";
  sub->findChild<QAction*>("mnuSpecSubEnd")->trigger();
  sub->hide();
  EXPECT_EQ(m.table.highestBox(), 1);
  EXPECT_EQ(m.table[1].Kind, "End Subroutine");
}

}  // namespace
}  // namespace quorvin
