// The settings file the build puts beside the program holds the design
// values, in the form Save writes them.
#include <gtest/gtest.h>

#include "model/settings_file.h"
#include "tests/support/file_sandbox.h"

namespace quorvin {
namespace {

TEST(DefaultSettingsFile, HoldsTheDesignValuesAsSaveWritesThem) {
  // The source tree's app/ folder, from this folder's (absent) data folder.
  std::string source = QUORVIN_TEST_DATA;
  source.resize(source.rfind("/tests/app/data"));
  const std::string shipped = testing_support::ReadBytes(source + "/app/quorvin.ini");
  EXPECT_EQ(shipped, WithPreferences("", DesignPreferences()));
  Preferences read;  // the model's defaults, chkInput off
  ReadSettings(shipped, read);
  EXPECT_TRUE(read.chkInput);
  EXPECT_EQ(read.txtLineWidth, "1");
  EXPECT_EQ(read.txtToolbox, "default.tlb");
  EXPECT_EQ(read.txtDrives, "abcdef");
}

}  // namespace
}  // namespace quorvin
