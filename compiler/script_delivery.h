#pragma once
// The pure parts of handing a compiled script over as an .m file: the name of
// the function a file holds and the exact bytes written.

#include <optional>
#include <string>

namespace quorvin {

inline const std::string kMFileFilter = "Mathlab Files (*.m)|*.m|All Files (*.*)|*.*";

// The function name for a script saved as path: the file title (after the last
// "/") up to its first ".", in lower case. Nothing when path holds no "/",
// in which case the file gets no function header.
std::optional<std::string> FunctionNameForFile(const std::string& path);

// The file contents: with a name, "function name;" CR LF, the script, "end"
// CR LF; then, in both forms, one more CR LF.
std::string MFileContents(const std::string& script,
                          const std::optional<std::string>& functionName);

// Writes bytes to path, replacing the file as WriteFileSafely does: a script
// that cannot be written leaves the old one whole. False, with error (when
// given) saying why, when the file could not be written completely. Never
// throws.
bool WriteTextFile(const std::string& path, const std::string& bytes,
                   std::string* error = nullptr);

}  // namespace quorvin
