#pragma once
// Reading and writing whole files so that a failure never costs the user what
// was on disk, and a success leaves the file the user's as it was: same
// permissions, same owner, a symbolic link still a link. Every file the
// program writes goes through WriteFileSafely. Standard library and POSIX only.

#include <cstddef>
#include <exception>
#include <string>
#include <string_view>

namespace quorvin {

// Makes bytes the whole content of the file at path, or changes nothing.
// The bytes go to a temporary file beside the file, are flushed to the disk
// and then renamed over it, so the file holds either the old bytes or all the
// new ones, never a part. A symbolic link is followed along its chain to the
// file it names, and that file is replaced; the link stays. A file that exists
// keeps its permission bits and, where the process may set them, its owner and
// group; a new one gets the permissions any new file of the process gets.
// Refused: a file the process may not write (as a write in place would be), a
// path that names a directory or anything else that is not a plain file, and
// a directory that does not exist or takes no new file.
// False on failure, with error (when given) saying why in a few words, such as
// "Permission denied"; the old file is then untouched and no temporary file is
// left. Never throws.
// A save killed half-way cannot remove its temporary file; each later save of
// the same file removes such leftovers of that file: temporary files of its
// name that are this user's, a minute old and held by no save under way.
bool WriteFileSafely(const std::string& path, std::string_view bytes,
                     std::string* error = nullptr) noexcept;

enum class ReadOutcome {
  kRead,     // bytes hold the whole file
  kMissing,  // no such file, or a directory on the way is missing
  kFailed,   // anything else: a directory, no permission, a device, a read error
};

// No limit to the size of a file ReadWholeFile reads.
constexpr std::size_t kNoReadLimit = static_cast<std::size_t>(-1);

// Reads the whole plain file at path into bytes. Anything else is refused by
// its type before it is opened, so a named pipe or a device is never
// touched; a file of more than limit bytes is refused ("File too large").
// For kMissing and kFailed, error (when given) says why, and bytes are left
// empty. Never throws.
ReadOutcome ReadWholeFile(const std::string& path, std::string& bytes,
                          std::string* error = nullptr,
                          std::size_t limit = kNoReadLimit) noexcept;
// The same, but for a file of any size: bytes hold its first size bytes
// (the whole file when it is shorter).
ReadOutcome ReadFileStart(const std::string& path, std::string& bytes, std::size_t size,
                          std::string* error = nullptr) noexcept;

// Why an exception stopped a read or a write, in words for a message.
std::string FailureReason(const std::exception& e);

}  // namespace quorvin
