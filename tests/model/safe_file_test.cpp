// Writing a file so that the user keeps what was there: its permissions, its
// owner, its links, and on failure its old content.
#include "model/safe_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>

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

TEST(ReadWholeFile, ReadsEveryByteOrSaysWhyNot) {
  ScratchFolder dir;
  ASSERT_TRUE(dir.ok());
  const std::string bytes("1\r\nSin~\0\xff\r\n", 11);
  WriteBytes(dir / "chart.qvn", bytes);
  WriteBytes(dir / "plain", "x");
  std::filesystem::create_directory(dir / "folder");
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0644), 0);
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

}  // namespace
}  // namespace quorvin
