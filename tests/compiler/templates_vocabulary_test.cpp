// Every kind of the vocabulary is compiled by something, and every kind the
// template table names is a real kind.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/box_kinds.h"
#include "templates_fixture.h"

namespace quorvin::testing {
namespace {

// The driver handles the block kinds itself; these two write nothing of
// their own (a Pickup's assignment comes with the box it feeds).
const std::set<std::string> kControlFlowKinds = {"For", "While", "Next", "Break", "If", "End If"};
const std::set<std::string> kKindsWithoutStatement = {"Comment", "Pickup"};

// The fixed kinds the insert commands store (the three subroutine kinds are
// built from names and handled by the driver).
constexpr std::size_t kVocabularySize = 173;

TEST(TemplateVocabulary, EveryKindHasAnArmOrIsHandledElsewhere) {
  ASSERT_EQ(BoxKinds().size(), kVocabularySize);
  for (const KindInfo& info : BoxKinds()) {
    const std::string kind(info.kind);
    const bool handled = FindArm(kind) != nullptr || kControlFlowKinds.contains(kind) ||
                         kKindsWithoutStatement.contains(kind);
    EXPECT_TRUE(handled) << "no arm for \"" << kind << "\"";
  }
}

TEST(TemplateVocabulary, EveryTemplateKindIsAVocabularyKindAndAppearsOnce) {
  ASSERT_EQ(BoxKinds().size(), kVocabularySize);
  std::set<std::string> vocabulary;
  for (const KindInfo& info : BoxKinds()) vocabulary.emplace(info.kind);

  std::set<std::string> seen;
  for (const ArmEntry& e : TemplateArms()) {
    const std::string kind(e.kind);
    EXPECT_TRUE(vocabulary.contains(kind)) << "\"" << kind << "\" is no box kind";
    EXPECT_TRUE(seen.insert(kind).second) << "\"" << kind << "\" listed twice";
    EXPECT_FALSE(kControlFlowKinds.contains(kind) || kKindsWithoutStatement.contains(kind));
    EXPECT_NE(e.arm, nullptr);
  }
  for (const ArmEntry& e : InputArms()) {
    EXPECT_FALSE(seen.contains(std::string(e.kind))) << "\"" << e.kind << "\" in both tables";
  }
  EXPECT_EQ(seen.size() + kControlFlowKinds.size() + kKindsWithoutStatement.size() +
                InputArms().size(),
            kVocabularySize);
}

TEST(TemplateVocabulary, KindsAreMatchedExactly) {
  // Icon keys and toolbox names that differ from a kind only in case or
  // blanks, and kinds typed in the wrong case.
  for (const char* nearMiss :
       {"Error Function", "Beta Function", "find", "FIND", "Sin ", " Sin", "sin", "cos", "fft",
        "Fft2", "Cumulative Sum", "cumulative sum", "Plot2d", "Bar", "Split Matrix",
        "Natural Logarithm", "Square Root", "Logic Operators", "Basic Arithmatic", "Wavread",
        "StrCmp ", "Eigen", ""}) {
    EXPECT_EQ(FindArm(nearMiss), nullptr) << "\"" << nearMiss << "\"";
  }
  ArmBench bench;
  bench.table[5].Kind = "find";
  EXPECT_EQ(bench.run(5, "find", "", {2, 0, 0}), "<no arm>");
}

// An entry that is no argument still orders the box after its source:
// with any one linked box not yet written, no arm writes, asks or finishes
// anything (a Polynomial Evaluation waits for its third entry, a User Input
// for its only one, an output box asks nothing before its value exists).
TEST(TemplateVocabulary, EveryArmWaitsForEachLinkedEntry) {
  for (const ArmEntry& e : TemplateArms()) {
    for (int waiting = 1; waiting <= kEntries; ++waiting) {
      ArmBench bench;
      bench.unwritten = {waiting + 1};
      const std::string kind(e.kind);
      SCOPED_TRACE(kind + " waiting on entry " + std::to_string(waiting));
      const std::string params = kind == "Plot Output" ? "Plot2d;plot(Input1)\r\n" : "Eig";
      EXPECT_EQ(bench.run(9, kind, params, {2, 3, 4}), "");
      EXPECT_FALSE(bench.done(9));
      EXPECT_TRUE(bench.host.questions.empty());
    }
  }
}

// Whatever a flowchart file holds: odd Params and dangling or negative link
// numbers never make an arm read outside its texts or the box table.
TEST(TemplateVocabulary, ArmsAreTotalOverParamsAndLinkValues) {
  const char* params[] = {"",        ";",      "Input",  "Input9", "input0", "Output",
                          "Diag",    "Row",    "C",      "'",      "\r\n",   ";;;Input1",
                          "OutputInput1Input2Input3", "Plot2d;Input3\r\n"};
  const int links[] = {-32768, -1, 0, 1, 350, 351, 32767};
  for (const ArmEntry& e : TemplateArms()) {
    for (const char* p : params) {
      for (int link : links) {
        ArmBench bench;
        bench.host.answers = {"/tmp/x y"};
        const std::string kind(e.kind);
        SCOPED_TRACE(kind + " / " + p + " / " + std::to_string(link));
        const std::string out = bench.run(300, kind, p, {link, link, link},
                                           link & 1 ? CompileMode::Text : CompileMode::Execute);
        EXPECT_NE(out, "<no arm>");
      }
    }
  }
}

}  // namespace
}  // namespace quorvin::testing
