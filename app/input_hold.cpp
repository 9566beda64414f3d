#include "app/input_hold.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace quorvin {

namespace {

enum class Input { None, Taken, Refused };

// What a kind of event is to the hold: no input, input taken and dropped, or
// input refused (a close that does not happen, a drop that is not accepted).
Input InputKind(const QEvent& event) {
  switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:  // it takes a picked tool out of the palette
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    // Taken, the key is no shortcut: it comes as a key press, swallowed too.
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
      return Input::Taken;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      return Input::Refused;
    case QEvent::Close:  // from the window manager; the program's own closes go on
      return event.spontaneous() ? Input::Refused : Input::None;
    default:
      return Input::None;
  }
}

// Whether receiver belongs to the window that still takes input. A shortcut
// (the waiting box's Escape, a menu item's keys) goes to an object of the
// widget it belongs to.
bool InTopWindow(const QObject* receiver) {
  while (receiver != nullptr && !receiver->isWidgetType()) receiver = receiver->parent();
  if (receiver == nullptr) return false;
  const QWidget* window = static_cast<const QWidget*>(receiver)->window();
  return window == QApplication::activeModalWidget() ||
         window == QApplication::activePopupWidget();
}

}  // namespace

InputHold::InputHold() {
  QApplication::setOverrideCursor(Qt::BusyCursor);
  qApp->installEventFilter(this);
}

InputHold::~InputHold() {
  qApp->removeEventFilter(this);
  QApplication::restoreOverrideCursor();
}

bool InputHold::eventFilter(QObject* receiver, QEvent* event) {
  const Input kind = InputKind(*event);
  if (kind == Input::None || InTopWindow(receiver)) return false;
  // A window's handle passes what it gets on to the window's widgets, where
  // it is judged.
  if (receiver->isWindowType()) return false;
  event->setAccepted(kind == Input::Taken);
  return true;
}

}  // namespace quorvin
