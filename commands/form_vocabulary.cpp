#include "commands/form_vocabulary.h"

#include <array>
#include <string>

namespace quorvin {
namespace {

struct InitialText {
  std::string_view form, widget, text;
};

// The value dialogs' widgets as they open; "1" and "0" are the states of
// option buttons and check boxes.
constexpr std::array<InitialText, 17> kValueInitials{{
    {"frmBasic", "add", "1"},
    {"frmBasic", "sub", "0"},
    {"frmBasic", "mul", "0"},
    {"frmBasic", "div", "0"},
    {"frmBasic", "power", "0"},
    {"frmBasic", "chkElement", "0"},
    {"frmPause", "lblSecs", "1"},
    {"frmPause", "chkNoNumber", "0"},
    {"frmUserInput", "txtPrompt", ""},
    {"frmMakeVector", "txtMin", "1"},
    {"frmMakeVector", "txtStep", "1"},
    {"frmMakeVector", "txtMax", "1"},
    {"frmSplit", "row", "1"},
    {"frmSplit", "Col", "0"},
    {"frmSplit", "txtFrom", ""},
    {"frmSplit", "txtTo", ""},
    {"frmComment", "txtComment", ""},
}};

constexpr std::array<std::string_view, 6> kValueForms{"frmBasic",      "frmPause", "frmUserInput",
                                                      "frmMakeVector", "frmSplit", "frmComment"};

}  // namespace

std::span<const std::string_view> ValueForms() { return kValueForms; }

FormAnswer InitialAnswer(std::string_view form) {
  FormAnswer answer;
  for (const InitialText& t : kValueInitials)
    if (t.form == form) answer.texts[std::string(t.widget)] = t.text;
  return answer;
}

}  // namespace quorvin
