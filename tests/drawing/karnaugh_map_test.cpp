// The Karnaugh map's arrangement and the rectangles of a product on it.
#include <gtest/gtest.h>

#include <bit>
#include <set>

#include "drawing/KarnaughMap.h"

namespace lodex {
namespace {

TEST(KarnaughMap, EveryCombinationOnceAndNeighboursDifferInOneInput) {
  for (int n = 0; n <= kMaxKarnaughInputs; ++n) {
    const CKarnaughMap map(n);
    ASSERT_EQ(map.Rows() * map.Columns(), 1 << n);
    std::set<uint32_t> seen;
    for (int r = 0; r < map.Rows(); ++r)
      for (int c = 0; c < map.Columns(); ++c) {
        const uint32_t here = map.Combination(r, c);
        EXPECT_LT(here, 1u << n);
        seen.insert(here);
        // Right and down, wrapping round: one input changes (an axis of
        // one cell has no neighbour, of two cells the same one twice).
        if (map.Columns() > 1) {
          EXPECT_EQ(std::popcount(here ^ map.Combination(r, (c + 1) % map.Columns())), 1) << n;
        }
        if (map.Rows() > 1) {
          EXPECT_EQ(std::popcount(here ^ map.Combination((r + 1) % map.Rows(), c)), 1) << n;
        }
      }
    EXPECT_EQ(seen.size(), size_t{1} << n);
  }
  const CKarnaughMap four(4);
  EXPECT_EQ(four.ColumnTitle(), "x1 x0");
  EXPECT_EQ(four.RowTitle(), "x3 x2");
  EXPECT_EQ(four.ColumnLabel(2), "11");
  EXPECT_EQ(four.Combination(3, 1), 0b1001u);  // row "10", column "01"
  EXPECT_EQ(CKarnaughMap(9).Inputs(), kMaxKarnaughInputs);
}

TEST(KarnaughMap, TheRectanglesOfEveryProductCoverExactlyItsCellsOnce) {
  for (int n = 0; n <= kMaxKarnaughInputs; ++n) {
    const CKarnaughMap map(n);
    uint32_t cubes = 1;
    for (int k = 0; k < n; ++k) cubes *= 3;
    for (uint32_t code = 0; code < cubes; ++code) {
      Product p;
      for (int k = 0, rest = static_cast<int>(code); k < n; ++k, rest /= 3) {
        if (rest % 3 == 0) continue;
        p.care |= 1u << k;
        if (rest % 3 == 2) p.value |= 1u << k;
      }
      std::multiset<uint32_t> drawn;
      for (const CellRect& rect : map.GroupRects(p)) {
        ASSERT_GE(rect.rows, 1);
        ASSERT_GE(rect.columns, 1);
        ASSERT_LE(rect.row + rect.rows, map.Rows());
        ASSERT_LE(rect.column + rect.columns, map.Columns());
        for (int r = rect.row; r < rect.row + rect.rows; ++r)
          for (int c = rect.column; c < rect.column + rect.columns; ++c) drawn.insert(map.Combination(r, c));
      }
      std::multiset<uint32_t> covered;
      for (uint32_t c = 0; c < (1u << n); ++c)
        if (p.Covers(c)) covered.insert(c);
      ASSERT_EQ(drawn, covered) << "inputs " << n << " cube " << code;
    }
  }
  EXPECT_TRUE(CKarnaughMap(3).GroupRects({0b1000, 0b1000}).empty());
}

}  // namespace
}  // namespace lodex
