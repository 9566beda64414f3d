#include "dialogs/rules/flow_control_rules.h"

namespace quorvin {

std::string ConditionParams(const ConditionAnswer& answer) {
  return answer.elseBranch ? "else" + answer.condition : answer.condition;
}

std::string ForLoopParams(const ForLoopAnswer& answer) {
  return answer.from + ":" + answer.increment + ":" + answer.until + ",";
}

WidgetTexts WidgetTextsOf(const ConditionAnswer& answer) {
  return {{"txtCondition", answer.condition}, {"chkelse", CheckText(answer.elseBranch)}};
}

WidgetTexts WidgetTextsOf(const ForLoopAnswer& answer) {
  return {{"txtFrom", answer.from}, {"txtUntil", answer.until}, {"txtInc", answer.increment}};
}

}  // namespace quorvin
