#include "app/function_browser_rules.h"

#include <gtest/gtest.h>

namespace quorvin {
namespace {

const MFileCatalogue kCatalogue{
    {{"TOOLBOX", "/m/TOOLBOX"},
     {"elfun", "/m/elfun"},
     {"", "/m/unnamed"},
     {"nofiles", "/m/nofiles"},
     {"Elfun", "/n/Elfun"},
     {"broken", ""}},
    {"/m/TOOLBOX/PLOTDEMO.M", "/m/elfun/acosd.m", "/m/elfun/sub/deep.m", "/m/elfun2/near.m",
     "/m/unnamed/u.m", "/n/Elfun/cosd.m"}};

TEST(FunctionBrowserRules, CategoryTextIsCapitalisedOnce) {
  EXPECT_EQ(CategoryText("TOOLBOX"), "Toolbox");
  EXPECT_EQ(CategoryText("toolbox"), "Toolbox");
  EXPECT_EQ(CategoryText("a;b,C"), "A;b,c");
  EXPECT_EQ(CategoryText(""), "");
}

TEST(FunctionBrowserRules, CategoriesSkipUnnamedAndEmptyDirectoriesAndEndWithAllFiles) {
  EXPECT_EQ(CategoryList(kCatalogue),
            (std::vector<std::string>{"Toolbox", "Elfun", "Elfun", kAllMFilesCategory}));
  EXPECT_EQ(CategoryList({}), std::vector<std::string>{kAllMFilesCategory});
}

TEST(FunctionBrowserRules, FilesOfACategoryAreThoseHoldingItsDirectory) {
  struct Case {
    std::string chosen;
    std::vector<std::string> files;
  };
  const std::vector<Case> cases = {
      {"Toolbox", {"/m/TOOLBOX/PLOTDEMO.M"}},
      // the first "elfun" wins; paths that merely begin with its path belong too
      {"Elfun", {"/m/elfun/acosd.m", "/m/elfun/sub/deep.m", "/m/elfun2/near.m"}},
      {kAllMFilesCategory, kCatalogue.mFiles},
      {"Broken", {}},
      {"Unknown", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(FilesOfCategory(kCatalogue, c.chosen), c.files) << c.chosen;
}

TEST(FunctionBrowserRules, HandOverTable) {
  struct Case {
    std::string caller;
    std::string chosen;
    std::optional<std::string> handed;
  };
  const std::vector<Case> cases = {
      {"func", "/m/TOOLBOX/PLOTDEMO.M", "plotdemo"},
      {"mat", "/m/TOOLBOX/PLOTDEMO.M", "PLOTDEMO"},
      {"mat", "/m/elfun/acosd.m", "acosd"},
      {"func", "/m/x/name.with.dots.m", "name.with.dots"},
      {"func", "", std::nullopt},  // nothing chosen: the formula stays
      {"mat", "", std::nullopt},   // nothing chosen: the command stays
      {"mat", "noslash.m", std::nullopt},
      {"mat", "/m/x/.m", std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(HandOver(c.caller, c.chosen), c.handed) << c.caller << " " << c.chosen;
}

}  // namespace
}  // namespace quorvin
