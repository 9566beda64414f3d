#include "commands/form_vocabulary.h"

#include <array>
#include <string>

namespace quorvin {
namespace {

using C = std::string_view;

constexpr std::array<C, 4> kBessel{
    "Bessel function of the first kind (J)", "Bessel function of the second kind (Y)",
    "Modified Bessel func. of the first kind (I)", "Modified Bessel func. of the second kind (K)"};
constexpr std::array<C, 8> kBeta{"Beta function",
                                 "Incomplete Beta function",
                                 "Logarithm of the Beta function",
                                 "Gamma function",
                                 "Incomplete Gamma function",
                                 "Logarithm of the Gamma function",
                                 "Exponential integral function",
                                 "Associated Legandre function"};
constexpr std::array<C, 13> kCheck{"True for string",
                                   "True for letters of the alphabet",
                                   "True for white space characters",
                                   "True if all elements of a vector are true",
                                   "True if any element of the vector is true",
                                   "True for Not-A-Number (NAN)",
                                   "Find indices of non-zero elements.",
                                   "True for empty matrix",
                                   "True for real matrix",
                                   "True for sparse matrix",
                                   "True for global variables",
                                   "True for finite elements",
                                   "True for infinite elements"};
constexpr std::array<C, 7> kCmplx{"Absolute",
                                  "Angle (phase)",
                                  "Complex conjugate",
                                  "Imaginary part",
                                  "Real part",
                                  "Unwrap the phase of a vector",
                                  "Sort numbers into complex conjugate pairs"};
constexpr std::array<C, 6> kConst{"pi",
                                  "e",
                                  "Minimum accuracy",
                                  "Imaginary unit (j)",
                                  "Number of floating point operations",
                                  "Arbiturary constant:"};
constexpr std::array<C, 3> kCorr{"Correlation coefficients", "Covarience matrix",
                                 "Angle between subspaces"};
constexpr std::array<C, 4> kDiff{"Difference function", "Approximate gradient",
                                 "Five-point discrete Laplacian",
                                 "Numerical integration using trapezoidal method"};
constexpr std::array<C, 3> kEig{"Eigenvalues", "Eigenvectors", "Characteristic polynomial"};
constexpr std::array<C, 4> kError{"Error function", "Complementary error function",
                                  "Scaled complementary error function",
                                  "Inverse error function"};
constexpr std::array<C, 2> kInt{"Greatest common divisor", "Least common multiple"};
constexpr std::array<C, 4> kLogic{"OR", "AND", "NOT", "XOR"};
constexpr std::array<C, 5> kMakeMat{"Ones", "Zeros", "Identity",
                                    "Uniformly Distibuted Random Numbers",
                                    "Normaly Distibuted Random Numbers"};
constexpr std::array<C, 9> kMatAnalysis{"Matrix condition number",
                                        "Matrix or vector norm",
                                        "LINPACK reciprocal condition estimator",
                                        "Num of linearly independent rows/cols",
                                        "Determinant",
                                        "Sum of diagonal elements",
                                        "Null Space",
                                        "Orthogonalization",
                                        "Reduced row echelon form"};
constexpr std::array<C, 7> kMatMan{"Create or Extract Diagonal no.",
                                   "Flip left to right",
                                   "Flip Up to Down",
                                   "Rotate 90 Degrees Counter Clockwise",
                                   "Transpose",
                                   "Get lower triangle",
                                   "Get upper triangle"};
constexpr std::array<C, 6> kNumeric{"Solve differential equation using ODE23",
                                    "Solve differential equation using ODE45",
                                    "Evaluate integral (Low order method)",
                                    "Evaluate integral (High order method)",
                                    "Data interpolation",
                                    "1-D interpolation using FFT"};
constexpr std::array<C, 9> kPoly{"Find polynomial roots",
                                 "Construct polynomial with specified roots",
                                 "Polynomial evaluation",
                                 "Matrix polynomial evaluation",
                                 "Partial fractions expansion",
                                 "Fit polynomial to data",
                                 "Differentiate polynomial",
                                 "Divide polynomials",
                                 "Multiply polynomials"};
constexpr std::array<C, 6> kRound{"To zero",           "To minus Infinity",
                                  "To plus Infinity",  "To Nearest Integer",
                                  "Remainder from Division", "Sign of a Number"};
constexpr std::array<C, 8> kSound{"Convert vector into sound",
                                  "Sound axis scaling",
                                  "Write mu-law encloded audio file",
                                  "Read mu-law encloded audio file",
                                  "Write MS Windows .WAV audio file",
                                  "Read MS Windows .WAV audio file",
                                  "Mu-law to linear conversion",
                                  "Linear to mu-law conversion"};
constexpr std::array<C, 12> kSpecMat{"Companion matrix",
                                     "Test matrices",
                                     "Hadamard matrix",
                                     "Hankel matrix",
                                     "Hilbert matrix",
                                     "Inverse Hilbert matrix",
                                     "Kronecker tensor product",
                                     "Magic square",
                                     "Pascal matrix",
                                     "Toeplitz matrix",
                                     "Vandermonde matrix",
                                     "Wilkinson's eigenvalue test matrix"};
constexpr std::array<C, 6> kStrCompare{"Compare strings",
                                       "Find one string within another",
                                       "Convert string to uppercase",
                                       "Convert string to lowercase",
                                       "Replace a string with another",
                                       "Find a token in a string"};
constexpr std::array<C, 8> kStrConvert{"Form text matrix from individual strings",
                                       "Convert string to number",
                                       "Convert number to string",
                                       "Convert integer to string",
                                       "Convert matrix to string",
                                       "Convert hex string to IEEE floating point number",
                                       "Convert hex string to decimal integer",
                                       "Convert decimal integer to hex string"};
constexpr std::array<C, 4> kStrMake{"Convert numeric values to string", "String of blanks",
                                    "Remove trailing blanks",
                                    "Execute string with MATLAB expression"};
constexpr std::array<C, 9> kVec{"Sort in ascending order",
                                "Sum of elements",
                                "Product of elements",
                                "Cumulative sum of elements",
                                "Cumulative product of elements",
                                "Cross product",
                                "Dot product",
                                "One-dimensional digital filter",
                                "Two-dimensional digital filter"};

constexpr std::array<ExtraWidget, 1> kBesselExtras{{{"txtOrder", "Order:", "0"}}};
constexpr std::array<ExtraWidget, 1> kCheckExtras{{{"txtCond", "Optional condition:", ""}}};
constexpr std::array<ExtraWidget, 1> kConstExtras{{{"txtConst", "", "", 5}}};
constexpr std::array<ExtraWidget, 2> kMakeMatExtras{
    {{"txtRows", "Rows:", "1"}, {"txtCols", "Columns:", "1"}}};
constexpr std::array<ExtraWidget, 1> kMatManExtras{{{"diag", "", "1", 0}}};

const std::array<OptionForm, 23> kForms{{
    {"frmBessel", "Bessel Functions", "", kBessel, kBesselExtras},
    {"frmBetaFunc", "Beta, Gamma & Other Functions", "Select Function", kBeta, {}},
    {"frmCheck", "Make Checks", "Select what to check", kCheck, kCheckExtras},
    {"frmCmplx", "Complex Number Manipulation", "Select the required operation", kCmplx, {}},
    {"frmConst", "Get a Constant", "Select the required constant", kConst, kConstExtras},
    {"frmCorr", "Correlation Operators", "Select the required operator:", kCorr, {}},
    {"frmDiff", "Differential & Integral Operations", "Select the required operator:", kDiff, {}},
    {"frmEig", "Manipulate a Matrix", "Select required manipulation:", kEig, {}},
    {"frmErrorFunction", "Error Function", "Select the required error function:", kError, {}},
    {"frmIntFunction", "Integer Functions", "Select the required function", kInt, {}},
    {"frmLogic", "Logic Operators", "Choose an operator", kLogic, {}, "", 1, "btnOps", "ops", 2},
    {"frmMakeMat", "Create a Matrix", "Select the contents of the matrix", kMakeMat,
     kMakeMatExtras, "Matrix size"},
    {"frmMatAnalysis", "Matrix Analysis", "Select how to analyse the matrix", kMatAnalysis, {}},
    {"frmMatMan", "Manipulate a Matrix", "Select how to manipulate the matrix:", kMatMan,
     kMatManExtras},
    {"frmNumeric", "Numerical Solution & Integration", "Select the required operation:",
     kNumeric, {}},
    {"frmPoly", "Polynomial Functions", "Select the required function:", kPoly, {}},
    {"frmRound", "Round Numbers", "Select how to round:", kRound, {}},
    {"frmSound", "Sound Proccessing", "Select how to proccess the sound:", kSound, {}},
    {"frmSpecMat", "Create a Special Matrix", "Select the type of matrix:", kSpecMat, {}},
    {"frmStrCompare", "Compare & Change Strings", "", kStrCompare, {}},
    {"frmStrConvert", "Convert Strings", "Select how to convert the string", kStrConvert, {}},
    {"frmStrMake", "Create a String", "Select how to create the string:", kStrMake, {}},
    {"frmVec", "Vector Operations", "Select the required operation:", kVec, {}},
}};

struct InitialText {
  std::string_view form, widget, text;
};

// The value dialogs' widgets as they open; "1" and "0" are the states of
// option buttons and check boxes.
constexpr std::array<InitialText, 17> kValueInitials{{
    {"frmBasic", "add", "1"},
    {"frmBasic", "sub", "0"},
    {"frmBasic", "mul", "0"},
    {"frmBasic", "div", "0"},
    {"frmBasic", "power", "0"},
    {"frmBasic", "chkElement", "0"},
    {"frmPause", "lblSecs", "1"},
    {"frmPause", "chkNoNumber", "0"},
    {"frmUserInput", "txtPrompt", ""},
    {"frmMakeVector", "txtMin", "1"},
    {"frmMakeVector", "txtStep", "1"},
    {"frmMakeVector", "txtMax", "1"},
    {"frmSplit", "row", "1"},
    {"frmSplit", "Col", "0"},
    {"frmSplit", "txtFrom", ""},
    {"frmSplit", "txtTo", ""},
    {"frmComment", "txtComment", ""},
}};

constexpr std::array<std::string_view, 6> kValueForms{"frmBasic",      "frmPause", "frmUserInput",
                                                      "frmMakeVector", "frmSplit", "frmComment"};

}  // namespace

std::span<const OptionForm> OptionForms() { return kForms; }

const OptionForm* FindOptionForm(std::string_view form) {
  for (const OptionForm& f : kForms)
    if (f.form == form) return &f;
  return nullptr;
}

std::span<const std::string_view> ValueForms() { return kValueForms; }

FormAnswer InitialAnswer(std::string_view form) {
  FormAnswer answer;
  if (const OptionForm* f = FindOptionForm(form)) {
    answer.texts[std::string(f->indexWidget)] = std::to_string(f->firstIndex);
    for (const ExtraWidget& e : f->extras) answer.texts[std::string(e.name)] = e.initial;
    return answer;
  }
  for (const InitialText& t : kValueInitials)
    if (t.form == form) answer.texts[std::string(t.widget)] = t.text;
  return answer;
}

}  // namespace quorvin
