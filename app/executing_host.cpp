#include "app/executing_host.h"

namespace quorvin {

std::string FailedStatementsLine(int failures) {
  return std::to_string(failures) + (failures == 1 ? " statement" : " statements") +
         " failed in Matlab: see \"Matlab Text Results\".";
}

bool ExecutingHost::compileFinished(std::vector<std::string>& problems) {
  // A block that never closed goes now, before the verdict.
  if (!step_.finish()) return false;  // abandoned; the user has been told
  if (step_.failures() > 0) problems.push_back(FailedStatementsLine(step_.failures()));
  return true;
}

}  // namespace quorvin
