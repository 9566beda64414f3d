#include "app/mfile_scan.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/file_sandbox.h"

namespace quorvin {
namespace {

namespace fs = std::filesystem;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;

// A drive root whose own path holds a dot, with every kind of entry the walk
// must take or leave.
class ScanTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(scratch_.ok());
    root_ = scratch_ / "drive.v1";
    for (const char* dir : {"alpha/deep", "empty/inner", ".hidden", "dotted.dir", "locked/sub",
                            "semi;colon,dir", "bad\nname"})
      fs::create_directories(fs::path(root_) / dir);
    for (const char* file : {"top.m", "alpha/a1.m", "alpha/B2.M", "alpha/notes.txt", "alpha/noext",
                             "alpha/deep/d.m", "empty/inner/i.m", ".hidden/h.m",
                             "dotted.dir/x.m", "locked/l.m", "locked/sub/s.m",
                             "semi;colon,dir/s.m", "bad\nname/b.m", "alpha/odd\nname.m"})
      WriteBytes(root_ + "/" + file, "% a comment\n");
    fs::create_directory(root_ + "/alpha/dir.m");  // a directory named like an m-file
    fs::create_directory_symlink(root_, root_ + "/loop");
    fs::create_directory_symlink(root_ + "/alpha", root_ + "/linked");
    fs::create_symlink(root_ + "/alpha/a1.m", root_ + "/empty/inner/link.m");
  }

  // The real listing, failing for "locked" before it lists anything.
  DirectoryLister failingAt(const std::string& dir) {
    return [dir](const std::string& path, std::vector<ListedEntry>& entries) {
      if (path == dir) return false;
      return ListDirectory(path, entries);
    };
  }

  ScratchFolder scratch_;
  std::string root_;
};

TEST_F(ScanTreeTest, WalksDirectoriesOnlyAndCataloguesTheMFilesBelowTheRoot) {
  ScanResult result;
  ScanRoot(root_, result, failingAt(root_ + "/locked"));
  const std::string r = root_;
  EXPECT_EQ(result.scanDirs,
            (std::vector<std::string>{r + "/alpha", r + "/alpha/deep", r + "/empty",
                                      r + "/empty/inner", r + "/locked",
                                      r + "/semi;colon,dir"}));
  EXPECT_EQ(result.catalogue.mFileDirs,
            (std::vector<MFileDir>{{"alpha", r + "/alpha"},
                                   {"deep", r + "/alpha/deep"},
                                   {"inner", r + "/empty/inner"},
                                   {"semi;colon,dir", r + "/semi;colon,dir"}}));
  EXPECT_EQ(result.catalogue.mFiles,
            (std::vector<std::string>{r + "/alpha/B2.M", r + "/alpha/a1.m",
                                      r + "/alpha/deep/d.m", r + "/empty/inner/i.m",
                                      r + "/semi;colon,dir/s.m"}));
}

TEST_F(ScanTreeTest, AListingThatFailsPartWayStillWalksWhatItListed) {
  const DirectoryLister halfListed = [this](const std::string& path,
                                            std::vector<ListedEntry>& entries) {
    const bool ok = ListDirectory(path, entries);
    if (path != root_) return ok;
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [](const ListedEntry& e) { return e.name != "empty"; }),
                  entries.end());
    return false;
  };
  ScanResult result;
  ScanRoot(root_, result, halfListed);
  EXPECT_EQ(result.scanDirs,
            (std::vector<std::string>{root_ + "/empty", root_ + "/empty/inner"}));
  EXPECT_EQ(result.catalogue.mFiles, (std::vector<std::string>{root_ + "/empty/inner/i.m"}));
}

TEST_F(ScanTreeTest, ARootThatCannotBeListedOrDoesNotExistGivesNothing) {
  for (const std::string& root : {root_ + "/missing", root_ + "/top.m", std::string()}) {
    ScanResult result;
    ScanRoot(root, result);
    EXPECT_TRUE(result.scanDirs.empty()) << root;
    EXPECT_TRUE(result.catalogue.mFileDirs.empty()) << root;
  }
}

TEST_F(ScanTreeTest, ATrailingSlashOnTheRootChangesNoPath) {
  ScanResult plain, slashed;
  ScanRoot(root_, plain);
  ScanRoot(root_ + "//", slashed);
  EXPECT_EQ(plain.catalogue, slashed.catalogue);
  EXPECT_EQ(plain.scanDirs, slashed.scanDirs);
}

TEST(ScanTree, EveryMFileIsCataloguedAlsoWhenNamesRepeatAcrossDirectories) {
  ScratchFolder scratch;
  for (const char* file : {"one/z.m", "two/z.m", "two/zz.m", "three/a.m", "three/z.m"}) {
    fs::create_directories(fs::path(scratch / file).parent_path());
    WriteBytes(scratch / file, "% x\n");
  }
  ScanResult result;
  ScanRoot(scratch / "", result);
  const std::string r = scratch / "";
  EXPECT_EQ(result.catalogue.mFiles,
            (std::vector<std::string>{r + "one/z.m", r + "three/a.m", r + "three/z.m",
                                      r + "two/z.m", r + "two/zz.m"}));
  EXPECT_EQ(result.catalogue.mFileDirs.size(), 3u);
}

TEST(MFileName, MatchesDotMIgnoringCase) {
  const std::vector<std::pair<std::string, bool>> cases = {
      {"a.m", true}, {"A.M", true}, {".m", true}, {"m", false}, {"a.mat", false},
      {"a.mm", false}, {"am", false}, {"a.m~", false}, {"", false}};
  for (const auto& [name, expected] : cases) EXPECT_EQ(IsMFileName(name), expected) << name;
}

}  // namespace
}  // namespace quorvin
