#pragma once
// What the parameter dialogs of the insert commands show and start from:
// the option dialogs (title, prompt, option captions by index, extra text
// boxes) and the initial widget values of every dialog. The Qt dialogs are
// built from these tables, and scripted answers in tests start from the same
// initial values, so both agree on what closing a dialog without OK gives.

#include <span>
#include <string_view>

#include "commands/command_context.h"

namespace quorvin {

// A text box beside the options, with its label.
struct ExtraWidget {
  std::string_view name;     // txtOrder, txtCond, txtConst, txtRows, txtCols, diag
  std::string_view label;    // "" for a box that stands beside an option
  std::string_view initial;  // its text when the dialog opens
  int besideOption = -1;     // the option it stands beside, or -1
};

struct OptionForm {
  std::string_view form;         // frmBessel, ...
  std::string_view title;
  std::string_view prompt;       // the caption of the options' frame; "" for none
  std::span<const std::string_view> captions;  // option captions in index order
  std::span<const ExtraWidget> extras;
  std::string_view extrasFrame = {};  // a frame around the extras ("Matrix size"), or ""
  int firstIndex = 0;                 // the index of the first option (1 on frmLogic)
  std::string_view optionArray = "opn";
  std::string_view indexWidget = "txtOpn";
  int columns = 1;                    // options per row (2 on frmLogic)
};

// The 23 option dialogs.
std::span<const OptionForm> OptionForms();
const OptionForm* FindOptionForm(std::string_view form);

// The widgets of form as it opens: for an option dialog its index widget at
// its first index and its extras; for the value dialogs (frmBasic, frmPause,
// frmUserInput, frmMakeVector, frmSplit, frmComment) their initial texts and
// states. An unknown form gives an empty answer.
FormAnswer InitialAnswer(std::string_view form);

// The value dialogs, by name.
std::span<const std::string_view> ValueForms();

}  // namespace quorvin
