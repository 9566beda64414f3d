#pragma once
// The insert commands' context of one document window, made from what the
// window has: the model, its document number, itself as the parent of the
// dialogs, a way to put an icon on a box button of any open document, the
// arrow tool, and its Subroutines menu (mnuSpecSub, found among its menus).
// The window keeps one of these and hands it to the menu items
// (InstallInsertCommands) and the toolbox hand-over (cmdEventFire_Click).

#include <QCursor>
#include <QMenu>
#include <QWidget>
#include <functional>
#include <string>

#include "commands/command_context.h"
#include "dialogs/qt_command_questions.h"

namespace quorvin {

class WindowCommandContext : public CommandContext {
 public:
  // icon(doc, box, key) shows key on box's button in the window of document
  // doc; arrow() arms the connect tool on every document.
  using IconSetter = std::function<void(int doc, int box, const std::string& key)>;

  WindowCommandContext(Model& m, std::function<int()> document, QWidget* window,
                       IconSetter icon, std::function<void()> arrow)
      : m_(m), document_(std::move(document)), window_(window), questions_(window, m.dialogs),
        icon_(std::move(icon)), arrow_(std::move(arrow)) {}

  Model& model() override { return m_; }
  int document() const override { return document_ ? document_() : 0; }
  CommandQuestions& questions() override { return questions_; }
  QtCommandQuestions& qtQuestions() { return questions_; }
  void setBoxIcon(int doc, int box, const std::string& key) override {
    if (icon_) icon_(doc, box, key);
  }
  void armArrowTool() override {
    if (arrow_) arrow_();
  }
  // Pops the window's Subroutines submenu up at the pointer and returns; a
  // chosen item runs its command through the menu, dismissing it runs none.
  void showSubroutinesMenu() override {
    if (QMenu* menu = subroutinesMenu()) menu->popup(QCursor::pos());
  }
  // The window's mnuSpecSub (installed with the insert items), or nullptr.
  QMenu* subroutinesMenu() const {
    return window_ != nullptr ? window_->findChild<QMenu*>("mnuSpecSub") : nullptr;
  }

 private:
  Model& m_;
  std::function<int()> document_;
  QWidget* window_;
  QtCommandQuestions questions_;
  IconSetter icon_;
  std::function<void()> arrow_;
};

}  // namespace quorvin
