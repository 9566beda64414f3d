#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "model/flowchart_file.h"
#include "model_fakes.h"
#include "tests/support/file_sandbox.h"
#include "tests/support/gtest/row_names.h"

namespace quorvin {
namespace {

namespace fs = std::filesystem;
using testing::ModelFixture;

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
void WriteFile(const fs::path& p, const std::string& text) {
  std::ofstream(p, std::ios::binary) << text;
}
std::string Golden(const std::string& name) {
  return ReadFile(fs::path(QUORVIN_TEST_DATA) / name);
}

struct TempDir {
  fs::path path = fs::temp_directory_path() /
                  ("quorvin-model-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                   "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
  TempDir() { fs::create_directories(path); }
  ~TempDir() { fs::remove_all(path); }
};

void SetLinks(BoxRecord& r, std::array<int16_t, 3> in, std::array<int16_t, 5> out, int32_t colour) {
  for (int j = 1; j <= 3; ++j) r.InLink[j] = in[j - 1];
  for (int j = 1; j <= 5; ++j) {
    r.OutLink[j] = out[j - 1];
    r.OutColor[j] = colour;
  }
}

// Document 1 owns boxes 3, 5 and 8 (3 -> 8 -> 5); document 2 the others.
struct Interleaved : ::testing::Test {
  ModelFixture f;
  void SetUp() override {
    NewDocument(f.m);
    NewDocument(f.m);
    for (int i = 1; i <= 8; ++i) f.AddBox(i == 3 || i == 5 || i == 8 ? 1 : 2, "Other");
    BoxTable& t = f.boxes;
    t[3].Kind = "Constant Input";
    t[3].Params = "pi";
    SetLinks(t[3], {-1, -1, -1}, {8, 0, 0, 0, 0}, 255);
    t[3].X = 1500, t[3].Y = 600;
    t[8].Kind = "Sin";
    SetLinks(t[8], {3, -1, -1}, {5, 0, 0, 0, 0}, 255);
    t[8].X = 3000, t[8].Y = 600;
    t[5].Kind = "Screen Output";
    SetLinks(t[5], {8, 0, 0}, {-1, -1, -1, -1, -1}, 0);
    t[5].X = 4500, t[5].Y = 600;
    t[1].Params = "box3";  // other document's boxes do not use up file numbers
  }
};

TEST_F(Interleaved, FileNumbersFollowFirstMentionAndSkipOtherDocuments) {
  EXPECT_EQ(FormatFlowchart(f.m.table, 1), Golden("interleaved.qvn"));
}

TEST_F(Interleaved, SaveAsWritesTheFileAndRecordsTheSave) {
  TempDir dir;
  const std::string path = (dir.path / "chart.qvn").string();
  f.m.documents.docInfo[1].Changed = true;
  f.dialogs.fileAnswers = {path};
  ASSERT_TRUE(SaveDocument(f.m, 1, SaveMode::Save));  // untitled: Save asks too
  EXPECT_EQ(ReadFile(path), Golden("interleaved.qvn"));
  EXPECT_EQ(f.dialogs.filters.back(), "Quorvin Files (*.qvn)|*.qvn|All Files (*.*)|*.*");
  EXPECT_EQ(f.m.documents.caption(1), path);
  EXPECT_FALSE(f.m.documents.docInfo[1].Changed);
  EXPECT_EQ(f.m.recentFiles.shown(), (std::vector<std::string>{path}));

  // Save goes to the file without asking; Save As presets the file's path.
  f.boxes[3].Params = "exp(1)";
  ASSERT_TRUE(SaveDocument(f.m, 1, SaveMode::Save));
  EXPECT_EQ(f.dialogs.initialNames.size(), 1u);
  EXPECT_NE(ReadFile(path).find("Constant Input~exp(1)"), std::string::npos);
  f.dialogs.fileAnswers = {std::nullopt};
  EXPECT_FALSE(SaveDocument(f.m, 1, SaveMode::SaveAs));
  EXPECT_EQ(f.dialogs.initialNames.back(), path);
}

TEST_F(Interleaved, CancelledOrFailedSaveChangesNothing) {
  TempDir dir;
  f.m.documents.docInfo[1].Changed = true;
  EXPECT_FALSE(SaveDocument(f.m, 1, SaveMode::SaveAs));  // cancelled
  EXPECT_TRUE(f.dialogs.messages.empty());

  WriteFile(dir.path / "plain", "not a directory");
  const std::string bad = (dir.path / "plain" / "chart.qvn").string();
  f.dialogs.fileAnswers = {bad};
  EXPECT_FALSE(SaveDocument(f.m, 1, SaveMode::SaveAs));
  ASSERT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_NE(f.dialogs.messages[0].text.find(bad), std::string::npos);
  EXPECT_EQ(f.m.documents.caption(1), "Untitled:1");
  EXPECT_TRUE(f.m.documents.docInfo[1].Changed);
  EXPECT_TRUE(f.m.recentFiles.shown().empty());
  EXPECT_EQ(ReadFile(dir.path / "plain"), "not a directory");
}

// Saving over a file the user already has keeps it theirs: its permission
// bits, and a symbolic link stays a link to the file that gets the flowchart.
TEST_F(Interleaved, SavingOverAFileKeepsItsModeAndItsLinks) {
  testing_support::ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  testing_support::WriteBytes(dir / "private.qvn", "old", 0600);
  ASSERT_EQ(::symlink("private.qvn", (dir / "link.qvn").c_str()), 0);
  f.dialogs.fileAnswers = {dir / "link.qvn"};
  ASSERT_TRUE(SaveDocument(f.m, 1, SaveMode::SaveAs));
  EXPECT_TRUE(fs::is_symlink(dir / "link.qvn"));
  EXPECT_EQ(ReadFile(dir / "private.qvn"), Golden("interleaved.qvn"));
  EXPECT_EQ(testing_support::ModeOf(dir / "private.qvn"), 0600u);
  EXPECT_EQ(f.m.documents.caption(1), dir / "link.qvn");
  EXPECT_EQ(dir.listing(), "link.qvn private.qvn");
}

TEST_F(Interleaved, SaveRefusesAReadOnlyFileAndKeepsTheEditsUnsaved) {
  testing_support::ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  QUORVIN_EXPECT_AS_OTHER_USER([&] {
    testing_support::Findings found;
    const std::string path = dir / "locked.qvn";
    testing_support::WriteBytes(path, "old", 0444);
    f.m.documents.docInfo[1].Changed = true;
    f.dialogs.fileAnswers = {path};
    found.expect(!SaveDocument(f.m, 1, SaveMode::SaveAs), "a read-only file was saved over");
    found.expect(ReadFile(path) == "old", "the read-only file holds: " + ReadFile(path));
    found.expect(f.dialogs.messages.size() == 1, "not one message");
    if (f.dialogs.messages.size() == 1) {
      const testing::Message& said = f.dialogs.messages[0];
      found.expect(said.text == "The file could not be saved:\r\n" + path +
                                    "\r\nPermission denied.\r\nThe flowchart was not changed "
                                    "on disk.",
                   "the message: " + said.text);
      found.expect(said.style == style::kExclamation && said.title == "Quorvin",
                   "the message's style or title");
    }
    found.expect(f.m.documents.caption(1) == "Untitled:1", "the caption changed");
    found.expect(f.m.documents.docInfo[1].Changed, "the edits count as saved");
    found.expect(f.m.recentFiles.shown().empty(), "the refused file became a recent file");
    return found.text;
  });
}

TEST(FlowchartFile, EmptyDocumentAndParameterEncodings) {
  ModelFixture f;
  NewDocument(f.m);
  EXPECT_EQ(FormatFlowchart(f.m.table, 1), Golden("empty.qvn"));

  f.AddBox(1, "Logic Operator", "~");
  // box9 is no box of the file: its name is saved and loaded as typed.
  f.AddBox(1, "Compute Function", "box9=0;\r\nbox9(2,3)=7;");
  f.AddBox(1, "Comment", "first\r\nsecond\nthird~with tilde");
  f.AddBox(1, "Matlab Command", "Output=max(input1);\r\n");
  BoxTable& t = f.boxes;
  SetLinks(t[1], {0, 0, -1}, {0, 0, 0, 0, 0}, 0);
  t[1].Y = -30, t[1].X = -45;
  SetLinks(t[2], {0, 0, 0}, {0, 0, 0, 0, 0}, 0xFFFFFF);
  SetLinks(t[3], {-1, -1, -1}, {-1, -1, -1, -1, -1}, -1);
  t[3].Y = INT32_MAX, t[3].X = INT32_MIN;
  SetLinks(t[4], {0, -1, -1}, {0, 0, 0, 0, 0}, 0);
  t[4].Y = 15, t[4].X = 30;
  EXPECT_EQ(FormatFlowchart(t, 1), Golden("params.qvn"));
  EXPECT_EQ(EncodeParams("a\rb\r"), "a;;b;;");
}

TEST(FlowchartFile, LoadingAppendsAfterTheOpenBoxesAndShiftsLinksOnly) {
  ModelFixture f;
  NewDocument(f.m);
  for (int i = 0; i < 4; ++i) f.AddBox(1, "Sin");
  f.boxes[2].Params = "box2";
  const BoxTable before = f.m.table;
  LoadFlowchart(f.m, std::string(QUORVIN_TEST_DATA) + "/interleaved.qvn");
  const BoxTable& t = f.m.table;
  ASSERT_TRUE(f.dialogs.messages.empty());
  EXPECT_EQ(t.nextBox, 8);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(t[i], before[i]);
  EXPECT_EQ(t[5].Kind, "Constant Input");
  EXPECT_EQ(t[5].OutLink[1], 6);
  EXPECT_EQ(t[6].Kind, "Sin");
  EXPECT_EQ(t[6].InLink[1], 5);
  EXPECT_EQ(t[6].InLink[2], -1);
  EXPECT_EQ(t[7].InLink[1], 6);
  EXPECT_EQ(t[7].InLink[2], 0);
  EXPECT_EQ(t[7].OutLink[1], -1);
  EXPECT_EQ(t[7].X, 4500);
  EXPECT_EQ(t[7].Y, 600);
  EXPECT_EQ(t[5].OutColor[1], 255);
  for (int i = 5; i <= 7; ++i) EXPECT_EQ(t[i].Doc, 2);
  EXPECT_EQ(f.m.documents.caption(2), std::string(QUORVIN_TEST_DATA) + "/interleaved.qvn");
  EXPECT_FALSE(f.m.documents.docInfo[2].Changed);
  EXPECT_TRUE(f.m.recentFiles.shown().empty()) << "loading does not add a recent file";

  // The same file again: its own boxes, numbered after the first load's.
  LoadFlowchart(f.m, std::string(QUORVIN_TEST_DATA) + "/interleaved.qvn");
  EXPECT_EQ(t.nextBox, 11);
  EXPECT_EQ(t[8].OutLink[1], 9);
  EXPECT_EQ(t[10].Doc, 3);
}

TEST(FlowchartFile, SaveAndLoadRoundTripKeepsParameterTexts) {
  ModelFixture f;
  TempDir dir;
  NewDocument(f.m);
  f.AddBox(1, "Keyboard Input", "1 2 3");
  LoadFlowchart(f.m, std::string(QUORVIN_TEST_DATA) + "/params.qvn");
  const BoxTable& t = f.m.table;
  ASSERT_EQ(t.nextBox, 6);
  EXPECT_EQ(t[2].Params, "~");
  EXPECT_EQ(t[3].Params, "box9=0;\r\nbox9(2,3)=7;") << "a box the file does not hold";
  EXPECT_EQ(t[4].Params, "first;;second;;third~with tilde");
  EXPECT_EQ(t[5].Params, "Output=max(input1);\r\n");
  EXPECT_EQ(t[4].Y, INT32_MAX);
  EXPECT_EQ(t[4].OutColor[5], -1);

  const std::string path = (dir.path / "again.qvn").string();
  f.dialogs.fileAnswers = {path};
  ASSERT_TRUE(SaveDocument(f.m, 2, SaveMode::SaveAs));
  EXPECT_EQ(ReadFile(path), Golden("params.qvn")) << "saving what was loaded writes the same file";
}

// A condition or formula names other boxes by their variables ("box" and the
// number): the names go with the boxes into the file's numbering, and from
// it to the numbers the boxes get when the file is opened after others.
TEST(FlowchartFile, BoxNamesInParameterTextsFollowTheirBoxesThroughSaveAndLoad) {
  ModelFixture f;
  NewDocument(f.m);
  NewDocument(f.m);
  f.AddBox(2, "Other");
  f.AddBox(1, "Constant Input", "2");
  f.AddBox(2, "Other");
  f.AddBox(1, "If", "elsebox2>1");
  f.AddBox(1, "Compute Function", "box5=0;\r\nbox5(1,1)=box4+box2+box12;");
  BoxTable& t = f.boxes;
  SetLinks(t[2], {-1, -1, -1}, {4, 0, 0, 0, 0}, 0);
  SetLinks(t[4], {2, 0, 0}, {5, 0, 0, 0, 0}, 0);
  SetLinks(t[5], {4, 0, 0}, {0, 0, 0, 0, 0}, 0);
  // File numbers: box 2 is 1, box 4 is 2, box 5 is 3; box12 is none of them.
  const std::string text = FormatFlowchart(t, 1);
  EXPECT_NE(text.find("\r\nIf~elsebox1>1\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\r\nCompute Function~box3=0;;;box3(1,1)=box2+box1+box12;\r\n"),
            std::string::npos)
      << text;

  // Opened after the six boxes open now, the file's boxes are 6, 7 and 8.
  NewDocument(f.m);
  ASSERT_TRUE(ReadFlowchartInto(f.m, 3, text, "again.qvn"));
  ASSERT_EQ(t.nextBox, 9);
  EXPECT_EQ(t[7].Kind, "If");
  EXPECT_EQ(t[7].InLink[1], 6);
  EXPECT_EQ(t[7].Params, "elsebox6>1");
  EXPECT_EQ(t[8].Params, "box8=0;\r\nbox8(1,1)=box7+box6+box12;");
}

// params.qvn's formula names box9, no box of its four. Opened after seven
// boxes, its boxes are 8 to 11: left as typed, box9 would name its own box
// and a save would write that as file number 2.
TEST(FlowchartFile, ANameOfNoBoxOfTheFileNeverLandsOnOneOfItsBoxes) {
  ModelFixture f;
  NewDocument(f.m);
  for (int i = 0; i < 7; ++i) f.AddBox(1, "Sin");
  const int doc = NewDocument(f.m);
  ASSERT_TRUE(ReadFlowchartInto(f.m, doc, Golden("params.qvn"), "params.qvn"));
  const BoxTable& t = f.m.table;
  ASSERT_EQ(t[9].Kind, "Compute Function");
  EXPECT_EQ(t[9].Params, "box16=0;\r\nbox16(2,3)=7;");
  EXPECT_NE(FormatFlowchart(t, doc).find("\r\nCompute Function~box16=0;;;box16(2,3)=7;\r\n"),
            std::string::npos)
      << "saved, it names no box of the file still";
}

// What a save does to the names in a parameter text of document 1, whose
// boxes 2 and 3 get file numbers 1 and 2; box 1 belongs to document 2.
TEST(FlowchartFile, SavingRenamesOnlyWholeNamesOfTheDocumentsBoxes) {
  struct Case {
    const char* typed;
    const char* saved;
  };
  const Case cases[] = {
      {"box3+box2*box3", "box2+box1*box2"},
      // Parts of longer names and numbers, and numbers no box can have.
      {"inbox3+box3a+box3_1+box03+box0+box30+box333333", "inbox3+box3a+box3_1+box03+box0+box30+box333333"},
      {"box1", "box1"},  // another document's box: there is no file number for it
      {"box7", "box7"},  // no box at all
      // An If's condition behind its else mark; "else" elsewhere is a name's start.
      {"elsebox3>0", "elsebox2>0"},
      {"xelsebox3>0", "xelsebox3>0"},
      {"x;elsebox3", "x;elsebox3"},
      // A quoted name or a field name is renamed as a deletion renames it.
      {"disp('box3');s.box3", "disp('box2');s.box2"},
  };
  for (const Case& c : cases) {
    ModelFixture f;
    NewDocument(f.m);
    NewDocument(f.m);
    f.AddBox(2, "Other");
    f.AddBox(1, "Other");
    f.AddBox(1, "Matlab Command", c.typed);
    EXPECT_NE(FormatFlowchart(f.m.table, 1).find("\r\nMatlab Command~" + std::string(c.saved) + "\r\n"),
              std::string::npos)
        << c.typed;
  }
}

TEST(FlowchartFile, ReaderAcceptsLineFeedOnlyFiles) {
  std::string text = Golden("interleaved.qvn");
  std::string lf;
  for (char c : text)
    if (c != '\r') lf += c;
  const ParsedFlowchart crlf = ParseFlowchart(text);
  const ParsedFlowchart plain = ParseFlowchart(lf);
  ASSERT_TRUE(plain.ok()) << plain.error;
  ASSERT_EQ(plain.boxes.size(), 3u);
  for (std::size_t k = 0; k < 3; ++k) EXPECT_EQ(plain.boxes[k], crlf.boxes[k]);
}

// Two boxes may be joined more than once, and a box to itself: each arrow
// stored on both ends loads as it stands.
TEST(FlowchartFile, ReaderTakesArrowsDrawnTwiceAndArrowsToTheBoxItself) {
  const ParsedFlowchart parsed = ParseFlowchart(
      "2\r\nConstant Input~pi\r\n-1~-1~-1~2~0~2~0~0~0~0~0~0~0\r\n0~0~\r\n"
      "+~\r\n1~2~1~2~0~0~0~0~0~0~0~0~0\r\n0~1500~\r\n\r\n");
  ASSERT_TRUE(parsed.ok()) << parsed.error;
  ASSERT_EQ(parsed.boxes.size(), 2u);
  EXPECT_EQ(parsed.boxes[0].OutLink, (std::array<int16_t, 6>{0, 2, 2, 0, 0, 0}));
  EXPECT_EQ(parsed.boxes[1].InLink, (std::array<int16_t, 4>{0, 1, 2, 1}));
  EXPECT_EQ(parsed.boxes[1].OutLink[1], 2);
}

// A table that holds an arrow on one of its boxes only (it never should) is
// still saved as a file that loads: that half of the arrow is written as a
// free slot, and every arrow stored on both boxes is kept.
TEST(FlowchartFile, SaveWritesOnlyArrowsStoredOnBothBoxes) {
  ModelFixture f;
  NewDocument(f.m);
  f.AddBox(1, "Constant Input", "pi");
  f.AddBox(1, "+");
  f.AddBox(1, "Screen Output");
  BoxTable& t = f.boxes;
  // Box 1 holds its arrow to box 2 twice and one to box 3; box 2 holds one
  // arrow from box 1, box 3 none.
  SetLinks(t[1], {-1, -1, -1}, {2, 2, 3, 0, 0}, 255);
  SetLinks(t[2], {1, 0, 0}, {3, 0, 0, 0, 0}, 255);
  SetLinks(t[3], {2, 0, 0}, {-1, -1, -1, -1, -1}, 0);
  const std::string text = FormatFlowchart(t, 1);
  EXPECT_EQ(text,
            "3\r\n"
            "Constant Input~pi\r\n-1~-1~-1~2~255~0~255~0~255~0~255~0~255\r\n0~0~\r\n"
            "+~\r\n1~0~0~3~255~0~255~0~255~0~255~0~255\r\n0~0~\r\n"
            "Screen Output~\r\n2~0~0~-1~0~-1~0~-1~0~-1~0~-1~0\r\n0~0~\r\n\r\n");
  EXPECT_TRUE(ParseFlowchart(text).ok()) << ParseFlowchart(text).error;
}

TEST(FlowchartFile, ReaderSaysACountOverTheBoxLimitIsOne) {
  for (const char* count : {"351", "32768", "99999999999999999999999"})
    EXPECT_EQ(ParseFlowchart(std::string(count) + "\r\n\r\n").error,
              "line 1: the box count is more than the 350 boxes the program can hold")
        << count;
}

TEST(FlowchartFile, BoxLimitCountsTheOpenBoxes) {
  ModelFixture f;
  TempDir dir;
  NewDocument(f.m);
  for (int i = 0; i < 340; ++i) f.AddBox(1, "Sin");
  auto fileOf = [&](int n) {
    std::string text = std::to_string(n) + "\r\n";
    for (int i = 0; i < n; ++i) text += "Sin~\r\n0~-1~-1~0~0~0~0~0~0~0~0~0~0\r\n0~0~\r\n";
    const fs::path p = dir.path / (std::to_string(n) + ".qvn");
    WriteFile(p, text + "\r\n");
    return p.string();
  };
  LoadFlowchart(f.m, fileOf(11));
  ASSERT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.dialogs.messages[0].text,
            "Loading this file will result in more than the maximum number of boxes allowed, "
            "so it will not load ...");
  EXPECT_EQ(f.dialogs.messages[0].style.code(), 0);
  EXPECT_EQ(f.m.table.nextBox, 341);
  LoadFlowchart(f.m, fileOf(10));
  EXPECT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.m.table.nextBox, 351);
}

struct CorruptCase {
  const char* name;
  std::string text;
  std::string messageHas;
};

void PrintTo(const CorruptCase& c, std::ostream* os) { *os << c.name; }

class CorruptFile : public ::testing::TestWithParam<CorruptCase> {};

TEST_P(CorruptFile, ChangesNothingAndSaysWhy) {
  const CorruptCase& c = GetParam();
  ModelFixture f;
  TempDir dir;
  NewDocument(f.m);
  f.AddBox(1, "Sin", "box1");
  f.m.documents.docInfo[1].Changed = true;
  const BoxTable table = f.m.table;
  const std::vector<DocInfo> infoBefore = f.m.documents.docInfo;
  const fs::path p = dir.path / "bad.qvn";
  WriteFile(p, c.text);

  LoadFlowchart(f.m, p.string());
  EXPECT_EQ(f.m.table, table);
  ASSERT_EQ(f.m.documents.docInfo.size(), 3u);
  EXPECT_EQ(f.m.documents.docInfo[1], infoBefore[1]);
  EXPECT_EQ(f.m.documents.caption(2), "Untitled:2") << "the new window stays untitled";
  ASSERT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_NE(f.dialogs.messages[0].text.find(c.messageHas), std::string::npos)
      << f.dialogs.messages[0].text;
  EXPECT_EQ(f.dialogs.messages[0].title, "Quorvin");
}

const std::string kGoodRecord = "Sin~\r\n0~-1~-1~0~0~0~0~0~0~0~0~0~0\r\n0~0~\r\n";
const std::string kGoodFile = "1\r\n" + kGoodRecord + "\r\n";

// text as another editor saves it: every character a unit of `width` bytes
// (2 for UTF-16, 4 for UTF-32) in either byte order, after the byte-order
// mark U+FEFF when bom.
std::string Widened(const std::string& text, int width, bool bigEndian, bool bom) {
  std::string out;
  const auto unit = [&](unsigned code) {
    for (int k = 0; k < width; ++k) {
      const int shift = 8 * (bigEndian ? width - 1 - k : k);
      out += static_cast<char>((code >> shift) & 0xFF);
    }
  };
  if (bom) unit(0xFEFF);
  for (const char c : text) unit(static_cast<unsigned char>(c));
  return out;
}

std::string NotText(const std::string& why) {
  return "\r\nNot a text file of this program (" + why + ").";
}
const std::string kUtf16Le = NotText("it is written in UTF-16 LE, not in ASCII, Latin-1 or UTF-8");
const std::string kUtf16Be = NotText("it is written in UTF-16 BE, not in ASCII, Latin-1 or UTF-8");
const std::string kUtf32Le = NotText("it is written in UTF-32 LE, not in ASCII, Latin-1 or UTF-8");
const std::string kUtf32Be = NotText("it is written in UTF-32 BE, not in ASCII, Latin-1 or UTF-8");
const std::string kNulBytes = NotText("it holds NUL bytes");

INSTANTIATE_TEST_SUITE_P(
    Table, CorruptFile,
    ::testing::Values(
        CorruptCase{"EmptyFile", "", "empty"},
        CorruptCase{"CountNotANumber", "abc\r\n\r\n", "line 1"},
        CorruptCase{"NegativeCount", "-1\r\n\r\n", "line 1"},
        // A count over the box limit is one of too many boxes, however
        // large; a file whose lines end in CR alone is one long line.
        CorruptCase{"CountOverTheBoxLimit", "32768\r\n\r\n",
                    "more than the maximum number of boxes allowed"},
        CorruptCase{"CountTooLargeForAnyInteger", "123456789012345678901234567890\r\n\r\n",
                    "more than the maximum number of boxes allowed"},
        CorruptCase{"LinesEndInCrAlone",
                    "1\rSin~\r0~-1~-1~0~0~0~0~0~0~0~0~0~0\r0~0~\r\r",
                    "\r\nthe file's lines end in CR alone instead of CR LF or LF"},
        CorruptCase{"CountWithJunk", "1x\r\nSin~\r\n0~0~0~0~0~0~0~0~0~0~0~0~0\r\n0~0~\r\n", "line 1"},
        CorruptCase{"Truncated", "2\r\nSin~\r\n0~-1~-1~0~0~0~0~0~0~0~0~0~0\r\n0~0~\r\nCos~\r\n",
                    "Abnormal termination of file"},
        CorruptCase{"LinkNotANumber", "1\r\nSin~\r\n0~x~-1~0~0~0~0~0~0~0~0~0~0\r\n0~0~\r\n",
                    "line 3: the entry 2 of box 1 is not a number"},
        CorruptCase{"MissingField", "1\r\nSin~\r\n0~-1~-1~0~0~0~0~0~0~0~0~0\r\n0~0~\r\n",
                    "12 link fields"},
        CorruptCase{"LinkBeyondCount", "1\r\nSin~\r\n0~-1~-1~2~0~0~0~0~0~0~0~0~0\r\n0~0~\r\n",
                    "names box 2"},
        CorruptCase{"LinkBelowAbsent", "1\r\nSin~\r\n-2~-1~-1~0~0~0~0~0~0~0~0~0~0\r\n0~0~\r\n",
                    "names box -2"},
        CorruptCase{"ColourOutOfRange",
                    "1\r\nSin~\r\n0~-1~-1~0~99999999999~0~0~0~0~0~0~0~0\r\n0~0~\r\n",
                    "colour of exit 1"},
        CorruptCase{"PositionMissing", "1\r\nSin~\r\n0~-1~-1~0~0~0~0~0~0~0~0~0~0\r\n600~\r\n",
                    "line 4: the position"},
        CorruptCase{"PositionNotANumber", "1\r\nSin~\r\n0~-1~-1~0~0~0~0~0~0~0~0~0~0\r\n6a~0~\r\n",
                    "line 4"},
        // Every arrow is stored on both boxes it joins, as often as it is drawn.
        CorruptCase{"ExitStoredOnItsBoxOnly",
                    "2\r\nConstant Input~pi\r\n-1~-1~-1~2~0~0~0~0~0~0~0~0~0\r\n0~0~\r\n"
                    "Screen Output~\r\n0~0~0~-1~0~-1~0~-1~0~-1~0~-1~0\r\n0~1500~\r\n\r\n",
                    "\r\nline 3: the exit 1 of box 1 names box 2, but no entry of box 2 names box 1"},
        CorruptCase{"EntryStoredOnItsBoxOnly",
                    "2\r\nConstant Input~pi\r\n-1~-1~-1~0~0~0~0~0~0~0~0~0~0\r\n0~0~\r\n"
                    "Screen Output~\r\n1~0~0~-1~0~-1~0~-1~0~-1~0~-1~0\r\n0~1500~\r\n\r\n",
                    "\r\nline 6: the entry 1 of box 2 names box 1, but no exit of box 1 names box 2"},
        CorruptCase{"DoubledArrowStoredOnceAtItsEnd",
                    "2\r\nConstant Input~pi\r\n-1~-1~-1~2~0~2~0~0~0~0~0~0~0\r\n0~0~\r\n"
                    "+~\r\n1~0~0~0~0~0~0~0~0~0~0~0~0\r\n0~1500~\r\n\r\n",
                    "\r\nline 3: the exit 2 of box 1 names box 2, but only 1 entry of box 2 names box 1"},
        CorruptCase{"TripledArrowStoredTwiceAtItsStart",
                    "2\r\nConstant Input~pi\r\n-1~-1~-1~2~0~2~0~0~0~0~0~0~0\r\n0~0~\r\n"
                    "+~\r\n1~1~1~0~0~0~0~0~0~0~0~0~0\r\n0~1500~\r\n\r\n",
                    "\r\nline 6: the entry 3 of box 2 names box 1, but only 2 exits of box 1 name box 2"},
        CorruptCase{"ArrowToItselfStoredAtOneEnd",
                    "1\r\nSin~\r\n0~-1~-1~1~0~0~0~0~0~0~0~0~0\r\n0~0~\r\n\r\n",
                    "line 3: the exit 1 of box 1 names box 1, but no entry of box 1 names box 1"},
        // A kind the program does not know could never be compiled.
        CorruptCase{"UnknownKind",
                    "3\r\nConstant Input~1\r\n-1~-1~-1~2~0~0~0~0~0~0~0~0~0\r\n0~0~\r\n"
                    "Frobnicate~\r\n1~0~0~3~0~0~0~0~0~0~0~0~0\r\n0~1500~\r\n"
                    "Screen Output~\r\n2~0~0~-1~0~-1~0~-1~0~-1~0~-1~0\r\n0~3000~\r\n\r\n",
                    "\r\nline 5: the kind of box 2 is \"Frobnicate\", which the program does not "
                    "know"},
        // Files saved in another encoding, and files that are no text.
        CorruptCase{"Utf16LeWithMark", Widened(kGoodFile, 2, false, true), kUtf16Le},
        CorruptCase{"Utf16LeWithoutMark", Widened(kGoodFile, 2, false, false), kUtf16Le},
        CorruptCase{"Utf16BeWithMark", Widened(kGoodFile, 2, true, true), kUtf16Be},
        CorruptCase{"Utf16BeWithoutMark", Widened(kGoodFile, 2, true, false), kUtf16Be},
        CorruptCase{"Utf16LeMarkAndNoNulByte", "\xFF\xFE\x2D\x4E", kUtf16Le},
        CorruptCase{"Utf32LeWithMark", Widened(kGoodFile, 4, false, true), kUtf32Le},
        CorruptCase{"Utf32LeWithoutMark", Widened(kGoodFile, 4, false, false), kUtf32Le},
        CorruptCase{"Utf32BeWithMark", Widened(kGoodFile, 4, true, true), kUtf32Be},
        CorruptCase{"Utf32BeWithoutMark", Widened(kGoodFile, 4, true, false), kUtf32Be},
        CorruptCase{"NulByteInAKindLine",
                    "1\r\nSin" + std::string(1, '\0') +
                        "~\r\n0~-1~-1~0~0~0~0~0~0~0~0~0~0\r\n0~0~\r\n\r\n",
                    kNulBytes},
        CorruptCase{"BinaryFile",
                    std::string("\x7F" "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0", 16),
                    kNulBytes}),
    testing_support::ByRowName());

// The kinds a file may hold are the program's own: the fixed kinds exactly
// as the insert commands store them, and the subroutine kinds built from
// whatever name a person gave.
TEST(FlowchartFile, ReaderTakesTheKindsTheProgramKnowsOnly) {
  const auto fileOf = [](const std::string& kind) {
    return "1\r\n" + kind + "~\r\n0~0~0~0~0~0~0~0~0~0~0~0~0\r\n0~0~\r\n\r\n";
  };
  for (const char* known :
       {"Sin", "Constant Input", "End If", "+", "Wilkinson's eigenvalue test matrix",
        "Insert Subroutine ", "Insert Subroutine any name at all", "my own Subroutine",
        "End Subroutine"}) {
    const ParsedFlowchart parsed = ParseFlowchart(fileOf(known));
    EXPECT_TRUE(parsed.ok()) << known << ": " << parsed.error;
  }
  for (const char* unknown :
       {"Frobnicate", "sin", "Sin ", " Sin", "", "Plot2d", "Basic Arithmatic", "Arrow", "Insert"}) {
    EXPECT_EQ(ParseFlowchart(fileOf(unknown)).error,
              std::string("line 2: the kind of box 1 is \"") + unknown +
                  "\", which the program does not know");
  }
}

// Text of one byte per character is read as it stands, whatever the bytes
// above 127 mean: a Latin-1 and a UTF-8 comment come back byte for byte.
TEST(FlowchartFile, ReaderKeepsLatin1AndUtf8TextAsItIs) {
  for (const std::string comment : {"Gr\xFC\xDF" "e", "Gr\xC3\xBC\xC3\x9F" "e", "\xFF\xFE"}) {
    const ParsedFlowchart parsed = ParseFlowchart(
        "1\r\nComment~" + comment + "\r\n-1~-1~-1~-1~0~-1~0~-1~0~-1~0~-1~0\r\n0~0~\r\n\r\n");
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    EXPECT_EQ(parsed.boxes.at(0).Params, comment);
  }
}

// A file whose first line happens to be a number (a table of values, say)
// holds a kind line of any length and bytes: the message quotes the first
// 60 characters of it, whole ones, each byte of no UTF-8 as the character
// it stands for, and says that more follows.
TEST(FlowchartFile, AnUnknownKindIsQuotedToItsFirstSixtyCharacters) {
  const auto repeated = [](const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
  };
  std::string values;
  for (int i = 0; values.size() < (1u << 20); ++i) values += std::to_string(i) + ".5,";
  const std::string u = "\xC3\xBC";           // u with diaeresis
  const std::string face = "\xF0\x9F\x98\x80";  // a character of four bytes
  const struct Case {
    const char* name;
    std::string kind;
    std::string quoted;
  } cases[] = {
      {"SixtyLetters", std::string(60, 'x'), std::string(60, 'x')},
      {"SixtyOneLetters", std::string(61, 'x'), std::string(60, 'x') + "..."},
      {"AMegabyteOfValues", values, "0.5,1.5,2.5,3.5,4.5,5.5,6.5,7.5,8.5,9.5,10.5,11.5,12.5,13.5,..."},
      {"TwoByteCharacters", repeated(u, 100), repeated(u, 60) + "..."},
      {"FourByteCharacterAtTheCut", std::string(59, 'x') + repeated(face, 3),
       std::string(59, 'x') + face + "..."},
      {"Latin1Bytes", std::string(100, '\xFC'), repeated(u, 60) + "..."},
      {"BytesThatContinueNoCharacter", std::string(100000, '\x80'),
       repeated("\xE2\x82\xAC", 60) + "..."},  // the euro sign
      {"ShortLatin1Kind", "Gr\xFC\xDF" "e", "Gr" + u + "\xC3\x9F" "e"},
  };
  for (const Case& c : cases) {
    const std::string file = "1\r\n" + c.kind + "\r\n0~0~0~0~0~0~0~0~0~0~0~0~0\r\n0~0~\r\n\r\n";
    const std::string said = ParseFlowchart(file).error;
    // Shown whole only when it is short: a failure prints no megabyte.
    EXPECT_EQ(said.size() < 1000 ? said : said.substr(0, 1000) + " [and more]",
              "line 2: the kind of box 1 is \"" + c.quoted + "\", which the program does not know")
        << c.name;
  }
}

// An editor may put the UTF-8 byte-order mark before the first line: the
// file reads as it does without it, its lines numbered as they are there.
TEST(FlowchartFile, ReaderTakesAFileAfterItsUtf8ByteOrderMark) {
  const std::string mark = "\xEF\xBB\xBF";
  const std::string unknownKind =
      "2\r\n" + kGoodRecord + "Frobnicate~\r\n0~0~0~0~0~0~0~0~0~0~0~0~0\r\n0~0~\r\n\r\n";
  for (const std::string& text : {Golden("interleaved.qvn"), kGoodFile, std::string("0\r\n\r\n"),
                                  std::string("351\r\n\r\n"), unknownKind}) {
    const ParsedFlowchart plain = ParseFlowchart(text);
    const ParsedFlowchart marked = ParseFlowchart(mark + text);
    EXPECT_EQ(marked.error, plain.error) << text;
    EXPECT_EQ(marked.boxes, plain.boxes) << text;
    EXPECT_EQ(FlowchartBoxCount(mark + text), FlowchartBoxCount(text)) << text;
  }
  ModelFixture f;
  TempDir dir;
  const fs::path p = dir.path / "marked.qvn";
  WriteFile(p, mark + Golden("interleaved.qvn"));
  EXPECT_TRUE(LoadFlowchart(f.m, p.string()));
  EXPECT_TRUE(f.dialogs.messages.empty()) << f.dialogs.messages.at(0).text;
  EXPECT_EQ(f.m.table.nextBox, 4);
  EXPECT_EQ(f.m.documents.caption(1), p.string());
}

TEST(FlowchartFile, EmptyFileGivesAnEmptyDocumentTitledWithItsPath) {
  ModelFixture f;
  const std::string path = std::string(QUORVIN_TEST_DATA) + "/empty.qvn";
  LoadFlowchart(f.m, path);
  EXPECT_TRUE(f.dialogs.messages.empty());
  EXPECT_EQ(f.m.documents.caption(1), path);
  EXPECT_EQ(f.m.table.nextBox, 1);
  EXPECT_EQ(f.views.captions.back(), "1 " + path);
}

TEST(FlowchartFile, MissingFileLeavesAnEmptyUntitledWindow) {
  ModelFixture f;
  LoadFlowchart(f.m, "/nonexistent/dir/chart.qvn");
  ASSERT_EQ(f.dialogs.messages.size(), 1u);
  EXPECT_EQ(f.dialogs.messages[0].text, "File not found !");
  EXPECT_EQ(f.dialogs.messages[0].style.code(), 16);
  EXPECT_EQ(f.m.documents.caption(1), "Untitled:1");
  EXPECT_EQ(f.m.table.nextBox, 1);
}

// A recent file that has become a folder, a device or a file the user may
// not read: the user is told which path failed and why; nothing is thrown
// and nothing loaded.
struct UnreadablePath : ::testing::Test {
  ModelFixture f;
  BoxTable tableBefore;
  std::vector<DocInfo> infoBefore;
  void SetUp() override {
    NewDocument(f.m);
    f.AddBox(1, "Sin", "box1");
    f.m.documents.docInfo[1].Changed = true;
    tableBefore = f.m.table;
    infoBefore = f.m.documents.docInfo;
  }
  // Empty when loading path changed nothing and said so, naming it.
  std::string Refused(const std::string& path, const std::string& reason) {
    testing_support::Findings found;
    found.expect(!LoadFlowchart(f.m, path), path + " counts as loaded");
    found.expect(f.m.table == tableBefore, "the box table changed");
    found.expect(f.m.documents.docInfo.size() == 3 && f.m.documents.docInfo[1] == infoBefore[1],
                 "the open document changed");
    found.expect(f.m.documents.caption(2) == "Untitled:2", "the new window got a title");
    found.expect(f.dialogs.messages.size() == 1, "not one message");
    if (f.dialogs.messages.size() == 1) {
      const testing::Message& said = f.dialogs.messages[0];
      found.expect(said.text == "The file could not be read:\r\n" + path + "\r\n" + reason + ".",
                   "the message: " + said.text);
      found.expect(said.style == style::kExclamation && said.title == "Quorvin",
                   "the message's style or title");
    }
    return found.text;
  }
};

TEST_F(UnreadablePath, AFolder) {
  testing_support::ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  EXPECT_EQ(Refused(dir / "", "Is a directory"), "");
}

TEST_F(UnreadablePath, ADevice) { EXPECT_EQ(Refused("/dev/null", "Not a plain file"), ""); }

TEST_F(UnreadablePath, AFileTheUserMayNotRead) {
  testing_support::ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  testing_support::WriteBytes(dir / "secret.qvn", Golden("interleaved.qvn"), 0200);
  QUORVIN_EXPECT_AS_OTHER_USER([&] { return Refused(dir / "secret.qvn", "Permission denied"); });
}

// A file far larger than any flowchart (350 boxes) is not read into memory
// at all: a person who picked a disk image or a video by mistake is told so
// at once.
TEST_F(UnreadablePath, AFileLargerThanAnyFlowchart) {
  testing_support::ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  testing_support::WriteBytes(dir / "huge.qvn", "3\r\n");
  std::filesystem::resize_file(dir / "huge.qvn", kLargestFlowchartFile + 1);
  EXPECT_EQ(Refused(dir / "huge.qvn", "File too large"), "");
}

TEST(FlowchartFile, CancelledOpenDialogCreatesNoWindow) {
  ModelFixture f;
  LoadFlowchart(f.m, "");
  EXPECT_EQ(f.dialogs.filters.back(), "Quorvin Files (*.qvn)|*.qvn|All Files (*.*)|*.*");
  EXPECT_TRUE(f.m.documents.openDocuments().empty());
}

}  // namespace
}  // namespace quorvin
