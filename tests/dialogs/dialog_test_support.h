#pragma once
// What several dialog tests do alike: close a dialog the way its title bar's
// close box does, and fill two documents with every sort of subroutine box
// (tests/commands/subroutine_boxes.h).

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>

#include "tests/commands/subroutine_boxes.h"

namespace quorvin::testing {

inline void CloseWithoutOk(QDialog& dialog) {
  QCloseEvent close;
  QCoreApplication::sendEvent(&dialog, &close);
}

}  // namespace quorvin::testing
