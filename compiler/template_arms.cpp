#include <vector>

#include "compiler/arm.h"
#include "compiler/templates_arms.h"

namespace quorvin {

std::span<const ArmEntry> TemplateArms() {
  static const std::vector<ArmEntry> arms = [] {
    std::vector<ArmEntry> all;
    for (auto group : {StatementArms(), OperatorArms(), PromptAndOutputArms()}) {
      all.insert(all.end(), group.begin(), group.end());
    }
    return all;
  }();
  return arms;
}

}  // namespace quorvin
