#include "compiler/work_list.h"

#include <algorithm>

namespace quorvin {

namespace {
constexpr int16_t kGrowth = 5;
}

void WorkList::reset() {
  workLen = 5;
  workList.assign(static_cast<std::size_t>(workLen) + 1, 0);
  nestLevel = 0;
  written.clear();
  // Copies of an earlier compile are never read again: each level rewrites
  // its copy when it opens.
  savedWorkLists.assign(1, {});
  openBlocks.assign(1, {});
}

void WorkList::WorkListAdd(int idx) {
  if (idx < 0) return;  // an absent slot
  for (int i = 1; i <= workLen; ++i)
    if (workList[i] == idx) return;
  for (int i = 1; i <= workLen; ++i) {
    if (workList[i] == 0) {
      workList[i] = static_cast<int16_t>(idx);
      return;
    }
  }
  // Full: every list, live and saved, grows by the same five positions so
  // that a restored copy always fits the live length.
  workLen = static_cast<int16_t>(workLen + kGrowth);
  const std::size_t size = static_cast<std::size_t>(workLen) + 1;
  workList.resize(size, 0);
  for (auto& copy : savedWorkLists)
    if (!copy.empty()) copy.resize(size, 0);
  workList[workLen - kGrowth + 1] = static_cast<int16_t>(idx);
}

void WorkList::WorkListRemoveAt(int pos) {
  if (pos < 1 || pos > workLen) return;
  for (int i = pos + 1; i <= workLen; ++i) workList[i - 1] = workList[i];
  workList[workLen] = 0;
}

bool WorkList::WorkListIsEmpty() const {
  for (int i = 1; i <= workLen; ++i)
    if (workList[i] != 0) return false;
  return true;
}

bool WorkList::NoOtherReady(int cur, const BoxTable& table) const {
  for (int i = 1; i <= workLen; ++i) {
    const int e = workList[i];
    if (e == 0 || e == cur) continue;
    const BoxRecord* box = table.box(e);
    if (box == nullptr) continue;  // names no box: never ready
    bool ready = true;
    for (int k = 1; k <= kEntries && ready; ++k) {
      const int src = box->InLink[k];
      if (src <= 0) continue;
      ready = table.linked(e, src) != nullptr && written.contains(src);
    }
    if (ready) return false;
  }
  return true;
}

void WorkList::OpenLevel(const OpenBlock& block, int keepPos) {
  nestLevel = static_cast<int16_t>(nestLevel + 1);
  const auto level = static_cast<std::size_t>(nestLevel);
  if (savedWorkLists.size() <= level) savedWorkLists.resize(level + 1);
  if (openBlocks.size() <= level) openBlocks.resize(level + 1);
  std::vector<int16_t>& copy = savedWorkLists[level];
  copy.assign(workList.size(), 0);
  for (int k = 0; k <= workLen; ++k) {
    if (k == keepPos) continue;
    copy[k] = workList[k];
    workList[k] = 0;
  }
  openBlocks[level] = block;
}

std::optional<OpenBlock> WorkList::CloseLevel() {
  if (nestLevel <= 0) return std::nullopt;
  const auto level = static_cast<std::size_t>(nestLevel);
  std::vector<int16_t>& copy = savedWorkLists[level];
  copy.resize(workList.size(), 0);
  workList = copy;
  nestLevel = static_cast<int16_t>(nestLevel - 1);
  return openBlocks[level];
}

const OpenBlock* WorkList::innermost() const {
  return nestLevel > 0 ? &openBlocks[static_cast<std::size_t>(nestLevel)] : nullptr;
}

int WorkList::positionOf(int box) const {
  for (int i = 1; i <= workLen; ++i)
    if (workList[i] == box) return i;
  return 0;
}

}  // namespace quorvin
