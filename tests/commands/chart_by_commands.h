#pragma once
// A flowchart built through the insert commands with scripted dialog
// answers, as a person builds one from the Functions menu, and compiled as
// text.

#include <gtest/gtest.h>

#include <string>

#include "command_fixture.h"
#include "commands/command_registry.h"
#include "compiler/compiler.h"
#include "tests/support/quiet_questions.h"

namespace quorvin::testing {

struct ChartByCommands {
  // Runs handler with the scripted answer and places the box; its number.
  int Insert(const char* handler, const Script& script = {}) {
    if (script) script(f.questions);
    ScriptedContext ctx = f.on(f.doc1);
    EXPECT_TRUE(commands.run(handler, ctx)) << handler;
    const int n = f.m.table.highestBox();
    f.boxes[n].X = 600 * n;
    f.place();
    return n;
  }
  // An arrow from the first free exit of from to the first free entry of to.
  void Connect(int from, int to) {
    BoxRecord& a = f.boxes[from];
    BoxRecord& b = f.boxes[to];
    int exit = 1, entry = 1;
    while (exit <= kExits && a.OutLink[exit] != kFreeSlot) ++exit;
    while (entry <= kEntries && b.InLink[entry] != kFreeSlot) ++entry;
    ASSERT_LE(exit, kExits) << from << " has no free exit";
    ASSERT_LE(entry, kEntries) << to << " has no free entry";
    a.OutLink[exit] = static_cast<int16_t>(to);
    b.InLink[entry] = static_cast<int16_t>(from);
  }
  std::string Compile() {
    testing_support::QuietCompileQuestions questions;
    Compiler compiler(f.m, questions);
    return compiler.CompileFlowchart(CompileMode::Text, f.doc1);
  }

  CommandFixture f;
  const CommandRegistry commands = InsertCommandRegistry();
};

}  // namespace quorvin::testing
