// Exact two-level minimisation: a sum of products with the fewest products,
// then the fewest literals, for one output of a block of up to 8 inputs, its
// undefined words used as don't-cares; and the formula text of such a sum.
//
// Method. The prime implicants of ON ∪ DC are found by Quine–McCluskey
// merging of cubes that differ in one cared-for input; the ON minterms are
// then covered exactly by branch and bound over the prime table: essential
// primes taken and dominated primes dropped at every node (the cyclic
// core), branching on the minterm with the fewest covering primes, each
// branch excluding the primes of the ones before it, pruned by the cost so
// far plus a lower bound from minterms that share no prime. This solves
// Petrick's problem without expanding the product.
//
// Cost: primes O(3^n · n) for n inputs; the cover is exponential in the
// number of primes at worst. The search gives up after 2,000,000 nodes with
// the best cover found; no function of the tests comes near that (random
// eight-input functions take a few hundred nodes), so in practice the
// result is the minimum.
// See: W. V. Quine, "The problem of simplifying truth functions", 1952;
// E. J. McCluskey, "Minimization of Boolean functions", 1956; S. R. Petrick,
// "A direct determination of the irredundant forms of a Boolean function",
// 1956; dominance and the cyclic core as in R. K. Brayton et al., "Logic
// Minimization Algorithms for VLSI Synthesis", 1984.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/LogicalBlock.h"

namespace lodex {

inline constexpr int kMaxFormulaInputs = 8;

// A product of literals: input k appears where bit k of `care` is set, as
// itself where bit k of `value` is set, negated otherwise.
struct Product {
  uint32_t care = 0;
  uint32_t value = 0;
  bool Covers(uint32_t combination) const { return (combination & care) == value; }
  bool operator==(const Product&) const = default;
};

// A sum of products; no product is constant 0, one product with no literal
// is constant 1.
struct SopCover {
  std::vector<Product> products;
  int Literals() const;
  bool Evaluate(uint32_t combination) const;
  bool operator==(const SopCover&) const = default;
};

// The minimum sum for a function of `inputs` (0..8) inputs: `on[c]` where
// combination c gives 1, `dontCare[c]` where it may give either. Products
// in a fixed order (fewer literals first, then by their masks).
SopCover MinimumSop(int inputs, const std::vector<bool>& on, const std::vector<bool>& dontCare);

// The minimum sum of every output of `block` (output k is bit k of the
// word), an undefined word a don't-care of all outputs. Empty for a block
// of more than kMaxFormulaInputs inputs.
std::vector<SopCover> BlockFormulas(const CLogicalBlock& block);

// "y0 = x0 & !x2 | x1 & x3": xk is input k, yk output k, '!' negation, '&'
// binding tighter than '|'; "0" and "1" for constant outputs.
std::string FormulaText(int output, const SopCover& cover);

}  // namespace lodex
