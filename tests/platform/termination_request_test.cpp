#include "platform/termination_request.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "tests/support/qt_application.h"

namespace quorvin {
namespace {

// SIGTERM no longer ends the process at once: it arrives on the event loop,
// once for a burst of them.
TEST(TerminationRequest, SigtermBecomesOneRequestOnTheEventLoop) {
  testing_support::EnsureGuiApplication();
  TerminationRequest termination;
  int requests = 0;
  QObject::connect(&termination, &TerminationRequest::requested, [&] { ++requests; });
  ::raise(SIGTERM);
  ::raise(SIGTERM);
  EXPECT_EQ(requests, 0) << "nothing happens inside the handler";
  QElapsedTimer clock;
  clock.start();
  while (requests == 0 && clock.elapsed() < 5000) QCoreApplication::processEvents();
  EXPECT_EQ(requests, 1);
  ::raise(SIGTERM);
  QCoreApplication::processEvents();
  EXPECT_EQ(requests, 2) << "a later one is a request again";
}

}  // namespace
}  // namespace quorvin
