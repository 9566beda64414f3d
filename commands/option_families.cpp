// The option families: every option dialog's rows (caption, kind,
// parameters, entries), its look around them, and the hooks that read its
// extra text boxes.

#include <array>
#include <string>

#include "commands/option_commands.h"

namespace quorvin {
namespace {

constexpr SlotSet E1{1}, E12{1, 2}, E13{1, 3}, E123{1, 2, 3};

constexpr std::array<OptionRow, 4> kBesselRows{{
    {"Bessel function of the first kind (J)", "BesselJ", "", E1},
    {"Bessel function of the second kind (Y)", "BesselY", "", E1},
    {"Modified Bessel func. of the first kind (I)", "BesselI", "", E1},
    {"Modified Bessel func. of the second kind (K)", "BesselK", "", E1},
}};
constexpr std::array<OptionRow, 8> kBetaRows{{
    {"Beta function", "Beta function", "Beta", E123},
    {"Incomplete Beta function", "Incomplete beta function", "Betainc", E123},
    {"Logarithm of the Beta function", "Logarithm of beta function", "Betaln", E12},
    {"Gamma function", "Gamma function", "Gamma", E1},
    {"Incomplete Gamma function", "Incomplete gamma function", "GammaInc", E12},
    {"Logarithm of the Gamma function", "Logarithm of gamma function", "gammaln", E1},
    {"Exponential integral function", "Exponential integral function", "Expint", E1},
    {"Associated Legandre function", "Associated Legendre function", "Legendre", E123},
}};
constexpr std::array<OptionRow, 13> kCheckRows{{
    {"True for string", "IsStr", "", E1},
    {"True for letters of the alphabet", "IsLetter", "", E1},
    {"True for white space characters", "IsSpace", "", E1},
    {"True if all elements of a vector are true", "All", "", E1},
    {"True if any element of the vector is true", "Any", "", E1},
    {"True for Not-A-Number (NAN)", "IsNAN", "", E1},
    {"Find indices of non-zero elements.", "Find", "", E1},
    {"True for empty matrix", "IsEmpty", "", E1},
    {"True for real matrix", "IsReal", "", E1},
    {"True for sparse matrix", "IsSparse", "", E1},
    {"True for global variables", "IsGlobal", "", E1},
    {"True for finite elements", "Finite", "", E1},
    {"True for infinite elements", "IsINF", "", E1},
}};
constexpr int kFindRow = 6;
constexpr std::array<OptionRow, 4> kErrorRows{{
    {"Error function", "Error function", "erf", E1},
    {"Complementary error function", "Complementary error function", "erfc", E1},
    {"Scaled complementary error function", "Scaled complementary error function", "erfcx", E1},
    {"Inverse error function", "Inverse error function", "erfinv", E1},
}};
constexpr std::array<OptionRow, 2> kIntRows{{
    {"Greatest common divisor", "GCD", "", E12},
    {"Least common multiple", "LCM", "", E12},
}};
constexpr std::array<OptionRow, 6> kNumericRows{{
    {"Solve differential equation using ODE23", "ODE23", "", E123},
    {"Solve differential equation using ODE45", "ODE45", "", E123},
    {"Evaluate integral (Low order method)", "Low Integrate", "quad", E123},
    {"Evaluate integral (High order method)", "High Integrate", "quad8", E123},
    {"Data interpolation", "Interpolate", "interp", E12},
    {"1-D interpolation using FFT", "Interpolate with FFT", "interpft", E12},
}};
constexpr std::array<OptionRow, 9> kPolyRows{{
    {"Find polynomial roots", "Polynomial Roots", "roots", E1},
    {"Construct polynomial with specified roots", "Construct Polynomial", "poly", E1},
    {"Polynomial evaluation", "Polynomial Evaluation", "polyval", E123},
    {"Matrix polynomial evaluation", "Matrix Polynomial Evaluation", "polyvalm", E12},
    {"Partial fractions expansion", "Partial Fraction Expantion", "residue", E123},
    {"Fit polynomial to data", "Fit Polynomial", "polyfit", E123},
    {"Differentiate polynomial", "Differentiate Polynomial", "polyder", E12},
    {"Divide polynomials", "Devide Polynomials", "deconv", E12},
    {"Multiply polynomials", "Multiply Polynomials", "conv", E12},
}};
constexpr std::array<OptionRow, 7> kCmplxRows{{
    {"Absolute", "Abs", "", E1},
    {"Angle (phase)", "Angle", "", E1},
    {"Complex conjugate", "Conj", "", E1},
    {"Imaginary part", "Imag", "", E1},
    {"Real part", "Real", "", E1},
    {"Unwrap the phase of a vector", "Unwrap", "", E12},
    {"Sort numbers into complex conjugate pairs", "Sort Complex", "cplxpair", E12},
}};
constexpr std::array<OptionRow, 6> kRoundRows{{
    {"To zero", "Fix", "", E1},
    {"To minus Infinity", "Floor", "", E1},
    {"To plus Infinity", "Ceil", "", E1},
    {"To Nearest Integer", "Round", "", E1},
    {"Remainder from Division", "Rem", "", E12},
    {"Sign of a Number", "Sign", "", E1},
}};
constexpr std::array<OptionRow, 8> kSoundRows{{
    {"Convert vector into sound", "Sound", "", E12},
    {"Sound axis scaling", "Sound axis scaling", "saxis", E1},
    {"Write mu-law encloded audio file", "Auwrite", "", E12},
    {"Read mu-law encloded audio file", "Auread", "", E1},
    {"Write MS Windows .WAV audio file", "wavwrite", "", E123},
    {"Read MS Windows .WAV audio file", "wavread", "", E1},
    {"Mu-law to linear conversion", "mu2lin", "", E1},
    {"Linear to mu-law conversion", "lin2mu", "", E1},
}};
constexpr std::array<OptionRow, 6> kStrCompareRows{{
    {"Compare strings", "StrCmp", "", E12},
    {"Find one string within another", "FindStr", "", E12},
    {"Convert string to uppercase", "Upper", "", E1},
    {"Convert string to lowercase", "Lower", "", E1},
    {"Replace a string with another", "StrRep", "", E123},
    {"Find a token in a string", "StrTok", "", E12},
}};
// A Mat2Str box takes its second input on entry 3: entry 2 is absent.
constexpr std::array<OptionRow, 8> kStrConvertRows{{
    {"Form text matrix from individual strings", "Str2Mat", "", E123},
    {"Convert string to number", "Str2Num", "", E1},
    {"Convert number to string", "Num2Str", "", E1},
    {"Convert integer to string", "Int2Str", "", E1},
    {"Convert matrix to string", "Mat2Str", "", E13},
    {"Convert hex string to IEEE floating point number", "Hex2Num", "", E1},
    {"Convert hex string to decimal integer", "Hex2Dec", "", E1},
    {"Convert decimal integer to hex string", "Dec2Hex", "", E1},
}};
constexpr std::array<OptionRow, 4> kStrMakeRows{{
    {"Convert numeric values to string", "SetStr", "", E1},
    {"String of blanks", "Blanks", "", E1},
    {"Remove trailing blanks", "Deblank", "", E1},
    {"Execute string with MATLAB expression", "Eval", "", E12},
}};
constexpr std::array<OptionRow, 9> kMatAnalysisRows{{
    {"Matrix condition number", "Matrix condition number", "cond", E1},
    {"Matrix or vector norm", "Norm", "", E12},
    {"LINPACK reciprocal condition estimator", "Rcond", "", E1},
    {"Num of linearly independent rows/cols", "Rank", "", E12},
    {"Determinant", "Determinant", "det", E1},
    {"Sum of diagonal elements", "Trace", "", E1},
    {"Null Space", "Null Space", "null", E1},
    {"Orthogonalization", "Orthogonalization", "orth", E1},
    {"Reduced row echelon form", "Rref", "", E12},
}};
constexpr std::array<OptionRow, 3> kCorrRows{{
    {"Correlation coefficients", "Correlation coefficients", "corrcoef", E12},
    {"Covarience matrix", "Covariance matrix", "cov", E12},
    {"Angle between subspaces", "Angle between subspaces", "subspace", E12},
}};
constexpr std::array<OptionRow, 4> kDiffRows{{
    {"Difference function", "Diff", "", E123},
    {"Approximate gradient", "Gradient", "", E123},
    {"Five-point discrete Laplacian", "Del2", "", E1},
    {"Numerical integration using trapezoidal method", "Trapz", "", E12},
}};
constexpr std::array<OptionRow, 3> kEigRows{{
    {"Eigenvalues", "Eigenvalues", "Eig", E12},
    {"Eigenvectors", "Eigenvectors", "Eig", E12},
    {"Characteristic polynomial", "Characteristic polynomial", "Poly", E1},
}};
// Option 0's parameter is completed by the hook with the diagonal number.
constexpr std::array<OptionRow, 7> kMatManRows{{
    {"Create or Extract Diagonal no.", "", "Diag|", E1},
    {"Flip left to right", "", "Fliplr", E1},
    {"Flip Up to Down", "", "Flipud", E1},
    {"Rotate 90 Degrees Counter Clockwise", "", "Rot90", E1},
    {"Transpose", "", "Transpose", E1},
    {"Get lower triangle", "", "Tril", E1},
    {"Get upper triangle", "", "Triu", E1},
}};
constexpr std::array<OptionRow, 12> kSpecMatRows{{
    {"Companion matrix", "Companion matrix", "Compan", E1},
    {"Test matrices", "Several small test matrices", "Gallery", E1},
    {"Hadamard matrix", "Hadamard matrix", "Hadamard", E1},
    {"Hankel matrix", "Hankel matrix", "Hankel", E12},
    {"Hilbert matrix", "Hilbert matrix", "Hilb", E1},
    {"Inverse Hilbert matrix", "Inverse Hilbert matrix", "Invhilb", E1},
    {"Kronecker tensor product", "Kronecker tensor product", "Kron", E12},
    {"Magic square", "Magic square", "Magic", E1},
    {"Pascal matrix", "Pascal matrix", "Pascal", E12},
    {"Toeplitz matrix", "Toeplitz matrix", "Toeplitz", E12},
    {"Vandermonde matrix", "Vandermonde matrix", "Vander", E1},
    {"Wilkinson's eigenvalue test matrix", "Wilkinson's eigenvalue test matrix", "Wilkinson", E1},
}};
constexpr std::array<OptionRow, 9> kVecRows{{
    {"Sort in ascending order", "Sort", "", E1},
    {"Sum of elements", "Sum", "", E1},
    {"Product of elements", "Prod", "", E1},
    {"Cumulative sum of elements", "Cumulative sum", "cumsum", E1},
    {"Cumulative product of elements", "Cumulative Product", "cumprod", E1},
    {"Cross product", "Cross", "", E12},
    {"Dot product", "Dot", "", E12},
    {"One-dimensional digital filter", "Filter", "", E123},
    {"Two-dimensional digital filter", "Filter2", "", E123},
}};
// The operator is the parameter and names the icon; the kind stays.
constexpr std::array<OptionRow, 4> kLogicRows{{
    {"OR", "", "|", E123},
    {"AND", "", "&", E123},
    {"NOT", "", "~", E1},
    {"XOR", "", "xor", E12},
}};
constexpr std::array<OptionRow, 6> kConstRows{{
    {"pi", "", "pi", kNoSlots},
    {"e", "", "exp(1)", kNoSlots},
    {"Minimum accuracy", "", "eps", kNoSlots},
    {"Imaginary unit (j)", "", "sqrt(-1)", kNoSlots},
    {"Number of floating point operations", "", "flops", kNoSlots},
    {"Arbiturary constant:", "", "", kNoSlots},  // read by the hook
}};
constexpr int kArbitraryConstantRow = 5;
// The function name; the hook appends the size.
constexpr std::array<OptionRow, 5> kMakeMatRows{{
    {"Ones", "", "ones", kNoSlots},
    {"Zeros", "", "zeros", kNoSlots},
    {"Identity", "", "eye", kNoSlots},
    {"Uniformly Distibuted Random Numbers", "", "rand", kNoSlots},
    {"Normaly Distibuted Random Numbers", "", "randn", kNoSlots},
}};

constexpr std::array<ExtraWidget, 1> kBesselExtras{{{"txtOrder", "Order:", "0"}}};
constexpr std::array<ExtraWidget, 1> kCheckExtras{{{"txtCond", "Optional condition:", ""}}};
constexpr std::array<ExtraWidget, 1> kConstExtras{{{"txtConst", "", "", 5}}};
constexpr std::array<ExtraWidget, 2> kMakeMatExtras{
    {{"txtRows", "Rows:", "1"}, {"txtCols", "Columns:", "1"}}};
constexpr std::array<ExtraWidget, 1> kMatManExtras{{{"diag", "", "1", 0}}};

// The order is the parameter of every Bessel box, whichever row applied.
void BesselOrder(BoxType& box, const OptionRow*, int, const OptionAnswer& answer) {
  box.params = answer.extra("txtOrder");
}

// Only a Find box keeps a condition, and only a typed one.
void FindCondition(BoxType& box, const OptionRow* row, int position,
                   const OptionAnswer& answer) {
  if (row == nullptr || position != kFindRow) return;
  const std::string condition = answer.extra("txtCond");
  if (!condition.empty()) box.params = condition;
}

void DiagonalNumber(BoxType& box, const OptionRow* row, int position,
                    const OptionAnswer& answer) {
  if (row != nullptr && position == 0) box.params = "Diag|" + answer.extra("diag");
}

void ArbitraryConstant(BoxType& box, const OptionRow* row, int position,
                       const OptionAnswer& answer) {
  if (row != nullptr && position == kArbitraryConstantRow) box.params = answer.extra("txtConst");
}

void MatrixSize(BoxType& box, const OptionRow* row, int, const OptionAnswer& answer) {
  if (row != nullptr)
    box.params += "(" + answer.extra("txtRows") + "," + answer.extra("txtCols") + ")";
}

const std::array<OptionCommand, 23> kCommands{{
    {"mnuSpecialBessel_Click", {"frmBessel", "Bessel Functions", "", kBesselExtras}, "", E1,
     kBesselRows, BesselOrder},
    {"mnuSpecialBeta_Click", {"frmBetaFunc", "Beta, Gamma & Other Functions", "Select Function"},
     "", E123, kBetaRows},
    {"mnuSpecialCheck_Click", {"frmCheck", "Make Checks", "Select what to check", kCheckExtras},
     "", E1, kCheckRows, FindCondition},
    {"mnuSpecialError_Click",
     {"frmErrorFunction", "Error Function", "Select the required error function:"}, "", E1,
     kErrorRows},
    {"mnuSpecialInt_Click", {"frmIntFunction", "Integer Functions", "Select the required function"},
     "", E12, kIntRows},
    {"mnuSpecialNumerical_Click",
     {"frmNumeric", "Numerical Solution & Integration", "Select the required operation:"}, "",
     E123, kNumericRows},
    {"mnuSpecialPoly_Click", {"frmPoly", "Polynomial Functions", "Select the required function:"},
     "", E123, kPolyRows},
    {"mnuOperatorsComplex_Click",
     {"frmCmplx", "Complex Number Manipulation", "Select the required operation"}, "", E1,
     kCmplxRows},
    {"mnuOperatorsRound_Click", {"frmRound", "Round Numbers", "Select how to round:"}, "", E1,
     kRoundRows},
    {"mnuSounds_Click", {"frmSound", "Sound Proccessing", "Select how to proccess the sound:"}, "",
     E123, kSoundRows},
    {"mnuStringCompare_Click", {"frmStrCompare", "Compare & Change Strings", ""}, "", E12,
     kStrCompareRows},
    {"mnuStringConvert_Click",
     {"frmStrConvert", "Convert Strings", "Select how to convert the string"}, "", E1,
     kStrConvertRows},
    {"mnuStringMake_Click", {"frmStrMake", "Create a String", "Select how to create the string:"},
     "", E1, kStrMakeRows},
    {"mnuMatAnalysis_Click",
     {"frmMatAnalysis", "Matrix Analysis", "Select how to analyse the matrix"}, "", E1,
     kMatAnalysisRows},
    {"mnuMatCorr_Click", {"frmCorr", "Correlation Operators", "Select the required operator:"}, "",
     E12, kCorrRows},
    {"mnuMatDiff_Click",
     {"frmDiff", "Differential & Integral Operations", "Select the required operator:"}, "", E123,
     kDiffRows},
    {"mnuMatEig_Click", {"frmEig", "Manipulate a Matrix", "Select required manipulation:"}, "",
     E123, kEigRows},
    {"mnuMatMan_Click",
     {"frmMatMan", "Manipulate a Matrix", "Select how to manipulate the matrix:", kMatManExtras},
     "Matrix Manipulation", E1, kMatManRows, DiagonalNumber, IconRule::MatrixWord},
    {"mnuMatSpecMat_Click", {"frmSpecMat", "Create a Special Matrix", "Select the type of matrix:"},
     "", E1, kSpecMatRows},
    {"mnuMatVectorOperations_Click",
     {"frmVec", "Vector Operations", "Select the required operation:"}, "", E1, kVecRows},
    {"mnuOperatorsLogic_Click",
     {"frmLogic", "Logic Operators", "Choose an operator", {}, "", 1, "btnOps", 2},
     "Logic Operator", E123, kLogicRows, nullptr, IconRule::Params},
    {"mnuConst_Click",
     {"frmConst", "Get a Constant", "Select the required constant", kConstExtras},
     "Constant Input", kNoSlots, kConstRows, ArbitraryConstant},
    {"mnuMatMake_Click",
     {"frmMakeMat", "Create a Matrix", "Select the contents of the matrix", kMakeMatExtras,
      "Matrix size"},
     "Matrix Make Input", kNoSlots, kMakeMatRows, MatrixSize},
}};

}  // namespace

std::span<const OptionCommand> OptionCommands() { return kCommands; }

const OptionCommand* FindOptionCommand(std::string_view handler) {
  for (const OptionCommand& c : kCommands)
    if (c.handler == handler) return &c;
  return nullptr;
}

const OptionCommand* FindOptionDialog(std::string_view form) {
  for (const OptionCommand& c : kCommands)
    if (c.dialog.form == form) return &c;
  return nullptr;
}

}  // namespace quorvin
