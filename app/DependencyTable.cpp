#include "app/DependencyTable.h"

#include "model/WeightText.h"

namespace lodex {

CDependencyTable::CDependencyTable(const DependencyMatrix& matrix, int inputs, int outputs)
    : m_columns(inputs + 1), m_rows(outputs + 1) {
  m_cells.assign(static_cast<size_t>(m_rows), std::vector<std::string>(static_cast<size_t>(m_columns)));
  for (int t = 1; t <= inputs; ++t) m_cells[0][static_cast<size_t>(t)] = "In" + WeightText(t - 1);
  for (int k = 0; k < outputs; ++k) {
    auto& row = m_cells[static_cast<size_t>(outputs - k)];
    row[0] = "Out" + WeightText(k);
    for (int i = 0; i < inputs; ++i) {
      const auto in = static_cast<size_t>(i);
      const auto out = static_cast<size_t>(k);
      const int entry = in < matrix.size() && out < matrix[in].size() ? matrix[in][out] : 0;
      row[static_cast<size_t>(i + 1)] = "  " + std::to_string(entry);
    }
  }
}

const std::string& CDependencyTable::Cell(int row, int column) const {
  return m_cells[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

}  // namespace lodex
