#include "canvas/shared_menu_items.h"

#include <utility>

namespace quorvin {

QAction* AddItem(QMenu* menu, const char* name, const QString& caption,
                 const QKeySequence& shortcut) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(QString::fromUtf8(name));
  if (!shortcut.isEmpty()) item->setShortcut(shortcut);
  return item;
}

QAction* AddCheckItem(QMenu* menu, const char* name, const QString& caption, bool checked) {
  QAction* item = AddItem(menu, name, caption);
  item->setCheckable(true);
  item->setChecked(checked);
  return item;
}

QAction* AddSeparator(QMenu* menu, const char* name) {
  QAction* item = menu->addSeparator();
  item->setObjectName(QString::fromUtf8(name));
  return item;
}

HelpItems AddHelpItems(QMenu& menu, HelpMenuOf owner,
                       const std::function<void(HelpCommand)>& chosen) {
  const bool document = owner == HelpMenuOf::Document;
  HelpItems items;
  items.contents = AddItem(&menu, "mnuHelpContents", "&Contents");
  items.search = AddItem(&menu, "mnuHelpSearch", "&Search For Help On ...");
  items.howTo = AddItem(&menu, "mnuHelpHowTo", "&How to Use Help");
  items.separator = menu.addSeparator();
  if (document) {
    items.tour = AddItem(&menu, "mnuHelpTour", "&Guided Tour");
    items.tour->setCheckable(true);
    items.tour->setEnabled(false);
    menu.addSeparator();
  } else {
    items.separator->setObjectName(QStringLiteral("mnus1"));
  }
  items.about = AddItem(&menu, "mnuHelpAbout", document ? "&About..." : "About Quorvin ...");
  items.disclaimer = AddItem(&menu, "mnuHelpDisclaimer", "&Disclaimer...");
  const std::pair<QAction*, HelpCommand> commands[] = {
      {items.contents, HelpCommand::Contents}, {items.search, HelpCommand::Search},
      {items.howTo, HelpCommand::HowToUse},    {items.about, HelpCommand::About},
      {items.disclaimer, HelpCommand::Disclaimer}};
  for (const auto& [item, command] : commands)
    QObject::connect(item, &QAction::triggered, &menu,
                     [chosen, command = command] { chosen(command); });
  return items;
}

QString LiteralCaption(const std::string& text) {
  return QString::fromStdString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace quorvin
