#include "compiler/arm.h"

namespace quorvin {

std::span<const ArmEntry> InputArms() { return {}; }

}  // namespace quorvin
