#pragma once
// Builds flowcharts in a box table the way the insert commands and the
// connect tool leave them, for compiler tests.

#include <string>

#include "model/box_table.h"

namespace quorvin::testing {

class ChartBuilder {
 public:
  BoxTable table;

  // A box of document doc with all entries and exits free.
  int box(const std::string& kind, const std::string& params = "", int doc = 1) {
    const int n = table.nextBox;
    table.nextBox = static_cast<int16_t>(n + 1);
    BoxRecord& r = table[n];
    r = BoxRecord{};
    r.Kind = kind;
    r.Params = params;
    r.Doc = static_cast<int16_t>(doc);
    return n;
  }
  // An input kind: its three entries are absent, which makes it a start box.
  int input(const std::string& kind, const std::string& params = "", int doc = 1) {
    const int n = box(kind, params, doc);
    for (int k = 1; k <= kEntries; ++k) table[n].InLink[k] = kAbsentSlot;
    return n;
  }
  // The first free exit of from to the first free entry of to, both ways,
  // as the connect tool joins them.
  ChartBuilder& link(int from, int to) {
    BoxRecord& a = table[from];
    BoxRecord& b = table[to];
    int exit = 1;
    while (exit <= kExits && a.OutLink[exit] != kFreeSlot) ++exit;
    int entry = 1;
    while (entry <= kEntries && b.InLink[entry] != kFreeSlot) ++entry;
    if (exit <= kExits) a.OutLink[exit] = static_cast<int16_t>(to);
    if (entry <= kEntries) b.InLink[entry] = static_cast<int16_t>(from);
    return *this;
  }
  // A chain a -> b -> c ...
  template <typename... More>
  ChartBuilder& chain(int a, int b, More... more) {
    link(a, b);
    if constexpr (sizeof...(more) > 0) chain(b, more...);
    return *this;
  }
  void absent(int n, int entry) { table[n].InLink[entry] = kAbsentSlot; }
  BoxRecord& operator[](int n) { return table[n]; }
};

}  // namespace quorvin::testing
