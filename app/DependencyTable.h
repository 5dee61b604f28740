// The cells of the essential-dependency table: one column per input (In1,
// In2, In4, ... left to right), one row per output (highest at the top).
#pragma once

#include <string>
#include <vector>

#include "model/Translatable.h"
#include "synthesis/Dependency.h"

namespace lodex {

inline constexpr const char* kDependencyTableCaption =
    LODEX_TRANSLATE_NOOP("lodex::App", "Таблица существенных зависимостей");

class CDependencyTable {
 public:
  // The table of a block's essential dependencies.
  explicit CDependencyTable(const CLogicalBlock& block)
      : CDependencyTable(EssentialDependencies(block), block.m_inputCount, block.m_outputCount) {}
  // `matrix` [input][output] of a block with `inputs` inputs and `outputs` outputs.
  CDependencyTable(const DependencyMatrix& matrix, int inputs, int outputs);

  int Columns() const { return m_columns; }
  int Rows() const { return m_rows; }
  const std::string& Cell(int row, int column) const;
  // Width of an input column given the current width of column 0.
  static int ColumnWidth(int column0Width) { return 3 * column0Width - 80; }

 private:
  int m_columns;
  int m_rows;
  std::vector<std::vector<std::string>> m_cells;
};

}  // namespace lodex
