#include "model/utf8_text.h"

#include <gtest/gtest.h>

namespace quorvin {
namespace {

TEST(ReadableText, KeepsUtf8AndShowsEveryOtherByteAsItsWindowsLatinCharacter) {
  struct Case {
    const char* name;
    std::string bytes;
    std::string shown;
  };
  const std::vector<Case> cases = {
      {"ASCII", "/m/elfun/acosd.m", "/m/elfun/acosd.m"},
      {"UTF-8 of two, three and four bytes", "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80",
       "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80"},
      {"a Latin-1 letter", "caf\xe9.m", "caf\xc3\xa9.m"},
      {"Latin-1 letters side by side", "\xe9\xe8", "\xc3\xa9\xc3\xa8"},
      {"the Windows euro and quotes", "\x80\x93x\x94", "\xe2\x82\xac\xe2\x80\x9cx\xe2\x80\x9d"},
      {"a byte Windows leaves unnamed", "a\x81z", "a\xef\xbf\xbdz"},
      {"a lead byte cut short", "caf\xc3", "caf\xc3\x83"},
      {"a lead byte before ASCII", "\xc3x", "\xc3\x83x"},
      {"an overlong slash", "\xc0\xaf", "\xc3\x80\xc2\xaf"},
      {"a surrogate", "\xed\xa0\x80", "\xc3\xad\xc2\xa0\xe2\x82\xac"},
      {"past U+10FFFF", "\xf4\x90\x80\x80", "\xc3\xb4\xef\xbf\xbd\xe2\x82\xac\xe2\x82\xac"},
      {"a stray continuation byte", "a\xa9", "a\xc2\xa9"},
      {"nothing", "", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadableText(c.bytes), c.shown) << c.name;
}

}  // namespace
}  // namespace quorvin
