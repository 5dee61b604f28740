#include "export/VisioDrawing.h"

#include "model/WeightText.h"

namespace lodex {
namespace {

constexpr const char* kWhiteFill = "RGB(255; 255; 255)";
constexpr const char* kBlackFill = "RGB(0; 0; 0)";

void Line(CDrawingAutomation& a, int x1, int y1, int x2, int y2) {
  // A zero-length line would be an invisible shape of its own.
  if (x1 == x2 && y1 == y2) return;
  a.DrawLine(PageX(x1), PageY(y1), PageX(x2), PageY(y2));
}

void Oval(CDrawingAutomation& a, int x1, int y1, int x2, int y2) {
  a.DrawOval(PageX(x1), PageY(y1), PageX(x2), PageY(y2));
}

// A borderless white text box holding the weight 2^exponent.
void WeightBox(CDrawingAutomation& a, double x1, int y1, double x2, int y2, int exponent) {
  a.DrawRectangle(x1, PageY(y1), x2, PageY(y2));
  a.SetText(WeightText(exponent));
  a.SetCellFormula("FillForegnd", kWhiteFill);
  a.SetStyle("None");
}

}  // namespace

double PageX(int x) { return x / 100.0; }
double PageY(int y) { return 11.6 - y / 100.0; }

bool DrawInVisio(const CSchemeDrawing& d, CDrawingAutomation& a) {
  if (!a.Start()) return false;
  a.SetVisible(true);
  a.NewDocument("Basic Diagram.vst");
  a.ActivePage();

  const std::vector<DrawingEntry>& entries = d.Entries();
  const int count = static_cast<int>(entries.size());
  for (int k = 1; k < count - 1; ++k) {
    const Rect& r = entries[static_cast<size_t>(k)].rect;
    a.DrawRectangle(PageX(r.left), PageY(r.bottom), PageX(r.right), PageY(r.top));
    a.SetText(entries[static_cast<size_t>(k)].label);
    a.SetCellFormula("FillForegnd", kWhiteFill);
  }

  for (const WirePiece& p : d.ExtraPieces()) {
    Line(a, p.x, p.y, p.x, p.y + p.a);
    Line(a, p.x, p.y + p.a, p.x + p.b, p.y + p.a);
  }
  // The junctions and straight segments exist only where wires run between
  // blocks or branch to the outputs; a diagram without them draws none.
  for (const Point& j : d.Junctions()) {
    Oval(a, j.x + 2, j.y - 2, j.x - 2, j.y + 2);
    a.SetCellFormula("FillForegnd", kBlackFill);
  }
  const std::vector<Point>& segments = d.StraightSegments();
  for (size_t i = 0; i + 1 < segments.size(); i += 2)
    Line(a, segments[i].x, segments[i].y, segments[i + 1].x, segments[i + 1].y);

  size_t nextInput = 0;
  size_t nextOutput = 0;
  const int width = d.Width();
  for (int k = 1; k < count; ++k) {
    const DrawingEntry& e = entries[static_cast<size_t>(k)];
    const bool logicBlock = k < count - 1;
    for (const PinWire& w : e.pins) {
      Line(a, w.pinX, w.pinY, w.runX - 1, w.pinY);
      Line(a, w.startX, w.startY, w.runX, w.runStartY);
      if (logicBlock) Line(a, w.runX, w.runStartY, w.runX, w.pinY);
      if (w.startX == CSchemeDrawing::kPrimaryInputX && nextInput < d.InputWeights().size())
        WeightBox(a, 0.1, w.startY - 8, 0.4, w.startY + 10, d.InputWeights()[nextInput++]);
      if (w.pinX == width && nextOutput < d.OutputWeights().size())
        WeightBox(a, PageX(width + 10), w.pinY - 8, PageX(width + 40), w.pinY + 10, d.OutputWeights()[nextOutput++]);
    }
    if (e.mask.empty()) continue;
    if (e.label == "=1") {
      // Centred on the output, as on screen.
      if (e.mask[0] == '1') {
        const int y = d.OutputY(k, 0);
        Oval(a, e.rect.right - 4, y - 4, e.rect.right + 4, y + 4);
      }
      continue;
    }
    for (size_t i = 0; i < e.pins.size() && i < e.mask.size(); ++i)
      if (e.mask[i] == '1') Oval(a, e.pins[i].pinX - 4, e.pins[i].pinY - 4, e.pins[i].pinX + 4, e.pins[i].pinY + 4);
  }
  return a.Finish();
}

bool DrawSchemeInVisio(const CLogicalScheme& scheme, bool libraryBlocks, CDrawingAutomation& automation) {
  CSchemeDrawing drawing;
  drawing.Layout(scheme, libraryBlocks);
  return DrawInVisio(drawing, automation);
}

}  // namespace lodex
