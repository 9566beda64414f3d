#pragma once
// Two documents holding every sort of subroutine box, for the subroutine
// rules and the dialog that lists them.

#include <utility>

#include "tests/model/model_fakes.h"

namespace quorvin::testing {

// Two open documents whose start boxes are "filter Subroutine" (first
// document) and "smooth Subroutine" (second), in that box order, among an
// end box, two calls (one of them ending in "Subroutine") and an If box.
// Returns the two document numbers.
inline std::pair<int, int> AddSubroutinesInTwoDocuments(ModelFixture& f) {
  const int first = NewDocument(f.m);
  const int second = NewDocument(f.m);
  f.AddBox(first, "filter Subroutine", "Subroutine");
  f.AddBox(first, "End Subroutine", "Subroutine");
  f.AddBox(second, "Insert Subroutine filter", "Subroutine");
  f.AddBox(second, "smooth Subroutine", "Subroutine");
  f.AddBox(second, "Insert Subroutine x Subroutine", "Subroutine");
  f.AddBox(first, "If", "x>0");
  return {first, second};
}

}  // namespace quorvin::testing
