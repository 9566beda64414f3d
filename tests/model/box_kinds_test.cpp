// The box-kind vocabulary, the icon table, SelectBoxIcon and
// BoxIconKey.
#include "model/box_kinds.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "tests/support/gtest/row_names.h"

namespace quorvin {
namespace {

BoxRecord Box(std::string kind, std::string params = {}) {
  BoxRecord box;
  box.Kind = std::move(kind);
  box.Params = std::move(params);
  return box;
}

int IconOf(const BoxRecord& box) { return SelectBoxIcon(BoxIconKey(box)).number; }

// ---------------------------------------------------------------- edge cases

struct KeyCase {
  const char* key;
  int number;
  int x;
  int y;
};

class SelectBoxIconCase : public ::testing::TestWithParam<KeyCase> {};

TEST_P(SelectBoxIconCase, GivesNumberAndCell) {
  const KeyCase& c = GetParam();
  const IconCell cell = SelectBoxIcon(c.key);
  EXPECT_EQ(cell.number, c.number) << '"' << c.key << '"';
  EXPECT_EQ(cell.x, c.x) << '"' << c.key << '"';
  EXPECT_EQ(cell.y, c.y) << '"' << c.key << '"';
}

INSTANTIATE_TEST_SUITE_P(
    KeysNearMissesAndCellCorners, SelectBoxIconCase,
    ::testing::Values(
        KeyCase{"Cos", 27, 352, 32},     // (27-1) mod 15 = 11, Int(26/15) = 1
        KeyCase{"cos", 104, 416, 192},   // lower case: not in the table
        KeyCase{"Cos ", 104, 416, 192},  // trailing blank: not in the table
        KeyCase{" Cos", 104, 416, 192},
        KeyCase{"", 104, 416, 192},      // the empty key
        KeyCase{"Abs", 1, 0, 0},         // icon 1: top-left cell
        KeyCase{"Blanks", 15, 448, 0},   // icon 15: last cell of row 1
        KeyCase{"Basic Arithmatic", 16, 0, 32},  // icon 16: first of row 2
        KeyCase{"Split", 146, 320, 288},          // icon 146
        KeyCase{"Split Matrix", 146, 320, 288},
        KeyCase{"Arrow", 4, 96, 0},
        KeyCase{"xor", 79, 96, 160},
        KeyCase{"Logic Operators", 79, 96, 160},
        KeyCase{"Logic Operator", 104, 416, 192},  // the kind is no key
        KeyCase{"Subroutine", 130, 288, 256},
        KeyCase{"Polar", 96, 160, 192},
        KeyCase{"Plot Output", 62, 32, 128},
        KeyCase{"Fliplr", 54, 256, 96},
        KeyCase{"Diag", 35, 128, 64},
        KeyCase{"Matrix Manipulation", 85, 288, 160},
        KeyCase{"Wilkinson's eigenvalue test matrix", 124, 96, 256},
        KeyCase{"While", 145, 288, 288},
        KeyCase{"FFTFFT", 49, 96, 96},
        KeyCase{"FFT", 49, 96, 96},
        KeyCase{"IFFT2", 65, 128, 128},
        KeyCase{"Natural Logarithm", 75, 448, 128},
        KeyCase{"Log", 75, 448, 128},
        KeyCase{"fft", 104, 416, 192}),
    [](const ::testing::TestParamInfo<KeyCase>& row) {
      return testing_support::TestNameOf(row.param.key);
    });

// The cells of given numbers are the edge cases above; here every number
// has a whole cell of its own on the sheet.
TEST(IconCellOf, GivesEveryNumberItsOwnWholeCellOnTheSheet) {
  std::set<std::pair<int, int>> corners;
  for (int n = 1; n <= kHighestIcon; ++n) {
    const IconCell cell = IconCellOf(n);
    EXPECT_EQ(cell.number, n);
    EXPECT_EQ(cell.x % kIconSize, 0) << n;
    EXPECT_EQ(cell.y % kIconSize, 0) << n;
    EXPECT_GE(cell.x, 0) << n;
    EXPECT_GE(cell.y, 0) << n;
    EXPECT_LE(cell.x + kIconSize, kIconSheetWidth) << n;
    EXPECT_LE(cell.y + kIconSize, kIconSheetHeight) << n;
    EXPECT_TRUE(corners.insert({cell.x, cell.y}).second) << n << " shares a cell";
  }
  EXPECT_EQ(kIconSheetWidth, 480);
  EXPECT_EQ(kIconSheetHeight, 320);
}

// ---------------------------------------------------------------- BoxIconKey

TEST(BoxIconKey, MatrixManipulationShowsTheGeneralIconUnlessDiag) {
  EXPECT_EQ(BoxIconKey(Box("Matrix Manipulation", "Fliplr")), "Matrix Manipulation");
  EXPECT_EQ(IconOf(Box("Matrix Manipulation", "Fliplr")), 85);
  EXPECT_EQ(SelectBoxIcon("Fliplr").number, 54);  // the icon at creation
  EXPECT_EQ(BoxIconKey(Box("Matrix Manipulation", "Diag|2")), "Diag");
  EXPECT_EQ(IconOf(Box("Matrix Manipulation", "Diag|2")), 35);
  EXPECT_EQ(BoxIconKey(Box("Matrix Manipulation", "Diag")), "Diag");
  EXPECT_EQ(BoxIconKey(Box("Matrix Manipulation", "Dia")), "Matrix Manipulation");
  EXPECT_EQ(BoxIconKey(Box("Matrix Manipulation", "diag|2")), "Matrix Manipulation");
  for (const char* word : {"Flipud", "Rot90", "Tril", "Triu", "Transpose", ""}) {
    EXPECT_EQ(IconOf(Box("Matrix Manipulation", word)), 85) << word;
  }
}

TEST(BoxIconKey, LogicOperatorGoesThroughItsOperator) {
  EXPECT_EQ(BoxIconKey(Box("Logic Operator", "xor")), "xor");
  EXPECT_EQ(IconOf(Box("Logic Operator", "xor")), 79);
  EXPECT_EQ(SelectBoxIcon("xor").number, 79);  // the same at creation
  EXPECT_EQ(IconOf(Box("Logic Operator", "|")), 78);
  EXPECT_EQ(IconOf(Box("Logic Operator", "&")), 76);
  EXPECT_EQ(IconOf(Box("Logic Operator", "~")), 77);
  // Without an operator the key is empty: the unknown icon.
  EXPECT_EQ(BoxIconKey(Box("Logic Operator", "")), "");
  EXPECT_EQ(IconOf(Box("Logic Operator", "")), 104);
}

TEST(BoxIconKey, SubroutineKindsShareTheSubroutineIcon) {
  const BoxRecord start = Box(SubroutineStartKind("solve"), "Subroutine");
  EXPECT_EQ(start.Kind, "solve Subroutine");
  EXPECT_EQ(BoxIconKey(start), "Subroutine");
  EXPECT_EQ(IconOf(start), 130);

  const BoxRecord call = Box(SubroutineCallKind(SubroutineNameOfStartKind(start.Kind)),
                             "Subroutine");
  EXPECT_EQ(call.Kind, "Insert Subroutine solve");
  EXPECT_EQ(BoxIconKey(call), "Subroutine");
  EXPECT_EQ(IconOf(call), 130);

  const BoxRecord end = Box(std::string(kSubroutineEndKind), "Subroutine");
  EXPECT_EQ(end.Kind, "End Subroutine");
  EXPECT_EQ(IconOf(end), 130);

  // The kinds themselves are no keys: without Params "Subroutine" they show 104.
  EXPECT_EQ(IconOf(Box("solve Subroutine")), 104);
  EXPECT_EQ(IconOf(Box("Insert Subroutine solve")), 104);
  EXPECT_EQ(IconOf(Box("End Subroutine")), 104);
}

TEST(BoxIconKey, SubroutineParamsWinOverTheKindRules) {
  EXPECT_EQ(BoxIconKey(Box("Cos", "Subroutine")), "Subroutine");
  EXPECT_EQ(BoxIconKey(Box("Logic Operator", "Subroutine")), "Subroutine");
  EXPECT_EQ(BoxIconKey(Box("Matrix Manipulation", "Subroutine")), "Subroutine");
  // Plot box without ";": the key is empty, then step 5 still applies.
  EXPECT_EQ(BoxIconKey(Box("Plot Output", "Subroutine")), "Subroutine");
  // Params must be exactly "Subroutine".
  EXPECT_EQ(BoxIconKey(Box("Cos", "Subroutine ")), "Cos");
  EXPECT_EQ(BoxIconKey(Box("Cos", "subroutine")), "Cos");
}

TEST(BoxIconKey, PlotOutputFollowsItsPlotType) {
  EXPECT_EQ(BoxIconKey(Box("Plot Output", "Polar;polar(Input1,Input2)\r\n")), "Polar");
  EXPECT_EQ(IconOf(Box("Plot Output", "Polar;polar(Input1,Input2)\r\n")), 96);
  // No ";": the empty key, icon 104.
  EXPECT_EQ(BoxIconKey(Box("Plot Output", "plot(Input1)")), "");
  EXPECT_EQ(IconOf(Box("Plot Output", "plot(Input1)")), 104);
  EXPECT_EQ(IconOf(Box("Plot Output", "")), 104);
  // Only the text before the first ";" counts, and step 5 is not applied.
  EXPECT_EQ(BoxIconKey(Box("Plot Output", "Bar;a;b")), "Bar");
  EXPECT_EQ(BoxIconKey(Box("Plot Output", ";Plot2d")), "");
  EXPECT_EQ(BoxIconKey(Box("Plot Output", "Subroutine;x")), "Subroutine");
  const std::array<std::pair<const char*, int>, 7> plots{{{"Plot2d", 94},
                                                           {"Polar", 96},
                                                           {"Bar", 9},
                                                           {"Stem", 126},
                                                           {"Error Bar", 45},
                                                           {"Plot3d", 95},
                                                           {"Pscolor", 103}}};
  for (const auto& [key, number] : plots) {
    EXPECT_EQ(IconOf(Box("Plot Output", std::string(key) + ";plot(Input1)\r\n")), number)
        << key;
  }
}

TEST(BoxIconKey, OtherKindsAreTheirOwnKey) {
  EXPECT_EQ(BoxIconKey(Box("Cos", "")), "Cos");
  EXPECT_EQ(BoxIconKey(Box("Find", "x>0")), "Find");
  EXPECT_EQ(BoxIconKey(Box("Compute Function", "output=Input1;")), "Compute Function");
  EXPECT_EQ(BoxIconKey(Box("", "")), "");
  EXPECT_EQ(IconOf(Box("", "")), 104);
}

// ---------------------------------------------------------------- the tables

TEST(BoxKinds, HoldsTheFixedKindsAllDistinct) {
  const auto kinds = BoxKinds();
  // 176 kinds in all: these 173 fixed ones and the three subroutine
  // kinds built from a user's name.
  ASSERT_EQ(kinds.size(), 173u);
  EXPECT_EQ(kKindCount, 176);
  std::set<std::string_view> seen;
  for (const KindInfo& info : kinds) {
    EXPECT_TRUE(seen.insert(info.kind).second) << "duplicate kind " << info.kind;
    EXPECT_FALSE(info.kind.empty());
    EXPECT_EQ(info.menuItem.substr(0, 3), "mnu") << info.kind;
    EXPECT_FALSE(IsSubroutineKind(info.kind)) << info.kind;
  }
  EXPECT_EQ(kinds.front().kind, "If");
  EXPECT_EQ(kinds.front().menuItem, "mnuCondIf");
  EXPECT_EQ(kinds.back().kind, "ACot");
  EXPECT_EQ(kinds.back().menuItem, "mnuTrigArcCot");
}

TEST(BoxKinds, MenuItemsAreThoseOfTheTable) {
  const std::array<std::pair<const char*, const char*>, 12> samples{{
      {"Keyboard Input", "mnuInputKeyboardScalar"},
      {"Pause", "mnuInputPause"},
      {"IFFT2", "mnuFFTIFFT2"},
      {"Rref", "mnuMatAnalysis"},
      {"Matrix Manipulation", "mnuMatMan"},
      {"Vector Make Input", "mnuMatMakeVec"},
      {"^", "mnuOperatorsArith"},
      {"Logic Operator", "mnuOperatorsLogic"},
      {"Trash", "mnuOutputTrash"},
      {"lin2mu", "mnuSounds"},
      {"Pickup", "mnuSpecPickup"},
      {"Dec2Hex", "mnuStringConvert"},
  }};
  for (const auto& [kind, menu] : samples) {
    const KindInfo* info = FindBoxKind(kind);
    ASSERT_NE(info, nullptr) << kind;
    EXPECT_EQ(info->menuItem, menu) << kind;
  }
  EXPECT_EQ(FindBoxKind("cos"), nullptr);
  EXPECT_EQ(FindBoxKind("Cos "), nullptr);
  EXPECT_EQ(FindBoxKind("End Subroutine"), nullptr);
  EXPECT_EQ(FindBoxKind(""), nullptr);
}

TEST(BoxKinds, EveryKindButLogicOperatorIsItsOwnIconKey) {
  for (const KindInfo& info : BoxKinds()) {
    const int direct = SelectBoxIcon(std::string(info.kind)).number;
    if (info.kind == "Logic Operator") {
      EXPECT_EQ(direct, 104);  // reaches the table through its Params only
    } else {
      EXPECT_NE(direct, 104) << info.kind;
    }
  }
}

TEST(BoxKinds, EveryStoredKindReachesAnIconThroughBoxIconKey) {
  for (const KindInfo& info : BoxKinds()) {
    const std::string kind(info.kind);
    if (kind == "Logic Operator") {
      for (const char* op : {"|", "&", "~", "xor"}) {
        EXPECT_NE(IconOf(Box(kind, op)), 104) << op;
      }
    } else if (kind == "Matrix Manipulation") {
      for (const char* word :
           {"Fliplr", "Flipud", "Rot90", "Tril", "Triu", "Transpose", "Diag|1"}) {
        EXPECT_NE(IconOf(Box(kind, word)), 104) << word;
      }
    } else if (kind == "Plot Output") {
      for (const char* key :
           {"Plot2d", "Polar", "Bar", "Stem", "Error Bar", "Plot3d", "Pscolor"}) {
        EXPECT_NE(IconOf(Box(kind, std::string(key) + ";")), 104) << key;
      }
    } else {
      EXPECT_NE(IconOf(Box(kind)), 104) << kind;
    }
  }
  // The three subroutine kinds, with the Params their commands store.
  EXPECT_EQ(IconOf(Box(SubroutineStartKind("f"), "Subroutine")), 130);
  EXPECT_EQ(IconOf(Box(SubroutineCallKind("f"), "Subroutine")), 130);
  EXPECT_EQ(IconOf(Box("End Subroutine", "Subroutine")), 130);
}

// The tools' names are checked against the dispatcher's own table
// (tests/commands/toolbox_dispatcher_test.cpp).
TEST(IconTable, EveryParameterKeyIsInTheTable) {
  for (const char* key : {"+", "-", "*", "/", "^", "|", "&", "~", "xor", "Diag", "Fliplr",
                          "Flipud", "Rot90", "Transpose", "Tril", "Triu", "Plot2d", "Polar",
                          "Bar", "Stem", "Error Bar", "Plot3d", "Pscolor", "Subroutine"}) {
    EXPECT_NE(SelectBoxIcon(key).number, 104) << key;
  }
}

TEST(IconTable, Holds218DistinctKeysWithNumbersInRange) {
  const auto table = IconTable();
  ASSERT_EQ(table.size(), 218u);
  std::set<std::string_view> keys;
  std::set<int> used;
  for (const IconEntry& entry : table) {
    EXPECT_TRUE(keys.insert(entry.key).second) << "duplicate key " << entry.key;
    EXPECT_GE(entry.number, 1) << entry.key;
    EXPECT_LE(entry.number, 146) << entry.key;
    used.insert(entry.number);
  }
  for (int unused : {29, 67, 121, 104}) EXPECT_EQ(used.count(unused), 0u) << unused;
  // Every other number from 1 to 146 has a key.
  EXPECT_EQ(used.size(), 146u - 4u);
  EXPECT_EQ(*used.rbegin(), 146);
  // Spot checks of the order and of shared numbers.
  EXPECT_EQ(table.front().key, "Arrow");
  EXPECT_EQ(table.back().key, "mu2lin");
  EXPECT_EQ(table.back().number, 87);
  EXPECT_EQ(SelectBoxIcon("Correlation").number, SelectBoxIcon("Covariance matrix").number);
  EXPECT_EQ(SelectBoxIcon("Associated Legendre function").number, 71);
  EXPECT_EQ(SelectBoxIcon("Sort").number, SelectBoxIcon("Sort Complex").number);
}

TEST(IconTable, EveryKeyLooksItselfUp) {
  for (const IconEntry& entry : IconTable()) {
    EXPECT_EQ(SelectBoxIcon(std::string(entry.key)).number, entry.number) << entry.key;
  }
}

// ---------------------------------------------------------- subroutine kinds

TEST(SubroutineKinds, AreBuiltFromTheName) {
  EXPECT_EQ(SubroutineStartKind("filter"), "filter Subroutine");
  EXPECT_EQ(SubroutineStartKind(""), " Subroutine");  // cancelled name prompt
  EXPECT_EQ(SubroutineCallKind("filter"), "Insert Subroutine filter");
  EXPECT_EQ(SubroutineCallKind(""), "Insert Subroutine ");
  EXPECT_EQ(SubroutineNameOfStartKind("filter Subroutine"), "filter");
  EXPECT_EQ(SubroutineNameOfStartKind("my filter Subroutine"), "my filter");
  EXPECT_EQ(SubroutineNameOfStartKind("filter"), "filter");  // stays whole
  EXPECT_EQ(SubroutineNameOfStartKind(" Subroutine"), "");
  EXPECT_EQ(SubroutineNameOfStartKind("Subroutine"), "");
  EXPECT_EQ(SubroutineNameOfStartKind("xSubroutine"), "");
  EXPECT_EQ(SubroutineStartKindOfCall("Insert Subroutine filter"), "filter Subroutine");
  EXPECT_EQ(SubroutineStartKindOfCall("Insert Subroutine "), " Subroutine");
  EXPECT_EQ(SubroutineStartKindOfCall("Insert Subroutine"), " Subroutine");
}

TEST(SubroutineKinds, ClassifyAsTheCompilerDoes) {
  EXPECT_TRUE(IsSubroutineEndKind("End Subroutine"));
  EXPECT_FALSE(IsSubroutineStartKind("End Subroutine"));
  EXPECT_FALSE(IsSubroutineCallKind("End Subroutine"));

  EXPECT_TRUE(IsSubroutineCallKind("Insert Subroutine solve"));
  EXPECT_TRUE(IsSubroutineCallKind("Insert Subroutine "));
  EXPECT_TRUE(IsSubroutineCallKind("Insert Subroutine"));
  EXPECT_TRUE(IsSubroutineCallKind("Insert Subroutinex"));  // first 17 characters
  EXPECT_FALSE(IsSubroutineStartKind("Insert Subroutine x Subroutine"));
  EXPECT_TRUE(IsSubroutineCallKind("Insert Subroutine x Subroutine"));

  EXPECT_TRUE(IsSubroutineStartKind("solve Subroutine"));
  EXPECT_TRUE(IsSubroutineStartKind(" Subroutine"));
  EXPECT_TRUE(IsSubroutineStartKind("Subroutine"));  // last ten characters
  EXPECT_FALSE(IsSubroutineStartKind("solve subroutine"));
  EXPECT_FALSE(IsSubroutineStartKind("solve Subroutine "));
  EXPECT_FALSE(IsSubroutineCallKind("insert Subroutine solve"));

  EXPECT_TRUE(IsSubroutineKind("End Subroutine"));
  EXPECT_TRUE(IsSubroutineKind("Insert Subroutine solve"));
  EXPECT_TRUE(IsSubroutineKind("solve Subroutine"));
  EXPECT_FALSE(IsSubroutineKind("Cos"));
  EXPECT_FALSE(IsSubroutineKind(""));
}

}  // namespace
}  // namespace quorvin
