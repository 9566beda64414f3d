// A window's context runs the commands of its menu and its toolbox hand-over.

#include "dialogs/window_command_context.h"

#include <gtest/gtest.h>

#include "commands/command_registry.h"
#include "commands/toolbox_dispatcher.h"
#include "model/settings_store.h"
#include "tests/support/qt_application.h"
#include "tests/support/quiet_questions.h"
#include "tests/support/recording_views.h"

namespace quorvin {
namespace {

TEST(WindowCommandContext, CommandsReachTheModelTheIconsAndTheArrowTool) {
  testing_support::EnsureGuiApplication();
  testing_support::QuietDialogs dialogs;
  testing_support::RecordingViews views;
  MemorySettingsStore store;
  Model m{dialogs, views, store};
  const int doc = NewDocument(m);
  QWidget window;
  std::vector<std::string> icons;
  int arrows = 0;
  WindowCommandContext ctx(
      m, [doc] { return doc; }, &window,
      [&](int d, int box, const std::string& key) {
        icons.push_back(std::to_string(d) + ":" + std::to_string(box) + ":" + key);
      },
      [&] { ++arrows; });
  const CommandRegistry commands = InsertCommandRegistry();
  std::string tool = "Natural Logarithm";
  cmdEventFire_Click(commands, ctx, tool);
  EXPECT_EQ(m.table[1].Kind, "Log");
  EXPECT_EQ(icons, (std::vector<std::string>{std::to_string(doc) + ":1:Log"}));
  tool = "Arrow";
  cmdEventFire_Click(commands, ctx, tool);
  EXPECT_EQ(arrows, 1);
}

}  // namespace
}  // namespace quorvin
