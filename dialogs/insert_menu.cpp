#include "dialogs/insert_menu.h"

#include <string>

#include "commands/insert_menu_items.h"

namespace quorvin {

namespace {
QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

QMenu& SubmenuOf(QMenu& parent, const QString& object, const QString& caption) {
  for (QAction* action : parent.actions()) {
    if (action->menu() != nullptr && action->menu()->objectName() == object)
      return *action->menu();
  }
  QMenu* menu = parent.addMenu(caption);
  menu->setObjectName(object);
  return *menu;
}

void InstallInsertCommands(QMenu& functions, const CommandRegistry& registry,
                           std::function<CommandContext&()> context) {
  for (const InsertMenuItem& item : InsertMenuItems()) {
    QMenu* menu = &functions;
    for (const MenuPlace& place : item.path) menu = &SubmenuOf(*menu, Q(place.object), Q(place.caption));
    QAction* action = menu->addAction(Q(item.caption));
    action->setObjectName(Q(item.object));
    const std::string handler(item.handler);
    QObject::connect(action, &QAction::triggered, menu, [&registry, context, handler] {
      registry.run(handler, context());
    });
  }
}

}  // namespace quorvin
