#include "drawing/SignalHighlight.h"

#include <algorithm>

#include "drawing/WireJunctions.h"

namespace lodex {
namespace {

inline constexpr Colour kHighlight{0, 120, 215};

// The drawing entry's wire of `ref`, or nullptr when the layout has none.
const PinWire* WireOf(const CSchemeDrawing& drawing, PinRef ref) {
  const std::vector<DrawingEntry>& entries = drawing.Entries();
  if (ref.block < 0 || static_cast<size_t>(ref.block) >= entries.size()) return nullptr;
  const std::vector<PinWire>& pins = entries[static_cast<size_t>(ref.block)].pins;
  return ref.pin >= 0 && static_cast<size_t>(ref.pin) < pins.size() ? &pins[static_cast<size_t>(ref.pin)] : nullptr;
}

// The wires of the consumers of `link`, as the scheme's own search finds them.
void AddConsumers(const CLogicalScheme& scheme, const CBlockInput& link, std::vector<PinRef>& pins) {
  for (const auto& [block, pin] : scheme.FindConsumers(link)) pins.push_back({block, pin});
}

}  // namespace

std::vector<PinRef> BlockWires(const CLogicalScheme& scheme, int block) {
  if (block < 1 || block >= scheme.GetBlockCount() - 1) return {};
  const CLogicalBlock& b = scheme.GetBlock(block);
  std::vector<PinRef> pins;
  for (size_t i = 0; i < b.m_inputs.size(); ++i) pins.push_back({block, static_cast<int>(i)});
  for (int output = 0; output < b.m_outputCount; ++output)
    AddConsumers(scheme, CBlockInput(static_cast<int16_t>(output), b.m_id), pins);
  return pins;
}

std::vector<PinRef> PrimaryInputWires(const CLogicalScheme& scheme, int input) {
  if (scheme.IsEmpty() || input < 0) return {};
  std::vector<PinRef> pins;
  AddConsumers(scheme, CBlockInput(static_cast<int16_t>(input), scheme.GetBlock(0).m_id), pins);
  return pins;
}

int PrimaryInputAt(const CLogicalScheme& scheme, const CSchemeDrawing& drawing, int x, int y) {
  if (scheme.IsEmpty()) return -1;
  const std::string& inputBlock = scheme.GetBlock(0).m_id;
  const int count = std::min(scheme.GetBlockCount(), static_cast<int>(drawing.Entries().size()));
  for (int k = 1; k < count; ++k) {
    const std::vector<CBlockInput>& inputs = scheme.GetBlock(k).m_inputs;
    for (size_t i = 0; i < inputs.size(); ++i) {
      const PinWire* w = WireOf(drawing, {k, static_cast<int>(i)});
      if (w == nullptr || inputs[i].m_source != inputBlock) continue;
      for (const Segment& s : WireSegments(*w)) {
        const int left = std::min(s.x1, s.x2) - 3, right = std::max(s.x1, s.x2) + 3;
        const int top = std::min(s.y1, s.y2) - 3, bottom = std::max(s.y1, s.y2) + 3;
        if (x >= left && x <= right && y >= top && y <= bottom) return inputs[i].m_pin;
      }
    }
  }
  return -1;
}

void PaintWires(CCanvas& canvas, const CSchemeDrawing& drawing, const std::vector<PinRef>& pins) {
  if (pins.empty()) return;
  canvas.SetPen(Pen{kHighlight, 2});
  // The output block's vertical runs are drawn as the diagram's straight
  // segments, not as runs of its pin wires.
  const int last = static_cast<int>(drawing.Entries().size()) - 1;
  for (const PinRef& ref : pins)
    if (const PinWire* w = WireOf(drawing, ref))
      for (const Segment& s : WireSegments(*w, ref.block < last)) canvas.Line(s.x1, s.y1, s.x2, s.y2);
}

}  // namespace lodex
