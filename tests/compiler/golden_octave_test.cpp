// The golden scripts (tests/compiler/golden/NAME.m, which qvn2m must write
// byte for byte) run in Octave and compute what their flowcharts mean.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "octave_runner.h"
#include "tests/support/gtest/row_names.h"

namespace quorvin::testing {
namespace {

struct GoldenRun {
  const char* name;
  std::vector<std::pair<std::string, std::string>> values;
};

class GoldenScriptInOctave : public ::testing::TestWithParam<GoldenRun> {};

TEST_P(GoldenScriptInOctave, ComputesTheFlowchartsValues) {
  const std::filesystem::path path = std::filesystem::path(QUORVIN_SOURCE_DIR) /
                                     "tests/compiler/golden" / (std::string(GetParam().name) + ".m");
  const std::string script = ReadWholeFile(path);
  ASSERT_FALSE(script.empty()) << path;
  std::vector<std::string> names;
  for (const auto& [name, value] : GetParam().values) names.push_back(name);
  const OctaveRun run = RunInOctave(script, names);
  ASSERT_TRUE(run.ok()) << run.errors;
  for (const auto& [name, value] : GetParam().values) EXPECT_EQ(run.value(name), value) << name;
}

INSTANTIATE_TEST_SUITE_P(
    Golden, GoldenScriptInOctave,
    ::testing::Values(
        GoldenRun{"for_loop", {{"box2", "10"}, {"box5", "-0.839071529076452"}}},
        GoldenRun{"if_plain", {{"box3", "0.656986598718789"}, {"box5", "7"}}},
        GoldenRun{"if_else", {{"box5", "0.909297426825682"}, {"box3", "<undefined>"}}},
        GoldenRun{"end_if_arrow", {{"box3", "0.656986598718789"}, {"box5", "<undefined>"}}},
        GoldenRun{"next_closes_branch", {{"box4", "0.909297426825682"}, {"box5", "<undefined>"}}},
        GoldenRun{"fan_out_no_loop",
                  {{"box4", "2.5574077246549"}, {"box5", "3.5574077246549"}, {"box6", "3.5574077246549"}}},
        GoldenRun{"subroutine_call", {{"box3", "4"}}},
        GoldenRun{"start_box_other_document", {{"box3", "3"}}},
        GoldenRun{"second_call", {{"box7", "1.31607401295249"}}},
        GoldenRun{"call_in_branch", {{"box3", "5"}, {"box8", "5"}}},
        GoldenRun{"break_loop", {{"box2", "1"}, {"box5", "1"}}},
        GoldenRun{"nested_branch_in_loop",
                  {{"box2", "4"},
                   {"box6", "-0.756802495307928"},
                   {"box4", "-0.416146836547142"},
                   {"box8", "4"}}}),
    testing_support::ByRowName());

}  // namespace
}  // namespace quorvin::testing
