#pragma once
// The last four flowchart files saved, newest first, kept in the per-user
// store under application "Quorvin", section "Recent Files".

#include <string>
#include <vector>

#include "model/host.h"
#include "model/settings_store.h"

namespace quorvin {

class RecentFiles {
 public:
  static constexpr int kCount = 4;

  RecentFiles(SettingsStore& store, DocumentViews& views) : store_(store), views_(views) {}

  void AddRecentFile(const std::string& path);
  bool IsRecentFile(const std::string& path) const;
  void PushRecentFile(const std::string& path);
  // Reads the store; when RecentFile1 is set, the menus show the entries.
  void LoadRecentFiles();

  // The entries the menus show, newest first (at most four, none empty).
  const std::vector<std::string>& shown() const { return shown_; }

 private:
  std::string value(int k) const;
  SettingsStore& store_;
  DocumentViews& views_;
  std::vector<std::string> shown_;
};

}  // namespace quorvin
