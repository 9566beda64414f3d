#pragma once
// A document with a few boxes, for Box Information's edits.

#include <string>

#include "tests/model/model_fakes.h"

namespace quorvin::testing {

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
  BoxRecord& operator[](int n) { return boxes[n]; }
  bool changed() const { return m.documents.docInfo[doc].Changed != 0; }

  int doc = 0;
};

}  // namespace quorvin::testing
