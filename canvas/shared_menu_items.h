#pragma once
// What the frame's menus and every document window's are made of alike:
// named items, the Help menu, built by one function for both, and captions
// that hold a file name.

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QString>
#include <functional>
#include <string>

#include "canvas/menu_choices.h"

namespace quorvin {

// An item captioned caption added to menu under the object name name (the
// name the tests and the accessibility bus know it by), with its shortcut.
QAction* AddItem(QMenu* menu, const char* name, const QString& caption,
                 const QKeySequence& shortcut = {});
// The same, checkable and checked as given.
QAction* AddCheckItem(QMenu* menu, const char* name, const QString& caption, bool checked);
// A separator under the object name name.
QAction* AddSeparator(QMenu* menu, const char* name);

// Whose Help menu: the document window's holds the guided tour between two
// separators and calls About "&About..."; the frame's has one separator,
// mnus1, and calls it "About Quorvin ...".
enum class HelpMenuOf { Frame, Document };

struct HelpItems {
  QAction* contents = nullptr;
  QAction* search = nullptr;
  QAction* howTo = nullptr;
  QAction* separator = nullptr;  // the one after "&How to Use Help"
  // "&Guided Tour", the document's only: checkable, unchecked and disabled
  // until its window's tour hooks enable it.
  QAction* tour = nullptr;
  QAction* about = nullptr;
  QAction* disclaimer = nullptr;
};

// Fills menu with owner's Help items; each item but the tour runs chosen
// with its command.
HelpItems AddHelpItems(QMenu& menu, HelpMenuOf owner,
                       const std::function<void(HelpCommand)>& chosen);

// A text a menu item shows as it is, a recent file's path or a toolbox
// file's title: "&" doubled, so that it shows and is no access key.
QString LiteralCaption(const std::string& text);

}  // namespace quorvin
