// The command tables agree with the vocabularies they feed: option indices,
// kinds the compiler knows, icon keys the icon table holds, tool names.

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>

#include "command_fixture.h"
#include "commands/command_registry.h"
#include "commands/dialog_answer_commands.h"
#include "commands/fixed_kind_commands.h"
#include "commands/flow_control_commands.h"
#include "commands/insert_menu_items.h"
#include "commands/option_commands.h"
#include "commands/toolbox_dispatcher.h"
#include "commands/value_commands.h"
#include "compiler/arm.h"
#include "model/box_kinds.h"

namespace quorvin::testing {
namespace {

bool HasArm(const std::string& kind) {
  for (const ArmEntry& e : TemplateArms())
    if (e.kind == kind) return true;
  for (const ArmEntry& e : InputArms())
    if (e.kind == kind) return true;
  // The driver writes the block kinds itself; a Comment writes nothing and a
  // Pickup's assignment comes with the box it feeds.
  static const std::set<std::string> handledElsewhere = {
      "For", "While", "Next", "Break", "If", "End If", "Comment", "Pickup"};
  return handledElsewhere.contains(kind);
}

bool InIconTable(const std::string& key) {
  for (const IconEntry& e : IconTable())
    if (e.key == key) return true;
  return false;
}

// An index names the row at its place from the dialog's first index; an
// index the dialog does not have names none.
TEST(OptionTables, AnIndexNamesItsRowAndOnlyItsOwn) {
  for (const OptionCommand& c : OptionCommands()) {
    SCOPED_TRACE(std::string(c.handler));
    const int first = c.dialog.firstIndex;
    const int count = static_cast<int>(c.rows.size());
    for (int i = 0; i < count; ++i) EXPECT_EQ(OptionRowAt(c, first + i), &c.rows[i]);
    for (int miss : {first - 1, first + count, -1, std::numeric_limits<int>::min(),
                     std::numeric_limits<int>::max()})
      EXPECT_EQ(OptionRowAt(c, miss), nullptr) << miss;
  }
  // Two-digit indices are their own rows; frmLogic counts from 1.
  const OptionCommand* check = FindOptionCommand("mnuSpecialCheck_Click");
  EXPECT_EQ(OptionRowAt(*check, 12)->kind, "IsINF");
  EXPECT_EQ(OptionRowAt(*check, 10)->kind, "IsGlobal");
  EXPECT_EQ(OptionRowAt(*check, 11)->kind, "Finite");
  const OptionCommand* logic = FindOptionCommand("mnuOperatorsLogic_Click");
  EXPECT_EQ(OptionRowAt(*logic, 1)->params, "|");
  EXPECT_EQ(OptionRowAt(*logic, 4)->params, "xor");
}

// Every command run with every option it offers stores a kind of the
// vocabulary that the compiler knows, and shows an icon the table holds.
TEST(CommandTables, EveryVariantStoresAKnownKindAndIcon) {
  std::set<std::string> kindsMade;
  auto check = [&](CommandFixture& f, ScriptedContext& ctx, const std::string& what) {
    const BoxRecord& box = f.last();
    EXPECT_NE(FindBoxKind(box.Kind), nullptr) << what << ": \"" << box.Kind << '"';
    EXPECT_TRUE(HasArm(box.Kind)) << what << ": \"" << box.Kind << '"';
    ASSERT_FALSE(ctx.icons.empty()) << what;
    EXPECT_TRUE(InIconTable(ctx.icons.back().key)) << what << ": \"" << ctx.icons.back().key << '"';
    kindsMade.insert(box.Kind);
  };
  for (const FixedKindCommand& c : FixedKindCommands()) {
    CommandFixture f;
    ScriptedContext ctx = f.on(f.doc1);
    RunFixedKindCommand(ctx, c);
    check(f, ctx, std::string(c.handler));
  }
  for (const ValueCommand& c : ValueCommands()) {
    CommandFixture f;
    ScriptedContext ctx = f.on(f.doc1);
    RunValueCommand(ctx, c);
    check(f, ctx, std::string(c.handler));
  }
  for (ArithmeticOperator op :
       {ArithmeticOperator::Add, ArithmeticOperator::Subtract, ArithmeticOperator::Multiply,
        ArithmeticOperator::Divide, ArithmeticOperator::Power}) {
    CommandFixture f;
    ScriptedContext ctx = f.on(f.doc1);
    f.questions.script(ArithmeticAnswer{op});
    RunArithmeticCommand(ctx);
    check(f, ctx, "operator " + std::to_string(static_cast<int>(op)));
  }
  for (const OptionCommand& c : OptionCommands()) {
    for (std::size_t i = 0; i < c.rows.size(); ++i) {
      CommandFixture f;
      ScriptedContext ctx = f.on(f.doc1);
      f.questions.scriptOption(std::string(c.dialog.form),
                               c.dialog.firstIndex + static_cast<int>(i), {{"txtConst", "2.5"}});
      RunOptionCommand(ctx, c);
      check(f, ctx, std::string(c.handler) + " " + std::to_string(i));
    }
  }
  // The commands that make a box from a larger dialog's answer, with answers
  // that keep an entry open.
  {
    CommandFixture f;
    f.questions.plots.push_back({"Plot2d;plot(Input1,Input2);\r\n", {true, true, false}});
    f.questions.formulas.push_back({true, "y", "sin(Input1)", false, "", ""});
    f.questions.conditions.push_back({true, "x>0", true});
    f.questions.inputs = {"k<5"};
    for (const auto& commands : {DialogAnswerCommands(), FlowControlCommands()}) {
      for (const NamedCommand& c : commands) {
        ScriptedContext ctx = f.on(f.doc1);
        c.run(ctx);
        if (IsSubroutineKind(f.last().Kind)) {
          // Named by the user: the compiler knows them by their shape.
          EXPECT_TRUE(InIconTable(ctx.icons.back().key)) << c.handler;
        } else {
          check(f, ctx, std::string(c.handler));
        }
        f.place();
      }
    }
  }
  // Every fixed kind is made by some command.
  for (const KindInfo& k : BoxKinds()) {
    const std::string kind(k.kind);
    EXPECT_TRUE(kindsMade.contains(kind)) << kind;
  }
}

TEST(ToolNames, EveryToolReachesACommand) {
  const CommandRegistry registry = InsertCommandRegistry();
  std::set<std::string> names;
  for (const Tool& t : Tools()) {
    const std::string tool(t.name);
    EXPECT_TRUE(names.insert(tool).second) << tool << " listed twice";
    EXPECT_TRUE(registry.has(t.handler)) << tool;
    EXPECT_TRUE(static_cast<bool>(t.command)) << tool;
    EXPECT_EQ(FindTool(t.name), &t) << tool;
  }
  EXPECT_EQ(names.size(), 63u);
  EXPECT_EQ(FindTool("Subroutine")->handler, kSubroutinePopup);
  EXPECT_EQ(Tools().front().name, "Arrow");
  EXPECT_EQ(Tools()[5].name, "Special Matrix");
  EXPECT_EQ(Tools()[5].handler, "mnuMatMake_Click");
  EXPECT_EQ(Tools().back().name, "Sound");
}

TEST(MenuItems, EveryItemRunsARegisteredCommandOnce) {
  const CommandRegistry registry = InsertCommandRegistry();
  std::set<std::string_view> handlers;
  for (const InsertMenuItem& item : InsertMenuItems()) {
    EXPECT_TRUE(registry.has(item.handler)) << item.handler;
    EXPECT_EQ(std::string(item.object) + "_Click", item.handler);
    EXPECT_TRUE(handlers.insert(item.handler).second) << item.handler;
  }
  // Every insert command of the registry but the connect tool and the
  // Subroutine tool's pop-up (which shows the items' own submenu) has an item.
  EXPECT_EQ(handlers.size(), FixedKindCommands().size() + OptionCommands().size() +
                                 ValueCommands().size() + 1 + DialogAnswerCommands().size() +
                                 FlowControlCommands().size());
}

}  // namespace
}  // namespace quorvin::testing
