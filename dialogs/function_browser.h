#pragma once
// The MATLAB function browser as the formula editor and the MATLAB command
// dialog open it: a hook that shows the browser for its caller and returns
// the name picked with its OK, or nothing when no name was handed over.
// Until the application sets one there is no browser, and the buttons that
// open it change nothing.

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "dialogs/browser_caller.h"
#include "model/host.h"

class QDialog;

namespace quorvin {

using FunctionBrowser = std::function<std::optional<std::string>(BrowserCaller caller)>;

// Opens the browser over dialog: the dialog reads "Loading M-file panel" and
// shows the busy pointer while the browser loads and is open, then gets its
// caption and pointer back. What the hook throws is told to the user through
// questions and counts as no name.
std::optional<std::string> RunFunctionBrowser(QDialog& dialog, const FunctionBrowser& browser,
                                              BrowserCaller caller, const QString& caption,
                                              Dialogs& questions);

}  // namespace quorvin
