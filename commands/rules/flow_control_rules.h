#pragma once
// The answers of the branch and loop dialogs (frmIf, frmForLoop) and the
// Params an "If" or "For" box stores from them. Standard library only.

#include <string>

#include "commands/rules/widget_texts.h"

namespace quorvin {

// What frmIf holds when it closes; the defaults are a fresh dialog's.
struct ConditionAnswer {
  bool accepted = false;
  std::string condition;    // txtCondition
  bool elseBranch = false;  // chkelse: the second exit is the else branch

  bool operator==(const ConditionAnswer&) const = default;
};

// What frmForLoop holds when it closes; the defaults are a fresh dialog's.
struct ForLoopAnswer {
  bool accepted = false;
  std::string from = "1";       // txtFrom
  std::string until = "1";      // txtUntil
  std::string increment = "1";  // txtInc

  bool operator==(const ForLoopAnswer&) const = default;
};

// The condition, preceded directly by "else" when the else box is ticked.
std::string ConditionParams(const ConditionAnswer& answer);

// The range in MATLAB's order, from:increment:until, then ",": the dialog
// shows until above increment, but the range reads the step second.
std::string ForLoopParams(const ForLoopAnswer& answer);

// The answers by widget name: txtCondition, chkelse; txtFrom, txtUntil, txtInc.
WidgetTexts WidgetTextsOf(const ConditionAnswer& answer);
WidgetTexts WidgetTextsOf(const ForLoopAnswer& answer);
// The answers read back from such texts (accepted stays false).
ConditionAnswer ConditionAnswerOf(const WidgetTexts& texts);
ForLoopAnswer ForLoopAnswerOf(const WidgetTexts& texts);

}  // namespace quorvin
