#include "compiler/work_list.h"

namespace quorvin {

void WorkList::reset() {
  workLen = 5;
  workList.assign(6, 0);
  nestLevel = 0;
}

void WorkList::WorkListAdd(int) {}
void WorkList::WorkListRemoveAt(int) {}
bool WorkList::WorkListIsEmpty() const { return true; }
int WorkList::NoOtherReady(int, const BoxTable&) const { return 1; }

}  // namespace quorvin
