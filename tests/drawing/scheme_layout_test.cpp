#include <gtest/gtest.h>

#include "RecordingCanvas.h"
#include "SchemeBuilders.h"
#include "drawing/SchemeDrawing.h"

namespace lodex {
namespace {

using testing::CRecordingCanvas;
using testing::LogicBlock;
using testing::MakeScheme;
using Kind = CRecordingCanvas::Kind;

CSchemeDrawing LaidOut(const CLogicalScheme& scheme, bool library = true) {
  CSchemeDrawing d;
  d.Layout(scheme, library);
  return d;
}

TEST(SchemeLayout, OneBlockProject) {
  const CSchemeDrawing d = LaidOut(CLogicalScheme(2, 1, "Bl_1", "0110"));
  ASSERT_EQ(d.Entries().size(), 3u);
  EXPECT_TRUE(d.Entries()[0].rect.IsEmpty());
  EXPECT_TRUE(d.Entries()[2].rect.IsEmpty());
  const DrawingEntry& e = d.Entries()[1];
  EXPECT_EQ(e.rect, (Rect{60, 20, 110, 80}));  // 20 per pin + 20 high, level-0 column at 60
  ASSERT_EQ(e.pins.size(), 2u);
  EXPECT_EQ(e.pins[0], (PinWire{60, 60, 35, 60, 35, 60}));  // input 0 lowest
  EXPECT_EQ(e.pins[1], (PinWire{60, 40, 35, 40, 35, 40}));
  EXPECT_EQ(d.Width(), 160);
  EXPECT_EQ(d.Height(), 80);
  // The output wire runs straight from the block's output to the right edge.
  ASSERT_EQ(d.Entries()[2].pins.size(), 1u);
  const PinWire& out = d.Entries()[2].pins[0];
  EXPECT_EQ(out.pinX, 160);
  EXPECT_EQ(out.pinY, 50);
  EXPECT_EQ(out.startX, 110);
  EXPECT_EQ(out.startY, 50);

  CRecordingCanvas c;
  d.Paint(c, -1);
  d.PaintWires(c);
  EXPECT_EQ(c.TextAt(85, 30), "=1");
  EXPECT_EQ(c.Of(Kind::Text)[0].align, TextAlign::Centre);
  EXPECT_EQ(c.TextAt(10, 52), "1");
  EXPECT_EQ(c.TextAt(10, 32), "2");
  EXPECT_EQ(c.TextAt(170, 42), "1");
  EXPECT_EQ(c.Of(Kind::Text)[0].font, (Font{"Arial Cyr", 14, 400}));
}

TEST(SchemeLayout, ColumnsByLevelAndWireThroughTrack) {
  // H (level 1) reads B (level 0) and input 2.
  const CSchemeDrawing d = LaidOut(MakeScheme(
      3, {LogicBlock("H", "0110", {{0, "B"}, {2, "I"}}), LogicBlock("B", "0001", {{0, "I"}, {1, "I"}})}, {{0, "H"}}));
  const auto& e = d.Entries();
  EXPECT_EQ(e[1].level, 1);
  EXPECT_EQ(e[2].level, 0);
  EXPECT_EQ(d.MaxLevel(), 1);
  EXPECT_EQ(e[1].rect, (Rect{150, 20, 200, 80}));                   // 60 + 70 + 20 per track
  EXPECT_EQ(e[2].rect, (Rect{60, 80, 110, 140}));                   // stacked under H, no gap between levels
  EXPECT_EQ(e[1].pins[0], (PinWire{150, 60, 110, 110, 130, 110}));  // run 20 left of the column
  EXPECT_EQ(e[1].pins[1], (PinWire{150, 40, 35, 40, 35, 40}));
  EXPECT_EQ(d.Width(), 250);
  EXPECT_EQ(d.Height(), 140);
  EXPECT_EQ(e[3].pins[0].pinY, 50);
  EXPECT_TRUE(d.Junctions().empty());
}

TEST(SchemeLayout, BlocksOfOneLevelStandTenApart) {
  const CSchemeDrawing d = LaidOut(
      MakeScheme(3, {LogicBlock("P", "0001", {{0, "I"}, {1, "I"}}), LogicBlock("Q", "0111", {{1, "I"}, {2, "I"}})},
                 {{0, "P"}, {0, "Q"}}));
  EXPECT_EQ(d.Entries()[1].rect, (Rect{60, 20, 110, 80}));
  EXPECT_EQ(d.Entries()[2].rect, (Rect{60, 90, 110, 150}));
  // Largest level 0: nothing branches and nothing runs between blocks.
  EXPECT_EQ(d.MaxLevel(), 0);
  EXPECT_TRUE(d.Junctions().empty());
  EXPECT_TRUE(d.StraightSegments().empty());
  EXPECT_TRUE(d.ExtraPieces().empty());
}

TEST(SchemeLayout, EveryWireIntoALevelHasItsOwnTrack) {
  const CSchemeDrawing d = LaidOut(MakeScheme(
      2,
      {LogicBlock("T", "01101001", {{0, "X"}, {0, "Y"}, {0, "Z"}}), LogicBlock("X", "0001", {{0, "I"}, {1, "I"}}),
       LogicBlock("Y", "0111", {{0, "I"}, {1, "I"}}), LogicBlock("Z", "0110", {{0, "I"}, {1, "I"}})},
      {{0, "T"}}));
  const DrawingEntry& t = d.Entries()[1];
  EXPECT_EQ(t.rect.left, 190);  // 60 + 70 + 3 tracks
  EXPECT_EQ(t.pins[0].runX, 170);
  EXPECT_EQ(t.pins[1].runX, 150);
  EXPECT_EQ(t.pins[2].runX, 130);  // 20 clear of the level-0 column's right edge
  EXPECT_EQ(t.pins[2].startX, 110);
}

TEST(SchemeLayout, OneSourceSharesTheLowestTrackAndFreedTracksAreSqueezedOut) {
  // S feeds A (level 1) and B (level 2); A feeds B.
  const CSchemeDrawing d =
      LaidOut(MakeScheme(2,
                         {LogicBlock("B", "0110", {{0, "A"}, {0, "S"}}), LogicBlock("A", "0001", {{0, "S"}, {0, "I"}}),
                          LogicBlock("S", "0111", {{0, "I"}, {1, "I"}})},
                         {{0, "B"}}));
  const auto& e = d.Entries();
  EXPECT_EQ(e[2].pins[0], (PinWire{150, 120, 110, 170, 130, 170}));
  // B's wire from S starts on A's track; B's own track at 220 was freed, so B
  // moved from 260 to 240 and its other wire's track from 240 to 220.
  EXPECT_EQ(e[1].rect, (Rect{240, 20, 290, 80}));
  EXPECT_EQ(e[1].pins[1], (PinWire{240, 40, 130, 170, 130, 170}));
  EXPECT_EQ(e[1].pins[0].runX, 220);
  EXPECT_EQ(d.Width(), 340);
  // S's signal branches where A's pin leaves the shared track.
  EXPECT_EQ(d.Junctions(), (std::vector<Point>{{130, 120}}));

  CRecordingCanvas c;
  d.PaintWires(c);
  ASSERT_TRUE(c.HasEllipse(128, 118, 132, 122));
  for (const auto& op : c.Of(Kind::Ellipse)) {
    if (op.a == 128) {
      EXPECT_EQ(op.brush.colour, kBlack);
    }
  }
}

CLogicalScheme GateScheme() {
  return MakeScheme(3,
                    {LogicBlock("M", "00110101", {{0, "I"}, {1, "I"}, {2, "I"}}),
                     LogicBlock("G", "0010", {{0, "I"}, {1, "I"}}), LogicBlock("X", "1001", {{0, "I"}, {1, "I"}})},
                    {{0, "M"}, {0, "G"}, {0, "X"}});
}

TEST(SchemeLayout, LibraryGatesShowSymbolsAndInversionCircles) {
  const CSchemeDrawing d = LaidOut(GateScheme());
  EXPECT_EQ(d.Entries()[2].label, "&");
  EXPECT_EQ(d.Entries()[2].mask, "10");  // input 0 inverted
  CRecordingCanvas c;
  d.Paint(c, -1);
  d.PaintWires(c);
  EXPECT_EQ(c.TextAt(85, 120), "&");
  EXPECT_TRUE(c.HasEllipse(56, 146, 64, 154));  // radius 4 on input 0 of G
  EXPECT_FALSE(c.HasEllipse(56, 126, 64, 134));
  EXPECT_TRUE(c.HasEllipse(106, 206, 114, 214));  // the inverted exclusive-OR: on its output
  EXPECT_EQ(c.Of(Kind::Ellipse).size(), 2u);

  // The multiplexer: select input 2 is "A", then "D0" and "D1"; the label
  // right of the separator line 20 inside the left edge.
  EXPECT_EQ(c.TextAt(62, 33), "A");
  EXPECT_EQ(c.TextAt(62, 53), "D0");
  EXPECT_EQ(c.TextAt(62, 73), "D1");
  EXPECT_EQ(c.TextAt(95, 40), "mux");
  bool separator = false;
  for (const auto& op : c.Of(Kind::Line)) separator |= op.a == 80 && op.b == 20 && op.c == 80 && op.d == 100;
  EXPECT_TRUE(separator);
}

TEST(SchemeLayout, WithoutTheLibraryBlocksShowTheirCaptions) {
  const CSchemeDrawing d = LaidOut(GateScheme(), false);
  CRecordingCanvas c;
  d.Paint(c, -1);
  d.PaintWires(c);
  EXPECT_EQ(c.TextAt(85, 30), "Блок M");
  EXPECT_EQ(c.TextAt(85, 120), "Блок G");
  EXPECT_TRUE(c.Of(Kind::Ellipse).empty());
  EXPECT_EQ(c.TextAt(62, 33), "");
}

TEST(SchemeLayout, OnlyOneOutputBlocksComeFromTheLibrary) {
  CSchemeDrawing d;
  CLogicalBlock two = LogicBlock("W", "0001", {{0, "I"}}, 2);
  two.m_lp = "01";
  EXPECT_EQ(d.LookUpLibrary(two).label, "Блок W");
  EXPECT_EQ(d.LookUpLibrary(LogicBlock("A", "00000010", {{0, "I"}, {1, "I"}, {2, "I"}})).mask, "100");
  EXPECT_EQ(d.LookUpLibrary(LogicBlock("A", "1110", {{0, "I"}, {1, "I"}})).label, "1");
  EXPECT_EQ(d.LookUpLibrary(LogicBlock("A", "1010", {{0, "I"}, {1, "I"}})).label, "Блок A");
}

TEST(SchemeLayout, SelectedBlockIsDrawnAgainInBlue) {
  const CSchemeDrawing d = LaidOut(GateScheme());
  for (int selection : {-1, 0, 4}) {
    CRecordingCanvas c;
    d.Paint(c, selection);
    for (const auto& op : c.ops) EXPECT_EQ(op.pen.colour, kBlack) << selection;
  }
  CRecordingCanvas c;
  d.Paint(c, 2);
  std::vector<CRecordingCanvas::Op> blue;
  for (const auto& op : c.ops)
    if (op.pen.colour == kBlue) blue.push_back(op);
  ASSERT_EQ(blue.size(), 2u);  // the box and its label
  EXPECT_EQ(blue[0].kind, Kind::Rectangle);
  EXPECT_EQ((Rect{blue[0].a, blue[0].b, blue[0].c, blue[0].d}), d.Entries()[2].rect);
  EXPECT_EQ(c.ops.size(), 6u + 2 + 2 + 2);  // the multiplexer (box, three letters, label, line), G, X, G again
}

TEST(SchemeLayout, HitTestTakesLeftAndTopEdgesOnly) {
  const CSchemeDrawing d = LaidOut(CLogicalScheme(2, 1, "Bl_1", "0110"));
  EXPECT_EQ(d.HitTest(60, 20), 1);
  EXPECT_EQ(d.HitTest(109, 79), 1);
  EXPECT_EQ(d.HitTest(110, 50), -1);
  EXPECT_EQ(d.HitTest(80, 80), -1);
  EXPECT_EQ(d.HitTest(59, 50), -1);
  EXPECT_EQ(d.HitTest(0, 0), -1);     // the input block's empty rectangle
  EXPECT_EQ(d.HitTest(160, 50), -1);  // the output block's
}

TEST(SchemeLayout, PrimaryInputLabelsReadTheirWeights) {
  const CSchemeDrawing d =
      LaidOut(MakeScheme(3, {LogicBlock("A", "01101001", {{0, "I"}, {1, "I"}, {2, "I"}})}, {{0, "A"}}));
  EXPECT_EQ(d.InputWeights(), (std::vector<int>{0, 1, 2}));
  CRecordingCanvas c;
  d.PaintWires(c);
  EXPECT_EQ(c.TextAt(10, 72), "1");  // input 0 lowest, at 80
  EXPECT_EQ(c.TextAt(10, 52), "2");
  EXPECT_EQ(c.TextAt(10, 32), "4");
}

TEST(SchemeLayout, OutputsFedStraightFromInputsRunAlongTheBottom) {
  const CSchemeDrawing d =
      LaidOut(MakeScheme(2, {LogicBlock("A", "0110", {{0, "I"}, {1, "I"}})}, {{0, "A"}, {1, "I"}, {0, "I"}}));
  EXPECT_EQ(d.Height(), 80 + 20 + 20);  // a row a pin pitch apart per output
  const auto& out = d.Entries()[2].pins;
  EXPECT_EQ(out[1], (PinWire{160, 100, 35, 100, 35, 100}));
  EXPECT_EQ(out[2], (PinWire{160, 120, 35, 120, 35, 120}));
  EXPECT_EQ(d.InputWeights(), (std::vector<int>{0, 1, 1, 0}));
  EXPECT_EQ(d.OutputWeights(), (std::vector<int>{0, 1, 2}));
  CRecordingCanvas c;
  d.PaintWires(c);
  EXPECT_EQ(c.TextAt(10, 92), "2");
  EXPECT_EQ(c.TextAt(170, 92), "2");
  EXPECT_EQ(c.TextAt(170, 112), "4");
}

TEST(SchemeLayout, TwoOutputsOfOneSignalBranchBelowTheBlocks) {
  const CSchemeDrawing d =
      LaidOut(MakeScheme(2, {LogicBlock("A", "0110", {{0, "I"}, {1, "I"}})}, {{0, "A"}, {0, "A"}}));
  EXPECT_EQ(d.Width(), 180);  // one more track right of the columns
  const auto& out = d.Entries()[2].pins;
  EXPECT_EQ(out[0].pinY, 50);
  EXPECT_EQ(out[1], (PinWire{180, 100, 140, 50, 140, 50}));
  EXPECT_EQ(d.StraightSegments(), (std::vector<Point>{{140, 50}, {140, 100}}));
  EXPECT_EQ(d.Junctions(), (std::vector<Point>{{140, 50}}));
  CRecordingCanvas c;
  d.PaintWires(c);
  bool vertical = false;
  for (const auto& op : c.Of(Kind::Line)) vertical |= op.a == 140 && op.b == 50 && op.c == 140 && op.d == 100;
  EXPECT_TRUE(vertical);
}

TEST(SchemeLayout, EmptyAndDamagedSchemesDrawSafely) {
  CSchemeDrawing d;
  d.Layout(CLogicalScheme(), true);
  CRecordingCanvas c;
  d.Paint(c, 1);
  d.PaintWires(c);
  EXPECT_TRUE(c.ops.empty());
  EXPECT_EQ(d.HitTest(60, 30), -1);

  // A link to no block, one to an earlier block and an output out of range
  // are drawn as stubs.
  CLogicalScheme bad = MakeScheme(
      2, {LogicBlock("A", "0110", {{0, "nowhere"}, {0, "A"}}), LogicBlock("B", "0110", {{7, "A"}, {5, "B"}})},
      {{3, "B"}});
  d.Layout(bad, true);
  for (const PinWire& w : d.Entries()[1].pins) EXPECT_EQ(w.startX, CSchemeDrawing::kPrimaryInputX);
  for (const PinWire& w : d.Entries()[2].pins) EXPECT_EQ(w.startX, CSchemeDrawing::kPrimaryInputX);
  d.Paint(c, 1);
  d.PaintWires(c);
}

}  // namespace
}  // namespace lodex
