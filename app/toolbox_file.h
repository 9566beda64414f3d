#pragma once
// Reading a toolbox file (*.tlb), for the palette and for the toolbox
// editor alike: its tool names, or the message that tells why it gives none.
// Standard library only.

#include <cstddef>
#include <string>
#include <vector>

namespace quorvin {

// The largest toolbox file read: one of real use names a few tools in a few
// hundred bytes, and a million tool names take 5 to 15 MB.
constexpr std::size_t kLargestToolboxFile = std::size_t{16} << 20;
// What a toolbox file at path whose lines name no tool is told as; one that
// is no text of the program is told with why (WhyNotPlainText).
inline std::string NoToolMessage(const std::string& path, const std::string& why = "") {
  return "Toolbox file names no tool:\r\n" + path + (why.empty() ? "" : "\r\n" + why + ".");
}
// What a toolbox file at path that is there but cannot be read is told as.
inline std::string UnreadableToolboxMessage(const std::string& path, const std::string& why) {
  return "The toolbox file could not be read:\r\n" + path + "\r\n" + why + ".";
}

struct ToolboxFileRead {
  // freeEntries empty entries, then the names (ToolboxNames).
  std::vector<std::string> names;
  bool missing = false;  // no file at the path
  // The message when the file is there but gives no names: it cannot be
  // read (or is over kLargestToolboxFile), is no text of the program, or its
  // lines name no tool. Empty otherwise.
  std::string problem;
};

// Reads the toolbox file at path; an empty file gives no names and no
// problem.
ToolboxFileRead ReadToolboxFile(const std::string& path, std::size_t freeEntries = 0);

}  // namespace quorvin
