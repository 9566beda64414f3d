#pragma once
// The icon keys the insert commands chose for boxes, where the box's record
// alone does not say them, shared by every window: a waiting box placed on
// another document keeps its picture. Box numbers move when boxes are
// deleted, so a key holds only while its box keeps the kind and parameters
// it had when the key was given.

#include <map>
#include <string>

#include "model/box_kinds.h"
#include "model/box_record.h"

namespace quorvin {

class BoxIconKeys {
 public:
  void set(int n, const BoxRecord& box, const std::string& key) {
    keys_[n] = Entry{box.Kind, box.Params, key};
  }
  // The key box n shows: the one given, or the one its record gives.
  std::string keyOf(int n, const BoxRecord& box) const {
    const auto it = keys_.find(n);
    if (it != keys_.end() && it->second.kind == box.Kind && it->second.params == box.Params)
      return it->second.key;
    return BoxIconKey(box);
  }
  bool has(int n) const { return keys_.count(n) != 0; }
  // Forgets the keys of numbers above highest: those boxes are gone.
  void forgetAbove(int highest) { keys_.erase(keys_.upper_bound(highest), keys_.end()); }

 private:
  struct Entry {
    std::string kind;
    std::string params;
    std::string key;
  };
  std::map<int, Entry> keys_;
};

}  // namespace quorvin
