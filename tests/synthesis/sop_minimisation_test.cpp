// The exact two-level minimiser against brute force: every function of up
// to three inputs with every choice of don't-cares, every function of four
// inputs and a sample of them with don't-cares, random eight-input blocks,
// and the formula text read back.
#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <string>
#include <vector>

#include "synthesis/SopMinimisation.h"

namespace lodex {
namespace {

struct Function {
  int n;
  std::vector<bool> on, dc;
};

// The fewest products, then literals, by brute force: primes from all 3^n
// cubes, then covers by increasing number of primes.
std::pair<int, int> BruteMinimum(const Function& f) {
  const uint32_t size = 1u << f.n;
  std::vector<Product> primes;
  const auto implicant = [&](Product p) {
    for (uint32_t c = 0; c < size; ++c)
      if (p.Covers(c) && !f.on[c] && !f.dc[c]) return false;
    return true;
  };
  for (uint32_t care = 0; care < size; ++care)
    for (uint32_t value = 0; value < size; ++value) {
      if ((value & ~care) != 0 || !implicant({care, value})) continue;
      bool prime = true;
      for (int k = 0; k < f.n && prime; ++k)
        if ((care >> k) & 1u) prime = !implicant({care & ~(1u << k), value & ~(1u << k)});
      if (prime) primes.push_back({care, value});
    }
  std::vector<uint32_t> on;
  for (uint32_t c = 0; c < size; ++c)
    if (f.on[c] && !f.dc[c]) on.push_back(c);
  if (on.empty()) return {0, 0};
  int bestLiterals = -1;
  for (int k = 1; k <= static_cast<int>(primes.size()); ++k) {
    std::vector<bool> pick(primes.size(), false);
    std::fill(pick.begin(), pick.begin() + k, true);
    do {
      bool all = true;
      for (uint32_t c : on) {
        bool hit = false;
        for (size_t p = 0; p < primes.size() && !hit; ++p) hit = pick[p] && primes[p].Covers(c);
        all = all && hit;
      }
      if (!all) continue;
      int literals = 0;
      for (size_t p = 0; p < primes.size(); ++p)
        if (pick[p]) literals += std::popcount(primes[p].care);
      if (bestLiterals < 0 || literals < bestLiterals) bestLiterals = literals;
    } while (std::prev_permutation(pick.begin(), pick.end()));
    if (bestLiterals >= 0) return {k, bestLiterals};
  }
  return {-1, -1};
}

// The cover computes every defined combination.
void ExpectComputes(const Function& f, const SopCover& cover) {
  for (uint32_t c = 0; c < (1u << f.n); ++c)
    if (!f.dc[c]) {
      ASSERT_EQ(cover.Evaluate(c), static_cast<bool>(f.on[c])) << "combination " << c;
    }
}

void ExpectMinimum(const Function& f) {
  const SopCover cover = MinimumSop(f.n, f.on, f.dc);
  ExpectComputes(f, cover);
  const auto [products, literals] = BruteMinimum(f);
  const bool constantOne = cover.products.size() == 1 && cover.products[0].care == 0;
  if (constantOne) return;  // a defined-everywhere 1: "1", no product to count
  EXPECT_EQ(static_cast<int>(cover.products.size()), products);
  EXPECT_EQ(cover.Literals(), literals);
}

TEST(SopMinimisation, EveryFunctionOfUpToThreeInputsWithEveryDontCareIsMinimum) {
  for (int n = 0; n <= 3; ++n) {
    const uint32_t size = 1u << n;
    uint32_t count = 1;
    for (uint32_t i = 0; i < size; ++i) count *= 3;
    for (uint32_t code = 0; code < count; ++code) {
      Function f{n, std::vector<bool>(size), std::vector<bool>(size)};
      for (uint32_t c = 0, rest = code; c < size; ++c, rest /= 3) {
        f.on[c] = rest % 3 == 1;
        f.dc[c] = rest % 3 == 2;
      }
      ASSERT_NO_FATAL_FAILURE(ExpectMinimum(f)) << "n " << n << " code " << code;
    }
  }
}

TEST(SopMinimisation, EveryFourInputFunctionAndASampleWithDontCaresAreMinimum) {
  for (uint32_t code = 0; code < (1u << 16); ++code) {
    Function f{4, std::vector<bool>(16), std::vector<bool>(16)};
    for (int c = 0; c < 16; ++c) f.on[c] = (code >> c) & 1u;
    ASSERT_NO_FATAL_FAILURE(ExpectMinimum(f)) << "function " << code;
  }
  std::mt19937 rng(4);
  for (int trial = 0; trial < 1000; ++trial) {
    Function f{4, std::vector<bool>(16), std::vector<bool>(16)};
    for (int c = 0; c < 16; ++c) {
      f.dc[c] = std::uniform_int_distribution<int>(0, 99)(rng) < 25;
      f.on[c] = std::bernoulli_distribution(0.5)(rng);
    }
    ASSERT_NO_FATAL_FAILURE(ExpectMinimum(f)) << "trial " << trial;
  }
}

// Reads "yk = ..." back: '|' of '&' of xk or !xk, or 0 or 1.
bool EvaluateText(const std::string& text, uint32_t combination) {
  const std::string sum = text.substr(text.find('=') + 2);
  if (sum == "0" || sum == "1") return sum == "1";
  size_t at = 0;
  while (at < sum.size()) {
    const size_t end = std::min(sum.find(" | ", at), sum.size());
    const std::string product = sum.substr(at, end - at);
    bool value = true;
    for (size_t p = 0; p < product.size();) {
      const bool negated = product[p] == '!';
      p += negated ? 2 : 1;  // past "!x" or "x"
      const int k = product[p] - '0';
      ++p;
      value = value && (((combination >> k) & 1u) != negated);
      p = product.find('x', p) == std::string::npos ? product.size() : product.find_first_of("!x", p);
    }
    if (value) return true;
    at = end + 3;
  }
  return false;
}

TEST(SopMinimisation, RandomEightInputBlocksComputeTheirWordsAndReadBack) {
  std::mt19937 rng(8);
  for (int trial = 0; trial < 12; ++trial) {
    CLogicalBlock block;
    block.m_inputCount = 8;
    block.m_outputCount = 3;
    block.m_wordDigits = 1;
    for (int c = 0; c < 256; ++c)
      block.m_lp +=
          std::bernoulli_distribution(0.2)(rng) ? '*' : "01234567"[std::uniform_int_distribution<int>(0, 7)(rng)];
    const std::vector<SopCover> formulas = BlockFormulas(block);
    ASSERT_EQ(formulas.size(), 3u);
    for (int k = 0; k < 3; ++k) {
      const std::string text = FormulaText(k, formulas[static_cast<size_t>(k)]);
      ASSERT_EQ(text.rfind("y" + std::to_string(k) + " = ", 0), 0u) << text;
      for (uint32_t c = 0; c < 256; ++c) {
        if (block.m_lp[c] == '*') continue;
        const bool bit = ((block.m_lp[c] - '0') >> k) & 1;
        ASSERT_EQ(formulas[static_cast<size_t>(k)].Evaluate(c), bit) << trial << " " << k << " " << c;
        ASSERT_EQ(EvaluateText(text, c), bit) << text << " at " << c;
      }
    }
  }
}

TEST(SopMinimisation, TextOfConstantsAndProducts) {
  CLogicalBlock block;
  block.m_inputCount = 2;
  block.m_outputCount = 3;
  block.m_wordDigits = 1;
  block.m_lp = "2*36";  // word 1 undefined
  const std::vector<SopCover> f = BlockFormulas(block);
  ASSERT_EQ(f.size(), 3u);
  EXPECT_EQ(FormulaText(0, f[0]), "y0 = !x0 & x1");
  EXPECT_EQ(FormulaText(1, f[1]), "y1 = 1");
  EXPECT_EQ(FormulaText(2, f[2]), "y2 = x0");
  EXPECT_EQ(FormulaText(0, SopCover{}), "y0 = 0");
  EXPECT_EQ(FormulaText(3, SopCover{{{0b101, 0b001}, {0b1010, 0b1000}}}), "y3 = x0 & !x2 | !x1 & x3");
  block.m_inputCount = 9;
  EXPECT_TRUE(BlockFormulas(block).empty());
}

}  // namespace
}  // namespace lodex
