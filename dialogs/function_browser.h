#pragma once
// The MATLAB function browser as the formula editor and the MATLAB command
// dialog open it: a hook that shows the browser for a caller ("func" or
// "mat") and returns the name picked with its OK, or nothing when no name was
// handed over. Until the application sets one there is no browser, and the
// buttons that open it change nothing.

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "model/host.h"

class QDialog;

namespace quorvin {

using FunctionBrowser = std::function<std::optional<std::string>(const std::string& caller)>;

inline const std::string kBrowserForFormula = "func";  // appends the name in lower case
inline const std::string kBrowserForCommand = "mat";   // replaces the command

// Opens the browser over dialog: the dialog reads "Loading M-file panel" and
// shows the busy pointer while the browser loads and is open, then gets its
// caption and pointer back. What the hook throws is told to the user through
// questions and counts as no name.
std::optional<std::string> RunFunctionBrowser(QDialog& dialog, const FunctionBrowser& browser,
                                              const std::string& caller, const QString& caption,
                                              Dialogs& questions);

}  // namespace quorvin
