#pragma once
// The one table of boxes shared by every open document.

#include <array>
#include <cstdint>
#include <vector>

#include "model/box_record.h"

namespace quorvin {

constexpr int kMaxBoxes = 350;

class BoxTable {
 public:
  // Boxes 1 .. nextBox-1 exist; record 0 is never used.
  int16_t nextBox = 1;

  int highestBox() const { return nextBox - 1; }
  // Numbers 1 .. this are boxes, never past the table (a counter read from
  // a bad file may claim more).
  int lastBox() const {
    return nextBox - 1 < 0 ? 0 : (nextBox - 1 > kMaxBoxes ? kMaxBoxes : nextBox - 1);
  }
  // Share of the 350 box numbers in use, in percent (the resource gauge).
  double fillPercent() const { return static_cast<double>(lastBox()) / kMaxBoxes * 100.0; }
  bool exists(int n) const { return n >= 1 && n < nextBox && n <= kMaxBoxes; }

  // The box an insert command left waiting for its placing click, or 0. It
  // has a number and a record but no place on any canvas yet (its X and Y
  // are whatever the record last held), so no reader counts it among the
  // placed boxes below: it is never drawn, saved, compiled or linked to
  // until it is placed. The editor marks it.
  int waitingBox() const { return exists(waiting_) ? waiting_ : 0; }
  void setWaitingBox(int n) { waiting_ = static_cast<int16_t>(exists(n) ? n : 0); }
  // Whether box n is on its document's canvas: every box is but the waiting
  // one.
  bool placed(int n) const { return exists(n) && n != waitingBox(); }
  // The boxes placed on document doc, ascending: what its canvas shows and
  // its file and its compile hold.
  std::vector<int> placedBoxes(int doc) const {
    std::vector<int> boxes;
    for (int n = 1; n < nextBox && n <= kMaxBoxes; ++n)
      if (boxes_[n].Doc == doc && placed(n)) boxes.push_back(n);
    return boxes;
  }
  // Any record 1..350, existing or not; out-of-range numbers get nullptr so
  // that a dangling link read from a file can never index past the table.
  BoxRecord* record(int n) { return n >= 1 && n <= kMaxBoxes ? &boxes_[n] : nullptr; }
  const BoxRecord* record(int n) const {
    return n >= 1 && n <= kMaxBoxes ? &boxes_[n] : nullptr;
  }
  // An existing box, or nullptr.
  BoxRecord* box(int n) { return exists(n) ? &boxes_[n] : nullptr; }
  const BoxRecord* box(int n) const { return exists(n) ? &boxes_[n] : nullptr; }
  // The box that a slot of box from holding value leads to: a placed box of
  // from's own document, or nullptr. An arrow never joins two documents nor
  // reaches the waiting box, so a slot naming a box of another document or
  // the waiting one (a damaged table) leads nowhere.
  BoxRecord* linked(int from, int value) { return leadsTo(from, value) ? &boxes_[value] : nullptr; }
  const BoxRecord* linked(int from, int value) const {
    return leadsTo(from, value) ? &boxes_[value] : nullptr;
  }
  // Unchecked access for loops over 1 .. highestBox().
  BoxRecord& operator[](int n) { return boxes_.at(n); }
  const BoxRecord& operator[](int n) const { return boxes_.at(n); }

  bool operator==(const BoxTable&) const = default;

 private:
  bool leadsTo(int from, int value) const {
    return exists(from) && placed(value) && boxes_[value].Doc == boxes_[from].Doc;
  }

  std::array<BoxRecord, kMaxBoxes + 1> boxes_{};
  int16_t waiting_ = 0;
};

}  // namespace quorvin
