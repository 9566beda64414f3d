#include "compiler/script_delivery.h"

#include "compiler/templates_text.h"
#include "model/safe_file.h"
#include "model/line_end.h"

namespace quorvin {

std::optional<std::string> FunctionNameForFile(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return std::nullopt;
  std::string title = path.substr(slash + 1);
  return LowerCased(title.substr(0, title.find('.')));
}

std::string MFileContents(const std::string& script,
                          const std::optional<std::string>& functionName) {
  std::string text;
  if (functionName) text = "function " + *functionName + ";" + kCrLf;
  text += script;
  if (functionName) text += "end" + kCrLf;
  return text + kCrLf;
}

bool WriteTextFile(const std::string& path, const std::string& bytes, std::string* error) {
  return WriteFileSafely(path, bytes, error);
}

}  // namespace quorvin
