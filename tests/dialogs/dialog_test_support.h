#pragma once
// What several dialog tests do alike: close a dialog the way its title bar's
// close box does, and fill two documents with every sort of subroutine box.

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <utility>

#include "tests/model/model_fakes.h"

namespace quorvin::testing {

inline void CloseWithoutOk(QDialog& dialog) {
  QCloseEvent close;
  QCoreApplication::sendEvent(&dialog, &close);
}

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
