#pragma once
// Table-driven checks of template text: kind, parameters and links in, the
// exact statement out (typed by hand from the templates' definitions).

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>

#include "templates_fixture.h"

namespace quorvin::testing {

struct StatementCase {
  const char* kind;
  const char* params;
  int q;
  std::array<int, 3> links;
  const char* expected;
};

inline void ExpectStatements(std::initializer_list<StatementCase> cases,
                             CompileMode mode = CompileMode::Text) {
  for (const StatementCase& c : cases) {
    ArmBench bench;
    SCOPED_TRACE(std::string(c.kind) + " / " + c.params);
    EXPECT_EQ(bench.run(c.q, c.kind, c.params, c.links, mode), c.expected);
    EXPECT_TRUE(bench.done(c.q));
  }
}

}  // namespace quorvin::testing
