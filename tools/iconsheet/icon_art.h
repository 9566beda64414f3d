#pragma once
// What the icon sheet shows in each cell: one entry per icon number, named by
// one of its icon keys (the number comes from the model's icon table through
// SelectBoxIcon, so the sheet cannot drift from it), with the family that gives
// the cell its background colour, a pictogram and a short label.
// The empty key stands for every key the table does not hold: cell 104.

#include <array>
#include <string_view>

namespace quorvin::iconsheet {

enum class Family {
  kInput,     // keyboard, matrix, file, constant and user inputs
  kOutput,    // screen, file and trash outputs, plots
  kArith,     // arithmetic operators, formula
  kLogic,     // logic operators
  kFunction,  // trigonometric, log, root, rounding
  kComplex,   // complex-number commands
  kMatrix,    // matrix and vector commands, analysis, eigen, special matrices
  kFFT,       // Fourier transforms
  kNumeric,   // numerical solutions and polynomials
  kSpecial,   // special functions: Bessel, beta, gamma, error, integer
  kString,    // string commands
  kSound,     // sound commands
  kCheck,     // tests (is...)
  kControl,   // loops, branches, subroutines, pause
  kMisc,      // comment, MATLAB command, pick-up, arrow
  kUnknown,   // cell 104
};

enum class Art {
  kText,        // the label alone, as large as fits
  kArrow,       // a connecting arrow
  kPlotLine,    // axes with a broken line
  kPlotSine,    // axes with a sine curve
  kPolar,       // polar grid with a spiral
  kBar,         // bar chart
  kStem,        // stem plot
  kErrorBar,    // points with error bars
  kPlot3d,      // a 3-D mesh
  kPscolor,     // a grid of coloured squares
  kKeyboard,    // a keyboard
  kFileIn,      // a text file with an arrow coming out of it
  kFileOut,     // a text file with an arrow going into it
  kScreen,      // a monitor
  kTrash,       // a waste bin
  kSpeaker,     // a loudspeaker with sound waves
  kDiamond,     // a decision diamond around the label
  kLoop,        // a looping arrow above the label
  kSubroutine,  // the flowchart "predefined process" box around the label
  kPause,       // pause bars above the label
  kCheck,       // a tick above the label
  kNote,        // a note sheet around the label
  kMatrixGrid,  // brackets around a grid of entries
  kDiagonal,    // 3x3 entries, the diagonal dark, label below
  kTriLower,    // 3x3 entries, the lower triangle dark, label below
  kTriUpper,    // 3x3 entries, the upper triangle dark, label below
  kQuestion,    // a generic box with a question mark
};

struct IconArt {
  std::string_view key;    // an icon key of this cell ("" for cell 104)
  Family family;
  Art art;
  std::string_view label;  // UTF-8; "\n" separates lines
};

using F = Family;
using A = Art;

// One entry per icon number in use, ordered by number (in the comments).
inline constexpr std::array kIconArt{
    IconArt{"Abs", F::kComplex, A::kText, "|z|"},                          // 1
    IconArt{"ACos", F::kFunction, A::kText, "acos"},                       // 2
    IconArt{"ACot", F::kFunction, A::kText, "acot"},                       // 3
    IconArt{"Arrow", F::kMisc, A::kArrow, ""},                             // 4
    IconArt{"ASin", F::kFunction, A::kText, "asin"},                       // 5
    IconArt{"ATan", F::kFunction, A::kText, "atan"},                       // 6
    IconArt{"Auread", F::kSound, A::kText, "read\n.au"},                   // 7
    IconArt{"Auwrite", F::kSound, A::kText, "write\n.au"},                 // 8
    IconArt{"Bar", F::kOutput, A::kBar, ""},                               // 9
    IconArt{"BesselI", F::kSpecial, A::kText, "Bessel\nI"},                // 10
    IconArt{"BesselJ", F::kSpecial, A::kText, "Bessel\nJ"},                // 11
    IconArt{"BesselK", F::kSpecial, A::kText, "Bessel\nK"},                // 12
    IconArt{"BesselY", F::kSpecial, A::kText, "Bessel\nY"},                // 13
    IconArt{"Beta function", F::kSpecial, A::kText, "beta\nβ"},            // 14
    IconArt{"Blanks", F::kString, A::kText, "blanks\n␣␣␣"},               // 15
    IconArt{"Basic Arithmatic", F::kArith, A::kText, "+ −\n× ÷"},          // 16
    IconArt{"Ceil", F::kFunction, A::kText, "ceil\n⌈x⌉"},                  // 17
    IconArt{"Characteristic polynomial", F::kMatrix, A::kText, "char\npoly"},  // 18
    IconArt{"Check", F::kCheck, A::kCheck, "is?"},                         // 19
    IconArt{"Comment", F::kMisc, A::kNote, "%"},                           // 20
    IconArt{"Complex Operators", F::kComplex, A::kText, "a+bi"},           // 21
    IconArt{"Conj", F::kComplex, A::kText, "conj\nz*"},                    // 22
    IconArt{"Construct Polynomial", F::kNumeric, A::kText, "poly\n(r)"},   // 23
    IconArt{"Constant Input", F::kInput, A::kText, "const\nπ"},            // 24
    IconArt{"Multiply Polynomials", F::kNumeric, A::kText, "p×q"},   // 25
    IconArt{"Correlation", F::kMatrix, A::kText, "corr\ncov"},             // 26
    IconArt{"Cos", F::kFunction, A::kText, "cos"},                         // 27
    IconArt{"Cot", F::kFunction, A::kText, "cot"},                         // 28
    IconArt{"Cross", F::kMatrix, A::kText, "cross\na×b"},                  // 30
    IconArt{"Deblank", F::kString, A::kText, "de-\nblank"},                // 31
    IconArt{"Devide Polynomials", F::kNumeric, A::kText, "p÷q"},   // 32
    IconArt{"Del2", F::kMatrix, A::kText, "del2\n∇²"},                     // 33
    IconArt{"Determinant", F::kMatrix, A::kText, "det\n|A|"},              // 34
    IconArt{"Diag", F::kMatrix, A::kDiagonal, "diag"},                     // 35
    IconArt{"ODE23", F::kNumeric, A::kText, "ODE\ny'=f"},                  // 36
    IconArt{"Diff", F::kMatrix, A::kText, "diff\nΔ"},                      // 37
    IconArt{"Dot", F::kMatrix, A::kText, "dot\na·b"},                      // 38
    IconArt{"Ascii File Output", F::kOutput, A::kFileOut, ""},          // 39
    IconArt{"Dummy Input", F::kInput, A::kText, "dum-\nmy ∅"},               // 40
    IconArt{"Eigen", F::kMatrix, A::kText, "eig\nλ,v"},                    // 41
    IconArt{"Eigenvalues", F::kMatrix, A::kText, "eig\nλ"},                // 42
    IconArt{"Eigenvectors", F::kMatrix, A::kText, "eig\nv"},               // 43
    IconArt{"End If", F::kControl, A::kText, "end\nif"},                   // 44
    IconArt{"Error Bar", F::kOutput, A::kErrorBar, ""},                    // 45
    IconArt{"Error function", F::kSpecial, A::kText, "erf"},               // 46
    IconArt{"Eval", F::kString, A::kText, "eval\n'..'"},                   // 47
    IconArt{"Exponential integral function", F::kSpecial, A::kText, "exp\nint"},  // 48
    IconArt{"FFT", F::kFFT, A::kText, "FFT"},                              // 49
    IconArt{"FFT2", F::kFFT, A::kText, "FFT\n2D"},                         // 50
    IconArt{"FFTShift", F::kFFT, A::kText, "FFT\nshift"},                  // 51
    IconArt{"Filter", F::kMatrix, A::kText, "filter"},                     // 52
    IconArt{"Fix", F::kFunction, A::kText, "fix\n→0"},                     // 53
    IconArt{"Fliplr", F::kMatrix, A::kText, "flip\n↔"},                    // 54
    IconArt{"Flipud", F::kMatrix, A::kText, "flip\n↕"},                    // 55
    IconArt{"Floor", F::kFunction, A::kText, "floor\n⌊x⌋"},                // 56
    IconArt{"Ascii File Input", F::kInput, A::kFileIn, ""},             // 57
    IconArt{"For", F::kControl, A::kLoop, "for"},                          // 58
    IconArt{"Compute Function", F::kArith, A::kText, "f(x)"},              // 59
    IconArt{"Gamma function", F::kSpecial, A::kText, "Γ(x)"},          // 60
    IconArt{"Gradient", F::kMatrix, A::kText, "grad\n∇"},                  // 61
    IconArt{"Plot Output", F::kOutput, A::kPlotLine, ""},                  // 62
    IconArt{"Break", F::kControl, A::kText, "break"},                      // 63
    IconArt{"If", F::kControl, A::kDiamond, "if"},                         // 64
    IconArt{"IFFT", F::kFFT, A::kText, "IFFT"},                            // 65
    IconArt{"Imag", F::kComplex, A::kText, "imag\nIm"},                    // 66
    IconArt{"Low Integrate", F::kNumeric, A::kText, "quad\n∫"},            // 68
    IconArt{"Interpolate", F::kNumeric, A::kText, "interp"},               // 69
    IconArt{"Interpolate with FFT", F::kNumeric, A::kText, "interp\nFFT"}, // 70
    IconArt{"Integer Function", F::kSpecial, A::kText, "gcd\nlcm"},        // 71
    IconArt{"Keyboard Input", F::kInput, A::kKeyboard, ""},                // 72
    IconArt{"Matrix Length", F::kMatrix, A::kText, "length"},              // 73
    IconArt{"lin2mu", F::kSound, A::kText, "lin\n→μ"},                     // 74
    IconArt{"Log", F::kFunction, A::kText, "log"},                         // 75
    IconArt{"&", F::kLogic, A::kText, "&"},                                // 76
    IconArt{"~", F::kLogic, A::kText, "~"},                                // 77
    IconArt{"|", F::kLogic, A::kText, "|"},                                // 78
    IconArt{"xor", F::kLogic, A::kText, "xor"},                            // 79
    IconArt{"Lower", F::kString, A::kText, "lower\nabc"},                  // 80
    IconArt{"Tril", F::kMatrix, A::kTriLower, "tril"},                     // 81
    IconArt{"Matrix Make Input", F::kInput, A::kText, "zeros\nones"},      // 82
    IconArt{"MatAnalysis", F::kMatrix, A::kText, "rank\nnorm"},            // 83
    IconArt{"Matlab Command", F::kMisc, A::kText, ">>\ncmd"},              // 84
    IconArt{"Matrix Manipulation", F::kMatrix, A::kText, "manip\n[ ]"},    // 85
    IconArt{"Matrix Input", F::kInput, A::kMatrixGrid, ""},                // 86
    IconArt{"mu2lin", F::kSound, A::kText, "μ→\nlin"},                     // 87
    IconArt{"Next", F::kControl, A::kLoop, "next"},                        // 88
    IconArt{"Numerical", F::kNumeric, A::kText, "ODE\n∫dx"},               // 89
    IconArt{"Pause", F::kControl, A::kPause, "pause"},                     // 90
    IconArt{"Partial Fraction Expantion", F::kNumeric, A::kText, "resi-\ndue"},  // 91
    IconArt{"Angle", F::kComplex, A::kText, "angle\n∠"},                   // 92
    IconArt{"Pickup", F::kMisc, A::kText, "pick\nup"},                     // 93
    IconArt{"Plot2d", F::kOutput, A::kPlotSine, ""},                       // 94
    IconArt{"Plot3d", F::kOutput, A::kPlot3d, ""},                         // 95
    IconArt{"Polar", F::kOutput, A::kPolar, ""},                           // 96
    IconArt{"Polynomial", F::kNumeric, A::kText, "p(x)"},                  // 97
    IconArt{"Differentiate Polynomial", F::kNumeric, A::kText, "p'(x)"},   // 98
    IconArt{"Fit Polynomial", F::kNumeric, A::kText, "poly\nfit"},         // 99
    IconArt{"Polynomial Evaluation", F::kNumeric, A::kText, "poly\nval"},  // 100
    IconArt{"Matrix Polynomial Evaluation", F::kNumeric, A::kText, "poly\nvalm"},  // 101
    IconArt{"Prod", F::kMatrix, A::kText, "prod\nΠ"},                      // 102
    IconArt{"Pscolor", F::kOutput, A::kPscolor, ""},                       // 103
    IconArt{"", F::kUnknown, A::kQuestion, "?"},                           // 104
    IconArt{"Real", F::kComplex, A::kText, "real\nRe"},                    // 105
    IconArt{"Rem", F::kFunction, A::kText, "rem"},                         // 106
    IconArt{"Polynomial Roots", F::kNumeric, A::kText, "roots"},           // 107
    IconArt{"Rot90", F::kMatrix, A::kText, "rot\n90°"},                    // 108
    IconArt{"Round", F::kFunction, A::kText, "round"},                     // 109
    IconArt{"Sound axis scaling", F::kSound, A::kText, "saxis"},           // 110
    IconArt{"SetStr", F::kString, A::kText, "set\nstr"},                   // 111
    IconArt{"Sign", F::kFunction, A::kText, "sign\n±"},                    // 112
    IconArt{"+", F::kArith, A::kText, "+"},                                // 113
    IconArt{"/", F::kArith, A::kText, "/"},                                // 114
    IconArt{"*", F::kArith, A::kText, "*"},                                // 115
    IconArt{"^", F::kArith, A::kText, "^"},                                // 116
    IconArt{"-", F::kArith, A::kText, "−"},                                // 117
    IconArt{"Sin", F::kFunction, A::kText, "sin"},                         // 118
    IconArt{"Screen Output", F::kOutput, A::kScreen, ""},                  // 119
    IconArt{"Matrix Size", F::kMatrix, A::kText, "size"},                  // 120
    IconArt{"Sort", F::kMatrix, A::kText, "sort"},                         // 122
    IconArt{"Sound", F::kSound, A::kSpeaker, ""},                          // 123
    IconArt{"Special Matrix", F::kMatrix, A::kText, "magic\nhilb"},        // 124
    IconArt{"Sqrt", F::kFunction, A::kText, "√x"},                         // 125
    IconArt{"Stem", F::kOutput, A::kStem, ""},                             // 126
    IconArt{"String Compare", F::kString, A::kText, "str\ncmp"},           // 127
    IconArt{"String Convert", F::kString, A::kText, "str↔\nnum"},          // 128
    IconArt{"String Make", F::kString, A::kText, "'abc'"},                 // 129
    IconArt{"Subroutine", F::kControl, A::kSubroutine, "sub"},             // 130
    IconArt{"Angle between subspaces", F::kMatrix, A::kText, "sub\nspace"},  // 131
    IconArt{"Sum", F::kMatrix, A::kText, "sum\nΣ"},                        // 132
    IconArt{"Tan", F::kFunction, A::kText, "tan"},                         // 133
    IconArt{"Transpose", F::kMatrix, A::kText, "A'"},                      // 134
    IconArt{"Trapz", F::kMatrix, A::kText, "trapz\n∫"},                    // 135
    IconArt{"Trash", F::kOutput, A::kTrash, ""},                           // 136
    IconArt{"Unwrap", F::kComplex, A::kText, "un-\nwrap"},                 // 137
    IconArt{"Upper", F::kString, A::kText, "upper\nABC"},                  // 138
    IconArt{"Triu", F::kMatrix, A::kTriUpper, "triu"},                     // 139
    IconArt{"User Input", F::kInput, A::kText, "user\n>_"},                // 140
    IconArt{"Vecops", F::kMatrix, A::kText, "vec\nops"},                   // 141
    IconArt{"Vector Make Input", F::kInput, A::kText, "[1:n]"},            // 142
    IconArt{"wavread", F::kSound, A::kText, "read\n.wav"},                 // 143
    IconArt{"wavwrite", F::kSound, A::kText, "write\n.wav"},               // 144
    IconArt{"While", F::kControl, A::kLoop, "while"},                      // 145
    IconArt{"Split", F::kMatrix, A::kText, "split"},                       // 146
};

// Background colour of each family, 0xRRGGBB, in the order of Family.
inline constexpr std::array<unsigned, 16> kFamilyColour{
    0xB5E3A8,  // input: green
    0xA9CDF5,  // output and plots: blue
    0xFBE38A,  // arithmetic: yellow
    0xF9C38A,  // logic: orange
    0xD5C3F2,  // functions: lavender
    0xF4B6A8,  // complex: salmon
    0xA6E1DE,  // matrix: cyan
    0xD4EB9A,  // FFT: lime
    0xE6D5AC,  // numerical and polynomial: sand
    0xECBDE8,  // special functions: magenta
    0xF7BFD6,  // strings: pink
    0xD2B48C,  // sound: tan
    0xEF9A9A,  // checks: red
    0xCDD2DB,  // control flow: grey-blue
    0xF4F4F4,  // misc: white
    0xDDDDDD,  // unknown: grey
};

}  // namespace quorvin::iconsheet
