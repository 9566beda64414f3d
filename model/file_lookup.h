#pragma once
// Files the program names in its own directory, found as a file system that
// ignores case would find them: names from older installations may be in
// capitals, and one name must lead to one file for reading and writing alike.

#include <optional>
#include <string>
#include <string_view>

#include "model/ascii_case.h"

namespace quorvin {

// The plain file name in directory dir ("" for the current one): name itself
// when dir holds a plain file of exactly that name, else the first (in name
// order) of its plain files whose name equals it without regard to case;
// nothing when there is none. Directories never count, and neither does a
// name holding a "/": it names a file elsewhere, not one of dir's own.
std::optional<std::string> FindFileIgnoringCase(const std::string& dir, const std::string& name);

// The same over entries of every type (directories, named pipes, symbolic
// links whatever they lead to, or not), for telling why no plain file of
// that name is there.
std::optional<std::string> FindEntryIgnoringCase(const std::string& dir, const std::string& name);

}  // namespace quorvin
