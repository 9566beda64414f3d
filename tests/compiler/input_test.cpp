// The input and constant boxes: the text each writes, what they ask, and
// the linked forms of the two make kinds.

#include "compile_fixture.h"
#include "tests/support/gtest/row_names.h"

namespace quorvin::testing {
namespace {

using Strings = std::vector<std::string>;

TEST_F(CompileTest, KeyboardInputAsksWritesARowAndKeepsTheAnswer) {
  c.input("Keyboard Input");
  host.answers = {"1 2 3"};
  EXPECT_EQ(Compile(), "box1=[ 1 2 3 ];\r\n");
  EXPECT_EQ(c[1].Params, "1 2 3");
  EXPECT_EQ(Asked(), (Strings{"input \"Quorvin: box1\" \"Enter the data devided by spaces\" "
                              "default \"\"",
                              kDone}));
  host.questions.clear();
  EXPECT_EQ(Compile(), "box1=[ 1 2 3 ];\r\n");  // the default answer comes back
  EXPECT_EQ(Asked().front(), "input \"Quorvin: box1\" \"Enter the data devided by spaces\" "
                             "default \"1 2 3\"");
}

TEST_F(CompileTest, KeyboardInputCancelledGivesAnEmptyRow) {
  c.input("Keyboard Input", "4 5");
  host.answers = {""};
  EXPECT_EQ(Compile(), "box1=[  ];\r\n");
  EXPECT_EQ(c[1].Params, "");
}

TEST_F(CompileTest, MatrixInputClosesTheDialogsLiteral) {
  c.input("Dummy Input");
  c.input("Dummy Input");
  c.input("Matrix Input");
  host.answers = {"[1 2; 3 4"};
  EXPECT_EQ(Compile(), "box3= [1 2; 3 4 ]; \r\n");
  EXPECT_EQ(Asked(), (Strings{"matrix", kDone}));
}

TEST_F(CompileTest, MakeInputsWriteTheirParamsAsStored) {
  c.input("Matrix Make Input", "zeros(3,4)");
  c.input("Vector Make Input", "[0:0.1:1];");
  c.input("Constant Input", "pi");
  // Removing box 1 moves box 2 into the position just visited: box 3 is
  // visited first in that pass.
  EXPECT_EQ(Compile(), "box1=zeros(3,4);\r\nbox3=pi;\r\nbox2=[0:0.1:1];\r\n");
}

// Entries opened and linked: the call is built from the linked boxes, once
// they are done.
TEST_F(CompileTest, MakeInputsWithLinkedEntriesWaitForThem) {
  const int in = c.input("Constant Input", "2");
  const int late = c.box("Constant Input", "3");
  const int matrix = c.box("Matrix Make Input", "zeros(3,4)");
  const int vector = c.box("Vector Make Input", "[0:0.1:1];");
  const int bare = c.box("Matrix Make Input", "ones");
  c[in].OutLink = {0, int16_t(matrix), int16_t(vector), int16_t(bare), int16_t(late), 0};
  c[matrix].InLink = {0, int16_t(in), int16_t(late), -1};
  c[vector].InLink = {0, int16_t(in), int16_t(late), int16_t(in)};
  c[bare].InLink = {0, int16_t(late), int16_t(in), -1};
  EXPECT_EQ(Compile(),
            "box1=2;\r\n"
            "box2=3;\r\n"
            "box3=zeros(box1,box2);\r\n"
            "box5=ones(box2,box1);\r\n"
            "box4=[box1:box2:box1];\r\n");
  EXPECT_EQ(Asked(), Strings{kDone});
}

TEST_F(CompileTest, DummyInputWritesNothingButLeadsOn) {
  const int dummy = c.input("Dummy Input");
  c.link(dummy, c.box("Constant Input", "7"));
  EXPECT_EQ(Compile(), "box2=7;\r\n");
}

struct FileCase {
  const char* path;
  const char* script;
};

class AsciiFileInputTest : public CompileTest, public ::testing::WithParamInterface<FileCase> {};

TEST_P(AsciiFileInputTest, LoadsTheFileAndCopiesTheVariableNamedAfterIt) {
  for (int k = 0; k < 3; ++k) c.input("Dummy Input");
  c.input("Ascii File Input");
  host.answers = {GetParam().path};
  EXPECT_EQ(Compile(), GetParam().script);
  EXPECT_EQ(Asked().front(), "open \"Text Files (*.txt)|*.txt|All Files (*.*)|*.*\"");
}

INSTANTIATE_TEST_SUITE_P(
    Paths, AsciiFileInputTest,
    ::testing::Values(
        FileCase{"C:\\data\\samples.txt", "load C:\\data\\samples.txt;\r\nbox4=samples;\r\n"},
        FileCase{"C:\\data\\samples", "load C:\\data\\samples -ascii ;\r\nbox4=samples;\r\n"},
        // The interpreter names the variable after the file without its last
        // extension, whatever its length.
        FileCase{"C:\\data\\set.dat1", "load C:\\data\\set.dat1 -ascii ;\r\nbox4=set;\r\n"},
        FileCase{"C:\\data\\set.da", "load C:\\data\\set.da -ascii ;\r\nbox4=set;\r\n"},
        // The dot four from the end belongs to a directory: no extension.
        FileCase{"C:\\runs\\a.b\\c", "load C:\\runs\\a.b\\c -ascii ;\r\nbox4=c;\r\n"},
        FileCase{"/runs/v./xy", "load /runs/v./xy -ascii ;\r\nbox4=xy;\r\n"},
        FileCase{"/home/ann/data/samples.txt",
                 "load /home/ann/data/samples.txt;\r\nbox4=samples;\r\n"},
        FileCase{"/home/ann/data/samples",
                 "load /home/ann/data/samples -ascii ;\r\nbox4=samples;\r\n"},
        FileCase{"/home/ann.v2/samples", "load /home/ann.v2/samples -ascii ;\r\nbox4=samples;\r\n"},
        FileCase{"samples.txt", "load samples.txt;\r\nbox4=samples;\r\n"},
        FileCase{".txt", "load .txt;\r\nbox4=X;\r\n"},
        // A path that is not one plain word is quoted; a file name that is no
        // variable name becomes the one the interpreter gives it (each other
        // character "_", "X" before a first character that is no letter).
        FileCase{"/home/ann/my data/samples.txt",
                 "load '/home/ann/my data/samples.txt';\r\nbox4=samples;\r\n"},
        FileCase{"/home/ann/it's;1", "load '/home/ann/it''s;1' -ascii ;\r\nbox4=it_s_1;\r\n"},
        FileCase{"/home/ann/run-2.txt", "load /home/ann/run-2.txt;\r\nbox4=run_2;\r\n"},
        FileCase{"/home/ann/2024.txt", "load /home/ann/2024.txt;\r\nbox4=X2024;\r\n"},
        FileCase{"/home/ann/_x.b.txt", "load /home/ann/_x.b.txt;\r\nbox4=X_x_b;\r\n"},
        FileCase{"/a", "load /a -ascii ;\r\nbox4=a;\r\n"}),
    [](const ::testing::TestParamInfo<FileCase>& row) {
      return testing_support::TestNameOf(row.param.path);
    });

TEST_F(CompileTest, AsciiFileInputCancelledWritesNothingButLeadsOn) {
  const int file = c.input("Ascii File Input");
  c.link(file, c.box("Constant Input", "box1"));
  EXPECT_EQ(Compile(), "box2=box1;\r\n");
}

}  // namespace
}  // namespace quorvin::testing
