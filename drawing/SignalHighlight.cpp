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

template <typename Reads>
std::vector<PinRef> PinsReading(const CLogicalScheme& scheme, Reads reads) {
  std::vector<PinRef> pins;
  for (int k = 1; k < scheme.GetBlockCount(); ++k) {
    const std::vector<CBlockInput>& inputs = scheme.GetBlock(k).m_inputs;
    for (size_t i = 0; i < inputs.size(); ++i)
      if (reads(inputs[i])) pins.push_back({k, static_cast<int>(i)});
  }
  return pins;
}

}  // namespace

std::vector<PinRef> BlockWires(const CLogicalScheme& scheme, int block) {
  if (block < 1 || block >= scheme.GetBlockCount() - 1) return {};
  const CLogicalBlock& b = scheme.GetBlock(block);
  std::vector<PinRef> pins;
  for (size_t i = 0; i < b.m_inputs.size(); ++i) pins.push_back({block, static_cast<int>(i)});
  const std::vector<PinRef> out = PinsReading(scheme, [&b](const CBlockInput& in) { return in.m_source == b.m_id; });
  pins.insert(pins.end(), out.begin(), out.end());
  return pins;
}

std::vector<PinRef> PrimaryInputWires(const CLogicalScheme& scheme, int input) {
  if (scheme.IsEmpty() || input < 0) return {};
  const std::string& inputBlock = scheme.GetBlock(0).m_id;
  return PinsReading(scheme, [&](const CBlockInput& in) { return in.m_source == inputBlock && in.m_pin == input; });
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
