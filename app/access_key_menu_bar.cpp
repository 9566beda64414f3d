#include "app/access_key_menu_bar.h"

#include <QAction>
#include <QMenu>
#include <QShortcutEvent>

namespace quorvin {

bool AccessKeyMenuBar::event(QEvent* event) {
  if (event->type() == QEvent::Shortcut) {
    const auto* shortcut = static_cast<QShortcutEvent*>(event);
    if (shortcut->isAmbiguous() && openFirstMenuOfSharedKey(shortcut->key())) return true;
  }
  return QMenuBar::event(event);
}

bool AccessKeyMenuBar::openFirstMenuOfSharedKey(const QKeySequence& key) {
  QAction* first = nullptr;
  int sharing = 0;
  for (QAction* action : actions()) {
    if (action->menu() == nullptr || !action->isVisible() || !action->isEnabled() ||
        QKeySequence::mnemonic(action->text()) != key)
      continue;
    if (first == nullptr) first = action;
    ++sharing;
  }
  if (sharing < 2) return false;
  setActiveAction(first);

  // On its first item, as an access key opens any other menu, so that Enter
  // and the arrow keys go on from there.
  QMenu* menu = first->menu();
  for (QAction* item : menu->actions())
    if (item->isVisible() && !item->isSeparator()) {
      if (item->isEnabled() && item->menu() == nullptr) menu->setActiveAction(item);
      break;
    }
  return true;
}

}  // namespace quorvin
