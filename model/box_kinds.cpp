#include "model/box_kinds.h"

#include <array>

namespace quorvin {
namespace {

// vocabulary table: kind, menu item; in table order.
constexpr std::array<KindInfo, kFixedKindCount> kKinds{{
    {"If", "mnuCondIf"},
    {"End If", "mnuCondEndIf"},
    {"Constant Input", "mnuConst"},
    {"Keyboard Input", "mnuInputKeyboardScalar"},
    {"Matrix Input", "mnuInputKeyboardMatrix"},
    {"Ascii File Input", "mnuInputAscii"},
    {"User Input", "mnuInputUser"},
    {"Pause", "mnuInputPause"},
    {"For", "mnuLoopFor"},
    {"While", "mnuLoopWhile"},
    {"Next", "mnuLoopNext"},
    {"Break", "mnuLoopBreak"},
    {"FFT", "mnuFFTfft"},
    {"FFT2", "mnuFFTFFT2"},
    {"FFTShift", "mnuFFTfftshift"},
    {"IFFT", "mnuFFTIFFT"},
    {"IFFT2", "mnuFFTIFFT2"},
    {"Matrix condition number", "mnuMatAnalysis"},
    {"Norm", "mnuMatAnalysis"},
    {"Rcond", "mnuMatAnalysis"},
    {"Rank", "mnuMatAnalysis"},
    {"Determinant", "mnuMatAnalysis"},
    {"Trace", "mnuMatAnalysis"},
    {"Null Space", "mnuMatAnalysis"},
    {"Orthogonalization", "mnuMatAnalysis"},
    {"Rref", "mnuMatAnalysis"},
    {"Correlation coefficients", "mnuMatCorr"},
    {"Covariance matrix", "mnuMatCorr"},
    {"Angle between subspaces", "mnuMatCorr"},
    {"Diff", "mnuMatDiff"},
    {"Gradient", "mnuMatDiff"},
    {"Del2", "mnuMatDiff"},
    {"Trapz", "mnuMatDiff"},
    {"Eigenvalues", "mnuMatEig"},
    {"Eigenvectors", "mnuMatEig"},
    {"Characteristic polynomial", "mnuMatEig"},
    {"Matrix Length", "mnuMatLength"},
    {"Matrix Size", "mnuMatSize"},
    {"Split", "mnuMatSplit"},
    {"Matrix Manipulation", "mnuMatMan"},
    {"Matrix Make Input", "mnuMatMake"},
    {"Vector Make Input", "mnuMatMakeVec"},
    {"Companion matrix", "mnuMatSpecMat"},
    {"Several small test matrices", "mnuMatSpecMat"},
    {"Hadamard matrix", "mnuMatSpecMat"},
    {"Hankel matrix", "mnuMatSpecMat"},
    {"Hilbert matrix", "mnuMatSpecMat"},
    {"Inverse Hilbert matrix", "mnuMatSpecMat"},
    {"Kronecker tensor product", "mnuMatSpecMat"},
    {"Magic square", "mnuMatSpecMat"},
    {"Pascal matrix", "mnuMatSpecMat"},
    {"Toeplitz matrix", "mnuMatSpecMat"},
    {"Vandermonde matrix", "mnuMatSpecMat"},
    {"Wilkinson's eigenvalue test matrix", "mnuMatSpecMat"},
    {"Sort", "mnuMatVectorOperations"},
    {"Sum", "mnuMatVectorOperations"},
    {"Prod", "mnuMatVectorOperations"},
    {"Cumulative sum", "mnuMatVectorOperations"},
    {"Cumulative Product", "mnuMatVectorOperations"},
    {"Cross", "mnuMatVectorOperations"},
    {"Dot", "mnuMatVectorOperations"},
    {"Filter", "mnuMatVectorOperations"},
    {"Filter2", "mnuMatVectorOperations"},
    {"+", "mnuOperatorsArith"},
    {"-", "mnuOperatorsArith"},
    {"*", "mnuOperatorsArith"},
    {"/", "mnuOperatorsArith"},
    {"^", "mnuOperatorsArith"},
    {"Abs", "mnuOperatorsComplex"},
    {"Angle", "mnuOperatorsComplex"},
    {"Conj", "mnuOperatorsComplex"},
    {"Imag", "mnuOperatorsComplex"},
    {"Real", "mnuOperatorsComplex"},
    {"Unwrap", "mnuOperatorsComplex"},
    {"Sort Complex", "mnuOperatorsComplex"},
    {"Compute Function", "mnuOperatorsFunc"},
    {"Log", "mnuOperatorsLog"},
    {"Sqrt", "mnuOperatorsRoot"},
    {"Logic Operator", "mnuOperatorsLogic"},
    {"Fix", "mnuOperatorsRound"},
    {"Floor", "mnuOperatorsRound"},
    {"Ceil", "mnuOperatorsRound"},
    {"Rem", "mnuOperatorsRound"},
    {"Sign", "mnuOperatorsRound"},
    {"Round", "mnuOperatorsRound"},
    {"Screen Output", "mnuOutputScreen"},
    {"Plot Output", "mnuOutputPlot"},
    {"Ascii File Output", "mnuOutputAsciiFile"},
    {"Trash", "mnuOutputTrash"},
    {"Sound", "mnuSounds"},
    {"Sound axis scaling", "mnuSounds"},
    {"Auwrite", "mnuSounds"},
    {"Auread", "mnuSounds"},
    {"wavwrite", "mnuSounds"},
    {"wavread", "mnuSounds"},
    {"mu2lin", "mnuSounds"},
    {"lin2mu", "mnuSounds"},
    {"Comment", "mnuSpecComment"},
    {"Dummy Input", "mnuSpecDummy"},
    {"Matlab Command", "mnuSpecMatlab"},
    {"Pickup", "mnuSpecPickup"},
    {"BesselJ", "mnuSpecialBessel"},
    {"BesselY", "mnuSpecialBessel"},
    {"BesselI", "mnuSpecialBessel"},
    {"BesselK", "mnuSpecialBessel"},
    {"Beta function", "mnuSpecialBeta"},
    {"Incomplete beta function", "mnuSpecialBeta"},
    {"Logarithm of beta function", "mnuSpecialBeta"},
    {"Gamma function", "mnuSpecialBeta"},
    {"Incomplete gamma function", "mnuSpecialBeta"},
    {"Logarithm of gamma function", "mnuSpecialBeta"},
    {"Exponential integral function", "mnuSpecialBeta"},
    {"Associated Legendre function", "mnuSpecialBeta"},
    {"IsStr", "mnuSpecialCheck"},
    {"IsLetter", "mnuSpecialCheck"},
    {"IsSpace", "mnuSpecialCheck"},
    {"All", "mnuSpecialCheck"},
    {"Any", "mnuSpecialCheck"},
    {"Find", "mnuSpecialCheck"},
    {"IsNAN", "mnuSpecialCheck"},
    {"IsINF", "mnuSpecialCheck"},
    {"Finite", "mnuSpecialCheck"},
    {"IsEmpty", "mnuSpecialCheck"},
    {"IsReal", "mnuSpecialCheck"},
    {"IsSparse", "mnuSpecialCheck"},
    {"IsGlobal", "mnuSpecialCheck"},
    {"Error function", "mnuSpecialError"},
    {"Complementary error function", "mnuSpecialError"},
    {"Scaled complementary error function", "mnuSpecialError"},
    {"Inverse error function", "mnuSpecialError"},
    {"GCD", "mnuSpecialInt"},
    {"LCM", "mnuSpecialInt"},
    {"ODE23", "mnuSpecialNumerical"},
    {"ODE45", "mnuSpecialNumerical"},
    {"Low Integrate", "mnuSpecialNumerical"},
    {"High Integrate", "mnuSpecialNumerical"},
    {"Interpolate with FFT", "mnuSpecialNumerical"},
    {"Interpolate", "mnuSpecialNumerical"},
    {"Polynomial Roots", "mnuSpecialPoly"},
    {"Construct Polynomial", "mnuSpecialPoly"},
    {"Polynomial Evaluation", "mnuSpecialPoly"},
    {"Matrix Polynomial Evaluation", "mnuSpecialPoly"},
    {"Partial Fraction Expantion", "mnuSpecialPoly"},
    {"Fit Polynomial", "mnuSpecialPoly"},
    {"Differentiate Polynomial", "mnuSpecialPoly"},
    {"Devide Polynomials", "mnuSpecialPoly"},
    {"Multiply Polynomials", "mnuSpecialPoly"},
    {"SetStr", "mnuStringMake"},
    {"Blanks", "mnuStringMake"},
    {"Deblank", "mnuStringMake"},
    {"Eval", "mnuStringMake"},
    {"StrCmp", "mnuStringCompare"},
    {"FindStr", "mnuStringCompare"},
    {"Upper", "mnuStringCompare"},
    {"Lower", "mnuStringCompare"},
    {"StrRep", "mnuStringCompare"},
    {"StrTok", "mnuStringCompare"},
    {"Str2Mat", "mnuStringConvert"},
    {"Str2Num", "mnuStringConvert"},
    {"Num2Str", "mnuStringConvert"},
    {"Int2Str", "mnuStringConvert"},
    {"Mat2Str", "mnuStringConvert"},
    {"Hex2Num", "mnuStringConvert"},
    {"Hex2Dec", "mnuStringConvert"},
    {"Dec2Hex", "mnuStringConvert"},
    {"Sin", "mnuTrigSin"},
    {"Cos", "mnuTrigCos"},
    {"Tan", "mnuTrigTan"},
    {"Cot", "mnuTrigCot"},
    {"ASin", "mnuTrigArcSin"},
    {"ACos", "mnuTrigArcCos"},
    {"ATan", "mnuTrigArcTan"},
    {"ACot", "mnuTrigArcCot"},
}};

// icon table: 218 keys in table order, first match wins.
constexpr std::array<IconEntry, kIconKeyCount> kIcons{{
    {"Arrow", 4},
    {"Comment", 20},
    {"Keyboard Input", 72},
    {"Matrix Input", 86},
    {"Matrix Make Input", 82},
    {"Vector Make Input", 142},
    {"Constant Input", 24},
    {"Dummy Input", 40},
    {"Ascii File Input", 57},
    {"Screen Output", 119},
    {"Plot2d", 94},
    {"Polar", 96},
    {"Bar", 9},
    {"Plot Output", 62},
    {"Plot3d", 95},
    {"Pscolor", 103},
    {"Stem", 126},
    {"Error Bar", 45},
    {"Ascii File Output", 39},
    {"Trash", 136},
    {"Basic Arithmatic", 16},
    {"Compute Function", 59},
    {"Natural Logarithm", 75},
    {"Log", 75},
    {"Square Root", 125},
    {"Sqrt", 125},
    {"Matrix Manipulation", 85},
    {"For", 58},
    {"While", 145},
    {"Next", 88},
    {"Break", 63},
    {"If", 64},
    {"End If", 44},
    {"Subroutine", 130},
    {"Split", 146},
    {"Split Matrix", 146},
    {"Matrix Length", 73},
    {"Matrix Size", 120},
    {"Matlab Command", 84},
    {"Pickup", 93},
    {"Logic Operators", 79},
    {"Complex Operators", 21},
    {"Bessel Function", 11},
    {"BesselJ", 11},
    {"BesselY", 13},
    {"BesselI", 10},
    {"BesselK", 12},
    {"Round", 109},
    {"Sin", 118},
    {"Cos", 27},
    {"Tan", 133},
    {"Cot", 28},
    {"ASin", 5},
    {"ACos", 2},
    {"ATan", 6},
    {"ACot", 3},
    {"FFTFFT", 49},
    {"FFT", 49},
    {"FFTFFT2", 50},
    {"FFT2", 50},
    {"FFTIFFT", 65},
    {"IFFT", 65},
    {"IFFT2", 65},
    {"FFTShift", 51},
    {"Polynomial", 97},
    {"Numerical", 89},
    {"Correlation", 26},
    {"Differences", 37},
    {"Vecops", 141},
    {"User", 140},
    {"User Input", 140},
    {"MatAnalysis", 83},
    {"Sound", 123},
    {"Special Matrix", 124},
    {"Eigen", 41},
    {"Beta Function", 14},
    {"Error Function", 46},
    {"Integer Function", 71},
    {"Check", 19},
    {"String Make", 129},
    {"String Compare", 127},
    {"String Convert", 128},
    {"Pause", 90},
    {"+", 113},
    {"-", 117},
    {"/", 114},
    {"*", 115},
    {"^", 116},
    {"|", 78},
    {"&", 76},
    {"~", 77},
    {"xor", 79},
    {"Abs", 1},
    {"Angle", 92},
    {"Conj", 22},
    {"Imag", 66},
    {"Real", 105},
    {"Unwrap", 137},
    {"Sort Complex", 122},
    {"Fix", 53},
    {"Floor", 56},
    {"Ceil", 17},
    {"Rem", 106},
    {"Sign", 112},
    {"Determinant", 34},
    {"Matrix condition number", 83},
    {"Norm", 83},
    {"Rcond", 83},
    {"Rank", 83},
    {"Trace", 83},
    {"Null Space", 83},
    {"Orthogonalization", 83},
    {"Rref", 83},
    {"Companion matrix", 124},
    {"Several small test matrices", 124},
    {"Hadamard matrix", 124},
    {"Hankel matrix", 124},
    {"Hilbert matrix", 124},
    {"Inverse Hilbert matrix", 124},
    {"Kronecker tensor product", 124},
    {"Magic square", 124},
    {"Pascal matrix", 124},
    {"Toeplitz matrix", 124},
    {"Vandermonde matrix", 124},
    {"Wilkinson's eigenvalue test matrix", 124},
    {"Diag", 35},
    {"Fliplr", 54},
    {"Flipud", 55},
    {"Rot90", 108},
    {"Transpose", 134},
    {"Tril", 81},
    {"Triu", 139},
    {"Eigenvalues", 42},
    {"Eigenvectors", 43},
    {"Characteristic polynomial", 18},
    {"Sort", 122},
    {"Sum", 132},
    {"Prod", 102},
    {"Cumulative sum", 141},
    {"Cumulative Product", 141},
    {"Cross", 30},
    {"Dot", 38},
    {"Filter", 52},
    {"Filter2", 52},
    {"Diff", 37},
    {"Gradient", 61},
    {"Del2", 33},
    {"Trapz", 135},
    {"Correlation coefficients", 26},
    {"Covariance matrix", 26},
    {"Angle between subspaces", 131},
    {"Find", 19},
    {"IsStr", 19},
    {"IsLetter", 19},
    {"IsSpace", 19},
    {"All", 19},
    {"Any", 19},
    {"IsNAN", 19},
    {"IsINF", 19},
    {"Finite", 19},
    {"IsEmpty", 19},
    {"IsReal", 19},
    {"IsSparse", 19},
    {"IsGlobal", 19},
    {"ODE23", 36},
    {"ODE45", 36},
    {"Low Integrate", 68},
    {"High Integrate", 68},
    {"Interpolate", 69},
    {"Interpolate with FFT", 70},
    {"Polynomial Roots", 107},
    {"Construct Polynomial", 23},
    {"Polynomial Evaluation", 100},
    {"Matrix Polynomial Evaluation", 101},
    {"Partial Fraction Expantion", 91},
    {"Fit Polynomial", 99},
    {"Differentiate Polynomial", 98},
    {"Devide Polynomials", 32},
    {"Multiply Polynomials", 25},
    {"GCD", 71},
    {"LCM", 71},
    {"Error function", 46},
    {"Complementary error function", 46},
    {"Scaled complementary error function", 46},
    {"Inverse error function", 46},
    {"Beta function", 14},
    {"Incomplete beta function", 14},
    {"Logarithm of beta function", 14},
    {"Gamma function", 60},
    {"Incomplete gamma function", 60},
    {"Logarithm of gamma function", 60},
    {"Exponential integral function", 48},
    {"Associated Legendre function", 71},
    {"SetStr", 111},
    {"Blanks", 15},
    {"Deblank", 31},
    {"Eval", 47},
    {"StrCmp", 127},
    {"FindStr", 127},
    {"StrRep", 127},
    {"StrTok", 127},
    {"Upper", 138},
    {"Lower", 80},
    {"Str2Mat", 128},
    {"Str2Num", 128},
    {"Num2Str", 128},
    {"Int2Str", 128},
    {"Mat2Str", 128},
    {"Hex2Num", 128},
    {"Hex2Dec", 128},
    {"Dec2Hex", 128},
    {"Sound axis scaling", 110},
    {"Auread", 7},
    {"Auwrite", 8},
    {"wavread", 143},
    {"wavwrite", 144},
    {"lin2mu", 74},
    {"mu2lin", 87},
}};

constexpr std::string_view kSubroutineWord = "Subroutine";       // 10 characters
constexpr std::string_view kCallMark = "Insert Subroutine";        // 17 characters

constexpr bool EndsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

constexpr bool StartsWith(std::string_view text, std::string_view head) {
  return text.substr(0, head.size()) == head;
}

}  // namespace

std::span<const KindInfo> BoxKinds() { return kKinds; }

const KindInfo* FindBoxKind(std::string_view kind) {
  for (const KindInfo& info : kKinds) {
    if (info.kind == kind) return &info;
  }
  return nullptr;
}

std::span<const IconEntry> IconTable() { return kIcons; }

IconCell SelectBoxIcon(const std::string& key) {
  for (const IconEntry& entry : kIcons) {
    if (entry.key == key) return IconCellOf(entry.number);
  }
  return IconCellOf(kUnknownIcon);
}

std::string BoxIconKey(const BoxRecord& box) {
  std::string key;
  if (box.Kind == "Plot Output") {
    const std::size_t semicolon = box.Params.find(';');
    if (semicolon != std::string::npos) return box.Params.substr(0, semicolon);
    // Without a ";" the key is empty, and step 5 still applies.
  } else if (box.Kind == "Matrix Manipulation") {
    key = StartsWith(box.Params, "Diag") ? std::string("Diag") : box.Kind;
  } else if (box.Kind == "Logic Operator") {
    key = box.Params;
  } else {
    key = box.Kind;
  }
  if (box.Params == kSubroutineParams) key = kSubroutineParams;
  return key;
}

std::string SubroutineStartKind(std::string_view name) {
  std::string kind(name);
  kind += kSubroutineStartSuffix;
  return kind;
}

std::string SubroutineCallKind(std::string_view name) {
  std::string kind(kSubroutineCallPrefix);
  kind += name;
  return kind;
}

std::string SubroutineNameOfStartKind(std::string_view startKind) {
  if (!EndsWith(startKind, kSubroutineWord)) return std::string(startKind);
  if (startKind.size() < kSubroutineStartSuffix.size()) return {};
  return std::string(startKind.substr(0, startKind.size() - kSubroutineStartSuffix.size()));
}

std::string SubroutineStartKindOfCall(std::string_view callKind) {
  // Mid(kind, 19): from the 19th character on, empty when the kind is shorter.
  const std::size_t from = kSubroutineCallPrefix.size();
  std::string kind(callKind.size() > from ? callKind.substr(from) : std::string_view{});
  kind += kSubroutineStartSuffix;
  return kind;
}

bool IsSubroutineEndKind(std::string_view kind) { return kind == kSubroutineEndKind; }

bool IsSubroutineCallKind(std::string_view kind) { return StartsWith(kind, kCallMark); }

bool IsSubroutineStartKind(std::string_view kind) {
  return EndsWith(kind, kSubroutineWord) && !IsSubroutineEndKind(kind) &&
         !IsSubroutineCallKind(kind);
}

bool IsSubroutineKind(std::string_view kind) {
  return IsSubroutineEndKind(kind) || IsSubroutineCallKind(kind) ||
         IsSubroutineStartKind(kind);
}

bool IsKnownKind(std::string_view kind) {
  return FindBoxKind(kind) != nullptr || IsSubroutineKind(kind);
}

}  // namespace quorvin
