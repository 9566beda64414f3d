#include "app/drive_roots.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/file_sandbox.h"

namespace quorvin {
namespace {

namespace fs = std::filesystem;
using testing_support::ScratchFolder;

TEST(DriveRoots, EachLetterNamesItsRoots) {
  ScratchFolder dir;
  fs::create_directories(dir / "oct/share/octave/9.1.0/m");
  fs::create_directories(dir / "oct/share/octave/site/m");
  fs::create_directories(dir / "oct/share/octave/packages");
  const DriveContext context{dir / "oct", "/home/someone", {"/media/one", "/mnt/two"}};
  struct Case {
    char letter;
    std::vector<std::string> roots;
  };
  const std::vector<Case> cases = {
      {'a', {}},
      {'B', {}},
      {'c', {dir / "oct/share/octave/9.1.0/m", dir / "oct/share/octave/site/m"}},
      {'C', {dir / "oct/share/octave/9.1.0/m", dir / "oct/share/octave/site/m"}},
      {'d', {"/home/someone"}},
      {'e', {"/media/one"}},
      {'F', {"/mnt/two"}},
      {'g', {}},
      {'z', {}},
      {'1', {}},
      {'\0', {}},
  };
  for (const Case& c : cases) EXPECT_EQ(RootsOfDrive(c.letter, context), c.roots) << c.letter;
}

TEST(DriveRoots, AMatlabInstallationGivesItsToolbox) {
  ScratchFolder dir;
  fs::create_directories(dir / "matlab/bin");
  fs::create_directories(dir / "matlab/toolbox");
  fs::create_directories(dir / "matlab/share/octave/1/m");
  testing_support::WriteBytes(dir / "matlab/bin/matlab", "#!/bin/sh\n", 0755);
  EXPECT_EQ(InterpreterMFileRoots(dir / "matlab"), std::vector<std::string>{dir / "matlab/toolbox"});
  EXPECT_TRUE(InterpreterMFileRoots(dir / "nowhere").empty());
}

TEST(DriveRoots, WithoutAnInterpreterDirectoryCLooksInUsr) {
  const std::vector<std::string> roots = RootsOfDrive('c', DriveContext{});
  EXPECT_EQ(roots, InterpreterMFileRoots("/usr"));
  ASSERT_FALSE(roots.empty()) << "Octave is installed on the build machines";
  EXPECT_EQ(roots.front().rfind("/usr/share/octave/", 0), 0u);
  EXPECT_TRUE(RootsOfDrive('d', DriveContext{}).empty());
}

}  // namespace
}  // namespace quorvin
