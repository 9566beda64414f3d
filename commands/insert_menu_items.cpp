#include "commands/insert_menu_items.h"

#include <array>

namespace quorvin {
namespace {

constexpr std::array<MenuPlace, 2> kKeyboardPath{{{"mnuInput", "&Inputs"}, {"mnuInputKeyboard", "&Keyboard"}}};
constexpr std::array<MenuPlace, 1> kInputPath{{{"mnuInput", "&Inputs"}}};
constexpr std::array<MenuPlace, 2> kResponsePath{{{"mnuInput", "&Inputs"}, {"mnuInputResponse", "&User Input and Response"}}};
constexpr std::array<MenuPlace, 1> kOutputPath{{{"mnuOutput", "&Output"}}};
constexpr std::array<MenuPlace, 1> kOperatorsPath{{{"mnuOperators", "&Basic Operators"}}};
constexpr std::array<MenuPlace, 1> kTrigPath{{{"mnuTrig", "&Trigonometric Functions"}}};
constexpr std::array<MenuPlace, 1> kMatPath{{{"mnuMat", "&Matrix and Vector Commands"}}};
constexpr std::array<MenuPlace, 1> kFFTPath{{{"mnuFFT", "&Fourier Transforms"}}};
constexpr std::array<MenuPlace, 1> kSpecialPath{{{"mnuSpecial", "&Special Functions"}}};
constexpr std::array<MenuPlace, 1> kStringPath{{{"mnuString", "S&tring Functions"}}};
constexpr std::span<const MenuPlace> kFunctionsPath{};
constexpr std::array<MenuPlace, 1> kLoopPath{{{"mnuLoop", "&Loop Functions"}}};
constexpr std::array<MenuPlace, 1> kCondPath{{{"mnuCond", "&Branching Functions"}}};
constexpr std::array<MenuPlace, 1> kSpecPath{{{"mnuSpec", "&Special Commands"}}};
constexpr std::array<MenuPlace, 2> kSubPath{{{"mnuSpec", "&Special Commands"}, {"mnuSpecSub", "&Subroutines"}}};

const std::array<InsertMenuItem, 66> kItems{{
    {kKeyboardPath, "mnuInputKeyboardScalar", "&Vector or Scalar", "mnuInputKeyboardScalar_Click"},
    {kKeyboardPath, "mnuInputKeyboardMatrix", "&Matrix", "mnuInputKeyboardMatrix_Click"},
    {kInputPath, "mnuInputAscii", "&Ascii File", "mnuInputAscii_Click"},
    {kInputPath, "mnuConst", "&Constants...", "mnuConst_Click"},
    {kResponsePath, "mnuInputPause", "Pause for user &Response", "mnuInputPause_Click"},
    {kResponsePath, "mnuInputUser", "&Prompt for user input", "mnuInputUser_Click"},
    {kOutputPath, "mnuOutputScreen", "Matlab &Screen", "mnuOutputScreen_Click"},
    {kOutputPath, "mnuOutputPlot", "Matlab &Plot", "mnuOutputPlot_Click"},
    {kOutputPath, "mnuOutputAsciiFile", "&Ascii File", "mnuOutputAsciiFile_Click"},
    {kOutputPath, "mnuOutputTrash", "&Trash", "mnuOutputTrash_Click"},
    {kOperatorsPath, "mnuOperatorsArith", "&Arithmatic Operators ...", "mnuOperatorsArith_Click"},
    {kOperatorsPath, "mnuOperatorsFunc", "&Function (and Single-Cell Manipulation)", "mnuOperatorsFunc_Click"},
    {kOperatorsPath, "mnuOperatorsLogic", "&Logic Operators ...", "mnuOperatorsLogic_Click"},
    {kOperatorsPath, "mnuOperatorsComplex", "&Complex Numbers Operators ...", "mnuOperatorsComplex_Click"},
    {kOperatorsPath, "mnuOperatorsRound", "&Round a Number ...", "mnuOperatorsRound_Click"},
    {kOperatorsPath, "mnuOperatorsLog", "&Natural Logarithm", "mnuOperatorsLog_Click"},
    {kOperatorsPath, "mnuOperatorsRoot", "&Square Root", "mnuOperatorsRoot_Click"},
    {kTrigPath, "mnuTrigSin", "&Sin", "mnuTrigSin_Click"},
    {kTrigPath, "mnuTrigCos", "&Cos", "mnuTrigCos_Click"},
    {kTrigPath, "mnuTrigTan", "&Tan", "mnuTrigTan_Click"},
    {kTrigPath, "mnuTrigCot", "C&ot", "mnuTrigCot_Click"},
    {kTrigPath, "mnuTrigArcSin", "Arc Sin", "mnuTrigArcSin_Click"},
    {kTrigPath, "mnuTrigArcCos", "Arc Cos", "mnuTrigArcCos_Click"},
    {kTrigPath, "mnuTrigArcTan", "Arc Tan", "mnuTrigArcTan_Click"},
    {kTrigPath, "mnuTrigArcCot", "Arc Cot", "mnuTrigArcCot_Click"},
    {kMatPath, "mnuMatMake", "&Create a Matrix ...", "mnuMatMake_Click"},
    {kMatPath, "mnuMatMakeVec", "Create a Linearly Spaced &Vector ...", "mnuMatMakeVec_Click"},
    {kMatPath, "mnuMatSpecMat", "Create a Special Matrix...", "mnuMatSpecMat_Click"},
    {kMatPath, "mnuMatAnalysis", "Matrix &Analysis...", "mnuMatAnalysis_Click"},
    {kMatPath, "mnuMatCorr", "&Correlation Operators ...", "mnuMatCorr_Click"},
    {kMatPath, "mnuMatDiff", "&Differential and Integral Operations ..", "mnuMatDiff_Click"},
    {kMatPath, "mnuMatEig", "&Eigen Functions...", "mnuMatEig_Click"},
    {kMatPath, "mnuMatMan", "Matrix &Manipulation...", "mnuMatMan_Click"},
    {kMatPath, "mnuMatVectorOperations", "Vector &Operations ...", "mnuMatVectorOperations_Click"},
    {kMatPath, "mnuMatSplit", "Matrix &Splitting...", "mnuMatSplit_Click"},
    {kMatPath, "mnuMatLength", "&Length", "mnuMatLength_Click"},
    {kMatPath, "mnuMatSize", "&Size", "mnuMatSize_Click"},
    {kFFTPath, "mnuFFTfft", "One Dimentional &FFT", "mnuFFTfft_Click"},
    {kFFTPath, "mnuFFTFFT2", "&Two Dimentional FFT", "mnuFFTFFT2_Click"},
    {kFFTPath, "mnuFFTIFFT", "One Dimentional &Inverse FFT", "mnuFFTIFFT_Click"},
    {kFFTPath, "mnuFFTIFFT2", "Two Dimentional Inverse FFT", "mnuFFTIFFT2_Click"},
    {kFFTPath, "mnuFFTfftshift", "FFT Shift", "mnuFFTfftshift_Click"},
    {kSpecialPath, "mnuSpecialBessel", "&Bessel Functions...", "mnuSpecialBessel_Click"},
    {kSpecialPath, "mnuSpecialBeta", "Beta, &Gamma and Related Functions...", "mnuSpecialBeta_Click"},
    {kSpecialPath, "mnuSpecialCheck", "Perform a &Test ...", "mnuSpecialCheck_Click"},
    {kSpecialPath, "mnuSpecialError", "&Error Function...", "mnuSpecialError_Click"},
    {kSpecialPath, "mnuSpecialInt", "&Integer Functions...", "mnuSpecialInt_Click"},
    {kSpecialPath, "mnuSpecialNumerical", "&Numerical Solution and Interpolation...", "mnuSpecialNumerical_Click"},
    {kSpecialPath, "mnuSpecialPoly", "&Polynomial Functions...", "mnuSpecialPoly_Click"},
    {kStringPath, "mnuStringCompare", "String &Compare", "mnuStringCompare_Click"},
    {kStringPath, "mnuStringConvert", "String C&onvert", "mnuStringConvert_Click"},
    {kStringPath, "mnuStringMake", "String &Make", "mnuStringMake_Click"},
    {kFunctionsPath, "mnuSounds", "S&ound Commands...", "mnuSounds_Click"},
    {kLoopPath, "mnuLoopFor", "&For", "mnuLoopFor_Click"},
    {kLoopPath, "mnuLoopWhile", "&While", "mnuLoopWhile_Click"},
    {kLoopPath, "mnuLoopNext", "&Next", "mnuLoopNext_Click"},
    {kLoopPath, "mnuLoopBreak", "&Break Loop Execution", "mnuLoopBreak_Click"},
    {kCondPath, "mnuCondIf", "&Condition (If ...)", "mnuCondIf_Click"},
    {kCondPath, "mnuCondEndIf", "&End Branch", "mnuCondEndIf_Click"},
    {kSpecPath, "mnuSpecDummy", "&Start", "mnuSpecDummy_Click"},
    {kSpecPath, "mnuSpecComment", "&Comment", "mnuSpecComment_Click"},
    {kSpecPath, "mnuSpecPickup", "&Pick up a variable", "mnuSpecPickup_Click"},
    {kSpecPath, "mnuSpecMatlab", "&Matlab Command", "mnuSpecMatlab_Click"},
    {kSubPath, "mnuSpecSubInsert", "&Insert Subroutine", "mnuSpecSubInsert_Click"},
    {kSubPath, "mnuSpecSubStart", "&Start a Subroutine", "mnuSpecSubStart_Click"},
    {kSubPath, "mnuSpecSubEnd", "&End a Subroutine", "mnuSpecSubEnd_Click"},
}};

}  // namespace

std::span<const InsertMenuItem> InsertMenuItems() { return kItems; }

}  // namespace quorvin
