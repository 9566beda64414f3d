#include "app/input_hold.h"

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
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

// Swallows the releases of the buttons a hold swallowed the presses of,
// should the hold end before they are let go; goes when they are, or at the
// next press.
class ReleaseHold : public QObject {
 public:
  explicit ReleaseHold(Qt::MouseButtons down) : QObject(qApp), down_(down) {
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (!receiver->isWidgetType()) return false;
    if (event->type() == QEvent::MouseButtonPress) {
      deleteLater();
      return false;
    }
    if (event->type() != QEvent::MouseButtonRelease) return false;
    const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
    if (!(down_ & button)) return false;
    down_ &= ~button;
    if (!down_) deleteLater();
    return true;
  }

 private:
  Qt::MouseButtons down_;
};

}  // namespace

InputHold::InputHold() {
  QApplication::setOverrideCursor(Qt::BusyCursor);
  qApp->installEventFilter(this);
}

InputHold::~InputHold() {
  qApp->removeEventFilter(this);
  QApplication::restoreOverrideCursor();
  if (swallowedDown_) new ReleaseHold(swallowedDown_);  // goes by itself, or with qApp
}

bool InputHold::eventFilter(QObject* receiver, QEvent* event) {
  const Input kind = InputKind(*event);
  if (kind == Input::None || InTopWindow(receiver)) return false;
  // A window's handle passes what it gets on to the window's widgets, where
  // it is judged.
  if (receiver->isWindowType()) return false;
  if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
    const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
    if (event->type() == QEvent::MouseButtonPress)
      swallowedDown_ |= button;
    else
      swallowedDown_ &= ~button;
  }
  event->setAccepted(kind == Input::Taken);
  return true;
}

}  // namespace quorvin
