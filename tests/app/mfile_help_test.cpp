#include "app/mfile_help.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/file_sandbox.h"

namespace quorvin {
namespace {

TEST(MFileHelp, HelpTextCases) {
  struct Case {
    const char* what;
    std::string file;
    std::string help;
  };
  const std::vector<Case> cases = {
      {"a ## copyright block, then the help",
       "########\n## Copyright (C) 2020 Someone\n##\n## licence text\n########\n\n"
       "## -*- texinfo -*-\n## Compute this.\nfunction y = f (x)\n",
       "-*- texinfo -*-\r\nCompute this.\r\n"},
      {"a % block after the function line, up to the first code line",
       "function y = f(x)\r\n%F  One line.\r\n%   Second, indented.\r\n\r\n% later\r\ny = x;\r\n",
       "F  One line.\r\n  Second, indented.\r\n"},
      {"a comma and a double quote keep their line whole",
       "% first, second \"quoted\", third\n%% two signs\nx = 1;\n",
       "first, second \"quoted\", third\r\ntwo signs\r\n"},
      {"after an editor's UTF-8 byte-order mark", "\xEF\xBB\xBF% Mark ahead.\nx = 1;\n",
       "Mark ahead.\r\n"},
      {"indented comments and a block ending the file",
       "  % indented\n\t# tab\n%", "indented\r\ntab\r\n\r\n"},
      {"no comment at all", "function y = f(x)\ny = x;\n", ""},
      {"only a copyright notice", "% Copyright 1999\n% rights\n", ""},
      {"empty file", "", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(HelpTextOf(c.file), c.help) << c.what;
}

TEST(MFileHelp, AFileThatCannotBeReadHasNoHelp) {
  testing_support::ScratchFolder dir;
  EXPECT_FALSE(MFileHelp(dir / "missing.m").has_value());
  EXPECT_FALSE(MFileHelp(dir / "").has_value());  // a directory
  testing_support::WriteBytes(dir / "f.m", "% help\n");
  EXPECT_EQ(MFileHelp(dir / "f.m"), "help\r\n");
}

// The help is the start of a file: a huge m-file (data written as script)
// is not read whole, and still shows the help it begins with.
TEST(MFileHelp, AHugeFileShowsTheHelpItBeginsWith) {
  testing_support::ScratchFolder dir;
  testing_support::WriteBytes(dir / "data.m", "% measured values\nx = [\n");
  std::error_code grown;
  std::filesystem::resize_file(dir / "data.m", std::uintmax_t{1} << 40, grown);  // sparse
  if (grown) GTEST_SKIP() << "this file system holds no sparse file of 1 TiB: " << grown.message();
  EXPECT_EQ(MFileHelp(dir / "data.m"), "measured values\r\n");
}

TEST(MFileHelp, TheInstalledAcosdSaysWhatItComputes) {
  std::string acosd;
  for (const auto& version : std::filesystem::directory_iterator("/usr/share/octave"))
    if (std::filesystem::exists(version.path() / "m/elfun/acosd.m"))
      acosd = (version.path() / "m/elfun/acosd.m").string();
  ASSERT_FALSE(acosd.empty()) << "Octave is installed on the build machines";
  const std::optional<std::string> help = MFileHelp(acosd);
  ASSERT_TRUE(help.has_value());
  EXPECT_NE(help->find("Compute the inverse cosine in degrees"), std::string::npos) << *help;
  EXPECT_EQ(help->find("Copyright"), std::string::npos) << *help;
}

}  // namespace
}  // namespace quorvin
