#pragma once
// A model with scripted answers and boxes at given places, for the editing
// rules of model/box_editor.h.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "model/flowchart_file.h"
#include "tests/model/model_fakes.h"

namespace quorvin::testing {

struct EditorFixture : ModelWith<AnsweringDialogs> {

  int OpenDocument() { return NewDocument(m); }
  // A placed box of document doc at canvas x, y; the mode is select after.
  int AddBox(int doc, int32_t x, int32_t y, const std::string& kind = "Sin") {
    return testing_support::AddPlacedBox(m, doc, x, y, kind);
  }
  // A box asked for on document doc, waiting to be placed.
  int Pending(int doc) {
    const int n = testing_support::WaitingBox(m, doc);
    EXPECT_NE(n, 0);
    return n;
  }
  // Boxes up to number count, all on document doc.
  void FillTo(int doc, int count) {
    while (m.table.highestBox() < count) AddBox(doc, 100 * m.table.nextBox, 100);
  }
  void Link(int from, int exit, int to, int entry) { ModelFixture::Link(m, from, exit, to, entry); }
  void Select(std::vector<int16_t> selected, int32_t anchorX, int32_t anchorY) {
    testing_support::SetSelection(m, std::move(selected));
    testing_support::SetSelectionAnchor(m, anchorX, anchorY);
  }
  std::vector<std::string> messageTexts() const {
    std::vector<std::string> texts;
    for (const Message& msg : dialogs.messages) texts.push_back(msg.text);
    return texts;
  }
};

// Four placed boxes in a row on one document of Fixture (an EditorFixture),
// and a fifth that can be made to wait there.
template <typename Fixture>
struct FourBoxes : ::testing::Test {
  Fixture f;
  int doc = 0, a = 0, b = 0, c = 0, d = 0;
  int pending = 0;
  void SetUp() override {
    doc = f.OpenDocument();
    a = f.AddBox(doc, 1000, 1000);
    b = f.AddBox(doc, 2000, 1000);
    c = f.AddBox(doc, 3000, 1000);
    d = f.AddBox(doc, 4000, 1000);
  }
  void Wait() {
    pending = f.Pending(doc);
    ASSERT_TRUE(f.m.editor.typePendingBox(pending, {"Cos", "", kAllEntries, kAllExits}));
  }
  // The waiting box is gone and placed boxes are left.
  void ExpectDiscarded(int placed) {
    EXPECT_EQ(f.m.table.highestBox(), placed);
    EXPECT_EQ(f.m.editor.pendingBox(), 0);
    EXPECT_EQ(f.m.table[pending].Kind, "");
    EXPECT_EQ(f.m.table[pending].Doc, 0);
    // Neither saved nor compiled: the document holds only its placed boxes.
    EXPECT_EQ(FormatFlowchart(f.m.table, doc).substr(0, 3), std::to_string(placed) + "\r\n");
  }
};

}  // namespace quorvin::testing
