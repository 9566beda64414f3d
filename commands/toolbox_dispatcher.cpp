#include "commands/toolbox_dispatcher.h"

#include <array>
#include <utility>
#include <vector>

namespace quorvin {
namespace {

struct ToolName {
  std::string_view tool;     // the name as the toolbox hands it over
  std::string_view handler;  // the command it runs
};

constexpr std::array<ToolName, 63> kToolNames{{
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

// The tool table with every row's command found once, so a picked tool
// runs its command without looking its name up.
std::vector<Tool> ToolTable() {
  const CommandRegistry commands = InsertCommandRegistry();
  std::vector<Tool> tools;
  tools.reserve(kToolNames.size());
  for (const ToolName& t : kToolNames) {
    const Command* command = commands.find(t.handler);
    tools.push_back({t.tool, t.handler, command != nullptr ? *command : Command()});
  }
  return tools;
}

}  // namespace

std::span<const Tool> Tools() {
  static const std::vector<Tool> tools = ToolTable();
  return tools;
}

const Tool* FindTool(std::string_view name) {
  for (const Tool& t : Tools())
    if (t.name == name) return &t;
  return nullptr;
}

void ToolPick::pick(BoxEditor& editor, std::string_view tool) {
  editor.endArrowGesture();
  tool_ = nullptr;
  if (tool == "Arrow")
    editor.armArrowTool();
  else
    tool_ = FindTool(tool);
}

void ToolPick::runPicked(const std::function<void(const Tool&)>& run) {
  const Tool* tool = std::exchange(tool_, nullptr);
  if (tool == nullptr) return;
  struct DropWhenDone {
    ToolPick& pick;
    ~DropWhenDone() { pick.tool_ = nullptr; }
  } drop{*this};
  if (run) run(*tool);
}

void cmdEventFire_Click(const Tool& tool, CommandContext& ctx) {
  RunCommand(tool.handler, tool.command, ctx);
}

}  // namespace quorvin
