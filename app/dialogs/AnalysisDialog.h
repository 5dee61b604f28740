// What the analysis dialog shows: the source and the computed sequence side
// by side, four combinations a row, each row marked "OK" or "НЕСОВПАДЕНИЕ".
#pragma once

#include <string>
#include <vector>

#include "model/Translatable.h"

namespace lodex {

// The verdicts of column 0 (lodex-cli prints them as they stand).
inline constexpr const char* kAnalysisRowOk = "OK";
inline constexpr const char* kAnalysisRowMismatch = LODEX_TRANSLATE_NOOP("lodex::App", "НЕСОВПАДЕНИЕ");

// The grid: 11 columns; row 0 is the header. Column 0 holds the verdict,
// column 1 the row number, columns 2-5 the source words, column 6 stays
// empty, columns 7-10 the computed words.
class CAnalysisGrid {
 public:
  static constexpr int kColumns = 11;

  // `source` and `computed` hold words of `digits` characters.
  CAnalysisGrid(std::string source, std::string computed, int digits);

  int Rows() const { return static_cast<int>(m_cells.size()); }
  const std::string& Cell(int row, int column) const;
  // True when some combination differs and neither side is undefined there
  // (also one that no row shows).
  bool HasMismatch() const { return m_mismatch; }
  // Width of a column given the current width of column 0.
  static int ColumnWidth(int column, int column0Width);

  const std::string& Source() const { return m_source; }
  const std::string& Computed() const { return m_computed; }
  int Digits() const { return m_digits; }

 private:
  std::string m_source;
  std::string m_computed;
  int m_digits;
  std::vector<std::vector<std::string>> m_cells;
  bool m_mismatch = false;
};

}  // namespace lodex
