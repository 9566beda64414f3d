// Arithmetic, formula and MATLAB-command boxes, logic, matrix manipulation,
// split, length and size, and the ODE solvers.

#include "templates_cases.h"

namespace quorvin::testing {
namespace {

TEST(TemplateOperators, ArithmeticOperandsAndElementWiseForms) {
  ExpectStatements({
      {"+", "", 5, {2, 3, 4}, "box5=box2+box3+box4;\r\n"},
      {"+", "", 9, {4, 0, 6}, "box9=box4+box6;\r\n"},
      // P is never written by "+".
      {"+", ".", 5, {2, 3, 0}, "box5=box2+box3;\r\n"},
      // One operand: nothing, yet the box is done.
      {"+", "", 5, {2, 0, 0}, ""},
      {"+", "", 5, {0, 0, 3}, ""},
      {"-", "", 9, {7, 8, 3}, "box9=box7-box8;\r\n"},
      {"-", ".", 9, {7, 8, 0}, "box9=box7-box8;\r\n"},
      {"*", "", 5, {2, 3, 0}, "box5=box2*box3;\r\n"},
      {"*", ".", 5, {2, 3, 0}, "box5=box2.*box3;\r\n"},
      {"/", "", 5, {2, 3, -1}, "box5=box2/box3;\r\n"},
      {"/", ".", 5, {2, 0, -1}, "box5=box2./box0;\r\n"},
      {"^", ".", 5, {2, 3, -1}, "box5=box2.^box3;\r\n"},
  });
}

TEST(TemplateOperators, AnAbsentSlotIsNoOperandOfASum) {
  ExpectStatements({{"+", "", 5, {2, 3, -1}, "box5=box2+box3;\r\n"}});
}

TEST(TemplateOperators, FormulaAndCommandBoxesNameTheirOutputAndInputs) {
  ExpectStatements({
      {"Matlab Command", "Output=max(input1,input2)", 8, {3, 4, 0},
       "box8=max(box3,box4)\r\n"},
      {"Matlab Command", "Output=sin(input1)", 7, {3, 0, 0}, "box7=sin(box3)\r\n"},
      // A formula naming no input: the editor wrote box5=Input1; before it.
      {"Compute Function", "box5=Input1;\r\nbox5(2,3)=7;", 5, {2, -1, -1},
       "box5=0;box5=box2;\r\nbox5(2,3)=7;\r\n"},
      // The editor proposes "output": recognised whatever its case.
      {"Compute Function", "output=Input1.^2+Input2;", 7, {3, 4, -1}, "box7=box3.^2+box4;\r\n"},
      {"Compute Function", "OUTPUT(2,1)=Input1;", 7, {3, -1, -1}, "box7(2,1)=box3;\r\n"},
      // Another output name: the box variable is set to 0 first.
      {"Compute Function", "y=Input1;", 7, {3, -1, -1}, "box7=0;y=box3;\r\n"},
      // Free and absent entries named by a placeholder.
      {"Compute Function", "output=Input3+Input2;", 7, {3, -1, 0}, "box7=box0+box-1;\r\n"},
      // MATLAB's own input function and placeholders naming no entry stay.
      {"Matlab Command", "Output=input('x')", 7, {0, 0, 0}, "box7=input('x')\r\n"},
      {"Matlab Command", "Output=Input4+INPUT1+Input", 7, {3, 0, 0},
       "box7=Input4+INPUT1+Input\r\n"},
      {"Matlab Command", "input", 7, {3, 0, 0}, "box7=0;input\r\n"},
      {"Matlab Command", "Out", 7, {3, 0, 0}, "box7=0;Out\r\n"},
  });
}

TEST(TemplateOperators, LogicOperators) {
  ExpectStatements({
      {"Logic Operator", "~", 4, {2, 0, 0}, "box4=~box2;\r\n"},
      {"Logic Operator", "xor", 4, {2, 3, 0}, "box4=xor(box2,box3);\r\n"},
      {"Logic Operator", "|", 4, {2, 3, 5}, "box4=box2|box3;\r\n"},
      {"Logic Operator", "&", 4, {2, 3, 0}, "box4=box2&box3;\r\n"},
      // Not one of the four: nothing, box done.
      {"Logic Operator", "and", 4, {2, 3, 0}, ""},
      {"Logic Operator", "", 4, {2, 3, 0}, ""},
  });
}

TEST(TemplateOperators, MatrixManipulationSplitLengthAndSize) {
  ExpectStatements({
      {"Matrix Manipulation", "Transpose", 4, {2, -1, -1}, "box4=box2';\r\n"},
      {"Matrix Manipulation", "Rot90", 4, {2, -1, -1}, "box4=rot90(box2);\r\n"},
      {"Matrix Manipulation", "Fliplr", 4, {2, -1, -1}, "box4=fliplr(box2);\r\n"},
      {"Matrix Manipulation", "Flipud", 4, {2, -1, -1}, "box4=flipud(box2);\r\n"},
      {"Matrix Manipulation", "Tril", 4, {2, -1, -1}, "box4=tril(box2);\r\n"},
      {"Matrix Manipulation", "Triu", 4, {2, -1, -1}, "box4=triu(box2);\r\n"},
      {"Matrix Manipulation", "Diag|1", 6, {2, -1, -1}, "box6=diag(box2,1);\r\n"},
      {"Matrix Manipulation", "Diag|-2", 6, {2, -1, -1}, "box6=diag(box2,-2);\r\n"},
      // No diagonal number typed: the main diagonal, not "diag(box2,)".
      {"Matrix Manipulation", "Diag|", 6, {2, -1, -1}, "box6=diag(box2);\r\n"},
      {"Matrix Manipulation", "", 6, {2, -1, -1}, "box6=diag(box2);\r\n"},
      {"Split", "Row2:4", 7, {3, -1, -1}, "box7=box3(2:4,:);\r\n"},
      {"Split", "Col1:2", 7, {3, -1, -1}, "box7=box3(:,1:2);\r\n"},
      {"Split", "row2:4", 7, {3, -1, -1}, "box7=box3(:,2:4);\r\n"},
      {"Matrix Length", "", 3, {1, -1, -1}, "box3=length(box1);\r\n"},
      {"Matrix Size", "", 3, {1, -1, -1}, "box3=size(box1);\r\n"},
  });
}

TEST(TemplateOperators, OdeSolversIntegrateYprime) {
  ExpectStatements({
      {"ODE45", "", 10, {1, 2, 3}, "box10=ode45('yprime',box1,box2,box3 );\r\n"},
      {"ODE23", "", 10, {1, 2, 0}, "box10=ode23('yprime',box1,box2,box0 );\r\n"},
  });
}

}  // namespace
}  // namespace quorvin::testing
