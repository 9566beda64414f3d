#include "commands/option_commands.h"

#include <array>
#include <string>

#include "commands/form_vocabulary.h"
#include "commands/insert_sequence.h"

namespace quorvin {
namespace {

constexpr SlotSet E1{1}, E12{1, 2}, E13{1, 3}, E123{1, 2, 3};

constexpr std::array<OptionRow, 4> kBesselRows{{
    {"BesselJ", "", E1}, {"BesselY", "", E1}, {"BesselI", "", E1}, {"BesselK", "", E1}}};
constexpr std::array<OptionRow, 8> kBetaRows{{
    {"Beta function", "Beta", E123},
    {"Incomplete beta function", "Betainc", E123},
    {"Logarithm of beta function", "Betaln", E12},
    {"Gamma function", "Gamma", E1},
    {"Incomplete gamma function", "GammaInc", E12},
    {"Logarithm of gamma function", "gammaln", E1},
    {"Exponential integral function", "Expint", E1},
    {"Associated Legendre function", "Legendre", E123},
}};
constexpr std::array<OptionRow, 13> kCheckRows{{
    {"IsStr", "", E1}, {"IsLetter", "", E1}, {"IsSpace", "", E1}, {"All", "", E1},
    {"Any", "", E1}, {"IsNAN", "", E1}, {"Find", "", E1}, {"IsEmpty", "", E1},
    {"IsReal", "", E1}, {"IsSparse", "", E1}, {"IsGlobal", "", E1}, {"Finite", "", E1},
    {"IsINF", "", E1},
}};
constexpr int kFindRow = 6;
constexpr std::array<OptionRow, 4> kErrorRows{{
    {"Error function", "erf", E1},
    {"Complementary error function", "erfc", E1},
    {"Scaled complementary error function", "erfcx", E1},
    {"Inverse error function", "erfinv", E1},
}};
constexpr std::array<OptionRow, 2> kIntRows{{{"GCD", "", E12}, {"LCM", "", E12}}};
constexpr std::array<OptionRow, 6> kNumericRows{{
    {"ODE23", "", E123},
    {"ODE45", "", E123},
    {"Low Integrate", "quad", E123},
    {"High Integrate", "quad8", E123},
    {"Interpolate", "interp", E12},
    {"Interpolate with FFT", "interpft", E12},
}};
constexpr std::array<OptionRow, 9> kPolyRows{{
    {"Polynomial Roots", "roots", E1},
    {"Construct Polynomial", "poly", E1},
    {"Polynomial Evaluation", "polyval", E123},
    {"Matrix Polynomial Evaluation", "polyvalm", E12},
    {"Partial Fraction Expantion", "residue", E123},
    {"Fit Polynomial", "polyfit", E123},
    {"Differentiate Polynomial", "polyder", E12},
    {"Devide Polynomials", "deconv", E12},
    {"Multiply Polynomials", "conv", E12},
}};
constexpr std::array<OptionRow, 7> kCmplxRows{{
    {"Abs", "", E1}, {"Angle", "", E1}, {"Conj", "", E1}, {"Imag", "", E1}, {"Real", "", E1},
    {"Unwrap", "", E12}, {"Sort Complex", "cplxpair", E12},
}};
constexpr std::array<OptionRow, 6> kRoundRows{{
    {"Fix", "", E1}, {"Floor", "", E1}, {"Ceil", "", E1}, {"Round", "", E1}, {"Rem", "", E12},
    {"Sign", "", E1},
}};
constexpr std::array<OptionRow, 8> kSoundRows{{
    {"Sound", "", E12},
    {"Sound axis scaling", "saxis", E1},
    {"Auwrite", "", E12},
    {"Auread", "", E1},
    {"wavwrite", "", E123},
    {"wavread", "", E1},
    {"mu2lin", "", E1},
    {"lin2mu", "", E1},
}};
constexpr std::array<OptionRow, 6> kStrCompareRows{{
    {"StrCmp", "", E12}, {"FindStr", "", E12}, {"Upper", "", E1}, {"Lower", "", E1},
    {"StrRep", "", E123}, {"StrTok", "", E12},
}};
// A Mat2Str box takes its second input on entry 3: entry 2 is absent.
constexpr std::array<OptionRow, 8> kStrConvertRows{{
    {"Str2Mat", "", E123}, {"Str2Num", "", E1}, {"Num2Str", "", E1}, {"Int2Str", "", E1},
    {"Mat2Str", "", E13}, {"Hex2Num", "", E1}, {"Hex2Dec", "", E1}, {"Dec2Hex", "", E1},
}};
constexpr std::array<OptionRow, 4> kStrMakeRows{{
    {"SetStr", "", E1}, {"Blanks", "", E1}, {"Deblank", "", E1}, {"Eval", "", E12}}};
constexpr std::array<OptionRow, 9> kMatAnalysisRows{{
    {"Matrix condition number", "cond", E1},
    {"Norm", "", E12},
    {"Rcond", "", E1},
    {"Rank", "", E12},
    {"Determinant", "det", E1},
    {"Trace", "", E1},
    {"Null Space", "null", E1},
    {"Orthogonalization", "orth", E1},
    {"Rref", "", E12},
}};
constexpr std::array<OptionRow, 3> kCorrRows{{
    {"Correlation coefficients", "corrcoef", E12},
    {"Covariance matrix", "cov", E12},
    {"Angle between subspaces", "subspace", E12},
}};
constexpr std::array<OptionRow, 4> kDiffRows{{
    {"Diff", "", E123}, {"Gradient", "", E123}, {"Del2", "", E1}, {"Trapz", "", E12}}};
constexpr std::array<OptionRow, 3> kEigRows{{
    {"Eigenvalues", "Eig", E12},
    {"Eigenvectors", "Eig", E12},
    {"Characteristic polynomial", "Poly", E1},
}};
// Option 0's parameter is completed by the hook with the diagonal number.
constexpr std::array<OptionRow, 7> kMatManRows{{
    {"", "Diag|", E1}, {"", "Fliplr", E1}, {"", "Flipud", E1}, {"", "Rot90", E1},
    {"", "Transpose", E1}, {"", "Tril", E1}, {"", "Triu", E1},
}};
constexpr std::array<OptionRow, 12> kSpecMatRows{{
    {"Companion matrix", "Compan", E1},
    {"Several small test matrices", "Gallery", E1},
    {"Hadamard matrix", "Hadamard", E1},
    {"Hankel matrix", "Hankel", E12},
    {"Hilbert matrix", "Hilb", E1},
    {"Inverse Hilbert matrix", "Invhilb", E1},
    {"Kronecker tensor product", "Kron", E12},
    {"Magic square", "Magic", E1},
    {"Pascal matrix", "Pascal", E12},
    {"Toeplitz matrix", "Toeplitz", E12},
    {"Vandermonde matrix", "Vander", E1},
    {"Wilkinson's eigenvalue test matrix", "Wilkinson", E1},
}};
constexpr std::array<OptionRow, 9> kVecRows{{
    {"Sort", "", E1},
    {"Sum", "", E1},
    {"Prod", "", E1},
    {"Cumulative sum", "cumsum", E1},
    {"Cumulative Product", "cumprod", E1},
    {"Cross", "", E12},
    {"Dot", "", E12},
    {"Filter", "", E123},
    {"Filter2", "", E123},
}};
// The operator is the parameter and names the icon; the kind stays.
constexpr std::array<OptionRow, 4> kLogicRows{{
    {"", "|", E123}, {"", "&", E123}, {"", "~", E1}, {"", "xor", E12}}};
constexpr std::array<OptionRow, 6> kConstRows{{
    {"", "pi", kNoSlots},
    {"", "exp(1)", kNoSlots},
    {"", "eps", kNoSlots},
    {"", "sqrt(-1)", kNoSlots},
    {"", "flops", kNoSlots},
    {"", "", kNoSlots},  // the arbitrary constant, read by the hook
}};
constexpr int kArbitraryConstantRow = 5;
// The function name; the hook appends the size.
constexpr std::array<OptionRow, 5> kMakeMatRows{{
    {"", "ones", kNoSlots},
    {"", "zeros", kNoSlots},
    {"", "eye", kNoSlots},
    {"", "rand", kNoSlots},
    {"", "randn", kNoSlots},
}};

// The order is the parameter of every Bessel box, whichever row applied.
void BesselOrder(BoxType& box, const OptionRow*, int, const FormAnswer& answer) {
  box.params = answer.text("txtOrder");
}

// Only a Find box keeps a condition, and only a typed one.
void FindCondition(BoxType& box, const OptionRow* row, int index, const FormAnswer& answer) {
  if (row == nullptr || index != kFindRow) return;
  const std::string condition = answer.text("txtCond");
  if (!condition.empty()) box.params = condition;
}

void DiagonalNumber(BoxType& box, const OptionRow* row, int index, const FormAnswer& answer) {
  if (row != nullptr && index == 0) box.params = "Diag|" + answer.text("diag");
}

void ArbitraryConstant(BoxType& box, const OptionRow* row, int index, const FormAnswer& answer) {
  if (row != nullptr && index == kArbitraryConstantRow) box.params = answer.text("txtConst");
}

void MatrixSize(BoxType& box, const OptionRow* row, int, const FormAnswer& answer) {
  if (row != nullptr)
    box.params += "(" + answer.text("txtRows") + "," + answer.text("txtCols") + ")";
}

const std::array<OptionCommand, 23> kCommands{{
    {"mnuSpecialBessel_Click", "frmBessel", "", E1, kBesselRows, BesselOrder},
    {"mnuSpecialBeta_Click", "frmBetaFunc", "", E123, kBetaRows},
    {"mnuSpecialCheck_Click", "frmCheck", "", E1, kCheckRows, FindCondition},
    {"mnuSpecialError_Click", "frmErrorFunction", "", E1, kErrorRows},
    {"mnuSpecialInt_Click", "frmIntFunction", "", E12, kIntRows},
    {"mnuSpecialNumerical_Click", "frmNumeric", "", E123, kNumericRows},
    {"mnuSpecialPoly_Click", "frmPoly", "", E123, kPolyRows},
    {"mnuOperatorsComplex_Click", "frmCmplx", "", E1, kCmplxRows},
    {"mnuOperatorsRound_Click", "frmRound", "", E1, kRoundRows},
    {"mnuSounds_Click", "frmSound", "", E123, kSoundRows},
    {"mnuStringCompare_Click", "frmStrCompare", "", E12, kStrCompareRows},
    {"mnuStringConvert_Click", "frmStrConvert", "", E1, kStrConvertRows},
    {"mnuStringMake_Click", "frmStrMake", "", E1, kStrMakeRows},
    {"mnuMatAnalysis_Click", "frmMatAnalysis", "", E1, kMatAnalysisRows},
    {"mnuMatCorr_Click", "frmCorr", "", E12, kCorrRows},
    {"mnuMatDiff_Click", "frmDiff", "", E123, kDiffRows},
    {"mnuMatEig_Click", "frmEig", "", E123, kEigRows},
    {"mnuMatMan_Click", "frmMatMan", "Matrix Manipulation", E1, kMatManRows, DiagonalNumber,
     IconRule::MatrixWord},
    {"mnuMatSpecMat_Click", "frmSpecMat", "", E1, kSpecMatRows},
    {"mnuMatVectorOperations_Click", "frmVec", "", E1, kVecRows},
    {"mnuOperatorsLogic_Click", "frmLogic", "Logic Operator", E123, kLogicRows, nullptr,
     IconRule::Params},
    {"mnuConst_Click", "frmConst", "Constant Input", kNoSlots, kConstRows, ArbitraryConstant},
    {"mnuMatMake_Click", "frmMakeMat", "Matrix Make Input", kNoSlots, kMakeMatRows, MatrixSize},
}};

}  // namespace

std::span<const OptionCommand> OptionCommands() { return kCommands; }

const OptionCommand* FindOptionCommand(std::string_view handler) {
  for (const OptionCommand& c : kCommands)
    if (c.handler == handler) return &c;
  return nullptr;
}

const OptionRow* MatchOptionRow(const OptionCommand& command, const std::string& index,
                                int& position) {
  const OptionForm* form = FindOptionForm(command.form);
  const int first = form ? form->firstIndex : 0;
  for (std::size_t i = 0; i < command.rows.size(); ++i) {
    if (index == std::to_string(first + static_cast<int>(i))) {
      position = static_cast<int>(i);
      return &command.rows[i];
    }
  }
  position = -1;
  return nullptr;
}

std::string OptionIconKey(const OptionCommand& command, const BoxType& box) {
  switch (command.icon) {
    case IconRule::Params:
      return box.params;
    case IconRule::MatrixWord:
      return box.params.starts_with("Diag") ? std::string("Diag") : box.params;
    case IconRule::Kind:
      break;
  }
  return box.kind;
}

void RunOptionCommand(CommandContext& ctx, const OptionCommand& command) {
  const int n = BeginInsert(ctx);
  if (n == 0) return;
  BoxType type{std::string(command.presetKind), "", command.before, kAllExits};
  TypeBox(ctx, n, type);
  const FormAnswer answer = ctx.questions().askForm(command.form);
  int position = -1;
  const OptionForm* form = FindOptionForm(command.form);
  const std::string chosen = answer.text(form ? form->indexWidget : "txtOpn");
  const OptionRow* row = MatchOptionRow(command, chosen, position);
  if (row != nullptr) {
    if (!row->kind.empty()) type.kind = row->kind;
    type.params = row->params;
    type.entries = row->entries;
  }
  if (command.hook != nullptr) command.hook(type, row, position, answer);
  // The dialog may have run for a while: a box no longer waiting is left be.
  if (!TypeBox(ctx, n, type)) return;
  ShowBoxIcon(ctx, n, OptionIconKey(command, type));
}

}  // namespace quorvin
