#include "model/safe_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <new>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

namespace quorvin {

namespace {

std::string ErrnoText(int code) { return std::generic_category().message(code); }

void SetError(std::string* error, std::string_view text) noexcept {
  if (!error) return;
  try {
    *error = text;
  } catch (...) {
    error->clear();  // no memory even for the reason: the false result says enough
  }
}

// The directory part of path with its last "/", or "" for a bare name.
std::string DirectoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Symbolic-link chains longer than this are taken for loops, as the system does.
constexpr int kMaxLinkHops = 40;

// The file that a write to path would land in: path itself, or the end of
// the chain of symbolic links that starts at path (which may not exist yet,
// when the last link dangles). Nothing, with errno set, when the chain cannot
// be followed.
bool FollowLinks(std::string path, std::string& target) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
      if (errno != ENOENT) return false;
      target = path;
      return true;
    }
    if (!S_ISLNK(st.st_mode)) {
      target = path;
      return true;
    }
    std::string link(st.st_size > 0 ? static_cast<std::size_t>(st.st_size) + 1 : 256, '\0');
    for (;;) {
      const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
      if (n < 0) return false;
      if (static_cast<std::size_t>(n) < link.size()) {
        link.resize(static_cast<std::size_t>(n));
        break;
      }
      link.resize(link.size() * 2);  // the link grew since lstat
    }
    path = !link.empty() && link.front() == '/' ? link : DirectoryOf(path) + link;
  }
  errno = ELOOP;
  return false;
}

// A temporary file is named "." + the file's name (cut to kNameRoom bytes) +
// "." + kSuffixLength of kLetters + kTemporaryEnd.
constexpr std::size_t kNameRoom = 200;
constexpr std::size_t kSuffixLength = 8;
constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::string_view kTemporaryEnd = ".saving";

// A name for the temporary file that no earlier attempt used: time, process
// and a counter mixed, so two programs saving into one folder do not collide.
std::string TemporaryName(const std::string& target, unsigned attempt) {
  static std::atomic<std::uint64_t> counter{0};
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  std::uint64_t x = static_cast<std::uint64_t>(now.tv_nsec) ^
                    (static_cast<std::uint64_t>(now.tv_sec) << 20) ^
                    (static_cast<std::uint64_t>(::getpid()) << 40) ^ counter++ ^ attempt;
  x ^= x >> 31;  // splitmix64 finaliser: neighbouring inputs give unlike names
  x *= 0x9E3779B97F4A7C15ULL;
  x ^= x >> 29;
  std::string suffix;
  for (std::size_t i = 0; i < kSuffixLength; ++i, x /= kLetters.size())
    suffix += kLetters[x % kLetters.size()];
  const std::string dir = DirectoryOf(target);
  // A long file name is cut so that the temporary one still fits the limit.
  const std::string name = target.substr(dir.size()).substr(0, kNameRoom);
  return dir + "." + name + "." + suffix + std::string(kTemporaryEnd);
}

// Whether entry is a name TemporaryName gives for a file called name.
bool IsTemporaryNameFor(std::string_view entry, std::string_view name) {
  if (entry.size() != 1 + name.size() + 1 + kSuffixLength + kTemporaryEnd.size()) return false;
  if (entry[0] != '.' || entry.substr(1, name.size()) != name || entry[1 + name.size()] != '.')
    return false;
  if (!entry.ends_with(kTemporaryEnd)) return false;
  const std::string_view suffix = entry.substr(2 + name.size(), kSuffixLength);
  return suffix.find_first_not_of(kLetters) == std::string_view::npos;
}

// A temporary file no save has written to for this long, and that no
// process holds, is what a save that was killed left behind.
constexpr time_t kLeftoverAge = 60;  // seconds

// Removes entry of the folder dirFd when it is a leftover: a plain file of
// this user, untouched for kLeftoverAge, and not locked. A save holds the
// lock on its temporary file from its creation until it is renamed or
// removed; the age covers the instant before the lock is taken, and file
// systems whose locks other machines do not see.
void RemoveIfLeftover(int dirFd, const char* entry, time_t now) {
  struct stat named {};
  if (::fstatat(dirFd, entry, &named, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(named.st_mode) ||
      named.st_uid != ::geteuid() || named.st_mtime > now - kLeftoverAge)
    return;
  const int fd = ::openat(dirFd, entry, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return;
  struct stat opened {};
  const bool same = ::fstat(fd, &opened) == 0 && opened.st_dev == named.st_dev &&
                    opened.st_ino == named.st_ino;
  if (same && ::flock(fd, LOCK_EX | LOCK_NB) == 0) (void)::unlinkat(dirFd, entry, 0);
  ::close(fd);
}

// Removes what earlier saves of target that were killed half-way left beside
// it. Nothing else is touched: not a temporary file of another file, not one
// of a save still under way. A name that had to be cut for its temporary
// file cannot tell its leftovers from those of a longer one, and is left.
void RemoveLeftoversOf(const std::string& target) {
  const std::string dir = DirectoryOf(target);
  const std::string name = target.substr(dir.size());
  if (name.empty() || name.size() > kNameRoom) return;
  DIR* folder = ::opendir(dir.empty() ? "." : dir.c_str());
  if (folder == nullptr) return;
  std::vector<std::string> found;
  while (const dirent* entry = ::readdir(folder))
    if (IsTemporaryNameFor(entry->d_name, name)) found.emplace_back(entry->d_name);
  const time_t now = ::time(nullptr);
  for (const std::string& entry : found) RemoveIfLeftover(::dirfd(folder), entry.c_str(), now);
  ::closedir(folder);
}

// Owns the temporary file until it has been renamed over the target, and
// holds a lock on it for as long, which tells a later save that it is no
// leftover.
class TemporaryFile {
 public:
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!path_.empty()) ::unlink(path_.c_str());
    if (lock_ >= 0) ::close(lock_);
  }
  // Creates the file with the permissions every new file of the process
  // gets, so a new target ends up as a plain open would have made it.
  bool create(const std::string& target) {
    for (unsigned attempt = 0; attempt < 100; ++attempt) {
      const std::string name = TemporaryName(target, attempt);
      fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
      if (fd_ >= 0) {
        path_ = name;
        // The lock lives with a second descriptor, which stays open from
        // the close of the file until the rename. Where the file system
        // takes no lock, the save goes on without one.
        lock_ = ::fcntl(fd_, F_DUPFD_CLOEXEC, 0);
        if (lock_ >= 0) (void)::flock(lock_, LOCK_EX | LOCK_NB);
        return true;
      }
      if (errno != EEXIST) return false;
    }
    return false;
  }
  bool write(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {
        if (n == 0) errno = EIO;
        return false;
      }
      bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
  }
  // Gives the file the owner, group and permission bits of the file it
  // replaces. Taking over the owner needs privileges the process may lack,
  // so that is only tried; the permission bits must hold, or at least the new
  // file must not be open to anyone the old one was closed to.
  bool takeOver(const struct stat& old) {
    struct stat mine {};
    if (::fstat(fd_, &mine) != 0) return false;
    if (mine.st_uid != old.st_uid || mine.st_gid != old.st_gid) {
      if (::fchown(fd_, old.st_uid, old.st_gid) != 0 && mine.st_gid != old.st_gid)
        (void)::fchown(fd_, static_cast<uid_t>(-1), old.st_gid);
    }
    const mode_t wanted = old.st_mode & 07777;
    if (::fchmod(fd_, wanted) == 0) return true;
    const int cause = errno;
    if (::fstat(fd_, &mine) == 0 && (mine.st_mode & 0777 & ~wanted) == 0) return true;
    errno = cause;
    return false;
  }
  bool finish() {
    if (::fsync(fd_) != 0) return false;
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }
  bool renameOver(const std::string& target) {
    if (::rename(path_.c_str(), target.c_str()) != 0) return false;
    path_.clear();
    return true;
  }

 private:
  int fd_ = -1;
  int lock_ = -1;
  std::string path_;
};

// Makes the rename itself last through a power cut; a folder that cannot be
// synced does not undo a save that already took place.
void SyncDirectoryOf(const std::string& target) {
  const std::string dir = DirectoryOf(target);
  const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  (void)::fsync(fd);
  ::close(fd);
}

// Why a path that exists cannot be replaced, or "" when it can.
std::string RefusalOf(const std::string& target, const struct stat& st) {
  if (S_ISDIR(st.st_mode)) return ErrnoText(EISDIR);
  if (!S_ISREG(st.st_mode)) return "Not a plain file";
  if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return ErrnoText(errno);
  return {};
}

bool WriteFileSafelyOrThrow(const std::string& path, std::string_view bytes, std::string* error) {
  if (path.empty()) {
    SetError(error, ErrnoText(ENOENT));
    return false;
  }
  std::string target;
  if (!FollowLinks(path, target)) {
    SetError(error, ErrnoText(errno));
    return false;
  }
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (!exists && errno != ENOENT) {
    SetError(error, ErrnoText(errno));
    return false;
  }
  if (exists) {
    const std::string refusal = RefusalOf(target, old);
    if (!refusal.empty()) {
      SetError(error, refusal);
      return false;
    }
  }
  RemoveLeftoversOf(target);
  TemporaryFile temp;
  if (!temp.create(target) || !temp.write(bytes) || (exists && !temp.takeOver(old)) ||
      !temp.finish() || !temp.renameOver(target)) {
    SetError(error, ErrnoText(errno));
    return false;
  }
  SyncDirectoryOf(target);
  return true;
}

// The outcome for a path that could not be looked at or opened.
ReadOutcome Unopened(int cause, std::string* error) {
  SetError(error, ErrnoText(cause));
  return cause == ENOENT || cause == ENOTDIR ? ReadOutcome::kMissing : ReadOutcome::kFailed;
}

// Why a file of status st is not read, or nothing when it may be.
std::optional<std::string> Unreadable(const struct stat& st, std::size_t limit) {
  if (S_ISDIR(st.st_mode)) return ErrnoText(EISDIR);
  if (!S_ISREG(st.st_mode)) return "Not a plain file";
  if (static_cast<std::uintmax_t>(st.st_size) > limit) return ErrnoText(EFBIG);
  return std::nullopt;
}

// Reads the file at path, refusing one over limit, or, when cut, taking
// its first limit bytes whatever its size.
ReadOutcome ReadFileOrThrow(const std::string& path, std::string& bytes, std::string* error,
                            std::size_t limit, bool cut) {
  const std::size_t refusedOver = cut ? kNoReadLimit : limit;
  bytes.clear();
  // Decided by the type before opening: opening a named pipe lets a writer
  // waiting at its other end go on, and opening a device may do anything.
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return Unopened(errno, error);
  if (const std::optional<std::string> why = Unreadable(st, refusedOver)) {
    SetError(error, *why);
    return ReadOutcome::kFailed;
  }
  // Not blocking, should a named pipe have taken the file's place since.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return Unopened(errno, error);
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};
  if (::fstat(fd, &st) != 0) {
    SetError(error, ErrnoText(errno));
    return ReadOutcome::kFailed;
  }
  if (const std::optional<std::string> why = Unreadable(st, refusedOver)) {
    SetError(error, *why);
    return ReadOutcome::kFailed;
  }
  bytes.reserve(std::min(static_cast<std::size_t>(st.st_size), limit));
  char buffer[65536];
  for (;;) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      SetError(error, ErrnoText(errno));
      return ReadOutcome::kFailed;
    }
    if (n == 0) return ReadOutcome::kRead;
    // A file that grows while it is read is held to the limit all the same.
    const std::size_t room = limit - bytes.size();
    if (static_cast<std::size_t>(n) > room) {
      if (cut) {
        bytes.append(buffer, room);
        return ReadOutcome::kRead;
      }
      SetError(error, ErrnoText(EFBIG));
      return ReadOutcome::kFailed;
    }
    bytes.append(buffer, static_cast<std::size_t>(n));
    if (cut && bytes.size() == limit) return ReadOutcome::kRead;
  }
}

// Runs work, turning anything it throws into failed and a reason.
template <typename Result, typename Work>
Result Guarded(std::string* error, Result failed, Work work) noexcept {
  try {
    return work();
  } catch (const std::exception& e) {
    try {
      SetError(error, FailureReason(e));
    } catch (...) {
      SetError(error, "");
    }
  } catch (...) {
    SetError(error, "Unknown failure");
  }
  return failed;
}

}  // namespace

bool WriteFileSafely(const std::string& path, std::string_view bytes,
                     std::string* error) noexcept {
  return Guarded(error, false, [&] { return WriteFileSafelyOrThrow(path, bytes, error); });
}

namespace {

ReadOutcome ReadFile(const std::string& path, std::string& bytes, std::string* error,
                     std::size_t limit, bool cut) noexcept {
  const ReadOutcome outcome = Guarded(error, ReadOutcome::kFailed, [&] {
    return ReadFileOrThrow(path, bytes, error, limit, cut);
  });
  // A failed read gives back the memory it took.
  if (outcome != ReadOutcome::kRead) std::string().swap(bytes);
  return outcome;
}

}  // namespace

ReadOutcome ReadWholeFile(const std::string& path, std::string& bytes, std::string* error,
                          std::size_t limit) noexcept {
  return ReadFile(path, bytes, error, limit, false);
}

ReadOutcome ReadFileStart(const std::string& path, std::string& bytes, std::size_t size,
                          std::string* error) noexcept {
  return ReadFile(path, bytes, error, size, true);
}

std::string FailureReason(const std::exception& e) {
  if (dynamic_cast<const std::bad_alloc*>(&e)) return "There is not enough memory";
  return e.what();
}

}  // namespace quorvin
