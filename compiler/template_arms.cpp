#include "compiler/arm.h"

namespace quorvin {

std::span<const ArmEntry> TemplateArms() { return {}; }

}  // namespace quorvin
