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

// The texts the category list shows, in its order.
std::vector<std::string> Texts(const std::vector<Category>& categories) {
  std::vector<std::string> texts;
  for (const Category& category : categories) texts.push_back(category.text);
  return texts;
}

TEST(FunctionBrowserRules, CategoryTextIsCapitalisedOnce) {
  EXPECT_EQ(CategoryText("TOOLBOX"), "Toolbox");
  EXPECT_EQ(CategoryText("toolbox"), "Toolbox");
  EXPECT_EQ(CategoryText("a;b,C"), "A;b,c");
  EXPECT_EQ(CategoryText(""), "");
}

TEST(FunctionBrowserRules, CategoriesSkipUnnamedAndEmptyDirectoriesAndEndWithAllFiles) {
  EXPECT_EQ(CategoryList(kCatalogue), (std::vector<Category>{{"Toolbox", 0},
                                                              {"Elfun", 1},
                                                              {"Elfun", 4},
                                                              {kAllMFilesCategory, Category::kAllMFiles}}));
  EXPECT_EQ(Texts(CategoryList({})), std::vector<std::string>{kAllMFilesCategory});
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
    EXPECT_EQ(Texts(CategoryList(catalogue)), expected);
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
  const std::vector<Category> categories = CategoryList(catalogue);
  const auto took = std::chrono::steady_clock::now() - started;
  EXPECT_EQ(categories.size(), kCount / 2 + 1u);
  EXPECT_EQ(categories.front().text, "Dir1");
  EXPECT_LT(took, std::chrono::seconds(1));
}

// Each entry lists the files of its own directory, also where two
// directories show the same text.
TEST(FunctionBrowserRules, FilesOfACategoryAreThoseHoldingItsDirectory) {
  struct Case {
    Category chosen;
    std::vector<std::string> files;
  };
  const std::vector<Case> cases = {
      {{"Toolbox", 0}, {"/m/TOOLBOX/PLOTDEMO.M"}},
      // paths that merely begin with the directory's path belong too
      {{"Elfun", 1}, {"/m/elfun/acosd.m", "/m/elfun/sub/deep.m", "/m/elfun2/near.m"}},
      {{"Elfun", 4}, {"/n/Elfun/cosd.m"}},
      {{kAllMFilesCategory, Category::kAllMFiles}, kCatalogue.mFiles},
      {{"Broken", 5}, {}},
      {{"Unknown", 6}, {}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> files;
    for (const std::size_t at : FilesOfCategory(kCatalogue, c.chosen))
      files.push_back(kCatalogue.mFiles.at(at));
    EXPECT_EQ(files, c.files) << c.chosen.text << " " << c.chosen.dir;
  }
}

TEST(FunctionBrowserRules, HandOverTable) {
  constexpr BrowserCaller kFormula = BrowserCaller::Formula;
  constexpr BrowserCaller kCommand = BrowserCaller::MatlabCommand;
  struct Case {
    BrowserCaller caller;
    std::string chosen;
    std::optional<std::string> handed;
  };
  const std::vector<Case> cases = {
      {kFormula, "/m/TOOLBOX/PLOTDEMO.M", "plotdemo"},
      {kCommand, "/m/TOOLBOX/PLOTDEMO.M", "PLOTDEMO"},
      {kCommand, "/m/elfun/acosd.m", "acosd"},
      {kFormula, "/m/x/name.with.dots.m", "name.with.dots"},
      {kFormula, "", std::nullopt},  // nothing chosen: the formula stays
      {kCommand, "", std::nullopt},  // nothing chosen: the command stays
      {kCommand, "noslash.m", std::nullopt},
      {kCommand, "/m/x/.m", std::nullopt},
      // a Latin-1 name is handed over as the text it shows, in UTF-8
      {kCommand, "/m/old/CAF\xc9.M", "CAF\xc3\x89"},
      {kFormula, "/m/old/Caf\xe9.m", "caf\xc3\xa9"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(HandOver(c.caller, c.chosen), c.handed)
        << (c.caller == kFormula ? "formula " : "command ") << c.chosen;
}

}  // namespace
}  // namespace quorvin
