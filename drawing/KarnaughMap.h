// The Karnaugh map of a function of up to six inputs: the cells of the truth
// table arranged so that neighbouring cells, wrapping round at the edges,
// differ in one input, and the rectangles a product of the function's
// formula covers on it.
//
// Columns walk the low inputs x0..x(c-1), rows the high ones, each axis in
// reflected Gray-code order. On an axis of three inputs a product may cover
// positions that are not next to each other in that order; its cells are
// then drawn as several rectangles.
//
// Cost: O(1) per cell; GroupRects O(rows + columns + rectangles).
// See: M. Karnaugh, "The map method for synthesis of combinational logic
// circuits", 1953; F. Gray, "Pulse code communication", US patent 2632058.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "synthesis/SopMinimisation.h"

namespace lodex {

inline constexpr int kMaxKarnaughInputs = 6;

// A run of cells on the map: `rows` × `columns` from (row, column).
struct CellRect {
  int row = 0;
  int column = 0;
  int rows = 1;
  int columns = 1;
  bool operator==(const CellRect&) const = default;
};

class CKarnaughMap {
 public:
  // A map of `inputs` inputs, clamped to 0..kMaxKarnaughInputs: the columns
  // take the lower half of the inputs (the larger half for an odd count).
  explicit CKarnaughMap(int inputs);

  int Inputs() const { return m_inputs; }
  int ColumnInputs() const { return m_columnInputs; }
  int RowInputs() const { return m_inputs - m_columnInputs; }
  int Columns() const { return 1 << m_columnInputs; }
  int Rows() const { return 1 << RowInputs(); }

  // The input combination of a cell: bit k is input xk.
  uint32_t Combination(int row, int column) const;
  // The labels of the axes, highest input first: "x1 x0", and the values of
  // one row or column in that order: "01" for x1 = 0, x0 = 1.
  std::string ColumnTitle() const;
  std::string RowTitle() const;
  std::string ColumnLabel(int column) const;
  std::string RowLabel(int row) const;

  // The rectangles of the cells `product` covers, rows then columns in map
  // order; none for a product over inputs the map does not have.
  std::vector<CellRect> GroupRects(const Product& product) const;

 private:
  int m_inputs;
  int m_columnInputs;
};

}  // namespace lodex
