// Seeded blocks for the serial split tests: random functions and functions
// built to split (f = h(g(bound inputs), free inputs)).
#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "model/LogicalScheme.h"

namespace lodex::testing {

// A scheme holding one block with n inputs and m outputs whose words are
// drawn by `word(index)`.
template <class WordFn>
CLogicalScheme SchemeOf(int n, int m, WordFn word) {
  Words words(size_t{1} << n);
  for (size_t i = 0; i < words.size(); ++i) words[i] = word(i);
  return CLogicalScheme(static_cast<int16_t>(n), static_cast<int16_t>(m), "Bl_1", WordsToLP(words, WordDigitsFor(m)));
}

// Random words, each undefined with probability `undefined`.
inline CLogicalScheme RandomScheme(int n, int m, double undefined, uint32_t seed) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> u(0, 1);
  std::uniform_int_distribution<int32_t> value(0, static_cast<int32_t>((int64_t{1} << m) - 1));
  return SchemeOf(n, m, [&](size_t) { return u(rng) < undefined ? -1 : value(rng); });
}

// f(x) = h(g(x & bound), x & ~bound) with g taking `classes` values, then
// words made undefined with probability `undefined`: the bound mask (and
// many others) split.
inline CLogicalScheme DecomposableScheme(int n, int m, double undefined, uint32_t seed, uint32_t bound, int classes) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<double> u(0, 1);
  std::uniform_int_distribution<int32_t> value(0, static_cast<int32_t>((int64_t{1} << m) - 1));
  std::uniform_int_distribution<int> cls(0, classes - 1);
  const size_t size = size_t{1} << n;
  std::vector<int> g(size);
  for (size_t i = 0; i < size; ++i) g[i] = cls(rng);
  std::vector<int32_t> h(size * static_cast<size_t>(classes));
  for (auto& w : h) w = value(rng);
  return SchemeOf(n, m, [&](size_t i) {
    const size_t b = i & bound, f = i & ~static_cast<size_t>(bound);
    const int32_t w = h[f * static_cast<size_t>(classes) + static_cast<size_t>(g[b])];
    return u(rng) < undefined ? -1 : w;
  });
}

}  // namespace lodex::testing
