#pragma once
// Names for the rows of parameterised tests, so that each row's test is
// named after what it holds, the same in every build. A test name allows
// letters, digits and underscores only.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace quorvin::testing_support {

// The text with every character other than a letter or a digit spelt as an
// underscore; the empty text is "Empty". Two rows that come out alike stop
// the test program at its start with GoogleTest's "Duplicate parameterized
// test name".
std::string TestNameOf(std::string_view text);

// The name generator for rows that carry their name in a member `name`.
struct ByRowName {
  template <class Row>
  std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
    return TestNameOf(row.param.name);
  }
};

}  // namespace quorvin::testing_support
