#include <gtest/gtest.h>

#include "app/dialogs/PreviewDrawing.h"
#include "drawing/RecordingCanvas.h"

namespace lodex {
namespace {

using testing::CRecordingCanvas;
using Kind = CRecordingCanvas::Kind;

bool HasLine(const CRecordingCanvas& c, int x1, int y1, int x2, int y2) {
  for (const auto& op : c.Of(Kind::Line))
    if (op.a == x1 && op.b == y1 && op.c == x2 && op.d == y2) return true;
  return false;
}

bool HasRectangle(const CRecordingCanvas& c, int l, int t, int r, int b) {
  for (const auto& op : c.Of(Kind::Rectangle))
    if (op.a == l && op.b == t && op.c == r && op.d == b) return true;
  return false;
}

TEST(PreviewDrawing, FirstPinsAreCentredAgainstTheLongerSide) {
  EXPECT_EQ(PreviewFirstPinY(100, 3, 3), 115);
  EXPECT_EQ(PreviewFirstPinY(100, 4, 4), 115);
  EXPECT_EQ(PreviewFirstPinY(100, 3, 1), 125);  // the middle of three
  EXPECT_EQ(PreviewFirstPinY(100, 4, 2), 125);  // between the middle two of four
}

TEST(PreviewDrawing, SerialPaneDrawsTheBlockAlone) {
  CRecordingCanvas c;
  PaintSerialPreview(c, MakeSerialPreview(3, 1, nullptr), 200, 200);
  EXPECT_FALSE(c.ops[0].pen.visible);  // the cleared background
  EXPECT_TRUE(HasRectangle(c, 87, 80, 112, 130));
  EXPECT_TRUE(HasLine(c, 87, 95, 57, 95));
  EXPECT_EQ(c.TextAt(52, 90), "4");
  EXPECT_EQ(c.TextAt(52, 100), "2");
  EXPECT_EQ(c.TextAt(52, 110), "1");
  EXPECT_TRUE(HasLine(c, 112, 105, 137, 105));
  EXPECT_EQ(c.TextAt(142, 100), "1");
  EXPECT_EQ(c.Of(Kind::Text)[0].font, (Font{"Arial", 12, 400}));
}

TEST(PreviewDrawing, SerialPaneDrawsTheLowerAndHigherBlocksOfASplit) {
  const SplitCandidate candidate{3, 12};  // inputs 0 and 1 bound, one lower output
  CRecordingCanvas c;
  PaintSerialPreview(c, MakeSerialPreview(4, 1, &candidate), 200, 200);
  EXPECT_TRUE(HasRectangle(c, 55, 105, 80, 145));   // lower, bottom left
  EXPECT_TRUE(HasRectangle(c, 120, 55, 145, 105));  // higher, top right
  EXPECT_EQ(c.TextAt(20, 115), "1");
  EXPECT_EQ(c.TextAt(20, 125), "2");
  EXPECT_TRUE(HasLine(c, 80, 125, 100, 125));  // the lower output
  EXPECT_TRUE(HasLine(c, 120, 70, 100, 70));   // into the higher block
  EXPECT_TRUE(HasLine(c, 100, 70, 100, 126));  // down to meet it
  EXPECT_TRUE(HasLine(c, 120, 80, 25, 80));    // free inputs run past the lower block
  EXPECT_EQ(c.TextAt(20, 75), "4");
  EXPECT_EQ(c.TextAt(20, 85), "8");
  EXPECT_TRUE(HasLine(c, 145, 80, 170, 80));
  EXPECT_EQ(c.TextAt(175, 75), "1");
}

TEST(PreviewDrawing, ParallelPaneDrawsOneOrTwoGroups) {
  CRecordingCanvas one;
  PaintParallelPreview(one, {MakeBlockPicture(7, 1)}, 116, 205);
  EXPECT_TRUE(HasRectangle(one, 0, 0, 116, 205));  // the frame
  EXPECT_TRUE(HasRectangle(one, 45, 82, 70, 132));
  EXPECT_EQ(one.TextAt(10, 92), "4");
  EXPECT_EQ(one.TextAt(100, 102), "1");

  // Four inputs and three outputs, Out2 and In4 marked: (15, 5) above, (4, 2) below.
  CRecordingCanvas two;
  PaintParallelPreview(two, {MakeBlockPicture(15, 5), MakeBlockPicture(4, 2)}, 200, 300);
  EXPECT_TRUE(HasRectangle(two, 88, 105, 113, 165));
  EXPECT_EQ(two.TextAt(53, 115), "8");
  EXPECT_EQ(two.TextAt(53, 145), "1");
  EXPECT_EQ(two.TextAt(143, 125), "4");
  EXPECT_EQ(two.TextAt(143, 135), "1");
  EXPECT_TRUE(HasRectangle(two, 88, 175, 113, 205));
  EXPECT_EQ(two.TextAt(53, 185), "4");
  EXPECT_EQ(two.TextAt(143, 185), "2");
  EXPECT_TRUE(HasLine(two, 88, 190, 58, 190));
}

}  // namespace
}  // namespace lodex
