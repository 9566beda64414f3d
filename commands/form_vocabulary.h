#pragma once
// What the value dialogs of the insert commands start from: their initial
// widget values (an option dialog's come from its family,
// InitialOptionAnswer). Scripted answers in tests start from the same
// initial values as the Qt dialogs, so both agree on what closing a dialog
// without OK gives.

#include <span>
#include <string_view>

#include "commands/command_context.h"

namespace quorvin {

// The widgets of form as it opens: for the value dialogs (frmBasic,
// frmPause, frmUserInput, frmMakeVector, frmSplit, frmComment) their initial
// texts and states. An unknown form gives an empty answer.
FormAnswer InitialAnswer(std::string_view form);

// The value dialogs, by name.
std::span<const std::string_view> ValueForms();

}  // namespace quorvin
