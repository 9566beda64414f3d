#include "model/model.h"

namespace quorvin {
bool NewBox(Model&, int) { return false; }
void DeleteSelection(Model&, bool) {}
int NewDocument(Model&) { return 0; }
bool SaveDocument(Model&, int, int) { return false; }
void LoadFlowchart(Model&, const std::string&) {}
void RecentFiles::AddRecentFile(const std::string&) {}
bool RecentFiles::IsRecentFile(const std::string&) const { return false; }
void RecentFiles::PushRecentFile(const std::string&) {}
void RecentFiles::LoadRecentFiles() {}
}  // namespace quorvin
