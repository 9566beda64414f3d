#pragma once
// The insert commands in a document window's Functions menu.

#include <QMenu>
#include <functional>

#include "commands/command_registry.h"

namespace quorvin {

// Adds the insert items to functions, each under its submenu (an existing
// submenu of the same object name is reused, so other families can add their
// items beside these). A chosen item runs its command from registry on the
// context that context() gives at that moment. registry must outlive the
// menu.
void InstallInsertCommands(QMenu& functions, const CommandRegistry& registry,
                           std::function<CommandContext&()> context);

// The submenu of functions with that object name, made with caption when it
// does not exist yet.
QMenu& SubmenuOf(QMenu& parent, const QString& object, const QString& caption);

}  // namespace quorvin
