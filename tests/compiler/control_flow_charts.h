#pragma once
// Small flowcharts with one block each, shared by the script tests and the
// Octave runs. Box numbers are those the comments name (boxes are created
// one statement at a time: argument order would scramble the numbers).

#include <string>

#include "chart_builder.h"

namespace quorvin::testing {

// 1 input 3, 2 For 1:1:10, 3 box2*2, 4 Next, 5 box4+1.
inline void ForLoopChart(ChartBuilder& c) {
  const int in = c.input("Constant Input", "3");
  const int loop = c.box("For", "1:1:10,");
  const int body = c.box("Constant Input", "box2*2");
  const int next = c.box("Next");
  c.chain(in, loop, body, next, c.box("Constant Input", "box4+1"));
}

// 1 input, 2 If (exit 1 to 3 = 1, then 4 End If; exit 2 to 5 = box2+100).
inline void IfChart(ChartBuilder& c, const std::string& condition, const std::string& value = "5") {
  const int in = c.input("Constant Input", value);
  const int branch = c.box("If", condition);
  const int a = c.box("Constant Input", "1");
  const int endIf = c.box("End If");
  c.chain(in, branch, a, endIf);
  c.link(branch, c.box("Constant Input", "box2+100"));
}

// 1 input, 2 If with else (exit 1: 3 = 1, 4 End If; exit 2: 5 = 2, 6 End
// If; exit 3 the way on: 7 = box2*10).
inline void IfElseChart(ChartBuilder& c, const std::string& value = "5") {
  const int in = c.input("Constant Input", value);
  const int branch = c.box("If", "elsebox2>3");
  c.link(in, branch);
  const int a = c.box("Constant Input", "1");
  c.chain(branch, a, c.box("End If"));
  const int b = c.box("Constant Input", "2");
  c.chain(branch, b, c.box("End If"));
  c.link(branch, c.box("Constant Input", "box2*10"));
}

// 1 input 4, 2 Insert Subroutine sq, 3 box2+1; the subroutine on document
// subDoc: 4 start, 5 box4^2, 6 End Subroutine.
inline void CallChart(ChartBuilder& c, int subDoc) {
  const int in = c.input("Constant Input", "4");
  const int call = c.box("Insert Subroutine sq", "Subroutine");
  c.chain(in, call, c.box("Constant Input", "box2+1"));
  const int start = c.box("sq Subroutine", "Subroutine", subDoc);
  const int body = c.box("Constant Input", "box4^2", subDoc);
  c.chain(start, body, c.box("End Subroutine", "Subroutine", subDoc));
}

// 1 input 5, 2 If box2>0 whose exit 1 calls sq (3) before its End If (4);
// exit 2 leads on to 8 = box2; the subroutine: 5 start, 6 box5*3, 7 end.
inline void CallInBranchChart(ChartBuilder& c) {
  const int in = c.input("Constant Input", "5");
  const int branch = c.box("If", "box2>0");
  const int call = c.box("Insert Subroutine sq", "Subroutine");
  const int endIf = c.box("End If");
  c.chain(in, branch, call, endIf);
  const int start = c.box("sq Subroutine", "Subroutine");
  const int body = c.box("Constant Input", "box5*3");
  c.chain(start, body, c.box("End Subroutine", "Subroutine"));
  c.link(branch, c.box("Constant Input", "box2"));
}

}  // namespace quorvin::testing
