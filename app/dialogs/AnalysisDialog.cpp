#include "app/dialogs/AnalysisDialog.h"

#include "synthesis/Analysis.h"

namespace lodex {
namespace {

// One space and the combination's characters; a combination beyond the end
// of a (damaged) text reads as the characters that are there.
std::string WordCell(const std::string& text, size_t combination, size_t digits) {
  const size_t begin = combination * digits;
  return " " + (begin < text.size() ? text.substr(begin, digits) : std::string());
}

}  // namespace

CAnalysisGrid::CAnalysisGrid(std::string source, std::string computed, int digits)
    : m_source(std::move(source)), m_computed(std::move(computed)), m_digits(digits < 1 ? 1 : digits) {
  const size_t d = static_cast<size_t>(m_digits);
  const size_t rows = m_source.size() / (4 * d) + 1;
  m_cells.assign(rows, std::vector<std::string>(kColumns));
  for (int t = 0; t < 4; ++t) {
    m_cells[0][static_cast<size_t>(2 + t)] = std::to_string(t);
    m_cells[0][static_cast<size_t>(7 + t)] = std::to_string(t);
  }
  // Every differing word counts, also those of a sequence too short to fill
  // one row (fewer than four combinations), which no row shows.
  const std::vector<int> differing = MismatchedWords(m_source, m_computed, m_digits);
  m_mismatch = !differing.empty();
  std::vector<bool> mismatched(rows * 4, false);
  for (int w : differing)
    if (w >= 0 && static_cast<size_t>(w) < mismatched.size()) mismatched[static_cast<size_t>(w)] = true;
  for (size_t r = 1; r < rows; ++r) {
    auto& row = m_cells[r];
    row[1] = std::to_string(r - 1);
    bool rowMismatch = false;
    for (size_t t = 0; t < 4; ++t) {
      const size_t combination = 4 * (r - 1) + t;
      row[2 + t] = WordCell(m_source, combination, d);
      row[7 + t] = WordCell(m_computed, combination, d);
      if (mismatched[combination]) rowMismatch = true;
    }
    row[0] = rowMismatch ? kAnalysisRowMismatch : kAnalysisRowOk;
  }
}

const std::string& CAnalysisGrid::Cell(int row, int column) const {
  return m_cells[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

int CAnalysisGrid::ColumnWidth(int column, int column0Width) {
  if (column == 0 || column == 6) return column0Width;
  if (column == 1 || column == 7) return 3 * column0Width - 80;
  return 3 * column0Width - 100;
}

}  // namespace lodex
