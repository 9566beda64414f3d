#pragma once
// Who opens the MATLAB function browser, and so what its OK does with the
// name picked. No Qt: the browser's rules take it as well.

namespace quorvin {

enum class BrowserCaller {
  Formula,        // the formula editor: appends the name in lower case
  MatlabCommand,  // the MATLAB command dialog: the name replaces the command
};

}  // namespace quorvin
