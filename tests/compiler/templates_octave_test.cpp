// Each family's statements run in GNU Octave: a small flowchart per family,
// its inputs set by hand, its boxes compiled by their arms, and the values
// the script computes compared with values worked out by hand. One Octave
// run per family.
//
// Checked for their text only (no such function in Octave 7, one that takes
// other arguments there, or one that needs a sound device): quad8, interp,
// finite, str2mat, auread, auwrite, wavread, wavwrite, saxis, gallery,
// isglobal, sound. input, pause and the plot functions run against
// stand-ins that do not wait and need no display; the ODE solvers get an
// options structure as their last argument, which is what Octave's take.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "octave_runner.h"
#include "templates_fixture.h"

namespace quorvin::testing {
namespace {

struct FlowBox {
  int q;
  const char* kind;
  const char* params;
  std::array<int, 3> links;
  CompileMode mode = CompileMode::Text;  // the delivery mode the arm is run in
};

// expr is evaluated after the flowchart's script; expected is a MATLAB
// literal. Numbers agree to a relative 1e-8.
struct ValueCheck {
  const char* expr;
  const char* expected;
};

struct Family {
  const char* prologue;  // the input boxes' values, as their statements would set them
  std::vector<FlowBox> boxes;
  std::vector<ValueCheck> checks;
  std::vector<std::pair<int, const char*>> feederKinds = {};  // kinds of input boxes read by arms
  std::vector<std::string> saveAnswers = {};                  // paths chosen in Save As dialogs
};

// Compiles the family, runs it, and expects every check to hold.
void ExpectFamilyValues(const Family& family) {
  ArmBench bench;
  for (const auto& [n, kind] : family.feederKinds) bench.feeder(n, kind);
  for (const std::string& path : family.saveAnswers) bench.host.answers.push_back(path);
  std::string script = std::string(kOctaveCloseFunction) + family.prologue;
  for (const FlowBox& b : family.boxes) {
    const std::string text = bench.run(b.q, b.kind, b.params, b.links, b.mode);
    ASSERT_NE(text, "<no arm>") << b.kind;
    script += text;
  }
  std::vector<std::string> shown;
  for (std::size_t i = 0; i < family.checks.size(); ++i) {
    const std::string n = std::to_string(i);
    script += "quorvin_value" + n + " = " + family.checks[i].expr + ";\n";
    script += "quorvin_ok" + n + " = quorvin_close(quorvin_value" + n + ", " +
              family.checks[i].expected + ");\n";
    // Shown as numbers: mat2str does not take text in Octave 7.
    script += "quorvin_value" + n + " = double(quorvin_value" + n + ");\n";
    shown.push_back("quorvin_value" + n);
    shown.push_back("quorvin_ok" + n);
  }
  const OctaveRun run = RunInOctave(script, shown);
  ASSERT_TRUE(run.ok()) << run.errors << "\nscript:\n" << script;
  for (std::size_t i = 0; i < family.checks.size(); ++i) {
    const std::string n = std::to_string(i);
    EXPECT_EQ(run.value("quorvin_ok" + n), "true")
        << family.checks[i].expr << " gave " << run.value("quorvin_value" + n) << ", expected "
        << family.checks[i].expected;
  }
}

TEST(TemplatesInOctave, OperatorsAndMatrixCommands) {
  ExpectFamilyValues({
      "function dy = yprime(t, y)\n  dy = -2*y;\nend\n"
      "box1=[1 2 3];\nbox2=[4 5 6];\nbox10=[1 0 1];\nbox11=[1 1 0];\nbox20=[1 2; 3 4];\n"
      "box40=[0 1];\nbox41=1;\nbox42=odeset('RelTol',1e-8,'AbsTol',1e-10);\n",
      {
          {3, "+", "", {1, 2, 0}},
          {4, "-", "", {2, 1, 0}},
          {5, "*", ".", {1, 2, 0}},
          {6, "/", ".", {2, 1, -1}},
          {7, "^", ".", {1, 1, -1}},
          {8, "*", "", {20, 20, 0}},
          {12, "Logic Operator", "&", {10, 11, 0}},
          {13, "Logic Operator", "|", {10, 11, 0}},
          {14, "Logic Operator", "~", {10, 0, 0}},
          {15, "Logic Operator", "xor", {10, 11, 0}},
          {21, "Matrix Manipulation", "Transpose", {20, -1, -1}},
          {22, "Matrix Manipulation", "Rot90", {20, -1, -1}},
          {23, "Matrix Manipulation", "Fliplr", {20, -1, -1}},
          {24, "Matrix Manipulation", "Tril", {20, -1, -1}},
          {25, "Matrix Manipulation", "Diag|1", {20, -1, -1}},
          {26, "Matrix Manipulation", "Diag|", {20, -1, -1}},
          {27, "Split", "Row2:2", {20, -1, -1}},
          {28, "Split", "Col1:1", {20, -1, -1}},
          {29, "Matrix Length", "", {1, -1, -1}},
          {30, "Matrix Size", "", {20, -1, -1}},
          {31, "Compute Function", "output=Input1.^2+Input2;", {1, 2, -1}},
          {32, "Matlab Command", "Output=max(input1,input2);", {1, 2, 0}},
          {33, "Compute Function", "box33=Input1;\r\nbox33(2,2)=7;", {20, -1, -1}},
          // y' = -2y from y(0) = 1, solved over [0 1].
          {43, "ODE45", "", {40, 41, 42}},
          {44, "ODE23", "", {40, 41, 42}},
      },
      {
          {"box3", "[5 7 9]"},
          {"box4", "[3 3 3]"},
          {"box5", "[4 10 18]"},
          {"box6", "[4 2.5 2]"},
          {"box7", "[1 4 27]"},
          {"box8", "[7 10; 15 22]"},
          {"box12", "[1 0 0]"},
          {"box13", "[1 1 1]"},
          {"box14", "[0 1 0]"},
          {"box15", "[0 1 1]"},
          {"box21", "[1 3; 2 4]"},
          {"box22", "[2 4; 1 3]"},
          {"box23", "[2 1; 4 3]"},
          {"box24", "[1 0; 3 4]"},
          {"box25", "2"},
          {"box26", "[1; 4]"},
          {"box27", "[3 4]"},
          {"box28", "[1; 3]"},
          {"box29", "3"},
          {"box30", "[2 2]"},
          {"box31", "[5 9 15]"},
          {"box32", "[4 5 6]"},
          {"box33", "[1 2; 3 7]"},
          {"abs(box43.y(end) - exp(-2)) < 1e-6", "1"},
          {"abs(box44.y(end) - exp(-2)) < 1e-6", "1"},
      },
  });
}

TEST(TemplatesInOctave, IntegrationInterpolationAndPolynomials) {
  ExpectFamilyValues({
      "box1=[1 -3 2];\nbox2=[1 2];\nbox3=[1 0 -1];\nbox4=3;\nbox5=[1 1];\nbox6=[1 -1];\n"
      "box7=[0 1 2];\nbox8=[1 3 5];\nbox9=1;\nbox10=[1 2; 3 4];\nbox11=[1 0 0];\n"
      "box12=@(x) x.^2;\nbox13=0;\nbox14=[0 1 0 -1];\nbox15=8;\nbox16=[3 1+2i 1-2i];\n"
      "box17=1e-9;\nbox18=[-1; 1];\nbox19=[1; 2];\nbox21=[];\n",
      {
          {30, "Polynomial Roots", "roots", {1, -1, -1}},
          {31, "Construct Polynomial", "poly", {2, -1, -1}},
          {32, "Polynomial Evaluation", "polyval", {3, 4, 9}},
          {33, "Multiply Polynomials", "conv", {5, 6, -1}},
          {34, "Devide Polynomials", "deconv", {3, 5, -1}},
          {35, "Differentiate Polynomial", "polyder", {5, 6, -1}},
          {36, "Fit Polynomial", "polyfit", {7, 8, 9}},
          {37, "Matrix Polynomial Evaluation", "polyvalm", {11, 10, -1}},
          {38, "Low Integrate", "quad", {12, 13, 4}},
          {39, "Interpolate with FFT", "interpft", {14, 15, -1}},
          {40, "Sort Complex", "cplxpair", {16, 17, -1}},
          // Residues -1 at 1 and 1 at 2, no direct term: 1/((x-1)(x-2)).
          {41, "Partial Fraction Expantion", "residue", {18, 19, 21}},
      },
      {
          {"box30", "[2; 1]"},
          {"box31", "[1 -3 2]"},
          {"box32", "8"},
          {"box33", "[1 0 -1]"},
          {"box34", "[1 -1]"},
          {"box35", "[2 0]"},
          {"box36", "[2 1]"},
          {"box37", "[7 10; 15 22]"},
          {"box38", "9"},
          {"box39", "[0 sqrt(0.5) 1 sqrt(0.5) 0 -sqrt(0.5) -1 -sqrt(0.5)]"},
          {"box40", "[1-2i 1+2i 3]"},
          {"box41", "1"},
      },
  });
}

TEST(TemplatesInOctave, ChecksProductsAndIntegerFunctions) {
  ExpectFamilyValues({
      "box1='ab 1';\nbox2=[1 1 0];\nbox3=[0 3 0 5];\nbox4=[1 5 2 7];\nbox5=[1 NaN];\n"
      "box6=[Inf 1];\nbox7=[];\nbox8=[1 2 3];\nbox9=[4 5 6];\nbox10=[1 0 0];\nbox11=[0 1 0];\n"
      "box12=12;\nbox13=18;\nbox14=4;\nbox15=6;\n",
      {
          {20, "IsLetter", "", {1, 0, 0}},
          {21, "IsSpace", "", {1, 0, 0}},
          {22, "All", "", {2, 0, 0}},
          {23, "Any", "", {2, 0, 0}},
          {24, "Find", "", {3, 0, 0}},
          {25, "Find", ">3", {4, 0, 0}},
          {26, "IsNAN", "", {5, 0, 0}},
          {27, "IsINF", "", {6, 0, 0}},
          {28, "IsEmpty", "", {7, 0, 0}},
          {29, "IsReal", "", {8, 0, 0}},
          {30, "IsSparse", "", {8, 0, 0}},
          {31, "IsStr", "", {1, 0, 0}},
          {32, "Dot", "", {8, 9, -1}},
          {33, "Cross", "", {10, 11, -1}},
          {34, "GCD", "", {12, 13, 0}},
          {35, "LCM", "", {14, 15, 0}},
      },
      {
          {"box20", "[1 1 0 0]"},
          {"box21", "[0 0 1 0]"},
          {"box22", "0"},
          {"box23", "1"},
          {"box24", "[2 4]"},
          {"box25", "[2 4]"},
          {"box26", "[0 1]"},
          {"box27", "[1 0]"},
          {"box28", "1"},
          {"box29", "1"},
          {"box30", "0"},
          {"box31", "1"},
          {"box32", "32"},
          {"box33", "[0 0 1]"},
          {"box34", "6"},
          {"box35", "12"},
      },
  });
}

TEST(TemplatesInOctave, SpecialFunctions) {
  ExpectFamilyValues({
      "box1=2;\nbox2=3;\nbox3=5;\nbox4=10;\nbox5=0;\nbox6=0.5;\nbox7=1;\n",
      {
          {20, "Beta function", "Beta", {1, 2, 0}},
          {21, "Gamma function", "Gamma", {3, 0, 0}},
          {22, "Logarithm of gamma function", "gammaln", {4, 0, 0}},
          {23, "Error function", "erf", {5, 0, 0}},
          {24, "Complementary error function", "erfc", {5, 0, 0}},
          {25, "Inverse error function", "erfinv", {5, 0, 0}},
          {26, "Scaled complementary error function", "erfcx", {5, 0, 0}},
          {27, "Incomplete beta function", "Betainc", {6, 1, 1}},
          {28, "Incomplete gamma function", "GammaInc", {7, 7, 0}},
          {29, "Logarithm of beta function", "Betaln", {7, 7, 0}},
          {30, "Exponential integral function", "Expint", {7, 0, 0}},
          {31, "Associated Legendre function", "Legendre", {7, 6, 0}},
      },
      {
          {"box20", "1/12"},
          {"box21", "24"},
          {"box22", "12.8018274800814696"},
          {"box23", "0"},
          {"box24", "1"},
          {"box25", "0"},
          {"box26", "1"},
          {"box27", "0.5"},
          {"box28", "0.632120558828557678"},
          {"box29", "0"},
          {"box30", "0.219383934395520274"},
          {"box31", "[0.5; -0.866025403784438647]"},
      },
  });
}

TEST(TemplatesInOctave, Strings) {
  ExpectFamilyValues({
      "box1='hello world';\nbox2='o';\nbox3='0';\nbox4='abc';\nbox5=' ';\nbox6=3;\n"
      "box7='ab  ';\nbox8='1+2';\nbox9='0';\nbox10=65;\nbox11=3.5;\nbox12=2.7;\n"
      "box13='[1 2]';\nbox14=[1 2; 3 4];\nbox15=pi;\nbox16='FF';\nbox17=255;\n"
      "box18='4005bf0a8b145769';\n",
      {
          {20, "StrCmp", "", {4, 4, -1}},
          {21, "FindStr", "", {1, 2, -1}},
          {22, "Upper", "", {4, -1, -1}},
          {23, "Lower", "", {22, -1, -1}},
          {24, "StrRep", "", {1, 2, 3}},
          {25, "StrTok", "", {1, 5, -1}},
          {26, "Blanks", "", {6, -1, -1}},
          {27, "Deblank", "", {7, -1, -1}},
          {28, "Eval", "", {8, 9, -1}},
          {29, "SetStr", "", {10, -1, -1}},
          {30, "Num2Str", "", {11, -1, -1}},
          {31, "Int2Str", "", {12, -1, -1}},
          {32, "Str2Num", "", {13, -1, -1}},
          {33, "Mat2Str", "", {14, -1, -1}},
          {34, "Mat2Str", "", {15, -1, 6}},
          {35, "Hex2Dec", "", {16, -1, -1}},
          {36, "Dec2Hex", "", {17, -1, -1}},
          {37, "Hex2Num", "", {18, -1, -1}},
          {38, "StrCmp", "", {4, 22, -1}},
      },
      {
          {"box20", "1"},
          {"box21", "[5 8]"},
          {"box22", "'ABC'"},
          {"box23", "'abc'"},
          {"box24", "'hell0 w0rld'"},
          {"box25", "'hello'"},
          {"box26", "'   '"},
          {"box27", "'ab'"},
          {"box28", "3"},
          {"box29", "'A'"},
          {"box30", "'3.5'"},
          {"box31", "'3'"},
          {"box32", "[1 2]"},
          {"box33", "'[1 2;3 4]'"},
          {"box34", "'3.14'"},
          {"box35", "255"},
          {"box36", "'FF'"},
          {"box37", "2.71828182845904509"},
          {"box38", "0"},
      },
  });
}

TEST(TemplatesInOctave, SpecialMatricesAndEigen) {
  ExpectFamilyValues({
      "box1=3;\nbox2=2;\nbox3=[1 2 3];\nbox4=[1 2];\nbox5=[1; 1];\nbox6=[1 -3 2];\n"
      "box7=[2 0; 0 3];\n",
      {
          {20, "Magic square", "Magic", {1, -1, -1}},
          {21, "Hilbert matrix", "Hilb", {2, -1, -1}},
          {22, "Inverse Hilbert matrix", "Invhilb", {2, -1, -1}},
          {23, "Hankel matrix", "Hankel", {3, 0, -1}},
          {24, "Toeplitz matrix", "Toeplitz", {3, 0, -1}},
          {25, "Kronecker tensor product", "Kron", {4, 5, -1}},
          {26, "Pascal matrix", "Pascal", {1, 0, -1}},
          {27, "Vandermonde matrix", "Vander", {3, -1, -1}},
          {28, "Companion matrix", "Compan", {6, -1, -1}},
          {29, "Hadamard matrix", "Hadamard", {2, -1, -1}},
          {30, "Wilkinson's eigenvalue test matrix", "Wilkinson", {1, -1, -1}},
          {31, "Eigenvalues", "Eig", {7, 0, 0}},
          {32, "Characteristic polynomial", "Poly", {7, 0, 0}},
          {33, "Eigenvectors", "Eig", {7, 0, 0}},
      },
      {
          {"box20", "[8 1 6; 3 5 7; 4 9 2]"},
          {"box21", "[1 1/2; 1/2 1/3]"},
          {"box22", "[4 -6; -6 12]"},
          {"box23", "[1 2 3; 2 3 0; 3 0 0]"},
          {"box24", "[1 2 3; 2 1 2; 3 2 1]"},
          {"box25", "[1 2; 1 2]"},
          {"box26", "[1 1 1; 1 2 3; 1 3 6]"},
          {"box27", "[1 1 1; 4 2 1; 9 3 1]"},
          {"box28", "[3 -2; 1 0]"},
          {"box29", "[1 1; 1 -1]"},
          {"box30", "[1 1 0; 1 0 1; 0 1 1]"},
          {"box31", "[2; 3]"},
          {"box32", "[1 -5 6]"},
          {"abs(box33)", "[1 0; 0 1]"},
          // The eigenvalues went to temp1, which the second line cleared.
          {"exist('temp1', 'var')", "0"},
      },
  });
}

TEST(TemplatesInOctave, AnalysisStatisticsFiltersAndUnwrap) {
  ExpectFamilyValues({
      "box1=[1 2 3];\nbox2=[1 4 9];\nbox3=[1 4 9 16];\nbox4=[3 4];\nbox5=magic(4);\n"
      "box6=[1 2; 3 4];\nbox7=eye(2);\nbox8=[1 1];\nbox9=[2 4 6];\nbox10=[1; 0];\n"
      "box11=[0; 1];\nbox12=1;\nbox13=[1 -0.5];\nbox14=[1 1 1];\nbox15='same';\n"
      "box16=[0 2*pi];\nbox17=0.5;\n",
      {
          {20, "Trapz", "", {1, 0, 0}},
          {21, "Diff", "", {2, 0, 0}},
          {22, "Gradient", "", {2, 0, 0}},
          {23, "Del2", "", {3, 0, 0}},
          {24, "Norm", "", {4, 0, 0}},
          {25, "Rank", "", {5, 0, 0}},
          {26, "Rref", "", {6, 0, 0}},
          {27, "Trace", "", {6, 0, 0}},
          {28, "Rcond", "", {7, 0, 0}},
          {29, "Determinant", "det", {6, 0, -1}},
          {30, "Matrix condition number", "cond", {7, 0, -1}},
          {31, "Null Space", "null", {8, 0, -1}},
          {32, "Orthogonalization", "orth", {7, 0, -1}},
          {33, "Correlation coefficients", "corrcoef", {1, 9, -1}},
          {34, "Covariance matrix", "cov", {1, 0, -1}},
          {35, "Angle between subspaces", "subspace", {10, 11, -1}},
          {36, "Cumulative sum", "cumsum", {1, -1, -1}},
          {37, "Cumulative Product", "cumprod", {1, -1, -1}},
          {38, "Filter", "", {12, 13, 14}},
          {39, "Filter2", "", {8, 1, 15}},
          {40, "Unwrap", "", {16, 0, -1}},
          {41, "lin2mu", "", {17, 0, 0}},
          {42, "mu2lin", "", {41, 0, 0}},
          {43, "Trapz", "", {1, 0, 9}},
      },
      {
          {"box20", "4"},
          {"box21", "[3 5]"},
          {"box22", "[3 4 5]"},
          {"box23", "[0.5 0.5 0.5 0.5]"},
          {"box24", "5"},
          {"box25", "3"},
          {"box26", "[1 0; 0 1]"},
          {"box27", "5"},
          {"box28", "1"},
          {"box29", "-2"},
          {"box30", "1"},
          {"norm(box8*box31)", "0"},
          {"abs(box32)", "[1 0; 0 1]"},
          {"box33", "[1 1; 1 1]"},
          {"box34", "1"},
          {"box35", "pi/2"},
          {"box36", "[1 3 6]"},
          {"box37", "[1 2 6]"},
          {"box38", "[1 1.5 1.75]"},
          {"box39", "[3 5 3]"},
          {"box40", "[0 0]"},
          {"abs(box42 - 0.5) < 0.05", "1"},
          // trapz(x, y) with x from entry 1 and y from entry 3.
          {"box43", "8"},
      },
  });
}

TEST(TemplatesInOctave, OneInputFunctionsFourierTransformsAndBessel) {
  ExpectFamilyValues({
      "box1=0;\nbox2=1;\nbox3=pi/4;\nbox4=16;\nbox5=-3;\nbox6=1i;\nbox7=3+4i;\n"
      "box8=-2.5;\nbox9=7;\nbox10=3;\nbox11=2.5;\nbox12=[1 2 3 4];\nbox13=[3 1 2];\n"
      "box14=[1 2];\nbox15=4;\nbox16=[1 2; 3 4];\n",
      {
          {20, "Sin", "", {1, -1, -1}},
          {21, "Cos", "", {1, -1, -1}},
          {22, "Tan", "", {1, -1, -1}},
          {23, "Cot", "", {3, -1, -1}},
          {24, "ASin", "", {2, -1, -1}},
          {25, "ACos", "", {2, -1, -1}},
          {26, "ATan", "", {2, -1, -1}},
          {27, "ACot", "", {2, -1, -1}},
          {28, "Log", "", {2, -1, -1}},
          {29, "Sqrt", "", {4, -1, -1}},
          {30, "Abs", "", {5, -1, -1}},
          {31, "Angle", "", {6, -1, -1}},
          {32, "Real", "", {7, -1, -1}},
          {33, "Conj", "", {7, -1, -1}},
          {34, "Imag", "", {7, -1, -1}},
          {35, "Fix", "", {8, -1, -1}},
          {36, "Floor", "", {8, -1, -1}},
          {37, "Ceil", "", {8, -1, -1}},
          {38, "Rem", "", {9, 10, -1}},
          {39, "Sign", "", {5, -1, -1}},
          {40, "Round", "", {11, -1, -1}},
          {41, "Prod", "", {12, -1, -1}},
          {42, "Sum", "", {12, -1, -1}},
          {43, "Sort", "", {13, -1, -1}},
          {44, "FFTShift", "", {12, -1, -1}},
          {45, "FFT", "", {12, 0, 0}},
          {46, "FFT", "", {14, 15, 0}},
          {47, "IFFT", "", {45, 0, 0}},
          {48, "FFT2", "", {16, 0, 0}},
          {49, "IFFT2", "", {48, 0, 0}},
          {50, "BesselJ", "0", {1, 0, 0}},
          {51, "BesselY", "1", {2, 0, 0}},
          {52, "BesselI", "0", {1, 0, 0}},
          {53, "BesselK", "0", {2, 0, 0}},
      },
      {
          {"box20", "0"},
          {"box21", "1"},
          {"box22", "0"},
          {"box23", "1"},
          {"box24", "pi/2"},
          {"box25", "0"},
          {"box26", "pi/4"},
          {"box27", "pi/4"},
          {"box28", "0"},
          {"box29", "4"},
          {"box30", "3"},
          {"box31", "pi/2"},
          {"box32", "3"},
          {"box33", "3-4i"},
          {"box34", "4"},
          {"box35", "-2"},
          {"box36", "-3"},
          {"box37", "-2"},
          {"box38", "1"},
          {"box39", "-1"},
          {"box40", "3"},
          {"box41", "24"},
          {"box42", "10"},
          {"box43", "[1 2 3]"},
          {"box44", "[3 4 1 2]"},
          {"box45", "[10, -2+2i, -2, -2-2i]"},
          {"box46", "[3, 1-2i, -1, 1+2i]"},
          {"box47", "[1 2 3 4]"},
          {"box48", "[10 -2; -4 0]"},
          {"box49", "[1 2; 3 4]"},
          {"box50", "1"},
          {"box51", "-0.781212821300288717"},
          {"box52", "1"},
          {"box53", "0.421024438240708333"},
      },
  });
}

TEST(TemplatesInOctave, PromptsPausesAndOutputs) {
  Family family{
      // Stand-ins for the two functions that would wait for a person: the
      // prompt comes back as the answer, and a pause only counts.
      "function answer = input(prompt)\n  answer = prompt;\nend\n"
      "function pause(varargin)\n  global quorvin_pauses; quorvin_pauses(end+1) = nargin;\nend\n"
      "global quorvin_pauses; quorvin_pauses = [];\n"
      // The plot functions keep their arguments; figure only counts.
      "function figure(varargin)\n  global quorvin_figures; quorvin_figures += 1;\nend\n"
      "function grid(varargin)\nend\n"
      "function plot(varargin)\n  global quorvin_plot; quorvin_plot = varargin;\nend\n"
      "function polar(varargin)\n  global quorvin_polar; quorvin_polar = varargin;\nend\n"
      "global quorvin_figures quorvin_plot quorvin_polar; quorvin_figures = 0;\n"
      "box1=[1 2 3];\nbox2=[1.5 -2];\n",
      {
          {10, "Pause", "0", {1, -1, -1}},
          {11, "Pause", "0", {3, -1, -1}},
          {12, "Screen Output", "", {10, -1, -1}},
          {13, "Ascii File Output", "", {2, -1, -1}},
          {14, "User Input", "What's x", {0, -1, -1}},
          {15, "Pause", "", {0, -1, -1}},
          // A name with a comment sign and a continuation in it.
          {16, "Ascii File Output", "", {1, -1, -1}},
          {17, "Plot Output", "Plot2d;figure;\r\nplot(Input1,Input2,'m-')\r\ngrid;\r\n", {1, 2, 0}},
          // As sent to the interpreter: a ";" after the final line end.
          {18, "Plot Output", "Polar;polar(Input2,Input1)\r\n", {1, 2, 0},CompileMode::Execute},
      },
      {
          {"box10", "[1 2 3]"},
          {"exist('box11', 'var')", "0"},
          {"box12", "[1 2 3]"},
          {"load('saved values.txt')", "[1.5 -2]"},
          {"box14", "'What''s x'"},
          {"quorvin_pauses", "[1 1 0]"},
          {"load('take#2...txt')", "[1 2 3]"},
          {"quorvin_figures", "1"},
          {"quorvin_plot{1}", "[1 2 3]"},
          {"quorvin_plot{2}", "[1.5 -2]"},
          {"quorvin_plot{3}", "'m-'"},
          {"quorvin_polar{1}", "[1.5 -2]"},
          {"quorvin_polar{2}", "[1 2 3]"},
      },
      {{3, "Dummy Input"}},
      // Octave runs in a fresh directory: a relative name lands there.
      {"saved values.txt", "take#2...txt"},
  };
  ExpectFamilyValues(family);
}

}  // namespace
}  // namespace quorvin::testing
