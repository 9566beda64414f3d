#pragma once
// The insert commands' context of a document window: the window's own Qt
// dialogs, or questions a test scripts in their place.

#include "dialogs/window_command_context.h"

namespace quorvin {

class DocumentCommandContext : public WindowCommandContext {
 public:
  using WindowCommandContext::WindowCommandContext;

  CommandQuestions& questions() override {
    return scripted_ != nullptr ? *scripted_ : WindowCommandContext::questions();
  }
  // nullptr restores the window's dialogs.
  void setQuestions(CommandQuestions* questions) { scripted_ = questions; }

 private:
  CommandQuestions* scripted_ = nullptr;
};

}  // namespace quorvin
