#include "app/pattern_occurrence.h"

#include <gtest/gtest.h>

#include <random>

namespace quorvin {
namespace {

std::vector<bool> Occurring(const std::vector<std::string_view>& patterns,
                            const std::vector<std::string>& texts) {
  return PatternsOccurring(patterns, texts);
}

TEST(PatternsOccurring, EdgeCases) {
  // Patterns inside one another, sharing prefixes and suffixes, repeated,
  // empty, and bytes above 127.
  const std::vector<std::string_view> patterns = {"he",   "she", "his", "hers", "",    "she",
                                                  "x",    "ers", "\xe9t\xe9", "rs", "shex"};
  EXPECT_EQ(Occurring(patterns, {"ushers", "l'\xe9t\xe9"}),
            (std::vector<bool>{true, true, false, true, true, true, false, true, true, true,
                               false}));
  EXPECT_EQ(Occurring(patterns, {}), std::vector<bool>(patterns.size(), false))
      << "no text holds anything, not even the empty pattern";
  EXPECT_EQ(Occurring(patterns, {""}),
            (std::vector<bool>{false, false, false, false, true, false, false, false, false,
                               false, false}));
  EXPECT_TRUE(Occurring({}, {"text"}).empty());
  // A match across two texts is none.
  EXPECT_EQ(Occurring({"ab"}, {"xa", "bx"}), std::vector<bool>{false});
}

// Against the plain search, over texts and patterns of a small alphabet,
// where patterns overlap and fail over one another the most.
TEST(PatternsOccurring, AgreesWithThePlainSearch) {
  std::mt19937 random(17);
  const auto word = [&](std::size_t longest) {
    std::string text(std::uniform_int_distribution<std::size_t>(0, longest)(random), ' ');
    for (char& c : text) c = "ab/"[std::uniform_int_distribution<int>(0, 2)(random)];
    return text;
  };
  for (int round = 0; round < 300; ++round) {
    std::vector<std::string> patternTexts(std::uniform_int_distribution<int>(0, 12)(random));
    for (std::string& p : patternTexts) p = word(6);
    std::vector<std::string> texts(std::uniform_int_distribution<int>(0, 4)(random));
    for (std::string& t : texts) t = word(20);
    const std::vector<std::string_view> patterns(patternTexts.begin(), patternTexts.end());
    std::vector<bool> expected;
    for (const std::string& p : patternTexts) {
      bool found = false;
      for (const std::string& t : texts) found = found || t.find(p) != std::string::npos;
      expected.push_back(found);
    }
    ASSERT_EQ(PatternsOccurring(patterns, texts), expected) << "round " << round;
  }
}

}  // namespace
}  // namespace quorvin
