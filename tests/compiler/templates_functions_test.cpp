// Statements of the function families: name from the kind or from Params,
// fixed and optional arguments, and the two closings " );" and ");".

#include "templates_cases.h"

namespace quorvin::testing {
namespace {

TEST(TemplateFunctions, IntegrationInterpolationPolynomialsAndComplexSort) {
  ExpectStatements({
      {"Low Integrate", "quad", 7, {3, 4, 5}, "box7=quad(box3,box4,box5 );\r\n"},
      {"High Integrate", "quad8", 7, {3, 4, 5}, "box7=quad8(box3,box4,box5 );\r\n"},
      {"Interpolate", "interp", 6, {1, 2, -1}, "box6=interp(box1,box2 );\r\n"},
      {"Interpolate with FFT", "interpft", 6, {1, 2, -1}, "box6=interpft(box1,box2 );\r\n"},
      {"Multiply Polynomials", "conv", 5, {1, 2, -1}, "box5=conv(box1,box2 );\r\n"},
      {"Devide Polynomials", "deconv", 5, {1, 2, -1}, "box5=deconv(box1,box2 );\r\n"},
      {"Differentiate Polynomial", "polyder", 5, {1, 2, -1}, "box5=polyder(box1,box2 );\r\n"},
      {"Fit Polynomial", "polyfit", 8, {1, 2, 3}, "box8=polyfit(box1,box2,box3 );\r\n"},
      {"Partial Fraction Expantion", "residue", 9, {1, 2, 3},
       "box9=residue(box1,box2,box3 );\r\n"},
      {"Matrix Polynomial Evaluation", "polyvalm", 5, {1, 2, -1},
       "box5=polyvalm(box1,box2 );\r\n"},
      // Entry 3 must be ready, but polyval is given two arguments.
      {"Polynomial Evaluation", "polyval", 8, {1, 2, 3}, "box8=polyval(box1,box2 );\r\n"},
      {"Construct Polynomial", "poly", 7, {3, -1, -1}, "box7=poly(box3 );\r\n"},
      {"Polynomial Roots", "roots", 7, {3, -1, -1}, "box7=roots(box3 );\r\n"},
      // A free second entry is still written, as box0.
      {"Sort Complex", "cplxpair", 4, {2, 0, -1}, "box4=cplxpair(box2,box0 );\r\n"},
      // The stored name is lowered whatever its case.
      {"Devide Polynomials", "DeConv", 5, {1, 2, -1}, "box5=deconv(box1,box2 );\r\n"},
  });
}

TEST(TemplateFunctions, ProductsIntegerFunctionsAndChecks) {
  ExpectStatements({
      {"Dot", "", 6, {3, 0, -1}, "box6=dot(box3,box0 );\r\n"},
      {"Cross", "", 6, {1, 2, -1}, "box6=cross(box1,box2 );\r\n"},
      {"GCD", "", 5, {1, 2, 0}, "box5=gcd(box1,box2 );\r\n"},
      {"LCM", "", 5, {1, 0, 0}, "box5=lcm(box1,box0 );\r\n"},
      {"IsNAN", "", 4, {2, 0, 0}, "box4=isnan(box2 );\r\n"},
      {"IsINF", "", 4, {2, 0, 0}, "box4=isinf(box2 );\r\n"},
      {"Finite", "", 4, {2, 0, 0}, "box4=finite(box2 );\r\n"},
      {"IsGlobal", "", 4, {2, 0, 0}, "box4=isglobal(box2 );\r\n"},
      {"Find", "", 4, {2, 0, 0}, "box4=find(box2 );\r\n"},
      {"Find", ">3", 4, {2, 0, 0}, "box4=find(box2>3 );\r\n"},
      // Only Find writes its Params.
      {"IsEmpty", ">3", 4, {2, 0, 0}, "box4=isempty(box2 );\r\n"},
  });
}

TEST(TemplateFunctions, SpecialFunctionsTakeFollowingEntriesWhileTheyHoldBoxes) {
  ExpectStatements({
      {"Beta function", "Beta", 5, {1, 2, 0}, "box5=beta(box1,box2);\r\n"},
      {"Incomplete beta function", "Betainc", 5, {1, 2, 3}, "box5=betainc(box1,box2,box3);\r\n"},
      {"Incomplete gamma function", "GammaInc", 5, {1, 2, 0}, "box5=gammainc(box1,box2);\r\n"},
      {"Gamma function", "Gamma", 5, {1, 0, 0}, "box5=gamma(box1);\r\n"},
      {"Logarithm of gamma function", "gammaln", 5, {1, 0, 0}, "box5=gammaln(box1);\r\n"},
      {"Associated Legendre function", "Legendre", 5, {1, 2, 0}, "box5=legendre(box1,box2);\r\n"},
      {"Scaled complementary error function", "erfcx", 5, {1, 0, 0}, "box5=erfcx(box1);\r\n"},
      // Entry 3 is not looked at when entry 2 holds no box.
      {"Error function", "erf", 5, {1, 0, 3}, "box5=erf(box1);\r\n"},
      {"Inverse error function", "erfinv", 5, {1, -1, 3}, "box5=erfinv(box1);\r\n"},
  });
}

TEST(TemplateFunctions, StringComparisonMakingAndConversion) {
  ExpectStatements({
      {"StrCmp", "", 4, {1, 2, -1}, "box4=strcmp(box1,box2);\r\n"},
      {"FindStr", "", 4, {1, 2, -1}, "box4=findstr(box1,box2);\r\n"},
      {"StrTok", "", 4, {1, 0, -1}, "box4=strtok(box1,box0);\r\n"},
      {"StrRep", "", 4, {1, 2, 3}, "box4=strrep(box1,box2,box3);\r\n"},
      {"Upper", "", 4, {2, -1, -1}, "box4=upper(box2);\r\n"},
      {"Lower", "", 4, {2, 5, 6}, "box4=lower(box2);\r\n"},
      {"SetStr", "", 4, {1, -1, -1}, "box4=setstr(box1);\r\n"},
      {"Blanks", "", 4, {1, -1, -1}, "box4=blanks(box1);\r\n"},
      {"Deblank", "", 4, {1, -1, -1}, "box4=deblank(box1);\r\n"},
      {"Eval", "", 4, {1, 0, -1}, "box4=eval(box1,box0);\r\n"},
      {"Str2Mat", "", 4, {1, 2, 3}, "box4=str2mat(box1,box2);\r\n"},
      {"Str2Mat", "", 4, {1, 0, 3}, "box4=str2mat(box1);\r\n"},
      {"Mat2Str", "", 4, {1, 2, 3}, "box4=mat2str(box1,box2,box3);\r\n"},
      // Mat2Str's second input sits on entry 3 (entry 2 is absent).
      {"Mat2Str", "", 4, {1, -1, 3}, "box4=mat2str(box1,box3);\r\n"},
      {"Mat2Str", "", 4, {1, -1, -1}, "box4=mat2str(box1);\r\n"},
      {"Num2Str", "", 4, {1, 2, 3}, "box4=num2str(box1);\r\n"},
      {"Int2Str", "", 4, {1, -1, -1}, "box4=int2str(box1);\r\n"},
      {"Str2Num", "", 4, {1, -1, -1}, "box4=str2num(box1);\r\n"},
      {"Hex2Num", "", 4, {1, -1, -1}, "box4=hex2num(box1);\r\n"},
      {"Hex2Dec", "", 4, {1, -1, -1}, "box4=hex2dec(box1);\r\n"},
      {"Dec2Hex", "", 4, {1, -1, -1}, "box4=dec2hex(box1);\r\n"},
  });
}

TEST(TemplateFunctions, SpecialMatricesEigenStatisticsAndUnwrapNeverWriteAThirdArgument) {
  ExpectStatements({
      {"Magic square", "Magic", 3, {1, -1, -1}, "box3=magic(box1);\r\n"},
      {"Toeplitz matrix", "Toeplitz", 3, {1, 2, 4}, "box3=toeplitz(box1,box2);\r\n"},
      {"Kronecker tensor product", "Kron", 3, {1, 0, -1}, "box3=kron(box1);\r\n"},
      {"Wilkinson's eigenvalue test matrix", "Wilkinson", 3, {1, -1, -1},
       "box3=wilkinson(box1);\r\n"},
      {"Several small test matrices", "Gallery", 3, {1, -1, -1}, "box3=gallery(box1);\r\n"},
      {"Eigenvalues", "Eig", 3, {1, 0, 0}, "box3=eig(box1);\r\n"},
      {"Characteristic polynomial", "Poly", 3, {1, 2, 4}, "box3=poly(box1,box2);\r\n"},
      {"Cumulative sum", "cumsum", 5, {1, -1, -1}, "box5=cumsum(box1 );\r\n"},
      {"Cumulative Product", "cumprod", 5, {1, -1, -1}, "box5=cumprod(box1 );\r\n"},
      {"Null Space", "null", 5, {1, 2, 3}, "box5=null(box1,box2 );\r\n"},
      {"Determinant", "det", 5, {1, 0, 0}, "box5=det(box1 );\r\n"},
      {"Matrix condition number", "cond", 5, {1, 2, 0}, "box5=cond(box1,box2 );\r\n"},
      {"Angle between subspaces", "subspace", 5, {1, 2, 0}, "box5=subspace(box1,box2 );\r\n"},
      {"Sound axis scaling", "saxis", 5, {1, 0, 0}, "box5=saxis(box1 );\r\n"},
      {"Unwrap", "", 5, {1, 2, 3}, "box5=unwrap(box1,box2 );\r\n"},
      {"Unwrap", "", 5, {1, 0, -1}, "box5=unwrap(box1 );\r\n"},
  });
}

TEST(TemplateFunctions, EigenvectorsWriteTwoLines) {
  ExpectStatements({
      {"Eigenvectors", "Eig", 3, {1, 0, 0}, "[box3,temp1]=eig(box1);\r\nclear temp1;\r\n"},
      {"Eigenvectors", "Eig", 3, {1, 2, 0},
       "[box3,temp1]=eig(box1,box2);\r\nclear temp1;\r\n"},
  });
}

TEST(TemplateFunctions, AnalysisDifferencesSoundAndFilters) {
  ExpectStatements({
      // Entries 2 and 3 are tested independently.
      {"Trapz", "", 5, {1, 0, 3}, "box5=trapz(box1,box3 );\r\n"},
      {"Diff", "", 5, {1, 2, 3}, "box5=diff(box1,box2,box3 );\r\n"},
      {"Norm", "", 5, {1, 2, 0}, "box5=norm(box1,box2 );\r\n"},
      {"Rref", "", 5, {1, 0, 0}, "box5=rref(box1 );\r\n"},
      {"wavread", "", 5, {1, 0, 0}, "box5=wavread(box1 );\r\n"},
      {"wavwrite", "", 5, {1, 2, 3}, "box5=wavwrite(box1,box2,box3 );\r\n"},
      {"Auwrite", "", 5, {1, 2, 0}, "box5=auwrite(box1,box2 );\r\n"},
      {"lin2mu", "", 5, {1, 0, 0}, "box5=lin2mu(box1 );\r\n"},
      {"Filter", "", 5, {1, 2, 3}, "box5=filter(box1,box2,box3 );\r\n"},
      {"Filter2", "", 5, {1, 2, 0}, "box5=filter2(box1,box2,box0 );\r\n"},
  });
}

TEST(TemplateFunctions, OneInputFunctionsFourierTransformsAndBessel) {
  ExpectStatements({
      {"Cos", "", 7, {3, -1, -1}, "box7=cos(box3);\r\n"},
      {"ACot", "", 7, {3, -1, -1}, "box7=acot(box3);\r\n"},
      {"Sqrt", "", 7, {3, -1, -1}, "box7=sqrt(box3);\r\n"},
      {"FFTShift", "", 7, {3, -1, -1}, "box7=fftshift(box3);\r\n"},
      {"Sum", "", 6, {0, -1, -1}, "box6=sum(box0);\r\n"},
      {"Sort", "", 6, {2, -1, -1}, "box6=sort(box2);\r\n"},
      // rem needs both of its entries.
      {"Rem", "", 5, {1, 2, -1}, "box5=rem(box1,box2);\r\n"},
      {"Rem", "", 5, {1, 0, -1}, "box5=rem(box1,box0);\r\n"},
      {"FFT", "", 9, {4, 5, 0}, "box9=fft(box4,box5);\r\n"},
      {"FFT", "", 9, {4, 0, 0}, "box9=fft(box4);\r\n"},
      {"IFFT", "", 9, {4, 5, 6}, "box9=ifft(box4,box5);\r\n"},
      {"FFT2", "", 9, {4, 0, 6}, "box9=fft2(box4);\r\n"},
      {"IFFT2", "", 9, {4, 5, 6}, "box9=ifft2(box4,box5,box6);\r\n"},
      {"BesselJ", "2", 12, {3, 0, 0}, "box12=besselj(2,box3);\r\n"},
      // The order is written as stored, not lowered, even when empty.
      {"BesselY", "N", 12, {3, 0, 0}, "box12=bessely(N,box3);\r\n"},
      {"BesselK", "", 12, {3, 0, 0}, "box12=besselk(,box3);\r\n"},
  });
}

}  // namespace
}  // namespace quorvin::testing
