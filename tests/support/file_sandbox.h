#pragma once
// For tests of how files are read and written: a scratch folder any user may
// write in, and checks run in a child process, where they may lower a limit
// or give up root. Permissions mean nothing to root, and the tests run as
// root on the build machines, so every check that depends on them runs as
// another user.

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace quorvin::testing_support {

// A fresh folder in the temporary directory that every user may write in;
// removed with all it holds.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "quorvin-files-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return;
    path_ = pattern;
    ::chmod(path_.c_str(), 0777);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  bool ok() const { return !path_.empty(); }
  std::string operator/(const std::string& name) const { return (path_ / name).string(); }
  // The names the folder (or its subfolder sub) holds, sorted, so a
  // left-over temporary file shows.
  std::string listing(const std::string& sub = "") const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_ / sub))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string text;
    for (const std::string& n : names) text += (text.empty() ? "" : " ") + n;
    return text;
  }

 private:
  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::string& bytes, mode_t mode = 0644) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  ::chmod(path.c_str(), mode);
}

inline mode_t ModeOf(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// What a check found wrong, one line each; empty when everything held.
struct Findings {
  std::string text;
  void expect(bool ok, const std::string& what) {
    if (!ok) text += what + "\n";
  }
};

struct ChildRun {
  bool ran = false;     // false: the child could not become another user
  std::string result;   // the check's findings, or why it did not run
};

// Runs check in a child process and hands back its findings. With
// asOtherUser, a child of root first becomes "nobody" (user and group 65534
// when the user database has no such entry); a child of any other user stays
// who it is.
inline ChildRun RunInChild(const std::function<std::string()>& check, bool asOtherUser) {
  int fds[2];
  if (::pipe(fds) != 0) return {true, std::string("no pipe: ") + std::strerror(errno)};
  std::fflush(nullptr);
  const pid_t pid = ::fork();
  if (pid < 0) return {true, std::string("no child: ") + std::strerror(errno)};
  if (pid == 0) {
    ::close(fds[0]);
    std::string out;
    int code = 0;
    if (asOtherUser && ::geteuid() == 0) {
      uid_t uid = 65534;
      gid_t gid = 65534;
      if (const passwd* pw = ::getpwnam("nobody")) uid = pw->pw_uid, gid = pw->pw_gid;
      if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0 ||
          ::geteuid() == 0) {
        out = "root cannot become user " + std::to_string(uid) + ": " + std::strerror(errno);
        code = 2;
      }
    }
    if (code == 0) {
      try {
        out = check();
      } catch (const std::exception& e) {
        out = std::string("the check threw: ") + e.what();
      }
    }
    for (std::size_t done = 0; done < out.size();) {
      const ssize_t n = ::write(fds[1], out.data() + done, out.size() - done);
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    ::_exit(code);
  }
  ::close(fds[1]);
  std::string text;
  char buffer[4096];
  for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) != 0;) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fds[0]);
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == 2) return {false, text};
  if (!WIFEXITED(status))
    text += "the check ended by signal " + std::to_string(WTERMSIG(status)) + "\n";
  return {true, text};
}

}  // namespace quorvin::testing_support

// Runs a check (a callable returning its findings' text) as a user other
// than root, in a child process. Skips the test only when no other
// user can be had.
#define QUORVIN_EXPECT_AS_OTHER_USER(...)                                                 \
  do {                                                                                    \
    const auto run_ = ::quorvin::testing_support::RunInChild(__VA_ARGS__, true);          \
    if (!run_.ran) GTEST_SKIP() << "no user other than root to check permissions as: " \
                                << run_.result;                                           \
    EXPECT_EQ(run_.result, "");                                                           \
  } while (0)
