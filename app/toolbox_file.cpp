#include "app/toolbox_file.h"

#include <algorithm>
#include <optional>

#include "app/toolbox_layout.h"
#include "commands/toolbox_dispatcher.h"
#include "model/safe_file.h"
#include "model/text_encoding.h"

namespace quorvin {

namespace {

// Whether any of names is the name of a tool (of the toolbox dispatcher's
// table): a binary file or a text of another kind names none.
bool NamesATool(const std::vector<std::string>& names) {
  return std::any_of(names.begin(), names.end(),
                     [](const std::string& name) { return FindTool(name) != nullptr; });
}

}  // namespace

ToolboxFileRead ReadToolboxFile(const std::string& path, std::size_t freeEntries) {
  ToolboxFileRead read;
  std::string bytes, why;
  switch (ReadWholeFile(path, bytes, &why, kLargestToolboxFile)) {
    case ReadOutcome::kMissing:
      read.missing = true;
      return read;
    case ReadOutcome::kFailed:
      read.problem = UnreadableToolboxMessage(path, why);
      return read;
    case ReadOutcome::kRead:
      break;
  }
  // Another encoding, or no text at all: whatever its lines seem to hold,
  // the message says why none of them is taken.
  if (const std::optional<std::string> notText = WhyNotPlainText(bytes)) {
    read.problem = NoToolMessage(path, *notText);
    return read;
  }
  std::vector<std::string> names = ToolboxNames(bytes, freeEntries);
  // A text of another kind, say: a button per line would show no tool, and
  // tell nothing of why.
  if (names.size() > freeEntries && !NamesATool(names)) {
    read.problem = NoToolMessage(path);
    return read;
  }
  read.names = std::move(names);
  return read;
}

}  // namespace quorvin
