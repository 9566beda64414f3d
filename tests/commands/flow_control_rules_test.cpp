#include "commands/rules/flow_control_rules.h"

#include <gtest/gtest.h>

#include "commands/rules/subroutine_rules.h"
#include "model/box_kinds.h"
#include "tests/commands/subroutine_boxes.h"

namespace quorvin {
namespace {

TEST(FlowControlRules, ConditionWithAndWithoutElse) {
  EXPECT_EQ(ConditionParams({true, "a==b", false}), "a==b");
  EXPECT_EQ(ConditionParams({true, "x>0", true}), "elsex>0") << "no blank after else";
  EXPECT_EQ(ConditionParams({true, "", true}), "else");
  EXPECT_EQ(ConditionParams(ConditionAnswer{}), "") << "closed without OK";
  EXPECT_EQ(WidgetTextsOf(ConditionAnswer{true, "k<5", true}),
            (WidgetTexts{{"txtCondition", "k<5"}, {"chkelse", "1"}}));
}

TEST(FlowControlRules, ForRangeReadsFromIncrementUntil) {
  ForLoopAnswer a;
  a.accepted = true;
  a.from = "0";
  a.until = "10";
  a.increment = "2";
  EXPECT_EQ(ForLoopParams(a), "0:2:10,");
  EXPECT_EQ(ForLoopParams(ForLoopAnswer{}), "1:1:1,") << "closed: the initial 1, 1 and 1";
  EXPECT_EQ(ForLoopParams({true, "n", " -1 ", ""}), "n:: -1 ,") << "each exactly as typed";
  EXPECT_EQ(WidgetTextsOf(a), (WidgetTexts{{"txtFrom", "0"}, {"txtUntil", "10"}, {"txtInc", "2"}}));
}

TEST(FlowControlRules, AnswersReadBackFromWidgetTexts) {
  EXPECT_EQ(ConditionAnswerOf(WidgetTextsOf(ConditionAnswer{true, "x>0", true})),
            (ConditionAnswer{false, "x>0", true}));
  EXPECT_EQ(ConditionAnswerOf({}), ConditionAnswer{});
  EXPECT_EQ(ForLoopAnswerOf(WidgetTextsOf(ForLoopAnswer{true, "0", "10", "2"})),
            (ForLoopAnswer{false, "0", "10", "2"}));
  EXPECT_EQ(ForLoopAnswerOf({{"txtInc", "5"}}), (ForLoopAnswer{false, "1", "1", "5"}));
  EXPECT_EQ(SubroutineChoiceOf(WidgetTextsOf(SubroutineChoice{true, "f Subroutine"})),
            (SubroutineChoice{false, "f Subroutine"}));
  EXPECT_EQ(SubroutineChoiceOf({}), SubroutineChoice{});
}

class SubroutineRulesTest : public ::testing::Test {
 protected:
  testing::ModelFixture f;
};

TEST_F(SubroutineRulesTest, StartKindsOfEveryOpenDocumentInBoxOrder) {
  const auto [first, second] = testing::AddSubroutinesInTwoDocuments(f);
  f.AddBox(second, "filter Subroutine", "Subroutine");  // duplicates stay
  f.AddBox(first, " Subroutine", "Subroutine");         // the empty name
  f.AddBox(first, "subroutine", "");                    // case matters
  EXPECT_EQ(SubroutineStartKinds(f.m.table),
            (std::vector<std::string>{"filter Subroutine", "smooth Subroutine",
                                      "filter Subroutine", " Subroutine"}));
  EXPECT_EQ(f.m.table[4].Kind, "smooth Subroutine");
  EXPECT_EQ(f.m.table[4].Doc, second);
}

TEST_F(SubroutineRulesTest, NoStartBoxNoList) {
  EXPECT_TRUE(SubroutineStartKinds(f.m.table).empty());
  const int doc = NewDocument(f.m);
  f.AddBox(doc, "End Subroutine", "Subroutine");
  f.AddBox(doc, "Insert Subroutine x", "Subroutine");
  EXPECT_TRUE(SubroutineStartKinds(f.m.table).empty());
}

TEST(SubroutineRules, ChosenTextGivesTheName) {
  const std::pair<const char*, const char*> cases[] = {
      {"filter Subroutine", "filter"},
      {" Subroutine", ""},
      {"Subroutine", ""},  // no blank to remove: the empty name
      {"my filter", "my filter"},
      {"filter subroutine", "filter subroutine"},
      {"", ""},
  };
  for (const auto& [text, name] : cases) {
    EXPECT_EQ((SubroutineChoice{true, text}.name()), name) << text;
  }
  EXPECT_EQ(WidgetTextsOf(SubroutineChoice{true, "a Subroutine"}),
            (WidgetTexts{{"available_subs", "a Subroutine"}}));
}

TEST(SubroutineRules, NamesNoStartBoxCanCarryAreRefused) {
  const char* accepted[] = {"filter", "", "my filter", "end", "End2", "Ending", "insert",
                            "Insertion", "Insert Sub", "a;b", "Insert Subroutin"};
  for (const char* name : accepted) {
    EXPECT_EQ(SubroutineNameRefusal(name), std::nullopt) << name;
    EXPECT_TRUE(IsSubroutineStartKind(SubroutineStartKind(name))) << name;
  }
  const std::pair<const char*, const char*> refused[] = {
      {"a~b", "A subroutine's name cannot hold \"~\" or a line break."},
      {"~", "A subroutine's name cannot hold \"~\" or a line break."},
      {"two\r\nlines", "A subroutine's name cannot hold \"~\" or a line break."},
      {"two\nlines", "A subroutine's name cannot hold \"~\" or a line break."},
      {"cr\r", "A subroutine's name cannot hold \"~\" or a line break."},
      {"End",
       "A subroutine cannot be named \"End\": its start box would read as the end of a "
       "subroutine."},
      {"Insert",
       "A subroutine cannot be named \"Insert\": its start box would read as a call of a "
       "subroutine."},
      {"Insert Subroutine x",
       "A subroutine cannot be named \"Insert Subroutine x\": its start box would read as a "
       "call of a subroutine."},
  };
  for (const auto& [name, message] : refused) {
    EXPECT_EQ(SubroutineNameRefusal(name), std::optional<std::string>(message)) << name;
  }
}

}  // namespace
}  // namespace quorvin
