#include "commands/toolbox_dispatcher.h"

#include <array>
#include <utility>

namespace quorvin {
namespace {

constexpr std::array<ToolName, 63> kTools{{
    {"Arrow", "mnuArrow_Click"},
    {"Keyboard Input", "mnuInputKeyboardScalar_Click"},
    {"Matrix Input", "mnuInputKeyboardMatrix_Click"},
    {"Matrix Make Input", "mnuMatMake_Click"},
    {"Eigen", "mnuMatEig_Click"},
    {"Special Matrix", "mnuMatMake_Click"},
    {"Vector Make Input", "mnuMatMakeVec_Click"},
    {"Constant Input", "mnuConst_Click"},
    {"Dummy Input", "mnuSpecDummy_Click"},
    {"Ascii File Input", "mnuInputAscii_Click"},
    {"Screen Output", "mnuOutputScreen_Click"},
    {"Plot Output", "mnuOutputPlot_Click"},
    {"Trash", "mnuOutputTrash_Click"},
    {"Ascii File Output", "mnuOutputAsciiFile_Click"},
    {"Basic Arithmatic", "mnuOperatorsArith_Click"},
    {"Compute Function", "mnuOperatorsFunc_Click"},
    {"Logic Operators", "mnuOperatorsLogic_Click"},
    {"Complex Operators", "mnuOperatorsComplex_Click"},
    {"Bessel Function", "mnuSpecialBessel_Click"},
    {"Round", "mnuOperatorsRound_Click"},
    {"Natural Logarithm", "mnuOperatorsLog_Click"},
    {"Square Root", "mnuOperatorsRoot_Click"},
    {"Matrix Manipulation", "mnuMatMan_Click"},
    {"Split Matrix", "mnuMatSplit_Click"},
    {"Matrix Length", "mnuMatLength_Click"},
    {"Matrix Size", "mnuMatSize_Click"},
    {"Matlab Command", "mnuSpecMatlab_Click"},
    {"Comment", "mnuSpecComment_Click"},
    {"Pickup", "mnuSpecPickup_Click"},
    {"For", "mnuLoopFor_Click"},
    {"While", "mnuLoopWhile_Click"},
    {"Next", "mnuLoopNext_Click"},
    {"Break", "mnuLoopBreak_Click"},
    {"Subroutine", kSubroutinePopup},
    {"If", "mnuCondIf_Click"},
    {"End If", "mnuCondEndIf_Click"},
    {"Sin", "mnuTrigSin_Click"},
    {"Cos", "mnuTrigCos_Click"},
    {"Tan", "mnuTrigTan_Click"},
    {"Cot", "mnuTrigCot_Click"},
    {"ASin", "mnuTrigArcSin_Click"},
    {"ACos", "mnuTrigArcCos_Click"},
    {"ATan", "mnuTrigArcTan_Click"},
    {"ACot", "mnuTrigArcCot_Click"},
    {"FFTFFT", "mnuFFTfft_Click"},
    {"FFTFFT2", "mnuFFTFFT2_Click"},
    {"FFTIFFT", "mnuFFTIFFT_Click"},
    {"FFTShift", "mnuFFTfftshift_Click"},
    {"Numerical", "mnuSpecialNumerical_Click"},
    {"Polynomial", "mnuSpecialPoly_Click"},
    {"Correlation", "mnuMatCorr_Click"},
    {"Differences", "mnuMatDiff_Click"},
    {"Vecops", "mnuMatVectorOperations_Click"},
    {"User", "mnuInputUser_Click"},
    {"MatAnalysis", "mnuMatAnalysis_Click"},
    {"Beta Function", "mnuSpecialBeta_Click"},
    {"Error Function", "mnuSpecialError_Click"},
    {"Integer Function", "mnuSpecialInt_Click"},
    {"String Compare", "mnuStringCompare_Click"},
    {"String Make", "mnuStringMake_Click"},
    {"String Convert", "mnuStringConvert_Click"},
    {"Check", "mnuSpecialCheck_Click"},
    {"Sound", "mnuSounds_Click"},
}};

}  // namespace

std::span<const ToolName> ToolNames() { return kTools; }

std::string_view ToolHandler(std::string_view tool) {
  for (const ToolName& t : kTools)
    if (t.tool == tool) return t.handler;
  return {};
}

void ToolboxToolClicked(Model& m, std::string& txtEvent, const std::string& tool) {
  m.editor.endArrowGesture();
  txtEvent = tool;
  if (txtEvent == "Arrow") {
    m.editor.armArrowTool();
    txtEvent.clear();
  }
}

void cmdEventFire_Click(const CommandRegistry& registry, CommandContext& ctx,
                        std::string& caption) {
  const std::string tool = std::exchange(caption, std::string());
  const std::string_view handler = ToolHandler(tool);
  if (!handler.empty()) registry.run(handler, ctx);
}

}  // namespace quorvin
