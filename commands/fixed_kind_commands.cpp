#include "commands/fixed_kind_commands.h"

#include <array>

#include "commands/insert_sequence.h"

namespace quorvin {
namespace {

constexpr SlotSet In(int n) { return SlotSet::FirstN(n); }
constexpr SlotSet kOut = kAllExits;

constexpr std::array<FixedKindCommand, 27> kFixed{{
    {"mnuInputKeyboardScalar_Click", "Keyboard Input", In(0), kOut},
    {"mnuInputKeyboardMatrix_Click", "Matrix Input", In(0), kOut},
    {"mnuInputAscii_Click", "Ascii File Input", In(0), kOut},
    {"mnuSpecDummy_Click", "Dummy Input", In(0), kOut},
    {"mnuOutputScreen_Click", "Screen Output", In(1), kNoSlots},
    {"mnuOutputAsciiFile_Click", "Ascii File Output", In(1), kNoSlots},
    {"mnuOutputTrash_Click", "Trash", In(3), kNoSlots},
    {"mnuOperatorsLog_Click", "Log", In(1), kOut},
    {"mnuOperatorsRoot_Click", "Sqrt", In(1), kOut},
    {"mnuMatLength_Click", "Matrix Length", In(1), kOut},
    {"mnuMatSize_Click", "Matrix Size", In(1), kOut},
    {"mnuLoopNext_Click", "Next", In(1), kOut},
    {"mnuLoopBreak_Click", "Break", In(3), kOut},
    {"mnuCondEndIf_Click", "End If", In(1), kOut},
    {"mnuTrigSin_Click", "Sin", In(1), kOut},
    {"mnuTrigCos_Click", "Cos", In(1), kOut},
    {"mnuTrigTan_Click", "Tan", In(1), kOut},
    {"mnuTrigCot_Click", "Cot", In(1), kOut},
    {"mnuTrigArcSin_Click", "ASin", In(1), kOut},
    {"mnuTrigArcCos_Click", "ACos", In(1), kOut},
    {"mnuTrigArcTan_Click", "ATan", In(1), kOut},
    {"mnuTrigArcCot_Click", "ACot", In(1), kOut},
    {"mnuFFTfft_Click", "FFT", In(2), kOut},
    {"mnuFFTFFT2_Click", "FFT2", In(3), kOut},
    {"mnuFFTIFFT_Click", "IFFT", In(2), kOut},
    {"mnuFFTIFFT2_Click", "IFFT2", In(3), kOut},
    {"mnuFFTfftshift_Click", "FFTShift", In(1), kOut},
}};

}  // namespace

std::span<const FixedKindCommand> FixedKindCommands() { return kFixed; }

void RunFixedKindCommand(CommandContext& ctx, const FixedKindCommand& command) {
  const int n = BeginInsert(ctx);
  if (n == 0) return;
  TypeBox(ctx, n, {std::string(command.kind), "", command.entries, command.exits});
  ShowBoxIcon(ctx, n, std::string(command.kind));
}

}  // namespace quorvin
