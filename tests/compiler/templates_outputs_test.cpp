// User input, pause, and the four output boxes: what they ask, and what
// they write in each delivery mode.

#include "templates_cases.h"

namespace quorvin::testing {
namespace {

TEST(TemplateOutputs, UserInputQuotesThePrompt) {
  ExpectStatements({
      {"User Input", "Enter x", 4, {0, -1, -1}, "box4=input('Enter x');\r\n"},
      {"User Input", "What's x", 4, {2, -1, -1}, "box4=input('What''s x');\r\n"},
      {"User Input", "''", 4, {0, -1, -1}, "box4=input('''''');\r\n"},
      {"User Input", "", 4, {0, -1, -1}, "box4=input('');\r\n"},
  });
}

TEST(TemplateOutputs, PauseInItsThreeForms) {
  ExpectStatements({{"Pause", "", 9, {0, -1, -1}, "pause;\r\n"},
                    {"Pause", "5", 9, {0, -1, -1}, "pause(5);\r\n"}});

  ArmBench carried;
  carried.feeder(2, "Keyboard Input");
  EXPECT_EQ(carried.run(9, "Pause", "5", {2, -1, -1}), "box9=box2;\r\npause(5);\r\n");

  ArmBench dummy;
  dummy.feeder(2, "Dummy Input");
  EXPECT_EQ(dummy.run(9, "Pause", "", {2, -1, -1}), "pause;\r\n");
}

TEST(TemplateOutputs, ScreenOutputShowsTheValue) {
  ExpectStatements({{"Screen Output", "", 8, {5, -1, -1}, "box8=box5\r\n"}});
}

TEST(TemplateOutputs, AsciiFileOutputAsksEveryTimeAndKeepsTheRememberedName) {
  ArmBench bench;
  // An empty answer cancels the dialog.
  bench.host.answers = {"/tmp/out.txt", "", "/tmp/my data.txt", "/tmp/it's;x.txt"};
  EXPECT_EQ(bench.run(6, "Ascii File Output", "", {3, -1, -1}),
            "save /tmp/out.txt box3 -ascii ;\r\n");
  // Cancelled: nothing written, the box still done.
  EXPECT_EQ(bench.run(6, "Ascii File Output", "", {3, -1, -1}), "");
  EXPECT_TRUE(bench.done(6));
  // A path MATLAB would split into several words is put in apostrophes.
  EXPECT_EQ(bench.run(6, "Ascii File Output", "", {3, -1, -1}),
            "save '/tmp/my data.txt' box3 -ascii ;\r\n");
  EXPECT_EQ(bench.run(6, "Ascii File Output", "", {3, -1, -1}),
            "save '/tmp/it''s;x.txt' box3 -ascii ;\r\n");

  // No name is preset, so the dialog offers the one chosen last.
  const std::string filter = OneLine("Mathlab Files (*.m)|*.m|All Files (*.*)|*.*");
  EXPECT_EQ(bench.host.questions,
            (std::vector<std::string>{"save " + filter + " name \"\"",
                                      "save " + filter + " name \"/tmp/out.txt\"",
                                      "save " + filter + " name \"/tmp/out.txt\"",
                                      "save " + filter + " name \"/tmp/my data.txt\""}));
}

// Which paths reach the save command as they stand and which in
// apostrophes: every character that would end the file name early, turn
// its rest into a comment or a continuation, or open a string is quoted.
TEST(TemplateOutputs, AsciiFileOutputQuotesEveryPathThatIsNoPlainWord) {
  struct PathCase {
    const char* chosen;
    const char* written;
  };
  const PathCase cases[] = {
      {"/home/ann/run-2_final.v1.txt", "/home/ann/run-2_final.v1.txt"},
      {"/tmp/a+b~c:d@e.txt", "/tmp/a+b~c:d@e.txt"},
      {"/tmp/my data.txt", "'/tmp/my data.txt'"},
      {"/tmp/tab\there.txt", "'/tmp/tab\there.txt'"},
      {"/tmp/a,b.txt", "'/tmp/a,b.txt'"},
      {"/tmp/100%.txt", "'/tmp/100%.txt'"},
      {"/tmp/take#2.txt", "'/tmp/take#2.txt'"},
      {"/tmp/say\"hi\".txt", "'/tmp/say\"hi\".txt'"},
      {"/tmp/wait...txt", "'/tmp/wait...txt'"},
      {"/tmp/ann's.txt", "'/tmp/ann''s.txt'"},
      {"/tmp/r\xc3\xa9sum\xc3\xa9.txt", "'/tmp/r\xc3\xa9sum\xc3\xa9.txt'"},
  };
  for (const PathCase& c : cases) {
    ArmBench bench;
    bench.host.answers = {c.chosen};
    SCOPED_TRACE(c.chosen);
    EXPECT_EQ(bench.run(6, "Ascii File Output", "", {3, -1, -1}),
              std::string("save ") + c.written + " box3 -ascii ;\r\n");
  }
}

// Output boxes ask in every delivery mode: a compile for the interpreter
// shows the same dialog and message as one for the clipboard or a file.
TEST(TemplateOutputs, OutputBoxesAskInExecutionModeToo) {
  ArmBench bench;
  bench.host.answers = {"/tmp/out.txt"};
  EXPECT_EQ(bench.run(6, "Ascii File Output", "", {3, -1, -1}, CompileMode::Execute),
            "save /tmp/out.txt box3 -ascii ;\r\n");
  EXPECT_EQ(bench.run(7, "Trash", "", {3, -1, -1}, CompileMode::Execute), "");
  EXPECT_TRUE(bench.done(7));
  EXPECT_EQ(bench.host.questions,
            (std::vector<std::string>{
                "save " + OneLine("Mathlab Files (*.m)|*.m|All Files (*.*)|*.*") + " name \"\"",
                "message 32 \"Quorvin\" \"What's the use of collecting data and dumping it ???\""}));
}

TEST(TemplateOutputs, TrashShowsItsMessageAndWritesNothing) {
  ArmBench bench;
  EXPECT_EQ(bench.run(7, "Trash", "", {3, -1, -1}), "");
  EXPECT_TRUE(bench.done(7));
  EXPECT_EQ(bench.host.questions,
            (std::vector<std::string>{
                "message 32 \"Quorvin\" \"What's the use of collecting data and dumping it ???\""}));
}

// Plot code as the plot dialog stores it: icon key, ";", lines ending CR LF.
TEST(TemplateOutputs, PlotOutputInTextMode) {
  ExpectStatements(
      {
          {"Plot Output", "Plot2d;plot(Input1,Input2)\r\n", 7, {4, 11, 0},
           "plot(box4,box11)\r\n"},
          {"Plot Output", "Bar;bar(Input1,Input2)\r\n", 7, {4, 0, 0}, "bar(box4,box0)\r\n"},
          {"Plot Output", "Plot2d;figure;\r\nplot(Input1,Input2,'m-',Input1,Input3,'c-')\r\ngrid;\r\n",
           7, {1, 2, 3}, "figure;\r\nplot(box1,box2,'m-',box1,box3,'c-')\r\ngrid;\r\n"},
          {"Plot Output", "Error Bar;figure;\r\nerrorbar(Input1,Input2)\r\n", 7, {5, 6, 0},
           "figure;\r\nerrorbar(box5,box6)\r\n"},
          // Only "Input" in exact case followed by 1..3 is a placeholder.
          {"Plot Output", "Plot2d;plot(Input1)\r\ntitle('input1 Input4 Input')\r\n", 7, {4, 0, 0},
           "plot(box4)\r\ntitle('input1 Input4 Input')\r\n"},
          // No icon key: the whole text is the code.
          {"Plot Output", "plot(Input1)\r\n", 7, {4, 0, 0}, "plot(box4)\r\n"},
          // A code without its final line end still ends its line.
          {"Plot Output", "Plot2d;plot(Input1)", 7, {4, 0, 0}, "plot(box4)\r\n"},
          {"Plot Output", "Plot2d;;plot(Input1)\r\n", 7, {4, 0, 0}, "plot(box4)\r\n"},
          {"Plot Output", "Plot2d;", 7, {4, 0, 0}, ""},
          {"Plot Output", "", 7, {4, 0, 0}, ""},
          {"Plot Output", "Plot2d;Input", 7, {4, 0, 0}, "Input\r\n"},
      },
      CompileMode::Text);
}

TEST(TemplateOutputs, PlotOutputInExecutionModeEndsWithASemicolon) {
  ExpectStatements(
      {
          {"Plot Output", "Plot2d;plot(Input1,Input2)\r\n", 7, {4, 11, 0},
           "plot(box4,box11)\r\n;"},
          {"Plot Output", "Plot2d;plot(Input1);", 7, {4, 0, 0}, "plot(box4);"},
          {"Plot Output", "Plot2d;plot(Input1)", 7, {4, 0, 0}, "plot(box4);"},
          {"Plot Output", "Plot2d;", 7, {4, 0, 0}, ""},
          {"Plot Output", "", 7, {4, 0, 0}, ""},
      },
      CompileMode::Execute);
}

}  // namespace
}  // namespace quorvin::testing
