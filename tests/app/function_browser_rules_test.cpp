#include "app/function_browser_rules.h"

#include <gtest/gtest.h>

#include <chrono>

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

// A directory is a category when some file's path holds its path anywhere,
// compared case-sensitively, whatever the order of the lines.
TEST(FunctionBrowserRules, ADirectoryIsACategoryWhenAnyPathHoldsItsPath) {
  struct Case {
    const char* name;
    std::string dir;
    std::vector<std::string> files;
    bool category;
  };
  const std::vector<Case> cases = {
      {"the path's start", "/m/elfun", {"/m/elfun/acosd.m"}, true},
      {"the path's middle", "/m/elfun", {"/copy/m/elfun/acosd.m"}, true},
      {"a longer directory's start", "/m/elf", {"/m/elfun/acosd.m"}, true},
      {"the whole path", "/m/elfun/acosd.m", {"/m/elfun/acosd.m"}, true},
      {"the last of many paths", "/m/z", {"/m/a/a.m", "/m/b/b.m", "/m/z/z.m"}, true},
      {"a path in other case", "/m/elfun", {"/M/ELFUN/ACOSD.M", "/m/Elfun/acosd.m"}, false},
      {"longer than any path", "/m/elfun/acosd.m/more", {"/m/elfun/acosd.m"}, false},
      {"a path that ends early", "/m/elfun", {"/m/elfu"}, false},
      {"no paths", "/m/elfun", {}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // The directory comes after another one, and after the file it needs.
    const MFileCatalogue catalogue{{{"first", "/nowhere"}, {"elfun", c.dir}}, c.files};
    const std::vector<std::string> expected =
        c.category ? std::vector<std::string>{"Elfun", kAllMFilesCategory}
                   : std::vector<std::string>{kAllMFilesCategory};
    EXPECT_EQ(CategoryList(catalogue), expected);
  }
}

// Half a million directories against half a million files took two
// minutes, each directory compared with every file: a catalogue a tenth of
// that size must come in well under a second, not in seconds.
TEST(FunctionBrowserRules, TheCategoriesOfALargeCatalogueComeInTimeThatGrowsWithItsSize) {
  MFileCatalogue catalogue;
  constexpr int kCount = 30000;
  for (int i = 0; i < kCount; ++i) {
    const std::string n = std::to_string(i);
    // Every other directory holds no file: its check reads every path.
    catalogue.mFileDirs.push_back({"dir" + n, (i % 2 ? "/data/full/dir" : "/data/empty/dir") + n});
    catalogue.mFiles.push_back("/data/full/dir" + n + "/file" + n + ".m");
  }
  const auto started = std::chrono::steady_clock::now();
  const std::vector<std::string> categories = CategoryList(catalogue);
  const auto took = std::chrono::steady_clock::now() - started;
  EXPECT_EQ(categories.size(), kCount / 2 + 1u);
  EXPECT_EQ(categories.front(), "Dir1");
  EXPECT_LT(took, std::chrono::seconds(1));
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
