#pragma once
// What the insert commands' smaller dialogs answer, as values. A value
// dialog's answer starts at the values the dialog opens with, which is also
// what it answers when it is closed without OK; the Qt dialogs are built
// from these same values.

#include <array>
#include <map>
#include <string>
#include <string_view>

#include "model/box_record.h"

namespace quorvin {

// An option dialog: the index of the option chosen (as the dialog counts its
// options, from its first index), and the texts of its extra text boxes by
// name.
struct OptionAnswer {
  int index = 0;
  std::map<std::string, std::string, std::less<>> extras;

  // The text of extra box name; a box the dialog lacks reads empty.
  std::string extra(std::string_view name) const {
    const auto it = extras.find(name);
    return it == extras.end() ? std::string() : it->second;
  }
  bool operator==(const OptionAnswer&) const = default;
};

// The operator buttons of frmBasic, in the order they stand.
enum class ArithmeticOperator { Add, Subtract, Multiply, Divide, Power };

// frmBasic: the operator and "Element by element operation".
struct ArithmeticAnswer {
  ArithmeticOperator op = ArithmeticOperator::Add;
  bool elementwise = false;
  bool operator==(const ArithmeticAnswer&) const = default;
};

// frmPause: the seconds as typed, and "Wait until user prompts".
struct PauseAnswer {
  std::string seconds = "1";
  bool waitForUser = false;
  bool operator==(const PauseAnswer&) const = default;
};

// frmMakeVector: the range's three texts as typed.
struct VectorAnswer {
  std::string min = "1";
  std::string step = "1";
  std::string max = "1";
  bool operator==(const VectorAnswer&) const = default;
};

// frmSplit: rows or columns, and the first and last index as typed.
struct SplitAnswer {
  bool rows = true;
  std::string from;
  std::string to;
  bool operator==(const SplitAnswer&) const = default;
};

// What the plot dialog answers the "Plot Output" command.
struct PlotOutputAnswer {
  // The plot command string (icon key, ";", plot code); empty when the
  // dialog was closed without OK.
  std::string commands;
  // [K - 1]: input K carries a mark in any column, so its entry stays open.
  std::array<bool, kEntries> inputsUsed{};

  bool operator==(const PlotOutputAnswer&) const = default;
};

}  // namespace quorvin
