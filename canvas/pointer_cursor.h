#pragma once
// The mouse pointers the model asks for, as Qt's cursors.

#include <Qt>

#include "model/host.h"

namespace quorvin {

constexpr Qt::CursorShape CursorOf(Pointer pointer) {
  switch (pointer) {
    case Pointer::CrossHair: return Qt::CrossCursor;
    case Pointer::Hourglass: return Qt::WaitCursor;
    case Pointer::NoDrop: return Qt::ForbiddenCursor;
    case Pointer::Default:
    case Pointer::Arrow: break;
  }
  return Qt::ArrowCursor;
}

}  // namespace quorvin
