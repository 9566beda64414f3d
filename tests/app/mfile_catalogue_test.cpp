#include "app/mfile_catalogue.h"

#include <gtest/gtest.h>

#include "tests/support/file_sandbox.h"

namespace quorvin {
namespace {

using testing_support::ReadBytes;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;

TEST(MFileCatalogue, FileBytesAreTheTwoSectionsWithCrLfLines) {
  const MFileCatalogue catalogue{{{"elfun", "/opt/m/elfun"}, {"a;b,c", "/opt/m/a;b,c"}},
                                 {"/opt/m/elfun/acosd.m", "/opt/m/a;b,c/x,y.m"}};
  EXPECT_EQ(CatalogueText(catalogue),
            "[Directories]\r\n"
            "elfun;/opt/m/elfun\r\n"
            "a;b,c;/opt/m/a;b,c\r\n"
            "[Files]\r\n"
            "/opt/m/elfun/acosd.m\r\n"
            "/opt/m/a;b,c/x,y.m\r\n");
}

TEST(MFileCatalogue, RoundTripKeepsSemicolonsCommasAndQuotes) {
  ScratchFolder dir;
  const MFileCatalogue catalogue{
      {{"a;b,c", "/m/a;b,c"}, {"\"q\"", "/m/\"q\""}, {" lead", "/m/ lead"}},
      {"/m/a;b,c/one,two.m", "/m/\"q\"/\"x.m", "/m/ lead/ s.m"}};
  ASSERT_TRUE(WriteCatalogueFile(dir / "", catalogue));
  EXPECT_EQ(dir.listing(), "mfiles.txt");
  EXPECT_EQ(ReadCatalogueFile(dir / ""), catalogue);
}

TEST(MFileCatalogue, ReaderCases) {
  struct Case {
    const char* what;
    std::string bytes;
    MFileCatalogue expected;
  };
  const std::vector<Case> cases = {
      {"no [Files] line: directories only, no endless rescan",
       "[Directories]\r\nelfun;/m/elfun\r\n", {{{"elfun", "/m/elfun"}}, {}}},
      {"LF only, last line without an end",
       "[Directories]\nx;/m/x\n[Files]\n/m/x/a.m\n/m/x/b.m", {{{"x", "/m/x"}}, {"/m/x/a.m", "/m/x/b.m"}}},
      {"a line without ';' is a name without directory",
       "[Directories]\r\nlonely\r\n[Files]\r\n", {{{"lonely", ""}}, {}}},
      {"a name holding ';' splits at ';/'",
       "[Directories]\r\nSUB;x;/A/SUB;x\r\n[Files]\r\n", {{{"SUB;x", "/A/SUB;x"}}, {}}},
      {"empty lines are skipped", "[Directories]\r\n\r\n[Files]\r\n\r\n/m/a.m\r\n\r\n",
       {{}, {"/m/a.m"}}},
      {"empty file", "", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadCatalogueText(c.bytes), c.expected) << c.what;
}

TEST(MFileCatalogue, AMissingFileReadsAsNothing) {
  ScratchFolder dir;
  EXPECT_FALSE(ReadCatalogueFile(dir / "").has_value());
  WriteBytes(dir / "mfiles.txt", "[Directories]\r\n[Files]\r\n");
  EXPECT_EQ(ReadCatalogueFile(dir / ""), MFileCatalogue{});
}

TEST(MFileCatalogue, AFailedWriteLeavesTheOldCatalogue) {
  ScratchFolder dir;
  WriteBytes(dir / "mfiles.txt", "old");
  std::string error;
  EXPECT_FALSE(WriteCatalogueFile(dir / "mfiles.txt", {}, &error));  // not a directory
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(ReadBytes(dir / "mfiles.txt"), "old");
}

TEST(LastPathPart, IsTheTextAfterTheLastSlash) {
  EXPECT_EQ(LastPathPart("/usr/share/elfun"), "elfun");
  EXPECT_EQ(LastPathPart("plain"), "plain");
  EXPECT_EQ(LastPathPart("/a/"), "");
}

}  // namespace
}  // namespace quorvin
