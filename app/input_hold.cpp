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

// Whether receiver belongs to the window that still takes input.
bool InTopWindow(const QObject* receiver) {
  const auto* widget = qobject_cast<const QWidget*>(receiver);
  if (widget == nullptr) return false;
  const QWidget* window = widget->window();
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
  // it is judged; a shortcut of a menu's item goes to the item itself.
  if (receiver->isWindowType()) return false;
  event->setAccepted(kind == Input::Taken);
  return true;
}

}  // namespace quorvin
