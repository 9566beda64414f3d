#include "platform/termination_request.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <cstring>

namespace quorvin {

namespace {

// The pipe's end the handler writes to; -1 while nobody listens.
std::atomic<int> gWriteEnd{-1};
static_assert(std::atomic<int>::is_always_lock_free, "read from a signal handler");

void OnTerminate(int) {
  const int saved = errno;  // the interrupted code may be about to read it
  if (const int fd = gWriteEnd.load(); fd >= 0) {
    const char byte = 1;
    // A full pipe holds a request already: losing this one loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
  }
  errno = saved;
}

void Handle(int signal, void (*handler)(int)) {
  struct sigaction action = {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(signal, &action, nullptr);
}

}  // namespace

TerminationRequest::TerminationRequest(QObject* parent) : QObject(parent) {
  int ends[2];
  if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
    qWarning("SIGTERM ends the program at once: no pipe for it (%s)", std::strerror(errno));
    return;
  }
  readEnd_ = ends[0];
  gWriteEnd.store(ends[1]);
  notifier_ = new QSocketNotifier(readEnd_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] { takeBytes(); });
  Handle(SIGTERM, OnTerminate);
}

TerminationRequest::~TerminationRequest() {
  if (readEnd_ < 0) return;
  Handle(SIGTERM, SIG_DFL);
  ::close(gWriteEnd.exchange(-1));
  delete notifier_;  // before the end it watches is closed
  ::close(readEnd_);
}

void TerminationRequest::takeBytes() {
  char bytes[64];
  while (::read(readEnd_, bytes, sizeof bytes) > 0) {
  }
  emit requested();
}

}  // namespace quorvin
