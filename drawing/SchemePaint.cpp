// Painting of the laid-out scheme diagram.
#include "drawing/SchemeDrawing.h"
#include "drawing/WireJunctions.h"
#include "model/WeightText.h"

namespace lodex {

void CSchemeDrawing::PaintEntry(CCanvas& canvas, const DrawingEntry& e) const {
  const Rect& r = e.rect;
  canvas.Rectangle(r.left, r.top, r.right, r.bottom);
  const int centre = (r.left + r.right) / 2;
  if (e.label != "mux") {
    canvas.Text(centre, r.top + 10, e.label, TextAlign::Centre);
    return;
  }
  // Input 2 selects between D0 (input 1) and D1 (input 0).
  static const char* const kLetters[3] = {"D1", "D0", "A"};
  for (size_t i = 0; i < e.pins.size() && i < 3; ++i) canvas.Text(e.pins[i].pinX + 2, e.pins[i].pinY - 7, kLetters[i]);
  canvas.Text(centre + 10, r.top + 20, e.label, TextAlign::Centre);
  canvas.Line(r.left + 20, r.top, r.left + 20, r.bottom);
}

void CSchemeDrawing::Paint(CCanvas& canvas, int selectedIndex) const {
  const int count = static_cast<int>(m_entries.size());
  if (count < 3) return;
  canvas.SetFont(SchemeFont());
  canvas.SetPen(Pen{kBlack, 1});
  canvas.SetBrush(Brush{kWhite});
  for (int k = 1; k < count - 1; ++k) PaintEntry(canvas, m_entries[static_cast<size_t>(k)]);
  if (selectedIndex >= 1 && selectedIndex < count - 1) {
    canvas.SetPen(Pen{kBlue, 1});
    PaintEntry(canvas, m_entries[static_cast<size_t>(selectedIndex)]);
    canvas.SetPen(Pen{kBlack, 1});
  }
}

void CSchemeDrawing::PaintWires(CCanvas& canvas) const {
  const int count = static_cast<int>(m_entries.size());
  if (count < 3) return;
  canvas.SetFont(SchemeFont());
  canvas.SetPen(Pen{kBlack, 1});
  canvas.SetBrush(Brush{kWhite});

  // Wires: the pin records (the output block's without their vertical runs,
  // which the straight segments carry), then the extra pieces.
  for (int k = 1; k < count; ++k)
    for (const PinWire& w : m_entries[static_cast<size_t>(k)].pins)
      for (const Segment& s : WireSegments(w, k < count - 1)) canvas.Line(s.x1, s.y1, s.x2, s.y2);
  for (size_t i = 0; i + 1 < m_segments.size(); i += 2)
    canvas.Line(m_segments[i].x, m_segments[i].y, m_segments[i + 1].x, m_segments[i + 1].y);
  for (const WirePiece& p : m_extraPieces) {
    canvas.Line(p.x, p.y, p.x, p.y + p.a);
    canvas.Line(p.x, p.y + p.a, p.x + p.b, p.y + p.a);
  }

  canvas.SetBrush(Brush{kBlack});
  for (const Point& j : m_junctions)
    canvas.Ellipse(j.x - kJunctionRadius, j.y - kJunctionRadius, j.x + kJunctionRadius, j.y + kJunctionRadius);
  canvas.SetBrush(Brush{kWhite});

  // Inversion circles: at the output of an inverted exclusive-OR, otherwise
  // centred on each inverted input.
  for (int k = 1; k < count - 1; ++k) {
    const DrawingEntry& e = m_entries[static_cast<size_t>(k)];
    if (e.mask.empty()) continue;
    if (e.label == "=1") {
      if (e.mask[0] == '1') {
        const int y = OutputY(k, 0);
        canvas.Ellipse(e.rect.right - kInversionRadius, y - kInversionRadius, e.rect.right + kInversionRadius,
                       y + kInversionRadius);
      }
      continue;
    }
    for (size_t i = 0; i < e.pins.size() && i < e.mask.size(); ++i)
      if (e.mask[i] == '1') {
        const PinWire& w = e.pins[i];
        canvas.Ellipse(w.pinX - kInversionRadius, w.pinY - kInversionRadius, w.pinX + kInversionRadius,
                       w.pinY + kInversionRadius);
      }
  }

  // Weights of the primary inputs and outputs, consumed in pin order.
  size_t nextInput = 0;
  size_t nextOutput = 0;
  for (int k = 1; k < count; ++k)
    for (const PinWire& w : m_entries[static_cast<size_t>(k)].pins) {
      if (w.startX == kPrimaryInputX && nextInput < m_inputWeights.size())
        canvas.Text(kInputLabelX, w.startY - 8, WeightText(m_inputWeights[nextInput++]));
      if (k == count - 1 && w.pinX == m_width && nextOutput < m_outputWeights.size())
        canvas.Text(m_width + 10, w.pinY - 8, WeightText(m_outputWeights[nextOutput++]));
    }
}

}  // namespace lodex
