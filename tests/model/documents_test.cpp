#include <gtest/gtest.h>

#include "model_fakes.h"

namespace quorvin {
namespace {

using testing::ModelFixture;

TEST(Documents, FirstNewIsUntitledOneAndUnchanged) {
  ModelFixture f;
  EXPECT_EQ(NewDocument(f.m), 1);
  EXPECT_EQ(f.m.documents.caption(1), "Untitled:1");
  EXPECT_FALSE(f.m.documents.docInfo[1].Changed);
  EXPECT_EQ(f.m.editor.mode(), EditMode::Select);
}

TEST(Documents, LowestClosedNumberIsReusedFirst) {
  ModelFixture f;
  for (int i = 1; i <= 3; ++i) NewDocument(f.m);
  f.m.documents.docInfo[2].Free = true;
  f.m.documents.docInfo[1] = {true, true};  // closed with unsaved edits
  f.m.documents.docs[1].path = "/tmp/old.qvn";
  EXPECT_EQ(NewDocument(f.m), 1);
  EXPECT_FALSE(f.m.documents.docInfo[1].Changed);
  EXPECT_EQ(f.m.documents.caption(1), "Untitled:1") << "a reused slot starts untitled";
  EXPECT_EQ(NewDocument(f.m), 2);
  EXPECT_EQ(NewDocument(f.m), 4);
  EXPECT_EQ(f.m.documents.openDocuments(), (std::vector<int>{1, 2, 3, 4}));
}

// What a document keeps besides its boxes changes for an open document only.
TEST(Documents, ArrowColourAndBandDismissalTouchOnlyAnOpenDocument) {
  ModelFixture f;
  NewDocument(f.m);
  NewDocument(f.m);
  f.m.documents.docInfo[2].Free = true;
  for (const int doc : {0, 2, 3, -1}) {
    SetArrowColour(f.m, doc, 0x0000FFu);
    RubberBandDismissed(f.m, doc);
  }
  EXPECT_TRUE(f.views.arrowColours.empty());
  EXPECT_EQ(f.m.documents.docs[2].arrowColor, 0);
  EXPECT_FALSE(f.m.documents.docInfo[2].Changed);
  EXPECT_FALSE(f.m.documents.docInfo[1].Changed);
  RubberBandDismissed(f.m, 1);
  EXPECT_TRUE(f.m.documents.docInfo[1].Changed);
}

}  // namespace
}  // namespace quorvin
