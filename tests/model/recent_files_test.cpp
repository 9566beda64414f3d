#include <gtest/gtest.h>

#include "model_fakes.h"

namespace quorvin {
namespace {

struct Recent : ::testing::Test {
  MemorySettingsStore store;
  testing::RecordingViews views;
  RecentFiles recent{store, views};
  std::string Value(int k) { return store.get("Quorvin", "Recent Files", "RecentFile" + std::to_string(k)); }
};

TEST_F(Recent, FirstSaveStoresOneEntryAndShowsIt) {
  recent.AddRecentFile("/work/a.qvn");
  EXPECT_EQ(Value(1), "/work/a.qvn");
  EXPECT_EQ(Value(2), "");
  EXPECT_EQ(views.recent, (std::vector<std::string>{"/work/a.qvn"}));
}

TEST_F(Recent, NewestFirstFourAtMostAndKnownFilesStayInPlace) {
  for (const char* p : {"a", "b", "c", "d", "e"}) recent.AddRecentFile(p);
  EXPECT_EQ(recent.shown(), (std::vector<std::string>{"e", "d", "c", "b"}));
  recent.AddRecentFile("c");
  EXPECT_EQ(recent.shown(), (std::vector<std::string>{"e", "d", "c", "b"}));
  recent.AddRecentFile("C");  // letter case counts
  EXPECT_EQ(recent.shown(), (std::vector<std::string>{"C", "e", "d", "c"}));
}

TEST_F(Recent, KnownMeansStoredNotShown) {
  store.set("Quorvin", "Recent Files", "RecentFile1", "x");  // stored, menus not yet loaded
  EXPECT_TRUE(recent.IsRecentFile("x"));
  recent.AddRecentFile("x");
  EXPECT_EQ(Value(2), "") << "not pushed a second time";
}

TEST_F(Recent, EmptyStoreShowsNothing) {
  recent.LoadRecentFiles();
  EXPECT_TRUE(recent.shown().empty());
  EXPECT_TRUE(views.recent.empty());
}

}  // namespace
}  // namespace quorvin
