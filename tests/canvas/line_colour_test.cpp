#include "canvas/logic/line_colour.h"

#include <gtest/gtest.h>

#include "tests/canvas/box_information_fixture.h"

namespace quorvin {
namespace {

using testing::BoxInformationFixture;

TEST(ChangeLineColor, ChosenColourIsThisDocumentsAloneAndNewBoxesTakeIt) {
  BoxInformationFixture f;
  const int other = NewDocument(f.m);
  f.colours.answers = {0x00FF0000u};
  EXPECT_TRUE(ChangeLineColor(f.m, f.doc, f.colours));
  EXPECT_EQ(f.m.documents.docs[f.doc].arrowColor, 0x00FF0000);
  EXPECT_EQ(f.m.documents.docs[other].arrowColor, 0);
  const int n = f.Box("Cos");
  EXPECT_EQ(f[n].OutColor[1], 0x00FF0000);
}

// The frame's colour dialog is shared: cancelling it in one document must
// not hand that document the colour last chosen in another.
TEST(ChangeLineColor, CancelledColourDialogKeepsTheDocumentsColour) {
  BoxInformationFixture f;
  const int other = NewDocument(f.m);
  f.colours.answers = {0x000000FFu, std::nullopt};
  EXPECT_TRUE(ChangeLineColor(f.m, other, f.colours));
  EXPECT_FALSE(ChangeLineColor(f.m, f.doc, f.colours));
  EXPECT_EQ(f.m.documents.docs[f.doc].arrowColor, 0);
  EXPECT_EQ(f.m.documents.docs[other].arrowColor, 0x000000FF);
}

TEST(ChangeLineColor, ClosedOrUnknownDocumentIsNotAsked) {
  BoxInformationFixture f;
  f.m.documents.docInfo[f.doc].Free = -1;
  f.colours.answers = {0x00FF0000u};
  for (int doc : {f.doc, 0, 7}) EXPECT_FALSE(ChangeLineColor(f.m, doc, f.colours)) << doc;
  EXPECT_EQ(f.colours.asked, 0);
}

}  // namespace
}  // namespace quorvin
