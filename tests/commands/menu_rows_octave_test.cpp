// Every row of the Functions menu's function items, inserted by its command
// with its dialog's default or a typical choice and fed by constant boxes: the
// statement the box compiles to (typed from the templates' definitions), and
// the value GNU Octave computes for it (worked out by hand). One Octave run
// for the whole table; each row runs in its own eval, so a failing row names
// itself and the others still run.
//
// Statement only (not run): functions Octave 7 lacks or takes other
// arguments for (flops, quad8, interp, str2mat, finite, isglobal, gallery,
// saxis, auread, auwrite, wavread, wavwrite) and sound, which needs a device.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart_by_commands.h"
#include "tests/compiler/octave_runner.h"

namespace quorvin::testing {
namespace {

struct MenuRow {
  const char* handler;
  Script answer;                    // empty: the dialog's own default
  std::vector<const char*> inputs;  // constants on entries 1, 2, ... (boxes 1, 2, ...)
  const char* statement;            // the new box's statement; its number follows the inputs'
  const char* value;                // the box's value as a MATLAB literal; null: not run
  const char* check = nullptr;      // what is compared instead of the box's variable
};

Script Pick(const char* form, int index, ScriptedCommandQuestions::Widgets extras = {}) {
  return Option(form, index, std::move(extras));
}
Script Formula(const char* formula) {
  return [=](ScriptedCommandQuestions& q) {
    q.formulas.push_back({true, "output", formula, false, "", ""});
  };
}
// Typed with both inputs and the first output ticked.
Script MatlabCommand(const char* command) {
  return [=](ScriptedCommandQuestions& q) {
    MatlabCommandAnswer answer;
    answer.accepted = true;
    answer.command = command;
    answer.inputs[0] = answer.inputs[1] = true;
    answer.outputs[0] = true;
    q.matlabCommands.push_back(answer);
  };
}
Script Arith(ArithmeticOperator op, bool elementwise = false) {
  return Then(ArithmeticAnswer{op, elementwise});
}

using enum ArithmeticOperator;
constexpr int kArbitraryConstant = 5;  // frmConst's "Arbiturary constant:"

const std::vector<MenuRow>& Rows() {
  static const std::vector<MenuRow> rows = {
      // Basic Operators
      {"mnuOperatorsArith_Click", {}, {"[1 2]", "[3 4]"}, "box3=box1+box2;", "[4 6]"},
      {"mnuOperatorsArith_Click", Arith(Subtract), {"5", "3"}, "box3=box1-box2;", "2"},
      {"mnuOperatorsArith_Click", Arith(Multiply, true), {"[1 2]", "[3 4]"}, "box3=box1.*box2;",
       "[3 8]"},
      {"mnuOperatorsArith_Click", Arith(Multiply), {"[1 2]", "[3; 4]"}, "box3=box1*box2;", "11"},
      {"mnuOperatorsArith_Click", Arith(Divide), {"6", "4"}, "box3=box1/box2;", "1.5"},
      {"mnuOperatorsArith_Click", Arith(Power, true), {"[2 3]", "2"}, "box3=box1.^box2;",
       "[4 9]"},
      {"mnuOperatorsFunc_Click", Formula("Input1*2+Input2"),
       {"[1 2]", "1"}, "box3=box1*2+box2;", "[3 5]"},
      {"mnuSpecMatlab_Click", MatlabCommand("MAX(Input1,Input2)"), {"1", "2"},
       "box3=max(box1,box2)", "2"},
      {"mnuOperatorsLogic_Click", {}, {"[1 0 0]", "[1 1 0]"}, "box3=box1|box2;", "[1 1 0]"},
      {"mnuOperatorsLogic_Click", Pick("frmLogic", 2), {"[1 0 0]", "[1 1 0]"}, "box3=box1&box2;",
       "[1 0 0]"},
      {"mnuOperatorsLogic_Click", Pick("frmLogic", 3), {"[1 0]"}, "box2=~box1;", "[0 1]"},
      {"mnuOperatorsLogic_Click", Pick("frmLogic", 4), {"[1 0 0]", "[1 1 0]"},
       "box3=xor(box1,box2);", "[0 1 0]"},
      {"mnuOperatorsComplex_Click", {}, {"3+4i"}, "box2=abs(box1);", "5"},
      {"mnuOperatorsComplex_Click", Pick("frmCmplx", 1), {"2i"}, "box2=angle(box1);", "pi/2"},
      {"mnuOperatorsComplex_Click", Pick("frmCmplx", 2), {"1+2i"}, "box2=conj(box1);", "1-2i"},
      {"mnuOperatorsComplex_Click", Pick("frmCmplx", 3), {"1+2i"}, "box2=imag(box1);", "2"},
      {"mnuOperatorsComplex_Click", Pick("frmCmplx", 4), {"1+2i"}, "box2=real(box1);", "1"},
      {"mnuOperatorsComplex_Click", Pick("frmCmplx", 5), {"[0 2*pi]"}, "box2=unwrap(box1 );",
       "[0 0]"},
      {"mnuOperatorsComplex_Click", Pick("frmCmplx", 6), {"[3 1+2i 1-2i]", "1e-9"},
       "box3=cplxpair(box1,box2 );", "[1-2i 1+2i 3]"},
      {"mnuOperatorsRound_Click", {}, {"-2.5"}, "box2=fix(box1);", "-2"},
      {"mnuOperatorsRound_Click", Pick("frmRound", 1), {"-2.5"}, "box2=floor(box1);", "-3"},
      {"mnuOperatorsRound_Click", Pick("frmRound", 2), {"-2.5"}, "box2=ceil(box1);", "-2"},
      {"mnuOperatorsRound_Click", Pick("frmRound", 3), {"-2.5"}, "box2=round(box1);", "-3"},
      {"mnuOperatorsRound_Click", Pick("frmRound", 4), {"7", "3"}, "box3=rem(box1,box2);", "1"},
      {"mnuOperatorsRound_Click", Pick("frmRound", 5), {"-2.5"}, "box2=sign(box1);", "-1"},
      {"mnuOperatorsLog_Click", {}, {"exp(2)"}, "box2=log(box1);", "2"},
      {"mnuOperatorsRoot_Click", {}, {"16"}, "box2=sqrt(box1);", "4"},
      // Trigonometric Functions
      {"mnuTrigSin_Click", {}, {"pi/2"}, "box2=sin(box1);", "1"},
      {"mnuTrigCos_Click", {}, {"0"}, "box2=cos(box1);", "1"},
      {"mnuTrigTan_Click", {}, {"pi/4"}, "box2=tan(box1);", "1"},
      {"mnuTrigCot_Click", {}, {"pi/4"}, "box2=cot(box1);", "1"},
      {"mnuTrigArcSin_Click", {}, {"1"}, "box2=asin(box1);", "pi/2"},
      {"mnuTrigArcCos_Click", {}, {"1"}, "box2=acos(box1);", "0"},
      {"mnuTrigArcTan_Click", {}, {"1"}, "box2=atan(box1);", "pi/4"},
      {"mnuTrigArcCot_Click", {}, {"1"}, "box2=acot(box1);", "pi/4"},
      // Matrix and Vector Commands
      {"mnuMatMake_Click", {}, {}, "box1=ones(1,1);", "1"},
      {"mnuMatMake_Click", Pick("frmMakeMat", 1, {{"txtRows", "2"}, {"txtCols", "3"}}), {},
       "box1=zeros(2,3);", "zeros(2,3)"},
      {"mnuMatMake_Click", Pick("frmMakeMat", 2, {{"txtRows", "2"}, {"txtCols", "2"}}), {},
       "box1=eye(2,2);", "[1 0; 0 1]"},
      {"mnuMatMake_Click", Pick("frmMakeMat", 3, {{"txtRows", "2"}, {"txtCols", "3"}}), {},
       "box1=rand(2,3);", "[2 3]", "size(box1)"},
      {"mnuMatMake_Click", Pick("frmMakeMat", 4, {{"txtRows", "3"}, {"txtCols", "1"}}), {},
       "box1=randn(3,1);", "[3 1]", "size(box1)"},
      {"mnuMatMakeVec_Click", {}, {}, "box1=[1:1:1];", "1"},
      {"mnuMatMakeVec_Click", Then(VectorAnswer{"0", "0.5", "2"}), {}, "box1=[0:0.5:2];",
       "[0 0.5 1 1.5 2]"},
      {"mnuMatSpecMat_Click", {}, {"[1 2 3]"}, "box2=compan(box1);", "[-2 -3; 1 0]"},
      {"mnuMatSpecMat_Click", Pick("frmSpecMat", 1), {"3"}, "box2=gallery(box1);", nullptr},
      {"mnuMatSpecMat_Click", Pick("frmSpecMat", 2), {"2"}, "box2=hadamard(box1);",
       "[1 1; 1 -1]"},
      {"mnuMatSpecMat_Click", Pick("frmSpecMat", 3), {"[1 2 3]"}, "box2=hankel(box1);",
       "[1 2 3; 2 3 0; 3 0 0]"},
      {"mnuMatSpecMat_Click", Pick("frmSpecMat", 4), {"2"}, "box2=hilb(box1);",
       "[1 1/2; 1/2 1/3]"},
      {"mnuMatSpecMat_Click", Pick("frmSpecMat", 5), {"2"}, "box2=invhilb(box1);",
       "[4 -6; -6 12]"},
      {"mnuMatSpecMat_Click", Pick("frmSpecMat", 6), {"[1 2]", "[1; 1]"}, "box3=kron(box1,box2);",
       "[1 2; 1 2]"},
      {"mnuMatSpecMat_Click", Pick("frmSpecMat", 7), {"3"}, "box2=magic(box1);",
       "[8 1 6; 3 5 7; 4 9 2]"},
      {"mnuMatSpecMat_Click", Pick("frmSpecMat", 8), {"3"}, "box2=pascal(box1);",
       "[1 1 1; 1 2 3; 1 3 6]"},
      {"mnuMatSpecMat_Click", Pick("frmSpecMat", 9), {"[1 2 3]"}, "box2=toeplitz(box1);",
       "[1 2 3; 2 1 2; 3 2 1]"},
      {"mnuMatSpecMat_Click", Pick("frmSpecMat", 10), {"[1 2 3]"}, "box2=vander(box1);",
       "[1 1 1; 4 2 1; 9 3 1]"},
      {"mnuMatSpecMat_Click", Pick("frmSpecMat", 11), {"3"}, "box2=wilkinson(box1);",
       "[1 1 0; 1 0 1; 0 1 1]"},
      {"mnuMatAnalysis_Click", {}, {"[2 0; 0 1]"}, "box2=cond(box1 );", "2"},
      {"mnuMatAnalysis_Click", Pick("frmMatAnalysis", 1), {"[3 4]"}, "box2=norm(box1 );", "5"},
      {"mnuMatAnalysis_Click", Pick("frmMatAnalysis", 1), {"[3 4]", "1"},
       "box3=norm(box1,box2 );", "7"},
      {"mnuMatAnalysis_Click", Pick("frmMatAnalysis", 2), {"eye(2)"}, "box2=rcond(box1 );", "1"},
      {"mnuMatAnalysis_Click", Pick("frmMatAnalysis", 3), {"[1 2; 2 4]"}, "box2=rank(box1 );",
       "1"},
      {"mnuMatAnalysis_Click", Pick("frmMatAnalysis", 4), {"[1 2; 3 4]"}, "box2=det(box1 );",
       "-2"},
      {"mnuMatAnalysis_Click", Pick("frmMatAnalysis", 5), {"[1 2; 3 4]"}, "box2=trace(box1 );",
       "5"},
      {"mnuMatAnalysis_Click", Pick("frmMatAnalysis", 6), {"[1 1]"}, "box2=null(box1 );",
       "[1; 1]/sqrt(2)", "abs(box2)"},
      {"mnuMatAnalysis_Click", Pick("frmMatAnalysis", 7), {"[2 0; 0 0]"}, "box2=orth(box1 );",
       "[1; 0]", "abs(box2)"},
      {"mnuMatAnalysis_Click", Pick("frmMatAnalysis", 8), {"[1 2; 3 4]"}, "box2=rref(box1 );",
       "[1 0; 0 1]"},
      {"mnuMatCorr_Click", {}, {"[1 2 3]", "[2 4 6]"}, "box3=corrcoef(box1,box2 );",
       "[1 1; 1 1]"},
      {"mnuMatCorr_Click", Pick("frmCorr", 1), {"[1 2 3]"}, "box2=cov(box1 );", "1"},
      {"mnuMatCorr_Click", Pick("frmCorr", 2), {"[1; 0]", "[0; 1]"}, "box3=subspace(box1,box2 );",
       "pi/2"},
      {"mnuMatDiff_Click", {}, {"[1 4 9]"}, "box2=diff(box1 );", "[3 5]"},
      {"mnuMatDiff_Click", Pick("frmDiff", 1), {"[1 4 9]"}, "box2=gradient(box1 );", "[3 4 5]"},
      {"mnuMatDiff_Click", Pick("frmDiff", 2), {"[1 4 9 16]"}, "box2=del2(box1 );",
       "[0.5 0.5 0.5 0.5]"},
      {"mnuMatDiff_Click", Pick("frmDiff", 3), {"[1 2 3]"}, "box2=trapz(box1 );", "4"},
      {"mnuMatEig_Click", {}, {"[2 0; 0 3]"}, "box2=eig(box1);", "[2; 3]"},
      {"mnuMatEig_Click", Pick("frmEig", 1), {"[2 0; 0 3]"},
       "[box2,temp1]=eig(box1);\r\nclear temp1;", "[1 0; 0 1]"},
      {"mnuMatEig_Click", Pick("frmEig", 2), {"[2 0; 0 3]"}, "box2=poly(box1);", "[1 -5 6]"},
      {"mnuMatMan_Click", {}, {"[1 2; 3 4]"}, "box2=diag(box1,1);", "2"},
      {"mnuMatMan_Click", Pick("frmMatMan", 0, {{"diag", "-1"}}), {"[1 2; 3 4]"},
       "box2=diag(box1,-1);", "3"},
      {"mnuMatMan_Click", Pick("frmMatMan", 1), {"[1 2; 3 4]"}, "box2=fliplr(box1);",
       "[2 1; 4 3]"},
      {"mnuMatMan_Click", Pick("frmMatMan", 2), {"[1 2; 3 4]"}, "box2=flipud(box1);",
       "[3 4; 1 2]"},
      {"mnuMatMan_Click", Pick("frmMatMan", 3), {"[1 2; 3 4]"}, "box2=rot90(box1);",
       "[2 4; 1 3]"},
      {"mnuMatMan_Click", Pick("frmMatMan", 4), {"[1 2; 3 4]"}, "box2=box1';", "[1 3; 2 4]"},
      {"mnuMatMan_Click", Pick("frmMatMan", 5), {"[1 2; 3 4]"}, "box2=tril(box1);",
       "[1 0; 3 4]"},
      {"mnuMatMan_Click", Pick("frmMatMan", 6), {"[1 2; 3 4]"}, "box2=triu(box1);",
       "[1 2; 0 4]"},
      {"mnuMatVectorOperations_Click", {}, {"[3 1 2]"}, "box2=sort(box1);", "[1 2 3]"},
      {"mnuMatVectorOperations_Click", Pick("frmVec", 1), {"[3 1 2]"}, "box2=sum(box1);", "6"},
      {"mnuMatVectorOperations_Click", Pick("frmVec", 2), {"[3 1 2]"}, "box2=prod(box1);", "6"},
      {"mnuMatVectorOperations_Click", Pick("frmVec", 3), {"[3 1 2]"}, "box2=cumsum(box1 );",
       "[3 4 6]"},
      {"mnuMatVectorOperations_Click", Pick("frmVec", 4), {"[3 1 2]"}, "box2=cumprod(box1 );",
       "[3 3 6]"},
      {"mnuMatVectorOperations_Click", Pick("frmVec", 5), {"[1 0 0]", "[0 1 0]"},
       "box3=cross(box1,box2 );", "[0 0 1]"},
      {"mnuMatVectorOperations_Click", Pick("frmVec", 6), {"[1 2 3]", "[4 5 6]"},
       "box3=dot(box1,box2 );", "32"},
      {"mnuMatVectorOperations_Click", Pick("frmVec", 7), {"1", "[1 -0.5]", "[1 1 1]"},
       "box4=filter(box1,box2,box3 );", "[1 1.5 1.75]"},
      {"mnuMatVectorOperations_Click", Pick("frmVec", 8), {"[1 1]", "[1 2 3]", "'same'"},
       "box4=filter2(box1,box2,box3 );", "[3 5 3]"},
      {"mnuMatSplit_Click", {}, {"[1 2; 3 4]"}, "box2=box1(1:1,:);", "[1 2]"},
      {"mnuMatSplit_Click", Then(SplitAnswer{false, "2", "3"}), {"[1 2 3; 4 5 6]"},
       "box2=box1(:,2:3);", "[2 3; 5 6]"},
      {"mnuMatLength_Click", {}, {"[1 2; 3 4; 5 6]"}, "box2=length(box1);", "3"},
      {"mnuMatSize_Click", {}, {"[1 2; 3 4; 5 6]"}, "box2=size(box1);", "[3 2]"},
      // Fourier Transforms
      {"mnuFFTfft_Click", {}, {"[1 0 0 0]"}, "box2=fft(box1);", "[1 1 1 1]"},
      {"mnuFFTfft_Click", {}, {"[1 1]", "4"}, "box3=fft(box1,box2);", "[2 1-1i 0 1+1i]"},
      {"mnuFFTFFT2_Click", {}, {"[1 2; 3 4]"}, "box2=fft2(box1);", "[10 -2; -4 0]"},
      {"mnuFFTFFT2_Click", {}, {"[1 2; 3 4]", "1", "2"}, "box4=fft2(box1,box2,box3);",
       "[3 -1]"},  // the first row, two columns
      {"mnuFFTIFFT_Click", {}, {"[4 0 0 0]"}, "box2=ifft(box1);", "[1 1 1 1]"},
      {"mnuFFTIFFT2_Click", {}, {"[10 -2; -4 0]"}, "box2=ifft2(box1);", "[1 2; 3 4]"},
      {"mnuFFTfftshift_Click", {}, {"[1 2 3 4]"}, "box2=fftshift(box1);", "[3 4 1 2]"},
      // Special Functions
      {"mnuSpecialBessel_Click", {}, {"0"}, "box2=besselj(0,box1);", "1"},
      {"mnuSpecialBessel_Click", Pick("frmBessel", 1, {{"txtOrder", "0.5"}}), {"1"},
       "box2=bessely(0.5,box1);", "-sqrt(2/pi)*cos(1)"},
      {"mnuSpecialBessel_Click", Pick("frmBessel", 2), {"0"}, "box2=besseli(0,box1);", "1"},
      {"mnuSpecialBessel_Click", Pick("frmBessel", 3, {{"txtOrder", "0.5"}}), {"1"},
       "box2=besselk(0.5,box1);", "sqrt(pi/2)*exp(-1)"},
      {"mnuSpecialBeta_Click", {}, {"2", "3"}, "box3=beta(box1,box2);", "1/12"},
      {"mnuSpecialBeta_Click", Pick("frmBetaFunc", 1), {"0.5", "1", "1"},
       "box4=betainc(box1,box2,box3);", "0.5"},
      {"mnuSpecialBeta_Click", Pick("frmBetaFunc", 2), {"2", "3"}, "box3=betaln(box1,box2);",
       "log(1/12)"},
      {"mnuSpecialBeta_Click", Pick("frmBetaFunc", 3), {"5"}, "box2=gamma(box1);", "24"},
      {"mnuSpecialBeta_Click", Pick("frmBetaFunc", 4), {"1", "1"}, "box3=gammainc(box1,box2);",
       "1-exp(-1)"},
      {"mnuSpecialBeta_Click", Pick("frmBetaFunc", 5), {"3"}, "box2=gammaln(box1);", "log(2)"},
      {"mnuSpecialBeta_Click", Pick("frmBetaFunc", 6), {"0.5"}, "box2=expint(box1);",
       "0.5597735947761608"},
      {"mnuSpecialBeta_Click", Pick("frmBetaFunc", 7), {"1", "0.5"}, "box3=legendre(box1,box2);",
       "[0.5; -sqrt(0.75)]"},
      {"mnuSpecialCheck_Click", {}, {"'ab'"}, "box2=isstr(box1 );", "true"},
      {"mnuSpecialCheck_Click", Pick("frmCheck", 1), {"'a1'"}, "box2=isletter(box1 );", "[1 0]"},
      {"mnuSpecialCheck_Click", Pick("frmCheck", 2), {"'a b'"}, "box2=isspace(box1 );",
       "[0 1 0]"},
      {"mnuSpecialCheck_Click", Pick("frmCheck", 3), {"[1 1 0]"}, "box2=all(box1 );", "0"},
      {"mnuSpecialCheck_Click", Pick("frmCheck", 4), {"[1 1 0]"}, "box2=any(box1 );", "1"},
      {"mnuSpecialCheck_Click", Pick("frmCheck", 5), {"[1 NaN]"}, "box2=isnan(box1 );", "[0 1]"},
      {"mnuSpecialCheck_Click", Pick("frmCheck", 6), {"[0 3 0 5]"}, "box2=find(box1 );", "[2 4]"},
      {"mnuSpecialCheck_Click", Pick("frmCheck", 6, {{"txtCond", ">3"}}), {"[1 5 2 7]"},
       "box2=find(box1>3 );", "[2 4]"},
      {"mnuSpecialCheck_Click", Pick("frmCheck", 7), {"[]"}, "box2=isempty(box1 );", "1"},
      {"mnuSpecialCheck_Click", Pick("frmCheck", 8), {"1+2i"}, "box2=isreal(box1 );", "0"},
      {"mnuSpecialCheck_Click", Pick("frmCheck", 9), {"speye(2)"}, "box2=issparse(box1 );", "1"},
      {"mnuSpecialCheck_Click", Pick("frmCheck", 10), {"1"}, "box2=isglobal(box1 );", nullptr},
      {"mnuSpecialCheck_Click", Pick("frmCheck", 11), {"[1 Inf]"}, "box2=finite(box1 );",
       nullptr},
      {"mnuSpecialCheck_Click", Pick("frmCheck", 12), {"[Inf 1]"}, "box2=isinf(box1 );", "[1 0]"},
      {"mnuSpecialError_Click", {}, {"0.5"}, "box2=erf(box1);", "0.5204998778130465"},
      {"mnuSpecialError_Click", Pick("frmErrorFunction", 1), {"0.5"}, "box2=erfc(box1);",
       "1-0.5204998778130465"},
      {"mnuSpecialError_Click", Pick("frmErrorFunction", 2), {"0"}, "box2=erfcx(box1);", "1"},
      {"mnuSpecialError_Click", Pick("frmErrorFunction", 3), {"0.5204998778130465"},
       "box2=erfinv(box1);", "0.5"},
      {"mnuSpecialInt_Click", {}, {"12", "18"}, "box3=gcd(box1,box2 );", "6"},
      {"mnuSpecialInt_Click", Pick("frmIntFunction", 1), {"4", "6"}, "box3=lcm(box1,box2 );",
       "12"},
      {"mnuSpecialNumerical_Click", {}, {"[0 1]", "1", "odeset('RelTol',1e-8,'AbsTol',1e-10)"},
       "box4=ode23('yprime',box1,box2,box3 );", "1", "abs(box4.y(end)-exp(-2))<1e-6"},
      {"mnuSpecialNumerical_Click", Pick("frmNumeric", 1),
       {"[0 1]", "1", "odeset('RelTol',1e-8,'AbsTol',1e-10)"},
       "box4=ode45('yprime',box1,box2,box3 );", "1", "abs(box4.y(end)-exp(-2))<1e-6"},
      {"mnuSpecialNumerical_Click", Pick("frmNumeric", 2), {"@(x) x.^2", "0", "3"},
       "box4=quad(box1,box2,box3 );", "9"},
      {"mnuSpecialNumerical_Click", Pick("frmNumeric", 3), {"@(x) x.^2", "0", "3"},
       "box4=quad8(box1,box2,box3 );", nullptr},
      {"mnuSpecialNumerical_Click", Pick("frmNumeric", 4), {"[1 2 3]", "2"},
       "box3=interp(box1,box2 );", nullptr},
      {"mnuSpecialNumerical_Click", Pick("frmNumeric", 5), {"[0 1 0 -1]", "8"},
       "box3=interpft(box1,box2 );",
       "[0 sqrt(0.5) 1 sqrt(0.5) 0 -sqrt(0.5) -1 -sqrt(0.5)]"},
      {"mnuSpecialPoly_Click", {}, {"[1 -3 2]"}, "box2=roots(box1 );", "[2; 1]"},
      {"mnuSpecialPoly_Click", Pick("frmPoly", 1), {"[1 2]"}, "box2=poly(box1 );", "[1 -3 2]"},
      {"mnuSpecialPoly_Click", Pick("frmPoly", 2), {"[1 0 -1]", "3"}, "box3=polyval(box1,box2 );",
       "8"},
      {"mnuSpecialPoly_Click", Pick("frmPoly", 3), {"[1 0 0]", "[1 2; 3 4]"},
       "box3=polyvalm(box1,box2 );", "[7 10; 15 22]"},
      // Residues -1 at 1 and 1 at 2, no direct term, back to 1/((x-1)(x-2)).
      {"mnuSpecialPoly_Click", Pick("frmPoly", 4), {"[-1; 1]", "[1; 2]", "[]"},
       "box4=residue(box1,box2,box3 );", "1"},
      {"mnuSpecialPoly_Click", Pick("frmPoly", 5), {"[0 1 2]", "[1 3 5]", "1"},
       "box4=polyfit(box1,box2,box3 );", "[2 1]"},
      {"mnuSpecialPoly_Click", Pick("frmPoly", 6), {"[1 1]", "[1 -1]"},
       "box3=polyder(box1,box2 );", "[2 0]"},
      {"mnuSpecialPoly_Click", Pick("frmPoly", 7), {"[1 0 -1]", "[1 1]"},
       "box3=deconv(box1,box2 );", "[1 -1]"},
      {"mnuSpecialPoly_Click", Pick("frmPoly", 8), {"[1 1]", "[1 -1]"}, "box3=conv(box1,box2 );",
       "[1 0 -1]"},
      // String Functions
      {"mnuStringCompare_Click", {}, {"'ab'", "'ab'"}, "box3=strcmp(box1,box2);", "true"},
      {"mnuStringCompare_Click", Pick("frmStrCompare", 1), {"'abab'", "'b'"},
       "box3=findstr(box1,box2);", "[2 4]"},
      {"mnuStringCompare_Click", Pick("frmStrCompare", 2), {"'ab'"}, "box2=upper(box1);",
       "'AB'"},
      {"mnuStringCompare_Click", Pick("frmStrCompare", 3), {"'AB'"}, "box2=lower(box1);",
       "'ab'"},
      {"mnuStringCompare_Click", Pick("frmStrCompare", 4), {"'abc'", "'b'", "'xy'"},
       "box4=strrep(box1,box2,box3);", "'axyc'"},
      {"mnuStringCompare_Click", Pick("frmStrCompare", 5), {"'ab cd'", "' '"},
       "box3=strtok(box1,box2);", "'ab'"},
      {"mnuStringConvert_Click", {}, {"'ab'", "'c'"}, "box3=str2mat(box1,box2);", nullptr},
      {"mnuStringConvert_Click", Pick("frmStrConvert", 1), {"'42'"}, "box2=str2num(box1);",
       "42"},
      {"mnuStringConvert_Click", Pick("frmStrConvert", 2), {"42"}, "box2=num2str(box1);",
       "'42'"},
      {"mnuStringConvert_Click", Pick("frmStrConvert", 3), {"2.7"}, "box2=int2str(box1);", "'3'"},
      {"mnuStringConvert_Click", Pick("frmStrConvert", 4), {"[1 2]"}, "box2=mat2str(box1);",
       "'[1 2]'"},
      {"mnuStringConvert_Click", Pick("frmStrConvert", 5), {"'4000000000000000'"},
       "box2=hex2num(box1);", "2"},
      {"mnuStringConvert_Click", Pick("frmStrConvert", 6), {"'ff'"}, "box2=hex2dec(box1);",
       "255"},
      {"mnuStringConvert_Click", Pick("frmStrConvert", 7), {"255"}, "box2=dec2hex(box1);",
       "'FF'"},
      {"mnuStringMake_Click", {}, {"[72 105]"}, "box2=setstr(box1);", "'Hi'"},
      {"mnuStringMake_Click", Pick("frmStrMake", 1), {"3"}, "box2=blanks(box1);", "'   '"},
      {"mnuStringMake_Click", Pick("frmStrMake", 2), {"'ab  '"}, "box2=deblank(box1);", "'ab'"},
      {"mnuStringMake_Click", Pick("frmStrMake", 3), {"'1+1'", "'0'"}, "box3=eval(box1,box2);",
       "2"},
      // Sound Commands
      {"mnuSounds_Click", {}, {"[0 0.5]", "8000"}, "box3=sound(box1,box2 );", nullptr},
      {"mnuSounds_Click", Pick("frmSound", 1), {"[-1 1]"}, "box2=saxis(box1 );", nullptr},
      {"mnuSounds_Click", Pick("frmSound", 2), {"[0 0.5]", "'a.au'"},
       "box3=auwrite(box1,box2 );", nullptr},
      {"mnuSounds_Click", Pick("frmSound", 3), {"'a.au'"}, "box2=auread(box1 );", nullptr},
      {"mnuSounds_Click", Pick("frmSound", 4), {"[0 0.5]", "8000", "'a.wav'"},
       "box4=wavwrite(box1,box2,box3 );", nullptr},
      {"mnuSounds_Click", Pick("frmSound", 5), {"'a.wav'"}, "box2=wavread(box1 );", nullptr},
      {"mnuSounds_Click", Pick("frmSound", 6), {"255"}, "box2=mu2lin(box1 );", "0"},
      {"mnuSounds_Click", Pick("frmSound", 7), {"0"}, "box2=lin2mu(box1 );", "255"},
      // Constants (Inputs), which the function boxes above start from
      {"mnuConst_Click", {}, {}, "box1=pi;", "pi"},
      {"mnuConst_Click", Pick("frmConst", 1), {}, "box1=exp(1);", "exp(1)"},
      {"mnuConst_Click", Pick("frmConst", 2), {}, "box1=eps;", "2^-52"},
      {"mnuConst_Click", Pick("frmConst", 3), {}, "box1=sqrt(-1);", "1i"},
      {"mnuConst_Click", Pick("frmConst", 4), {}, "box1=flops;", nullptr},
      {"mnuConst_Click", Pick("frmConst", kArbitraryConstant, {{"txtConst", "2.5"}}), {},
       "box1=2.5;", "2.5"},
  };
  return rows;
}

constexpr const char* kSolverFunction =
    // The solvers' right-hand side, which a person supplies as an m-file:
    // y' = -2y, so y(1) = exp(-2) from y(0) = 1.
    "function dy = yprime(t, y)\n  dy = -2*y;\nend\n";

// MATLAB's char() of text, so that no quoting or line end can go wrong.
std::string CharCodes(const std::string& text) {
  std::string codes = "char([";
  for (unsigned char c : text) codes += std::to_string(c) + " ";
  return codes + "])";
}

// The row's chart in a fresh model: its arbitrary constants, then its box on
// their outputs in entry order; the compiled script.
std::string CompileRow(const MenuRow& row) {
  ChartByCommands chart;
  std::vector<int> sources;
  for (const char* input : row.inputs)
    sources.push_back(chart.Insert(
        "mnuConst_Click", Option("frmConst", kArbitraryConstant, {{"txtConst", input}})));
  const int box = chart.Insert(row.handler, row.answer);
  for (int from : sources) chart.Connect(from, box);
  return chart.Compile();
}

// The row's compiled script: the input boxes' statements, in the order
// the walk takes its start boxes, then the box's own.
void ExpectScript(const MenuRow& row, const std::string& text) {
  const std::string statement = std::string(row.statement) + "\r\n";
  EXPECT_TRUE(text.ends_with(statement)) << text;
  std::size_t inputsLength = 0;
  for (std::size_t i = 0; i < row.inputs.size(); ++i) {
    const std::string line = "box" + std::to_string(i + 1) + "=" + row.inputs[i] + ";\r\n";
    EXPECT_NE(text.find(line), std::string::npos) << line;
    inputsLength += line.size();
  }
  EXPECT_EQ(text.size(), inputsLength + statement.size()) << text;
}

TEST(MenuRows, EachRowCompilesToItsStatementAndComputesItsValueInOctave) {
  std::string script = std::string(kOctaveCloseFunction) + kSolverFunction;
  std::vector<std::size_t> run;
  for (std::size_t i = 0; i < Rows().size(); ++i) {
    const MenuRow& row = Rows()[i];
    const std::string text = CompileRow(row);
    {
      SCOPED_TRACE("row " + std::to_string(i) + " " + row.handler);
      ExpectScript(row, text);
    }
    if (row.value == nullptr) continue;
    const std::string n = std::to_string(i);
    const std::string q = "box" + std::to_string(row.inputs.size() + 1);
    const std::string check = row.check ? row.check : q;
    script += "clear -regexp ^box\\d+$;\ntry\n  eval(" + CharCodes(text) + ");\n  v = " + check +
              ";\n  printf('@@ok" + n + "=%d\\n', quorvin_close(v, " + row.value +
              "));\n  printf('@@value" + n + "=%s\\n', mat2str(double(v)));\n"
              "catch e\n  printf('@@ok" + n + "=%s\\n', e.message);\nend\n";
    run.push_back(i);
  }
  const OctaveRun octave = RunInOctave(script);
  ASSERT_EQ(octave.status, 0) << octave.errors << "\nscript:\n" << script;
  for (std::size_t i : run) {
    const std::string n = std::to_string(i);
    EXPECT_EQ(octave.value("ok" + n), "1")
        << "row " << i << " " << Rows()[i].handler << ": " << Rows()[i].statement << " gave "
        << octave.value("value" + n) << ", expected " << Rows()[i].value;
  }
}

}  // namespace
}  // namespace quorvin::testing
