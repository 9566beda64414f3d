#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "model/recent_files.h"
#include "platform/qsettings_store.h"

namespace quorvin {
namespace {

TEST(QSettingsStore, RecentFilesSurviveARestartOfTheStore) {
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
  QStandardPaths::setTestModeEnabled(true);
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
  DocumentViews views;
  {
    QSettingsStore store;
    RecentFiles recent(store, views);
    recent.AddRecentFile("/home/user/a b.qvn");
    recent.AddRecentFile("/home/user/c.qvn");
  }
  QSettingsStore store;
  EXPECT_EQ(store.get("Quorvin", "Recent Files", "RecentFile1"), "/home/user/c.qvn");
  EXPECT_EQ(store.get("Quorvin", "Recent Files", "RecentFile2"), "/home/user/a b.qvn");
  EXPECT_EQ(store.get("Quorvin", "Recent Files", "RecentFile3"), "");
  RecentFiles again(store, views);
  again.LoadRecentFiles();
  EXPECT_EQ(again.shown(), (std::vector<std::string>{"/home/user/c.qvn", "/home/user/a b.qvn"}));
}

}  // namespace
}  // namespace quorvin
