#include "compiler/script_delivery.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

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
  EXPECT_FALSE(WriteTextFile("/dev/full", bytes));  // a full disk
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace quorvin
