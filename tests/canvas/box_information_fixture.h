#pragma once
// A document with a few boxes and a scripted colour dialog, for the Box
// Information dialog and its colour button.

#include <deque>
#include <optional>

#include "canvas/logic/colour_chooser.h"
#include "tests/model/box_information_fixture.h"

namespace quorvin::testing {

// Answers with the queued colours in turn; an empty queue is a cancel.
class ScriptedColours : public ColourChooser {
 public:
  std::optional<std::uint32_t> chooseColour() override {
    ++asked;
    if (answers.empty()) return std::nullopt;
    const auto a = answers.front();
    answers.pop_front();
    return a;
  }
  std::deque<std::optional<std::uint32_t>> answers;
  int asked = 0;
};

struct ColouredBoxesFixture : BoxInformationFixture {
  ScriptedColours colours;
};

}  // namespace quorvin::testing
