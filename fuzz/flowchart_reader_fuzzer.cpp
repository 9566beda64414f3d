// Feeds arbitrary bytes to the flowchart reader on a model that already
// holds boxes. A load either appends the whole file, every arrow of it
// stored on both boxes it joins, or changes nothing.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/flowchart_file.h"
#include "model/model.h"
#include "tests/support/quiet_questions.h"

namespace {

using namespace quorvin;

void Check(bool ok) {
  if (!ok) std::abort();
}

// How many of slots 1.. name box.
template <std::size_t N>
long Naming(const std::array<int16_t, N>& slots, int box) {
  return std::count(slots.begin() + 1, slots.end(), box);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  testing_support::QuietDialogs dialogs;
  DocumentViews views;
  MemorySettingsStore store;
  Model m(dialogs, views, store);
  const int first = NewDocument(m);
  // Three placed boxes, none waiting to be dropped by New, and 2 -> 3.
  for (int i = 1; i <= 3; ++i) {
    m.editor.newBox(first);
    m.editor.typePendingBox(i, {"Sin", "", kAllEntries, kAllExits});
    m.editor.placePendingBox(first, 0, 0);
  }
  m.editor.armArrowTool();
  m.editor.chooseArrowSource(2);
  m.editor.connectArrowTo(3);
  const BoxTable before = m.table;

  const std::string text(reinterpret_cast<const char*>(data), size);
  const int doc = NewDocument(m);
  const bool loaded = ReadFlowchartInto(m, doc, text, "fuzz.qvn");
  if (!loaded) {
    Check(m.table == before);
    return 0;
  }
  const ParsedFlowchart parsed = ParseFlowchart(text);
  Check(parsed.ok());
  Check(m.table.nextBox == before.nextBox + static_cast<int>(parsed.boxes.size()));
  for (int i = 1; i < before.nextBox; ++i) Check(m.table[i] == before[i]);
  // Every loaded link names a box of the new document, or is free or absent.
  for (int i = before.nextBox; i < m.table.nextBox; ++i) {
    const BoxRecord& r = m.table[i];
    Check(r.Doc == doc);
    for (int j = 1; j <= kEntries; ++j)
      Check(r.InLink[j] <= 0 || (m.table.exists(r.InLink[j]) && m.table[r.InLink[j]].Doc == doc));
    for (int j = 1; j <= kExits; ++j)
      Check(r.OutLink[j] <= 0 ||
            (m.table.exists(r.OutLink[j]) && m.table[r.OutLink[j]].Doc == doc));
  }
  // Every arrow is stored on both boxes, as often at its start as at its end.
  for (int a = before.nextBox; a < m.table.nextBox; ++a) {
    for (int b = before.nextBox; b < m.table.nextBox; ++b) {
      const BoxRecord& from = m.table[a];
      const BoxRecord& to = m.table[b];
      Check(Naming(from.OutLink, b) == Naming(to.InLink, a));
    }
  }
  // What was loaded can be written again and read back to the same boxes.
  const ParsedFlowchart again = ParseFlowchart(FormatFlowchart(m.table, doc));
  Check(again.ok() && again.boxes.size() == parsed.boxes.size());
  return 0;
}
