#include "tests/support/internal_errors.h"

#include <cstdio>
#include <cstdlib>

namespace quorvin::testing_support {

namespace {
InternalErrorHandler handler = nullptr;
}  // namespace

void SetInternalErrorHandler(InternalErrorHandler h) { handler = h; }

void ReportInternalError(const std::string& report) {
  if (handler != nullptr) {
    handler(report);
    return;
  }
  std::fprintf(stderr, "internal error: %s\n", report.c_str());
  std::abort();
}

}  // namespace quorvin::testing_support
