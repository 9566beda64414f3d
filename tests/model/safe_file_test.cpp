// Writing a file so that the user keeps what was there: its permissions, its
// owner, its links, and on failure its old content.
#include "model/safe_file.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <thread>
#include <vector>

#include "tests/support/file_sandbox.h"

namespace quorvin {
namespace {

using namespace testing_support;

std::string Octal(mode_t mode) {
  char text[8];
  std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode));
  return text;
}

std::string LinkText(const std::string& path) {
  char text[4096];
  const ssize_t n = ::readlink(path.c_str(), text, sizeof text);
  return n < 0 ? std::string("(not a link)") : std::string(text, static_cast<std::size_t>(n));
}

TEST(WriteFileSafely, NewFileGetsTheBytesAndTheModeOfAnyNewFile) {
  ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  const mode_t mask = ::umask(0);
  ::umask(mask);
  const std::string bytes("0\r\nA~\0b;;\r\n\r\n", 13);
  std::string error;
  ASSERT_TRUE(WriteFileSafely(dir / "new.qvn", bytes, &error)) << error;
  EXPECT_EQ(ReadBytes(dir / "new.qvn"), bytes);
  EXPECT_EQ(Octal(ModeOf(dir / "new.qvn")), Octal(0666 & ~mask));
  EXPECT_EQ(dir.listing(), "new.qvn");

  ASSERT_TRUE(WriteFileSafely(dir / "new.qvn", "", &error)) << error;
  EXPECT_EQ(ReadBytes(dir / "new.qvn"), "") << "an empty content is a content too";
}

// Replaces files of several modes and reports any whose mode or bytes differ.
std::string ModesKeptWhenReplacing(const ScratchFolder& dir, const std::string& who) {
  Findings found;
  for (mode_t mode : {0600, 0640, 0660, 0604, 0700, 0755}) {
    const std::string path = dir / (who + Octal(mode));
    WriteBytes(path, "old, and longer than the new content", mode);
    std::string error;
    found.expect(WriteFileSafely(path, "new", &error), path + " not written: " + error);
    found.expect(ReadBytes(path) == "new", path + " holds: " + ReadBytes(path));
    found.expect(ModeOf(path) == mode,
                 path + " has mode " + Octal(ModeOf(path)) + " instead of " + Octal(mode));
  }
  return found.text;
}

TEST(WriteFileSafely, ReplacingKeepsThePermissionBits) {
  ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  EXPECT_EQ(ModesKeptWhenReplacing(dir, "mine"), "");
  QUORVIN_EXPECT_AS_OTHER_USER([&] { return ModesKeptWhenReplacing(dir, "other"); });
  EXPECT_EQ(dir.listing(), "mine0600 mine0604 mine0640 mine0660 mine0700 mine0755 other0600 "
                           "other0604 other0640 other0660 other0700 other0755");
}

TEST(WriteFileSafely, RootKeepsTheOwnerOfAnotherUsersFile) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root may write a file that stays another user's";
  ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  const std::string path = dir / "theirs.m";
  WriteBytes(path, "old", 0640);
  ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
  ASSERT_TRUE(WriteFileSafely(path, "new"));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, 65534u);
  EXPECT_EQ(st.st_gid, 65534u);
  EXPECT_EQ(Octal(st.st_mode & 07777), "0640");
  EXPECT_EQ(ReadBytes(path), "new");
}

TEST(WriteFileSafely, WritesThroughSymbolicLinksToTheFileTheyName) {
  ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  std::filesystem::create_directory(dir / "sub");
  WriteBytes(dir / "sub/real.m", "old", 0600);
  ASSERT_EQ(::symlink("sub/real.m", (dir / "relative").c_str()), 0);
  ASSERT_EQ(::symlink("relative", (dir / "chain").c_str()), 0);
  ASSERT_EQ(::symlink((dir / "chain").c_str(), (dir / "sub/absolute").c_str()), 0);
  ASSERT_EQ(::symlink("sub/new.m", (dir / "dangling").c_str()), 0);
  ASSERT_EQ(::symlink("loop2", (dir / "loop1").c_str()), 0);
  ASSERT_EQ(::symlink("loop1", (dir / "loop2").c_str()), 0);

  std::string error;
  ASSERT_TRUE(WriteFileSafely(dir / "sub/absolute", "through three links", &error)) << error;
  EXPECT_EQ(ReadBytes(dir / "sub/real.m"), "through three links");
  EXPECT_EQ(Octal(ModeOf(dir / "sub/real.m")), "0600");
  EXPECT_EQ(LinkText(dir / "relative"), "sub/real.m");
  EXPECT_EQ(LinkText(dir / "chain"), "relative");
  EXPECT_EQ(LinkText(dir / "sub/absolute"), dir / "chain");

  // A link to a file not yet there creates that file, as a plain write would.
  ASSERT_TRUE(WriteFileSafely(dir / "dangling", "fresh", &error)) << error;
  EXPECT_EQ(ReadBytes(dir / "sub/new.m"), "fresh");
  EXPECT_EQ(LinkText(dir / "dangling"), "sub/new.m");

  EXPECT_FALSE(WriteFileSafely(dir / "loop1", "never", &error));
  EXPECT_EQ(error, "Too many levels of symbolic links");
  EXPECT_EQ(dir.listing(), "chain dangling loop1 loop2 relative sub");
  EXPECT_EQ(dir.listing("sub"), "absolute new.m real.m") << "no temporary file is left";
}

TEST(WriteFileSafely, RefusesAFileTheUserMayNotWriteAndLeavesIt) {
  ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  QUORVIN_EXPECT_AS_OTHER_USER([&] {
    Findings found;
    const std::string locked = dir / "locked.qvn";
    WriteBytes(locked, "old", 0444);
    std::string error;
    found.expect(!WriteFileSafely(locked, "new", &error), "a read-only file was replaced");
    found.expect(error == "Permission denied", "the reason given: " + error);
    found.expect(ReadBytes(locked) == "old", "the read-only file holds: " + ReadBytes(locked));
    found.expect(ModeOf(locked) == 0444, "its mode became " + Octal(ModeOf(locked)));

    // Writable in itself, but its folder takes no new file: refused too,
    // since a write in place could leave half a file behind.
    std::filesystem::create_directory(dir / "shut");
    const std::string inShut = dir / "shut/open.m";
    WriteBytes(inShut, "old", 0666);
    ::chmod((dir / "shut").c_str(), 0555);
    found.expect(!WriteFileSafely(inShut, "new", &error), "a file in a shut folder was written");
    found.expect(ReadBytes(inShut) == "old", "the file in the shut folder holds: " +
                                                 ReadBytes(inShut));
    ::chmod((dir / "shut").c_str(), 0777);
    return found.text;
  });
  EXPECT_EQ(dir.listing(), "locked.qvn shut");
  EXPECT_EQ(dir.listing("shut"), "open.m");
}

TEST(WriteFileSafely, RefusesPathsThatNameNoPlainFileInAFolder) {
  ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  std::filesystem::create_directory(dir / "folder");
  WriteBytes(dir / "folder/inside", "kept");
  WriteBytes(dir / "plain", "kept");
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0644), 0);
  const struct {
    std::string path, reason;
  } cases[] = {
      {dir / "folder", "Is a directory"},
      {dir / "folder/", "Is a directory"},
      {dir / "missing/chart.qvn", "No such file or directory"},
      {dir / "plain/chart.qvn", "Not a directory"},
      {dir / "pipe", "Not a plain file"},
      {"", "No such file or directory"},
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_FALSE(WriteFileSafely(c.path, "new", &error)) << c.path;
    EXPECT_EQ(error, c.reason) << c.path;
  }
  EXPECT_EQ(dir.listing(), "folder pipe plain");
  EXPECT_EQ(dir.listing("folder"), "inside");
  EXPECT_EQ(ReadBytes(dir / "plain"), "kept");
}

TEST(WriteFileSafely, AFailedWriteLeavesTheOldFileAndNoTemporaryOne) {
  ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  const std::string path = dir / "chart.qvn";
  WriteBytes(path, "the old flowchart", 0640);
  // A size limit makes the write fail half-way, as a full disk would.
  const ChildRun run = RunInChild(
      [&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        Findings found;
        std::string error;
        found.expect(!WriteFileSafely(path, std::string(100000, 'x'), &error),
                     "a write beyond the size limit succeeded");
        found.expect(error == "File too large", "the reason given: " + error);
        return found.text;
      },
      false);
  EXPECT_EQ(run.result, "");
  EXPECT_EQ(ReadBytes(path), "the old flowchart");
  EXPECT_EQ(Octal(ModeOf(path)), "0640");
  EXPECT_EQ(dir.listing(), "chart.qvn");
}

// A child process saving path, stopped half-way through writing: a size
// limit interrupts the write, and the handler of the signal that brings
// tells the parent and waits there until the child is killed.
class StoppedSave {
 public:
  explicit StoppedSave(const std::string& path) {
    int ready[2];
    if (::pipe(ready) != 0) return;
    std::fflush(nullptr);
    pid_ = ::fork();
    if (pid_ == 0) {
      ::close(ready[0]);
      readyFd_ = ready[1];
      struct sigaction halt {};
      halt.sa_handler = [](int) {
        (void)::write(readyFd_, "w", 1);
        for (;;) ::pause();
      };
      ::sigaction(SIGXFSZ, &halt, nullptr);
      const rlimit limit{4096, 4096};
      ::setrlimit(RLIMIT_FSIZE, &limit);
      WriteFileSafely(path, std::string(100000, 'x'));
      ::_exit(1);
    }
    ::close(ready[1]);
    char c = 0;
    stopped_ = pid_ > 0 && ::read(ready[0], &c, 1) == 1;
    ::close(ready[0]);
  }
  ~StoppedSave() { kill(); }
  bool stopped() const { return stopped_; }
  void kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    while (::waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
    }
    pid_ = 0;
  }

 private:
  static inline int readyFd_ = -1;
  pid_t pid_ = 0;
  bool stopped_ = false;
};

// Sets the file's last change an hour back.
void MakeOld(const std::string& path) {
  const timespec times[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
  ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

// A save killed half-way leaves its temporary file beside the document. A
// later save of the same file removes it once no process holds it and it has
// not changed for a minute; a save still under way in another process,
// another file's leftovers and whatever is only named like one stay.
TEST(WriteFileSafely, ASaveRemovesWhatKilledSavesOfTheSameFileLeft) {
  ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  const std::string path = dir / "chart.qvn";
  WriteBytes(path, "old");
  StoppedSave running(path);
  ASSERT_TRUE(running.stopped());
  const std::string listing = dir.listing();
  ASSERT_EQ(listing.size(), std::string("chart.qvn .chart.qvn.12345678.saving").size()) << listing;
  const std::string underWay = dir / listing.substr(0, listing.find(' '));
  MakeOld(underWay);

  WriteBytes(dir / ".chart.qvn.killed00.saving", "half a flowchart");
  WriteBytes(dir / "precious", "kept");
  std::vector<std::string> kept = {
      ".chart.qvn.recent00.saving",  // changed a moment ago
      ".other.qvn.killed00.saving",  // another file's
      ".chart.qvn.KILLED00.saving",  // no name a save makes
      ".chart.qvn.killed0.saving",
      "chart.qvn.killed00.saving",
      ".chart.qvn.linked00.saving",  // a link, to a file that is not a leftover
      ".chart.qvn.folder00.saving",
  };
  for (const std::string& name : kept) WriteBytes(dir / name, "not ours");
  ::unlink((dir / ".chart.qvn.linked00.saving").c_str());
  ASSERT_EQ(::symlink("precious", (dir / ".chart.qvn.linked00.saving").c_str()), 0);
  ::unlink((dir / ".chart.qvn.folder00.saving").c_str());
  std::filesystem::create_directory(dir / ".chart.qvn.folder00.saving");
  if (::geteuid() == 0) {  // root can give a leftover to another user, whose it then stays
    kept.push_back(".chart.qvn.nobody00.saving");
    WriteBytes(dir / kept.back(), "not ours");
    ASSERT_EQ(::chown((dir / kept.back()).c_str(), 65534, 65534), 0);
  }
  for (const std::string& name : kept)
    if (name != ".chart.qvn.recent00.saving") MakeOld(dir / name);
  MakeOld(dir / ".chart.qvn.killed00.saving");

  auto listingWith = [&](const std::vector<std::string>& names) {
    std::vector<std::string> sorted = names;
    std::sort(sorted.begin(), sorted.end());
    std::string text;
    for (const std::string& n : sorted) text += (text.empty() ? "" : " ") + n;
    return text;
  };
  std::vector<std::string> expected = kept;
  expected.insert(expected.end(), {"chart.qvn", "precious", underWay.substr(underWay.rfind('/') + 1)});

  std::string error;
  ASSERT_TRUE(WriteFileSafely(path, "new", &error)) << error;
  EXPECT_EQ(dir.listing(), listingWith(expected)) << "the save under way keeps its file";
  EXPECT_EQ(ReadBytes(path), "new");
  EXPECT_EQ(ReadBytes(dir / "precious"), "kept");

  running.kill();
  ASSERT_TRUE(WriteFileSafely(path, "newer", &error)) << error;
  expected.pop_back();
  EXPECT_EQ(dir.listing(), listingWith(expected)) << "a killed save's file is removed";
  EXPECT_EQ(ReadBytes(path), "newer");
}

TEST(ReadWholeFile, ReadsEveryByteOrSaysWhyNot) {
  ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  const std::string bytes("1\r\nSin~\0\xff\r\n", 11);
  WriteBytes(dir / "chart.qvn", bytes);
  WriteBytes(dir / "plain", "x");
  std::filesystem::create_directory(dir / "folder");
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0644), 0);
  std::filesystem::create_symlink("loop.b", dir / "loop.a");
  std::filesystem::create_symlink("loop.a", dir / "loop.b");
  const struct {
    std::string path;
    ReadOutcome outcome;
    std::string error;
  } cases[] = {
      {dir / "chart.qvn", ReadOutcome::kRead, ""},
      {dir / "missing.qvn", ReadOutcome::kMissing, "No such file or directory"},
      {dir / "plain/chart.qvn", ReadOutcome::kMissing, "Not a directory"},
      {dir / "folder", ReadOutcome::kFailed, "Is a directory"},
      {dir / "pipe", ReadOutcome::kFailed, "Not a plain file"},  // and no waiting for a writer
      {dir / "loop.a", ReadOutcome::kFailed, "Too many levels of symbolic links"},
  };
  for (const auto& c : cases) {
    std::string got = "stale";
    std::string error;
    EXPECT_EQ(ReadWholeFile(c.path, got, &error), c.outcome) << c.path;
    EXPECT_EQ(error, c.error) << c.path;
    EXPECT_EQ(got, c.outcome == ReadOutcome::kRead ? bytes : "") << c.path;
  }

  WriteBytes(dir / "secret.qvn", "hidden", 0000);
  QUORVIN_EXPECT_AS_OTHER_USER([&] {
    Findings found;
    std::string got, error;
    found.expect(ReadWholeFile(dir / "secret.qvn", got, &error) == ReadOutcome::kFailed,
                 "an unreadable file was read");
    found.expect(error == "Permission denied", "the reason given: " + error);
    return found.text;
  });
}

// A reader that knows how large its files can be is not made to take in
// more.
TEST(ReadWholeFile, RefusesAFileLargerThanTheLimitGiven) {
  ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  WriteBytes(dir / "ten", "0123456789");
  std::string got = "stale", error;
  EXPECT_EQ(ReadWholeFile(dir / "ten", got, &error, 9), ReadOutcome::kFailed);
  EXPECT_EQ(error, "File too large");
  EXPECT_EQ(got, "");
  EXPECT_EQ(ReadWholeFile(dir / "ten", got, &error, 10), ReadOutcome::kRead);
  EXPECT_EQ(got, "0123456789");
}

// A reader that needs only the start of a file takes that much of it,
// whatever the file's size, and of a plain file only.
TEST(ReadFileStart, TakesTheFirstBytesOfAPlainFile) {
  ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  WriteBytes(dir / "ten", "0123456789");
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0644), 0);
  const struct {
    std::string path;
    std::size_t size;
    ReadOutcome outcome;
    std::string bytes;
    std::string error;
  } cases[] = {
      {dir / "ten", 4, ReadOutcome::kRead, "0123", ""},
      {dir / "ten", 10, ReadOutcome::kRead, "0123456789", ""},
      {dir / "ten", 20, ReadOutcome::kRead, "0123456789", ""},
      {dir / "pipe", 4, ReadOutcome::kFailed, "", "Not a plain file"},  // refused unopened
  };
  for (const auto& c : cases) {
    std::string got = "stale", error;
    EXPECT_EQ(ReadFileStart(c.path, got, c.size, &error), c.outcome) << c.path << " " << c.size;
    EXPECT_EQ(got, c.bytes) << c.path << " " << c.size;
    EXPECT_EQ(error, c.error) << c.path << " " << c.size;
  }
}

// Only a plain file is opened: a program waiting to write into a named pipe
// is not let through by a read that then refuses the pipe.
TEST(ReadWholeFile, LeavesANamedPipeUnopened) {
  ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  const std::string pipe = dir / "pipe";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
  std::atomic<bool> writerIn{false};
  std::thread writer([&] {
    const int fd = ::open(pipe.c_str(), O_WRONLY);  // waits for a reader
    writerIn = true;
    if (fd >= 0) ::close(fd);
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  std::string got, error;
  EXPECT_EQ(ReadWholeFile(pipe, got, &error), ReadOutcome::kFailed);
  EXPECT_EQ(error, "Not a plain file");
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_FALSE(writerIn) << "the pipe was opened for reading";
  const int reader = ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);  // lets the writer go
  writer.join();
  if (reader >= 0) ::close(reader);
}

}  // namespace
}  // namespace quorvin
