// Layout and hit test of the scheme diagram.
#include <algorithm>
#include <map>
#include <unordered_map>
#include <utility>

#include "drawing/SchemeDrawing.h"
#include "drawing/WireJunctions.h"
#include "model/PrintableText.h"

namespace lodex {
namespace {

// The source of one input: an inner block's output, or a primary input. A
// link that names no logic block after its consumer (any logic block for the
// output block), or an output the block does not have, is drawn as a
// primary-input stub so that a damaged scheme still draws.
struct Source {
  int block = -1;  // index of the inner source block, -1 for a primary input
  int pin = 0;
};

Source ResolveSource(const CLogicalScheme& scheme, const std::unordered_map<std::string, int>& index, int consumer,
                     const CBlockInput& link) {
  const int count = scheme.GetBlockCount();
  auto it = index.find(link.m_source);
  if (it == index.end()) return {-1, link.m_pin};
  const int d = it->second;
  if (d < 1 || d > count - 2 || (consumer < count - 1 && d <= consumer)) return {-1, link.m_pin};
  if (link.m_pin < 0 || link.m_pin >= scheme.GetBlock(d).m_outputCount) return {-1, link.m_pin};
  return {d, link.m_pin};
}

}  // namespace

Font SchemeFont() { return Font{"Arial Cyr", 14, 400}; }

CSchemeDrawing::CSchemeDrawing() {
  // AND, OR and exclusive-OR gates of two and three inputs with every
  // combination of inverted inputs, and the 2-to-1 multiplexer.
  // clang-format off
  m_library = {
      {"0001", "&", "00"},       {"0010", "&", "01"},       {"0100", "&", "10"},       {"1000", "&", "11"},
      {"0110", "=1", "00"},      {"1001", "=1", "01"},
      {"00000001", "&", "000"},  {"00000010", "&", "001"},  {"00000100", "&", "010"},  {"00001000", "&", "011"},
      {"00010000", "&", "100"},  {"00100000", "&", "101"},  {"01000000", "&", "110"},  {"10000000", "&", "111"},
      {"00110101", "mux", "000"},
      {"0111", "1", "00"},       {"1011", "1", "01"},       {"1101", "1", "10"},       {"1110", "1", "11"},
      {"01111111", "1", "000"},  {"10111111", "1", "001"},  {"11011111", "1", "010"},  {"11101111", "1", "011"},
      {"11110111", "1", "100"},  {"11111011", "1", "101"},  {"11111101", "1", "110"},  {"11111110", "1", "111"},
  };
  // clang-format on
}

CSchemeDrawing::LibraryLabel CSchemeDrawing::LookUpLibrary(const CLogicalBlock& block) const {
  if (block.m_outputCount == 1)
    for (const LibraryRow& row : m_library)
      if (row.lp == block.m_lp) return {row.label, std::string(row.mask.rbegin(), row.mask.rend())};
  return {PrintableText(block.m_caption), {}};
}

int CSchemeDrawing::OutputY(int index, int output) const {
  const Rect& r = m_entries[static_cast<size_t>(index)].rect;
  const int outputs = m_outputCounts[static_cast<size_t>(index)];
  return r.bottom - (r.bottom - r.top - kPitch * outputs + kPitch) / 2 - kPitch * output;
}

void CSchemeDrawing::Layout(const CLogicalScheme& scheme, bool libraryBlocks) {
  const int count = scheme.GetBlockCount();
  m_entries.assign(static_cast<size_t>(count), DrawingEntry{});
  m_outputCounts.assign(static_cast<size_t>(count), 0);
  m_inputWeights.clear();
  m_outputWeights.clear();
  m_junctions.clear();
  m_extraPieces.clear();
  m_segments.clear();
  m_width = m_height = m_maxLevel = 0;
  if (count < 3) return;
  const int last = count - 1;

  std::unordered_map<std::string, int> index;
  index.reserve(static_cast<size_t>(count));
  for (int k = count - 1; k >= 0; --k) index.emplace(scheme.GetBlock(k).m_id, k);

  // Sources of every pin, labels and masks.
  std::vector<std::vector<Source>> sources(static_cast<size_t>(count));
  for (int k = 0; k < count; ++k) {
    const CLogicalBlock& block = scheme.GetBlock(k);
    DrawingEntry& e = m_entries[static_cast<size_t>(k)];
    e.pins.resize(block.m_inputs.size());
    e.reserved = block.m_reserved;
    m_outputCounts[static_cast<size_t>(k)] = block.m_outputCount;
    if (k >= 1 && k < last) {
      if (libraryBlocks) {
        LibraryLabel l = LookUpLibrary(block);
        e.label = std::move(l.label);
        e.mask = std::move(l.mask);
      } else {
        e.label = PrintableText(block.m_caption);
      }
    }
    for (const CBlockInput& link : block.m_inputs)
      sources[static_cast<size_t>(k)].push_back(ResolveSource(scheme, index, k, link));
  }

  // Levels: the sources of a logic block stand later in the scheme, so
  // walking backwards finds them ready; the output block comes last.
  for (int k = last - 1; k >= 1; --k) {
    int level = 0;
    for (const Source& s : sources[static_cast<size_t>(k)])
      if (s.block >= 0) level = std::max(level, m_entries[static_cast<size_t>(s.block)].level + 1);
    m_entries[static_cast<size_t>(k)].level = level;
  }
  for (const Source& s : sources[static_cast<size_t>(last)]) {
    int& level = m_entries[static_cast<size_t>(last)].level;
    if (s.block >= 0) level = std::max(level, m_entries[static_cast<size_t>(s.block)].level + 1);
  }
  int maxLevel = 0;
  for (int k = 1; k < last; ++k) maxLevel = std::max(maxLevel, m_entries[static_cast<size_t>(k)].level);
  m_maxLevel = maxLevel;

  // Tracks per level: t(h) wires from inner blocks into logic blocks of level
  // h. The output block's wires run straight to the right edge and need none.
  std::vector<int> tracks(static_cast<size_t>(maxLevel) + 2, 0);
  for (int k = 1; k < last; ++k)
    for (const Source& s : sources[static_cast<size_t>(k)])
      if (s.block >= 0) ++tracks[static_cast<size_t>(m_entries[static_cast<size_t>(k)].level)];
  // Column left edges: left(h) = sum over i = 0 .. h + 1 of (20 u(i) + 90) - 120
  // with u(0) = 1 and u(i + 1) = t(i) - 1.
  std::vector<int> columnLeft(static_cast<size_t>(maxLevel) + 1);
  {
    int sum = (kPitch * 1 + kColumnPitch) - 120;
    for (int h = 0; h <= maxLevel; ++h) {
      sum += kPitch * (tracks[static_cast<size_t>(h)] - 1) + kColumnPitch;
      columnLeft[static_cast<size_t>(h)] = sum;
    }
  }

  // Rectangles: stacked in scheme order, 10 apart between blocks of one level.
  {
    int y = kTopMargin;
    for (int k = 1; k < last; ++k) {
      const CLogicalBlock& block = scheme.GetBlock(k);
      DrawingEntry& e = m_entries[static_cast<size_t>(k)];
      if (k > 1 && e.level == m_entries[static_cast<size_t>(k) - 1].level) y += 10;
      // Counts beyond any real block only come from damaged schemes; the
      // bound keeps the arithmetic in range.
      const int pins = std::clamp(std::max(block.m_inputCount, block.m_outputCount), 0, 1 << 16);
      const int height = kPitch * pins + kPitch;
      e.rect.left = columnLeft[static_cast<size_t>(e.level)];
      e.rect.right = e.rect.left + kBlockWidth;
      e.rect.top = y;
      e.rect.bottom = y + height;
      y = e.rect.bottom;
    }
  }

  // Wires into logic blocks, each inner-source wire on its own track in the
  // gap left of its consumer's column (track i of the level 20 i further left).
  std::vector<int> nextTrack(static_cast<size_t>(maxLevel) + 1, 0);
  std::vector<std::vector<int>> byLevel(static_cast<size_t>(maxLevel) + 1);
  for (int k = 1; k < last; ++k) byLevel[static_cast<size_t>(m_entries[static_cast<size_t>(k)].level)].push_back(k);
  for (int k = 1; k < last; ++k) {
    DrawingEntry& e = m_entries[static_cast<size_t>(k)];
    const int inputs = static_cast<int>(e.pins.size());
    const int height = e.rect.bottom - e.rect.top;
    const int lastPinY = e.rect.top + (height - kPitch * inputs + kPitch) / 2;
    for (int i = 0; i < inputs; ++i) {
      PinWire& w = e.pins[static_cast<size_t>(i)];
      w.pinX = e.rect.left;
      w.pinY = lastPinY + kPitch * (inputs - 1 - i);
      const Source& s = sources[static_cast<size_t>(k)][static_cast<size_t>(i)];
      if (s.block < 0) {
        w.startX = w.runX = kPrimaryInputX;
        w.startY = w.runStartY = w.pinY;
      }
    }
  }
  for (int level = maxLevel; level >= 1; --level)
    for (int k : byLevel[static_cast<size_t>(level)])
      for (size_t i = 0; i < sources[static_cast<size_t>(k)].size(); ++i) {
        const Source& s = sources[static_cast<size_t>(k)][i];
        if (s.block < 0) continue;
        PinWire& w = m_entries[static_cast<size_t>(k)].pins[i];
        w.startX = m_entries[static_cast<size_t>(s.block)].rect.right;
        w.startY = w.runStartY = OutputY(s.block, s.pin);
        w.runX = columnLeft[static_cast<size_t>(level)] - kPitch - kPitch * nextTrack[static_cast<size_t>(level)]++;
      }

  // Sharing: every wire of one source output moves onto the track of the
  // wire into the lowest-level consumer; the tracks given up are freed.
  std::map<std::pair<int, int>, std::vector<std::pair<int, size_t>>> consumers;  // (block, pin) -> (entry, pin)
  for (int k = 1; k < last; ++k)
    for (size_t i = 0; i < sources[static_cast<size_t>(k)].size(); ++i) {
      const Source& s = sources[static_cast<size_t>(k)][i];
      if (s.block >= 0) consumers[{s.block, s.pin}].push_back({k, i});
    }
  std::vector<int> freed;
  for (auto& [signal, wires] : consumers) {
    // The lowest level wins; among equals the first in scheme and pin order.
    auto lowest = std::min_element(wires.begin(), wires.end(), [&](const auto& a, const auto& b) {
      return m_entries[static_cast<size_t>(a.first)].level < m_entries[static_cast<size_t>(b.first)].level;
    });
    const int runX = m_entries[static_cast<size_t>(lowest->first)].pins[lowest->second].runX;
    for (const auto& [k, i] : wires) {
      PinWire& w = m_entries[static_cast<size_t>(k)].pins[i];
      if (w.runX == runX) continue;
      freed.push_back(w.runX);
      w.runX = w.startX = runX;
    }
  }

  // Compaction: every x right of a freed track moves 20 left per such track.
  std::sort(freed.begin(), freed.end());
  freed.erase(std::unique(freed.begin(), freed.end()), freed.end());
  if (!freed.empty()) {
    auto shift = [&](int& x) {
      x -= kPitch * static_cast<int>(std::lower_bound(freed.begin(), freed.end(), x) - freed.begin());
    };
    for (int k = 1; k < last; ++k) {
      DrawingEntry& e = m_entries[static_cast<size_t>(k)];
      shift(e.rect.left);
      shift(e.rect.right);
      for (PinWire& w : e.pins) {
        shift(w.pinX);
        shift(w.runX);
        if (w.startX != kPrimaryInputX) shift(w.startX);
      }
    }
  }

  // The output block: each inner source output runs straight along its own
  // height to the right edge; a second output pin fed by the same signal
  // branches down a track right of the columns to a row under the blocks,
  // as does every output fed straight from a primary input. The rows stand a
  // pin pitch apart, so that the weights at both ends stay legible.
  int rightmost = 0;
  int bottom = 0;
  for (int k = 1; k < last; ++k) {
    rightmost = std::max(rightmost, m_entries[static_cast<size_t>(k)].rect.right);
    bottom = std::max(bottom, m_entries[static_cast<size_t>(k)].rect.bottom);
  }
  DrawingEntry& out = m_entries[static_cast<size_t>(last)];
  const std::vector<Source>& outSources = sources[static_cast<size_t>(last)];
  std::map<std::pair<int, int>, int> straight;     // signal -> first output pin
  std::map<std::pair<int, int>, int> branchTrack;  // signal -> track index
  for (size_t i = 0; i < outSources.size(); ++i) {
    const Source& s = outSources[i];
    if (s.block < 0) continue;
    if (!straight.emplace(std::pair{s.block, s.pin}, static_cast<int>(i)).second)
      branchTrack.emplace(std::pair{s.block, s.pin}, static_cast<int>(branchTrack.size()));
  }
  m_width = rightmost + 50 + kPitch * static_cast<int>(branchTrack.size());
  int rowY = bottom;
  for (size_t i = 0; i < outSources.size(); ++i) {
    const Source& s = outSources[i];
    PinWire& w = out.pins[i];
    w.pinX = m_width;
    if (s.block < 0) {
      rowY += kPitch;
      w.pinY = w.startY = w.runStartY = rowY;
      w.startX = w.runX = kPrimaryInputX;
      continue;
    }
    const std::pair signal{s.block, s.pin};
    const DrawingEntry& src = m_entries[static_cast<size_t>(s.block)];
    w.startY = w.runStartY = OutputY(s.block, s.pin);
    if (straight.at(signal) == static_cast<int>(i)) {
      w.pinY = w.startY;
      w.startX = src.rect.right;
      // The run of the signal's other wires, where this one branches off;
      // otherwise a point right of every track, so no piece ends on a run.
      w.runX = m_width - 10;
      if (auto c = consumers.find(signal); c != consumers.end()) {
        const auto& [k, pin] = c->second.front();
        w.runX = m_entries[static_cast<size_t>(k)].pins[pin].runX;
      }
    } else {
      rowY += kPitch;
      w.pinY = rowY;
      w.runX = w.startX = rightmost + 30 + kPitch * branchTrack.at(signal);
      m_segments.push_back({w.runX, w.runStartY});
      m_segments.push_back({w.runX, w.pinY});
    }
  }
  m_height = rowY;

  // Label order: entries in scheme order, pins in input order.
  for (int k = 1; k <= last; ++k)
    for (size_t i = 0; i < sources[static_cast<size_t>(k)].size(); ++i) {
      if (m_entries[static_cast<size_t>(k)].pins[i].startX == kPrimaryInputX)
        m_inputWeights.push_back(scheme.GetBlock(k).m_inputs[i].m_pin);
      if (k == last) m_outputWeights.push_back(static_cast<int>(i));
    }

  // Junctions, one signal at a time.
  std::map<std::pair<int, int>, std::vector<Segment>> nets;
  for (int k = 1; k <= last; ++k)
    for (size_t i = 0; i < sources[static_cast<size_t>(k)].size(); ++i) {
      const Source& s = sources[static_cast<size_t>(k)][i];
      if (s.block < 0) continue;
      std::vector<Segment> pieces = WireSegments(m_entries[static_cast<size_t>(k)].pins[i]);
      auto& net = nets[{s.block, s.pin}];
      net.insert(net.end(), pieces.begin(), pieces.end());
    }
  for (const auto& [signal, net] : nets) {
    std::vector<Point> j = FindJunctions(net);
    m_junctions.insert(m_junctions.end(), j.begin(), j.end());
  }
}

int CSchemeDrawing::HitTest(int x, int y) const {
  for (size_t k = 0; k < m_entries.size(); ++k)
    if (m_entries[k].rect.Contains(x, y)) return static_cast<int>(k);
  return -1;
}

}  // namespace lodex
