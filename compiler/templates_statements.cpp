// The regular box templates: one row per kind saying where the MATLAB name
// comes from, which entries become arguments, and how the call is closed.

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "compiler/templates_arms.h"
#include "compiler/templates_text.h"

namespace quorvin {

namespace {

enum class NameFrom {
  Kind,    // lower(K)
  Params,  // lower(P): the insert command stores the MATLAB name there
  Fixed,   // the row's own name
};

enum class Args {
  I1,                 // (box i1
  I1I2,               // (box i1,box i2            whatever the entries hold
  I1I2I3,             // (box i1,box i2,box i3     whatever the entries hold
  I1OptI2,            // i2 when entry 2 holds a box
  I1OptI2ThenI3,      // i2 when it holds a box, then i3 when it holds one too
  I1OptI2OptI3,       // i2 and i3 each when its entry holds a box
  I1ThirdByName,      // i1, then i3 when the function takes a third argument
  I1I2ThirdByName,    // i1, i2, then i3 likewise
  I1Condition,        // i1 followed directly by P (the optional condition)
  OrderThenI1,        // (P,box i1: P is the order as typed
};

struct StatementTemplate {
  std::string_view kind;
  NameFrom name;
  Args args;
  std::string_view closing;  // followed by NL
  std::string_view fixedName = {};
};

constexpr std::string_view kSpaced = " );";
constexpr std::string_view kTight = ");";

using enum NameFrom;
using enum Args;

// clang-format off
constexpr std::array kStatements = {
    // Matrix commands named by a fixed function.
    StatementTemplate{"Matrix Length", Fixed, I1, kTight, "length"},
    StatementTemplate{"Matrix Size", Fixed, I1, kTight, "size"},

    // Integration, interpolation, polynomials, complex sort.
    StatementTemplate{"Low Integrate", Params, I1I2ThirdByName, kSpaced},
    StatementTemplate{"High Integrate", Params, I1I2ThirdByName, kSpaced},
    StatementTemplate{"Interpolate", Params, I1I2ThirdByName, kSpaced},
    StatementTemplate{"Interpolate with FFT", Params, I1I2ThirdByName, kSpaced},
    StatementTemplate{"Multiply Polynomials", Params, I1I2ThirdByName, kSpaced},
    StatementTemplate{"Devide Polynomials", Params, I1I2ThirdByName, kSpaced},
    StatementTemplate{"Differentiate Polynomial", Params, I1I2ThirdByName, kSpaced},
    StatementTemplate{"Fit Polynomial", Params, I1I2ThirdByName, kSpaced},
    StatementTemplate{"Partial Fraction Expantion", Params, I1I2ThirdByName, kSpaced},
    StatementTemplate{"Matrix Polynomial Evaluation", Params, I1I2ThirdByName, kSpaced},
    StatementTemplate{"Polynomial Evaluation", Params, I1I2ThirdByName, kSpaced},
    StatementTemplate{"Sort Complex", Params, I1I2ThirdByName, kSpaced},
    StatementTemplate{"Construct Polynomial", Params, I1ThirdByName, kSpaced},
    StatementTemplate{"Polynomial Roots", Params, I1ThirdByName, kSpaced},

    // Dot and cross product, greatest common divisor, least common multiple.
    StatementTemplate{"Dot", Kind, I1I2, kSpaced},
    StatementTemplate{"Cross", Kind, I1I2, kSpaced},
    StatementTemplate{"GCD", Kind, I1I2, kSpaced},
    StatementTemplate{"LCM", Kind, I1I2, kSpaced},

    // Checks.
    StatementTemplate{"IsStr", Kind, I1, kSpaced},
    StatementTemplate{"IsLetter", Kind, I1, kSpaced},
    StatementTemplate{"IsSpace", Kind, I1, kSpaced},
    StatementTemplate{"All", Kind, I1, kSpaced},
    StatementTemplate{"Any", Kind, I1, kSpaced},
    StatementTemplate{"Find", Kind, I1Condition, kSpaced},
    StatementTemplate{"IsNAN", Kind, I1, kSpaced},
    StatementTemplate{"IsINF", Kind, I1, kSpaced},
    StatementTemplate{"Finite", Kind, I1, kSpaced},
    StatementTemplate{"IsEmpty", Kind, I1, kSpaced},
    StatementTemplate{"IsReal", Kind, I1, kSpaced},
    StatementTemplate{"IsSparse", Kind, I1, kSpaced},
    StatementTemplate{"IsGlobal", Kind, I1, kSpaced},

    // Beta, gamma, error and related special functions.
    StatementTemplate{"Beta function", Params, I1OptI2ThenI3, kTight},
    StatementTemplate{"Incomplete beta function", Params, I1OptI2ThenI3, kTight},
    StatementTemplate{"Logarithm of beta function", Params, I1OptI2ThenI3, kTight},
    StatementTemplate{"Gamma function", Params, I1OptI2ThenI3, kTight},
    StatementTemplate{"Incomplete gamma function", Params, I1OptI2ThenI3, kTight},
    StatementTemplate{"Logarithm of gamma function", Params, I1OptI2ThenI3, kTight},
    StatementTemplate{"Exponential integral function", Params, I1OptI2ThenI3, kTight},
    StatementTemplate{"Associated Legendre function", Params, I1OptI2ThenI3, kTight},
    StatementTemplate{"Error function", Params, I1OptI2ThenI3, kTight},
    StatementTemplate{"Complementary error function", Params, I1OptI2ThenI3, kTight},
    StatementTemplate{"Scaled complementary error function", Params, I1OptI2ThenI3, kTight},
    StatementTemplate{"Inverse error function", Params, I1OptI2ThenI3, kTight},

    // String comparison, making and conversion.
    StatementTemplate{"StrCmp", Kind, I1I2, kTight},
    StatementTemplate{"FindStr", Kind, I1I2, kTight},
    StatementTemplate{"Upper", Kind, I1, kTight},
    StatementTemplate{"Lower", Kind, I1, kTight},
    StatementTemplate{"StrRep", Kind, I1I2I3, kTight},
    StatementTemplate{"StrTok", Kind, I1I2, kTight},
    StatementTemplate{"SetStr", Kind, I1, kTight},
    StatementTemplate{"Blanks", Kind, I1, kTight},
    StatementTemplate{"Deblank", Kind, I1, kTight},
    StatementTemplate{"Eval", Kind, I1I2, kTight},
    StatementTemplate{"Str2Mat", Kind, I1OptI2, kTight},
    // Entry 2 of a Mat2Str box is absent: its second input arrives on entry
    // 3, so each linked entry is written on its own.
    StatementTemplate{"Mat2Str", Kind, I1OptI2OptI3, kTight},
    StatementTemplate{"Num2Str", Kind, I1, kTight},
    StatementTemplate{"Int2Str", Kind, I1, kTight},
    StatementTemplate{"Str2Num", Kind, I1, kTight},
    StatementTemplate{"Hex2Num", Kind, I1, kTight},
    StatementTemplate{"Hex2Dec", Kind, I1, kTight},
    StatementTemplate{"Dec2Hex", Kind, I1, kTight},

    // Special matrices.
    StatementTemplate{"Companion matrix", Params, I1OptI2, kTight},
    StatementTemplate{"Several small test matrices", Params, I1OptI2, kTight},
    StatementTemplate{"Hadamard matrix", Params, I1OptI2, kTight},
    StatementTemplate{"Hankel matrix", Params, I1OptI2, kTight},
    StatementTemplate{"Hilbert matrix", Params, I1OptI2, kTight},
    StatementTemplate{"Inverse Hilbert matrix", Params, I1OptI2, kTight},
    StatementTemplate{"Kronecker tensor product", Params, I1OptI2, kTight},
    StatementTemplate{"Magic square", Params, I1OptI2, kTight},
    StatementTemplate{"Pascal matrix", Params, I1OptI2, kTight},
    StatementTemplate{"Toeplitz matrix", Params, I1OptI2, kTight},
    StatementTemplate{"Vandermonde matrix", Params, I1OptI2, kTight},
    StatementTemplate{"Wilkinson's eigenvalue test matrix", Params, I1OptI2, kTight},

    // Eigenvalues and the characteristic polynomial.
    StatementTemplate{"Characteristic polynomial", Params, I1OptI2, kTight},
    StatementTemplate{"Eigenvalues", Params, I1OptI2, kTight},

    // Matrix analysis, differences and sound, named by the kind.
    StatementTemplate{"Trapz", Kind, I1OptI2OptI3, kSpaced},
    StatementTemplate{"Diff", Kind, I1OptI2OptI3, kSpaced},
    StatementTemplate{"Gradient", Kind, I1OptI2OptI3, kSpaced},
    StatementTemplate{"Del2", Kind, I1OptI2OptI3, kSpaced},
    StatementTemplate{"Norm", Kind, I1OptI2OptI3, kSpaced},
    StatementTemplate{"Rank", Kind, I1OptI2OptI3, kSpaced},
    StatementTemplate{"Rref", Kind, I1OptI2OptI3, kSpaced},
    StatementTemplate{"Trace", Kind, I1OptI2OptI3, kSpaced},
    StatementTemplate{"Rcond", Kind, I1OptI2OptI3, kSpaced},
    StatementTemplate{"Sound", Kind, I1OptI2OptI3, kSpaced},
    StatementTemplate{"Auread", Kind, I1OptI2OptI3, kSpaced},
    StatementTemplate{"Auwrite", Kind, I1OptI2OptI3, kSpaced},
    StatementTemplate{"wavwrite", Kind, I1OptI2OptI3, kSpaced},
    StatementTemplate{"wavread", Kind, I1OptI2OptI3, kSpaced},
    StatementTemplate{"lin2mu", Kind, I1OptI2OptI3, kSpaced},
    StatementTemplate{"mu2lin", Kind, I1OptI2OptI3, kSpaced},

    // Filters.
    StatementTemplate{"Filter", Kind, I1I2I3, kSpaced},
    StatementTemplate{"Filter2", Kind, I1I2I3, kSpaced},

    // Statistics and related functions, named by P.
    StatementTemplate{"Correlation coefficients", Params, I1OptI2, kSpaced},
    StatementTemplate{"Covariance matrix", Params, I1OptI2, kSpaced},
    StatementTemplate{"Angle between subspaces", Params, I1OptI2, kSpaced},
    StatementTemplate{"Cumulative sum", Params, I1OptI2, kSpaced},
    StatementTemplate{"Cumulative Product", Params, I1OptI2, kSpaced},
    StatementTemplate{"Matrix condition number", Params, I1OptI2, kSpaced},
    StatementTemplate{"Determinant", Params, I1OptI2, kSpaced},
    StatementTemplate{"Null Space", Params, I1OptI2, kSpaced},
    StatementTemplate{"Orthogonalization", Params, I1OptI2, kSpaced},
    StatementTemplate{"Sound axis scaling", Params, I1OptI2, kSpaced},

    // Phase unwrapping.
    StatementTemplate{"Unwrap", Kind, I1OptI2, kSpaced},

    // Functions of one box: trigonometry, logarithm, root, complex parts,
    // rounding, sign, sum, product, sort.
    StatementTemplate{"Sin", Kind, I1, kTight},
    StatementTemplate{"Cos", Kind, I1, kTight},
    StatementTemplate{"Tan", Kind, I1, kTight},
    StatementTemplate{"Cot", Kind, I1, kTight},
    StatementTemplate{"ASin", Kind, I1, kTight},
    StatementTemplate{"ACos", Kind, I1, kTight},
    StatementTemplate{"ATan", Kind, I1, kTight},
    StatementTemplate{"ACot", Kind, I1, kTight},
    StatementTemplate{"Log", Kind, I1, kTight},
    StatementTemplate{"Sqrt", Kind, I1, kTight},
    StatementTemplate{"Abs", Kind, I1, kTight},
    StatementTemplate{"Angle", Kind, I1, kTight},
    StatementTemplate{"Real", Kind, I1, kTight},
    StatementTemplate{"Conj", Kind, I1, kTight},
    StatementTemplate{"Imag", Kind, I1, kTight},
    StatementTemplate{"Fix", Kind, I1, kTight},
    StatementTemplate{"Floor", Kind, I1, kTight},
    StatementTemplate{"Ceil", Kind, I1, kTight},
    // rem needs its divisor: the box has two entries, both are written.
    StatementTemplate{"Rem", Kind, I1I2, kTight},
    StatementTemplate{"Sign", Kind, I1, kTight},
    StatementTemplate{"Round", Kind, I1, kTight},
    StatementTemplate{"FFTShift", Kind, I1, kTight},
    StatementTemplate{"Prod", Kind, I1, kTight},
    StatementTemplate{"Sum", Kind, I1, kTight},
    StatementTemplate{"Sort", Kind, I1, kTight},

    // Fourier transforms with optional sizes.
    StatementTemplate{"FFT", Kind, I1OptI2, kTight},
    StatementTemplate{"IFFT", Kind, I1OptI2, kTight},
    StatementTemplate{"FFT2", Kind, I1OptI2ThenI3, kTight},
    StatementTemplate{"IFFT2", Kind, I1OptI2ThenI3, kTight},

    // Bessel functions: the order comes first.
    StatementTemplate{"BesselJ", Kind, OrderThenI1, kTight},
    StatementTemplate{"BesselY", Kind, OrderThenI1, kTight},
    StatementTemplate{"BesselI", Kind, OrderThenI1, kTight},
    StatementTemplate{"BesselK", Kind, OrderThenI1, kTight},
};
// clang-format on

// The functions of the integration and polynomial rows that take a third
// argument from entry 3.
bool takesThirdArgument(std::string_view name) {
  return name == "quad" || name == "quad8" || name == "polyfit" || name == "residue";
}

void addArgument(std::string& line, int link) {
  line += ",";
  line += boxName(link);
}

std::string functionName(const StatementTemplate& t, const BoxRecord& box) {
  switch (t.name) {
    case Kind: return LowerCased(box.Kind);
    case Params: return LowerCased(box.Params);
    case Fixed: return std::string(t.fixedName);
  }
  return {};
}

std::string statementFor(const StatementTemplate& t, ArmContext& ctx) {
  const BoxRecord& box = ctx.box();
  const std::string name = functionName(t, box);
  std::string line = boxName(ctx.q) + "=" + name + "(";
  if (t.args == OrderThenI1) {
    line += box.Params + "," + boxName(ctx.in(1));
  } else {
    line += boxName(ctx.in(1));
  }
  switch (t.args) {
    case I1:
    case OrderThenI1:
      break;
    case I1I2:
      addArgument(line, ctx.in(2));
      break;
    case I1I2I3:
      addArgument(line, ctx.in(2));
      addArgument(line, ctx.in(3));
      break;
    case I1OptI2:
      if (ctx.hasIn(2)) addArgument(line, ctx.in(2));
      break;
    case I1OptI2ThenI3:
      if (ctx.hasIn(2)) {
        addArgument(line, ctx.in(2));
        if (ctx.hasIn(3)) addArgument(line, ctx.in(3));
      }
      break;
    case I1OptI2OptI3:
      if (ctx.hasIn(2)) addArgument(line, ctx.in(2));
      if (ctx.hasIn(3)) addArgument(line, ctx.in(3));
      break;
    case I1ThirdByName:
      if (takesThirdArgument(name)) addArgument(line, ctx.in(3));
      break;
    case I1I2ThirdByName:
      addArgument(line, ctx.in(2));
      if (takesThirdArgument(name)) addArgument(line, ctx.in(3));
      break;
    case I1Condition:
      line += box.Params;
      break;
  }
  line += t.closing;
  line += NL;
  return line;
}

void writeStatement(ArmContext& ctx) {
  const std::string& kind = ctx.box().Kind;
  const auto row = std::find_if(kStatements.begin(), kStatements.end(),
                                [&](const StatementTemplate& t) { return t.kind == kind; });
  if (row == kStatements.end() || !ctx.ready()) return;
  ctx.script += statementFor(*row, ctx);
  ctx.done();
}

}  // namespace

std::span<const ArmEntry> StatementArms() {
  static const std::vector<ArmEntry> arms = [] {
    std::vector<ArmEntry> out;
    out.reserve(kStatements.size());
    for (const StatementTemplate& t : kStatements) out.push_back({t.kind, &writeStatement});
    return out;
  }();
  return arms;
}

}  // namespace quorvin
