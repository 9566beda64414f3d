#include "dialogs/function_browser.h"

#include <QDialog>
#include <exception>

namespace quorvin {

namespace {

// Puts the dialog's caption and pointer back however the browser ends.
class LoadingLook {
 public:
  LoadingLook(QDialog& dialog, QString caption) : dialog_(dialog), caption_(std::move(caption)) {
    dialog_.setWindowTitle("Loading M-file panel");
    dialog_.setCursor(Qt::WaitCursor);
  }
  ~LoadingLook() {
    dialog_.unsetCursor();
    dialog_.setWindowTitle(caption_);
  }
  LoadingLook(const LoadingLook&) = delete;
  LoadingLook& operator=(const LoadingLook&) = delete;

 private:
  QDialog& dialog_;
  QString caption_;
};

}  // namespace

std::optional<std::string> RunFunctionBrowser(QDialog& dialog, const FunctionBrowser& browser,
                                              BrowserCaller caller, const QString& caption,
                                              Dialogs& questions) {
  std::string failure;
  {
    LoadingLook look(dialog, caption);
    if (!browser) return std::nullopt;
    try {
      return browser(caller);
    } catch (const std::exception& e) {
      failure = e.what();
    } catch (...) {
      failure = "unknown error";
    }
  }
  questions.messageBox("The function browser could not be shown: " + failure,
                       style::kCritical, kAppTitle);
  return std::nullopt;
}

}  // namespace quorvin
