#pragma once
// A document with a few boxes and a scripted colour dialog, for the Box
// Information tests.

#include <deque>
#include <optional>

#include "canvas/logic/colour_chooser.h"
#include "tests/model/model_fakes.h"

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

struct BoxInformationFixture : ModelFixture {
  BoxInformationFixture() { doc = NewDocument(m); }

  // A box of that kind on the document, which is left unchanged so a test
  // sees what the step under test marks.
  int Box(const std::string& kind, const std::string& params = "") {
    const int n = AddBox(doc, kind, params);
    m.documents.docInfo[doc].Changed = {};
    return n;
  }
  void Link(int from, int exit, int to, int entry) { ModelFixture::Link(m, from, exit, to, entry); }
  BoxRecord& operator[](int n) { return m.table[n]; }
  bool changed() const { return m.documents.docInfo[doc].Changed != 0; }

  int doc = 0;
  ScriptedColours colours;
};

}  // namespace quorvin::testing
