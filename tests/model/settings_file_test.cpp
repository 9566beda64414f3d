// The settings file: what the start-up takes from it, and what Save leaves
// in it (the person's own lines untouched).
#include "model/settings_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "model/numeric_text.h"
#include "tests/support/file_sandbox.h"
#include "tests/support/gtest/row_names.h"

namespace quorvin {
namespace {

using namespace testing_support;

std::string Section(const std::string& lines) { return "[Prefrences]\r\n" + lines; }

// One value read at start-up, and the preference it leaves.
struct ReadCase {
  const char* name;
  std::string file;
  std::string Preferences::*text;  // the text preference to look at, or
  bool Preferences::*flag;         // the on/off one
  std::string expectedText;
  bool expectedFlag;
};

class SettingsReadTable : public ::testing::TestWithParam<ReadCase> {};

TEST_P(SettingsReadTable, GivesThePreference) {
  const ReadCase& c = GetParam();
  Preferences prefs = DesignPreferences();
  ReadSettings(c.file, prefs);
  if (c.text) {
    EXPECT_EQ(prefs.*c.text, c.expectedText);
  } else {
    EXPECT_EQ(prefs.*c.flag, c.expectedFlag);
  }
}

const std::string k300(300, 'a');

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsReadTable,
    ::testing::Values(
        ReadCase{"Width3", Section("Line Width=3\r\n"), &Preferences::txtLineWidth, nullptr, "3", false},
        ReadCase{"Width3point5", Section("Line Width=3.5\r\n"), &Preferences::txtLineWidth, nullptr, "3", false},
        ReadCase{"Width7", Section("Line Width=7\r\n"), &Preferences::txtLineWidth, nullptr, "1", false},
        ReadCase{"WidthX", Section("Line Width=x\r\n"), &Preferences::txtLineWidth, nullptr, "1", false},
        ReadCase{"WidthZero", Section("Line Width=0\r\n"), &Preferences::txtLineWidth, nullptr, "1", false},
        ReadCase{"WidthNotUsed", Section("Line Width=Not Used x\r\n"), &Preferences::txtLineWidth, nullptr, "1", false},
        ReadCase{"WidthEmpty", Section("Line Width=\r\n"), &Preferences::txtLineWidth, nullptr, "1", false},
        ReadCase{"WidthBlanksAround", Section("Line Width =  2 \r\n"), &Preferences::txtLineWidth, nullptr, "2", false},
        ReadCase{"KeyInOtherCase", Section("LINE width=4\r\n"), &Preferences::txtLineWidth, nullptr, "4", false},
        ReadCase{"SectionInOtherCase", "[pREFRENCES]\r\nLine Width=2\r\n", &Preferences::txtLineWidth, nullptr, "2", false},
        ReadCase{"FirstLineOfAKeyCounts", Section("Line Width=2\r\nLine Width=3\r\n"), &Preferences::txtLineWidth, nullptr, "2", false},
        ReadCase{"OtherSectionNotRead", "[Other]\r\nLine Width=2\r\n", &Preferences::txtLineWidth, nullptr, "1", false},
        ReadCase{"LfOnlyFile", "[Prefrences]\nScan Drives=cd\n", &Preferences::txtDrives, nullptr, "cd", false},
        ReadCase{"ValueAfterFirstEquals", Section("Scan Drives=a=b\r\n"), &Preferences::txtDrives, nullptr, "a=b", false},
        ReadCase{"LongValueCut", Section("Default Toolbox=" + k300 + "\r\n"), &Preferences::txtToolbox, nullptr, std::string(254, 'a'), false},
        ReadCase{"ToolboxSizeWhole", Section("Toolbox Size=12X345678901\r\n"), &Preferences::lbltoolboxsize, nullptr, "12X345678901", false},
        ReadCase{"ShowToolbox0", Section("Show Toolbox=0\r\n"), nullptr, &Preferences::chkShowToolbox, "", false},
        ReadCase{"ShowToolboxYes", Section("Show Toolbox=yes\r\n"), nullptr, &Preferences::chkShowToolbox, "", true},
        ReadCase{"ShowBubbles0", Section("Show Bubbles=0\r\n"), nullptr, &Preferences::chkShowBubbles, "", false},
        ReadCase{"ShowBubblesNotUsed", Section("Show Bubbles=Not Used\r\n"), nullptr, &Preferences::chkShowBubbles, "", true},
        ReadCase{"UnusedBoxes0", Section("Unused Boxs for Input=0\r\n"), nullptr, &Preferences::chkInput, "", false},
        ReadCase{"NoSectionLeavesDesign", "Show Bubbles=0\r\n", nullptr, &Preferences::chkShowBubbles, "", true},
        ReadCase{"AfterAUtf8ByteOrderMark", "\xEF\xBB\xBF[Prefrences]\r\nLine Width=3\r\n", &Preferences::txtLineWidth, nullptr, "3", false}),
    testing_support::ByRowName());

TEST(SettingsRead, ToolboxKeysChangeThePreferencesOnlyWhenGiven) {
  Preferences prefs = DesignPreferences();
  ReadSettings(Section("Show Toolbox=0\r\nDefault Toolbox=\r\n"), prefs);
  EXPECT_FALSE(prefs.chkShowToolbox);
  EXPECT_EQ(prefs.txtToolbox, "default.tlb") << "an empty value leaves the design value";
  prefs = DesignPreferences();
  ReadSettings(Section("Default Toolbox=Mine.tlb\r\n"), prefs);
  EXPECT_TRUE(prefs.chkShowToolbox) << "an absent key leaves the design value";
  EXPECT_EQ(prefs.txtToolbox, "Mine.tlb");
}

TEST(SettingsWrite, NewFileHoldsTheSevenKeysInOrderWithCrLf) {
  ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  std::string error;
  ASSERT_TRUE(SaveSettingsFile(dir / "", DesignPreferences(), &error)) << error;
  EXPECT_EQ(ReadBytes(dir / "quorvin.ini"),
            "[Prefrences]\r\n"
            "Show Bubbles=1\r\n"
            "Line Width=1\r\n"
            "Unused Boxs for Input=1\r\n"
            "Show Toolbox=1\r\n"
            "Default Toolbox=default.tlb\r\n"
            "Toolbox Size=\r\n"
            "Scan Drives=abcdef\r\n");
}

TEST(SettingsWrite, SaveKeepsEveryOtherLineAndReadsBack) {
  ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  WriteBytes(dir / "quorvin.ini",
             "; my own settings\n"
             "[Other]\n"
             "Line Width=4\n"
             "\n"
             "[Prefrences]\n"
             "line width=2\n"
             "Extra = kept  \n"
             "\n"
             "[Tail]\n"
             "x=y\n");
  Preferences prefs = DesignPreferences();
  prefs.chkShowBubbles = false;
  prefs.txtLineWidth = "3";
  prefs.txtToolbox = "mine.tlb";
  prefs.lbltoolboxsize = "3X2";
  prefs.txtDrives = "cd";
  std::string error;
  ASSERT_TRUE(SaveSettingsFile(dir / "", prefs, &error)) << error;
  EXPECT_EQ(ReadBytes(dir / "quorvin.ini"),
            "; my own settings\n"
            "[Other]\n"
            "Line Width=4\n"
            "\n"
            "[Prefrences]\n"
            "Line Width=3\n"
            "Extra = kept  \n"
            "Show Bubbles=0\n"
            "Unused Boxs for Input=1\n"
            "Show Toolbox=1\n"
            "Default Toolbox=mine.tlb\n"
            "Toolbox Size=3X2\n"
            "Scan Drives=cd\n"
            "\n"
            "[Tail]\n"
            "x=y\n");
  Preferences back = DesignPreferences();
  back.chkInput = false;
  EXPECT_TRUE(ReadSettingsFile(dir / "", back).fileRead);
  EXPECT_EQ(back.chkShowBubbles, false);
  EXPECT_EQ(back.txtLineWidth, "3");
  EXPECT_EQ(back.chkInput, true);
  EXPECT_EQ(back.txtToolbox, "mine.tlb");
  EXPECT_EQ(back.lbltoolboxsize, "3X2");
  EXPECT_EQ(back.txtDrives, "cd");
}

TEST(SettingsWrite, LineEndsFollowTheFile) {
  struct Case {
    std::string before, after;
  } cases[] = {
      {"", "[Prefrences]\r\nScan Drives=z\r\n"},
      {"[Prefrences]\nLine Width=2", "[Prefrences]\nLine Width=2\nScan Drives=z\n"},
      {"[Prefrences]\r\nScan Drives=a", "[Prefrences]\r\nScan Drives=z"},
      {"[Prefrences]\r\n\r\n[Next]\r\n", "[Prefrences]\r\nScan Drives=z\r\n\r\n[Next]\r\n"},
      {"[Other]\r\nk=v", "[Other]\r\nk=v\r\n[Prefrences]\r\nScan Drives=z\r\n"},
      {"# no line end", "# no line end\r\n[Prefrences]\r\nScan Drives=z\r\n"},
      {"[Other]\nk=v\r", "[Other]\nk=v\r\n[Prefrences]\nScan Drives=z\n"},
      {"[Prefrences]\r", "[Prefrences]\r\nScan Drives=z\r\n"},
      // The UTF-8 byte-order mark an editor put first stays first.
      {"\xEF\xBB\xBF[Prefrences]\nScan Drives=a\n", "\xEF\xBB\xBF[Prefrences]\nScan Drives=z\n"},
      {"\xEF\xBB\xBF", "\xEF\xBB\xBF[Prefrences]\r\nScan Drives=z\r\n"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(WithProfileString(c.before, "Prefrences", "Scan Drives", "z"), c.after) << c.before;
}

// Many editors begin a UTF-8 file with its byte-order mark: the settings
// are read after it, and Save changes them where they are, the mark kept.
TEST(SettingsWrite, AFileBeginningWithAUtf8ByteOrderMarkKeepsItsOneSection) {
  ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  WriteBytes(dir / "quorvin.ini", "\xEF\xBB\xBF[Prefrences]\r\nLine Width=3\r\nShow Bubbles=0\r\n");
  Preferences prefs = DesignPreferences();
  const SettingsRead read = ReadSettingsFile(dir / "", prefs);
  EXPECT_TRUE(read.fileRead);
  EXPECT_FALSE(read.unreadable);
  EXPECT_EQ(prefs.txtLineWidth, "3");
  EXPECT_FALSE(prefs.chkShowBubbles);
  prefs.txtLineWidth = "2";
  std::string error;
  ASSERT_TRUE(SaveSettingsFile(dir / "", prefs, &error)) << error;
  EXPECT_EQ(ReadBytes(dir / "quorvin.ini"),
            "\xEF\xBB\xBF[Prefrences]\r\n"
            "Line Width=2\r\n"
            "Show Bubbles=0\r\n"
            "Unused Boxs for Input=1\r\n"
            "Show Toolbox=1\r\n"
            "Default Toolbox=default.tlb\r\n"
            "Toolbox Size=\r\n"
            "Scan Drives=abcdef\r\n");
}

TEST(SettingsWrite, ValueWithALineBreakStaysOneLine) {
  const std::string out =
      WithProfileString("[Prefrences]\r\n", "Prefrences", "Scan Drives", "ab\r\n[Evil]\r\nx=1");
  EXPECT_EQ(out, "[Prefrences]\r\nScan Drives=ab\r\n");
  EXPECT_EQ(WithProfileString("", "Prefrences", "Scan Drives", "a\nb"),
            "[Prefrences]\r\nScan Drives=a\r\n");
}

TEST(SettingsWrite, FailedSaveSaysWhyAndWritesNothing) {
  ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  WriteBytes(dir / "plain", "not a directory");
  std::string error;
  EXPECT_FALSE(SaveSettingsFile(dir / "plain", DesignPreferences(), &error));
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(ReadBytes(dir / "plain"), "not a directory");
  EXPECT_EQ(dir.listing(), "plain");

  // A directory in the settings file's place is no file to replace.
  std::filesystem::create_directory(dir / "quorvin.ini");
  EXPECT_FALSE(SaveSettingsFile(dir / "", DesignPreferences(), &error));
  EXPECT_TRUE(std::filesystem::is_directory(dir / "quorvin.ini"));
}

// A settings file that is there but gives no settings: the preferences stay
// as they were, and the read names the file and says why.
struct UnreadableCase {
  const char* name;
  std::string entry;                                 // its name in the folder
  std::function<void(const std::string& path)> make;  // puts it there
  std::string why;
};

void PrintTo(const UnreadableCase& c, std::ostream* os) { *os << c.name; }

class UnreadableSettingsFile : public ::testing::TestWithParam<UnreadableCase> {};

TEST_P(UnreadableSettingsFile, LeavesThePreferencesAndSaysWhy) {
  const UnreadableCase& c = GetParam();
  ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  c.make(dir / c.entry);
  Preferences prefs = DesignPreferences();
  const SettingsRead read = ReadSettingsFile(dir / "", prefs);
  EXPECT_FALSE(read.fileRead);
  EXPECT_EQ(read.unreadable, (UnreadableSettings{dir / c.entry, c.why}));
  EXPECT_EQ(prefs.txtLineWidth, "1") << "nothing of the file is taken";
  EXPECT_EQ(FirstUnreadableSettings({dir / "missing", dir / ""}), read.unreadable);
}

const std::string kWidth3 = "[Prefrences]\r\nLine Width=3\r\n";

void Write(const std::string& bytes, const std::string& path) { WriteBytes(path, bytes); }

INSTANTIATE_TEST_SUITE_P(
    Table, UnreadableSettingsFile,
    ::testing::Values(
        UnreadableCase{"Directory", "quorvin.ini",
                       [](const std::string& p) { std::filesystem::create_directory(p); },
                       "Is a directory"},
        UnreadableCase{"DirectoryInCapitals", "QUORVIN.INI",
                       [](const std::string& p) { std::filesystem::create_directory(p); },
                       "Is a directory"},
        UnreadableCase{"NamedPipe", "Quorvin.ini",
                       [](const std::string& p) { ::mkfifo(p.c_str(), 0644); }, "Not a plain file"},
        UnreadableCase{"LoopOfLinks", "quorvin.ini",
                       [](const std::string& p) {
                         std::filesystem::create_symlink("quorvin.ini", p);
                       },
                       "Too many levels of symbolic links"},
        UnreadableCase{"NulBytes", "quorvin.ini",
                       [](const std::string& p) { Write(kWidth3 + std::string(4, '\0'), p); },
                       "Not a text file of this program (it holds NUL bytes)"},
        UnreadableCase{"Utf16", "quorvin.ini",
                       [](const std::string& p) {
                         std::string wide = "\xFF\xFE";
                         for (const char c : kWidth3) wide += std::string{c, '\0'};
                         Write(wide, p);
                       },
                       "Not a text file of this program (it is written in UTF-16 LE, not in "
                       "ASCII, Latin-1 or UTF-8)"},
        UnreadableCase{"LargerThanAnySettingsFile", "quorvin.ini",
                       [](const std::string& p) {
                         Write(kWidth3 + std::string(kLargestSettingsFile, ';'), p);
                       },
                       "File too large"}),
    testing_support::ByRowName());

// Permissions mean nothing to root: the check runs as another user.
TEST(UnreadableSettingsFile, AFileTheUserMayNotRead) {
  ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  WriteBytes(dir / "quorvin.ini", kWidth3, 0000);
  QUORVIN_EXPECT_AS_OTHER_USER([&] {
    Findings found;
    Preferences prefs = DesignPreferences();
    const SettingsRead read = ReadSettingsFile(dir / "", prefs);
    found.expect(read.unreadable == UnreadableSettings{dir / "quorvin.ini", "Permission denied"},
                 "not told as unreadable");
    found.expect(prefs.txtLineWidth == "1", "the preferences changed");
    std::string error;
    found.expect(!SaveSettingsFile(dir / "", prefs, &error), "saved over it");
    found.expect(error == "Permission denied", "the save's reason: " + error);
    return found.text;
  });
}

// No file, or a link to none, is the normal start of a fresh installation.
TEST(UnreadableSettingsFile, AMissingFileIsNoFault) {
  ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  Preferences prefs = DesignPreferences();
  EXPECT_FALSE(ReadSettingsFile(dir / "", prefs).unreadable);
  std::filesystem::create_symlink("gone.ini", dir / "quorvin.ini");
  EXPECT_FALSE(ReadSettingsFile(dir / "", prefs).unreadable);
  EXPECT_FALSE(FirstUnreadableSettings({dir / "", dir / "missing"}));
}

// A file Save could not read back is not rewritten: what it holds is not
// text of this program's, and a section added to it would be lost in it.
TEST(SettingsWrite, SaveLeavesAFileThatIsNoTextAsItWas) {
  const std::string binary("[Prefrences]\r\nLine Width=3\r\n\0\x01", 30);
  const std::string utf16("\xFF\xFE[\0P\0]\0\r\0\n\0", 12);
  for (const std::string& bytes : {binary, utf16}) {
    ScratchFolder dir;
    ASSERT_TRUE(dir.ok());
    WriteBytes(dir / "quorvin.ini", bytes);
    std::string error;
    EXPECT_FALSE(SaveSettingsFile(dir / "", DesignPreferences(), &error));
    EXPECT_EQ(error.rfind("Not a text file of this program (", 0), 0u) << error;
    EXPECT_EQ(ReadBytes(dir / "quorvin.ini"), bytes);
    EXPECT_EQ(dir.listing(), "quorvin.ini");
  }
}

TEST(SettingsFileProbe, FindsOneFileWhateverTheCaseAndSavesToIt) {
  ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  EXPECT_FALSE(FindSettingsFile(dir / ""));
  EXPECT_EQ(SettingsFilePath(dir / ""), dir / "quorvin.ini");

  WriteBytes(dir / "Quorvin.ini", "[Prefrences]\r\nLine Width=4\r\n");
  WriteBytes(dir / "QUORVIN.INI", "[Prefrences]\r\nLine Width=2\r\n");
  EXPECT_EQ(FindSettingsFile(dir / ""), dir / "QUORVIN.INI");  // first in name order
  Preferences prefs = DesignPreferences();
  ReadSettingsFile(dir / "", prefs);
  EXPECT_EQ(prefs.txtLineWidth, "2");
  prefs.txtDrives = "q";
  ASSERT_TRUE(SaveSettingsFile(dir / "", prefs));
  EXPECT_EQ(dir.listing(), "QUORVIN.INI Quorvin.ini");
  EXPECT_NE(ReadBytes(dir / "QUORVIN.INI").find("Scan Drives=q\r\n"), std::string::npos);

  WriteBytes(dir / "quorvin.ini", "");
  EXPECT_EQ(FindSettingsFile(dir / ""), dir / "quorvin.ini");  // the exact name first
}

TEST(SettingsFileProbe, ADirectoryOfThatNameIsNoSettingsFile) {
  ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  std::filesystem::create_directory(dir / "QUORVIN.INI");
  EXPECT_FALSE(FindSettingsFile(dir / ""));
  Preferences prefs = DesignPreferences();
  EXPECT_FALSE(ReadSettingsFile(dir / "", prefs).fileRead);
  EXPECT_FALSE(FindSettingsFile(dir / "missing"));
}

TEST(LineWidth, TypedTextAsTheWidthADocumentDraws) {
  const std::pair<const char*, int> cases[] = {{"1", 1}, {"2.5", 2}, {"3.5", 4}, {"4", 4},
                                               {"9", 4},  {"0", 1},   {"-3", 1},  {"abc", 1},
                                               {"", 1},   {"1e400", 4}, {".", 1}};
  for (const auto& [text, width] : cases) {
    Preferences p;
    p.txtLineWidth = text;
    EXPECT_EQ(LineWidthOf(p), width) << text;
  }
}

TEST(NumericText, DecimalNumbersOnly) {
  for (const char* yes : {"0", "-3", "+2.5", "2.", ".5", "1e3", "1.5E-2"})
    EXPECT_TRUE(IsNumericText(yes)) << yes;
  for (const char* no : {"", "-", "+", ".", "abc", "1e", "1.2.3", "2 ", " 2", "1e+", "0x1"})
    EXPECT_FALSE(IsNumericText(no)) << no;
}

}  // namespace
}  // namespace quorvin
