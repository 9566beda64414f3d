#include "model/recent_files.h"

namespace quorvin {

namespace {
const std::string kApp = "Quorvin";
const std::string kSection = "Recent Files";
std::string ValueName(int k) { return "RecentFile" + std::to_string(k); }
}  // namespace

std::string RecentFiles::value(int k) const { return store_.get(kApp, kSection, ValueName(k)); }

bool RecentFiles::IsRecentFile(const std::string& path) const {
  for (int k = 1; k <= kCount; ++k)
    if (value(k) == path) return true;
  return false;
}

void RecentFiles::PushRecentFile(const std::string& path) {
  for (int k = kCount - 1; k >= 1; --k) {
    const std::string v = value(k);
    if (!v.empty()) store_.set(kApp, kSection, ValueName(k + 1), v);
  }
  store_.set(kApp, kSection, ValueName(1), path);
}

void RecentFiles::AddRecentFile(const std::string& path) {
  if (!IsRecentFile(path)) PushRecentFile(path);
  LoadRecentFiles();
}

void RecentFiles::LoadRecentFiles() {
  if (value(1).empty()) return;
  shown_.clear();
  for (int k = 1; k <= kCount; ++k) {
    const std::string v = value(k);
    if (!v.empty()) shown_.push_back(v);
  }
  views_.recentFilesChanged(shown_);
}

}  // namespace quorvin
