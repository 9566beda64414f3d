#include "commands/rules/flow_control_rules.h"

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

ConditionAnswer ConditionAnswerOf(const WidgetTexts& texts) {
  ConditionAnswer a;
  ReadWidgetText(texts, "txtCondition", a.condition);
  ReadWidgetCheck(texts, "chkelse", a.elseBranch);
  return a;
}

ForLoopAnswer ForLoopAnswerOf(const WidgetTexts& texts) {
  ForLoopAnswer a;
  ReadWidgetText(texts, "txtFrom", a.from);
  ReadWidgetText(texts, "txtUntil", a.until);
  ReadWidgetText(texts, "txtInc", a.increment);
  return a;
}

}  // namespace quorvin
