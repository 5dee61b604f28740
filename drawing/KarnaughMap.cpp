#include "drawing/KarnaughMap.h"

#include <algorithm>

namespace lodex {
namespace {

uint32_t Gray(uint32_t position) { return position ^ (position >> 1); }

// The positions 0..count-1 of an axis whose value `product` leaves free or
// sets as it asks, as runs [first, first + length).
std::vector<std::pair<int, int>> Runs(int count, uint32_t care, uint32_t value) {
  std::vector<std::pair<int, int>> runs;
  for (int p = 0; p < count; ++p) {
    if ((Gray(static_cast<uint32_t>(p)) & care) != value) continue;
    if (!runs.empty() && runs.back().first + runs.back().second == p)
      ++runs.back().second;
    else
      runs.emplace_back(p, 1);
  }
  return runs;
}

std::string Bits(uint32_t value, int count) {
  std::string text;
  for (int k = count - 1; k >= 0; --k) text += ((value >> k) & 1u) ? '1' : '0';
  return text;
}

std::string Title(int first, int count) {
  std::string text;
  for (int k = first + count - 1; k >= first; --k) {
    if (!text.empty()) text += ' ';
    text += 'x';
    text += std::to_string(k);
  }
  return text;
}

}  // namespace

CKarnaughMap::CKarnaughMap(int inputs)
    : m_inputs(std::clamp(inputs, 0, kMaxKarnaughInputs)), m_columnInputs((m_inputs + 1) / 2) {}

uint32_t CKarnaughMap::Combination(int row, int column) const {
  return (Gray(static_cast<uint32_t>(row)) << m_columnInputs) | Gray(static_cast<uint32_t>(column));
}

std::string CKarnaughMap::ColumnTitle() const { return Title(0, m_columnInputs); }
std::string CKarnaughMap::RowTitle() const { return Title(m_columnInputs, RowInputs()); }
std::string CKarnaughMap::ColumnLabel(int column) const {
  return Bits(Gray(static_cast<uint32_t>(column)), m_columnInputs);
}
std::string CKarnaughMap::RowLabel(int row) const { return Bits(Gray(static_cast<uint32_t>(row)), RowInputs()); }

std::vector<CellRect> CKarnaughMap::GroupRects(const Product& product) const {
  if ((product.care >> m_inputs) != 0) return {};
  const uint32_t columnMask = (1u << m_columnInputs) - 1;
  const auto columns = Runs(Columns(), product.care & columnMask, product.value & columnMask);
  const auto rows = Runs(Rows(), product.care >> m_columnInputs, product.value >> m_columnInputs);
  std::vector<CellRect> rects;
  for (const auto& [row, height] : rows)
    for (const auto& [column, width] : columns) rects.push_back({row, column, height, width});
  return rects;
}

}  // namespace lodex
