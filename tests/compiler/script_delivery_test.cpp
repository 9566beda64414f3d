#include "compiler/script_delivery.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/support/file_sandbox.h"

namespace quorvin {
namespace {

TEST(FunctionNameForFile, TakesTheTitleUpToItsFirstDotInLowerCase) {
  struct Case {
    const char* path;
    std::optional<std::string> name;
  };
  const Case cases[] = {
      {"/home/ann/work/Filter.M", "filter"},
      {"/tmp/a.b.m", "a"},         // several dots: up to the first
      {"/tmp/NoDot", "nodot"},     // no dot: the whole title
      {"/x.y/run", "run"},         // a dot in a directory name does not count
      {"Filter.m", std::nullopt},  // no directory: no header at all
      {"", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(FunctionNameForFile(c.path), c.name) << c.path;
}

TEST(MFileContents, HeaderWrapsTheScriptAndAnEmptyLineEndsTheFile) {
  const std::string script = "box1=[ 1 2 3 ];\r\nbox2=sin(box1);\r\n";
  EXPECT_EQ(MFileContents(script, std::string("filter")),
            "function filter;\r\nbox1=[ 1 2 3 ];\r\nbox2=sin(box1);\r\nend\r\n\r\n");
  EXPECT_EQ(MFileContents(script, std::nullopt), "box1=[ 1 2 3 ];\r\nbox2=sin(box1);\r\n\r\n");
}

TEST(WriteTextFile, WritesExactBytesAndReportsAFailure) {
  const auto dir = std::filesystem::temp_directory_path() / "quorvin_delivery_test";
  std::filesystem::create_directories(dir);
  const auto file = dir / "Out.m";
  {
    std::ofstream old(file);
    old << "an older and much longer content that must disappear";
  }
  const std::string bytes = "function out;\r\nend\r\n\r\n";
  ASSERT_TRUE(WriteTextFile(file.string(), bytes));
  std::ifstream in(file, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), bytes);

  EXPECT_FALSE(WriteTextFile((dir / "missing-dir" / "x.m").string(), bytes));
  EXPECT_FALSE(WriteTextFile("/dev/full", bytes));  // a device is no script file
  std::filesystem::remove_all(dir);
}

TEST(WriteTextFile, AScriptThatCannotBeWrittenWhollyLeavesTheOldOne) {
  testing_support::ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  const std::string path = dir / "filter.m";
  testing_support::WriteBytes(path, "function filter;\r\nend\r\n\r\n");
  // A size limit stops the write half-way, as a full disk would.
  const testing_support::ChildRun run = testing_support::RunInChild(
      [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        std::string error;
        if (WriteTextFile(path, std::string(1000, 'x') + "\r\n", &error))
          return std::string("a script beyond the size limit was written");
        return error == "File too large" ? std::string() : "the reason given: " + error;
      },
      false);
  EXPECT_EQ(run.result, "");
  EXPECT_EQ(testing_support::ReadBytes(path), "function filter;\r\nend\r\n\r\n");
  EXPECT_EQ(dir.listing(), "filter.m");
}

}  // namespace
}  // namespace quorvin
