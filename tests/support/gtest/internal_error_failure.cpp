// Linked into every GoogleTest program: a fault the compiler reports fails
// the test that met it, and the other tests go on.
#include <gtest/gtest.h>

#include "tests/support/internal_errors.h"

namespace {

void FailTheRunningTest(const std::string& report) {
  ADD_FAILURE() << "internal error: " << report;
}

const bool installed = [] {
  quorvin::testing_support::SetInternalErrorHandler(&FailTheRunningTest);
  return true;
}();

}  // namespace
