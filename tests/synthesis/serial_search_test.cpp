// The fast mask search against the mask-by-mask reference.
#include <gtest/gtest.h>

#include <atomic>
#include <bit>
#include <tuple>

#include "serial_blocks.h"
#include "synthesis/Serial.h"
#include "synthesis/SerialSearch.h"

namespace lodex {
namespace {

using testing::DecomposableScheme;
using testing::RandomScheme;

// The reference list cut down as the options ask: at most `maxBound` bound
// inputs, and with `twoClasses` only the splits whose lower block has one
// output (whose complexity is that of r = 1).
std::vector<SplitCandidate> Filtered(const CLogicalScheme& scheme, std::vector<SplitCandidate> list, int maxBound,
                                     bool twoClasses) {
  const CLogicalBlock& b = scheme.GetBlock(1);
  std::erase_if(list, [&](const SplitCandidate& c) {
    const int k = std::popcount(static_cast<uint32_t>(c.mask));
    return (maxBound > 0 && k > maxBound) ||
           (twoClasses && c.complexity != SplitComplexity(b.m_inputCount, b.m_outputCount, k, 1));
  });
  return list;
}

void ExpectSameSearch(const CLogicalScheme& scheme, const std::string& what) {
  const auto all = SearchSplitsReference(scheme, 1);
  // Unfiltered with the default threads (0: more than one only for large
  // blocks), one and three, then the bound and class filters.
  for (auto [threads, maxBound, twoClasses] :
       {std::tuple{0u, 0, false}, std::tuple{1u, 0, false}, std::tuple{3u, 0, false}, std::tuple{1u, 2, false},
        std::tuple{3u, 3, true}}) {
    SerialSearchOptions options;
    options.threads = threads;
    options.maxBound = maxBound;
    options.maxClasses = twoClasses ? 2 : 0;
    const auto reference = Filtered(scheme, all, maxBound, twoClasses);
    const auto fast = SearchSplits(scheme, 1, options);
    ASSERT_FALSE(fast.cancelled) << what;
    ASSERT_EQ(fast.candidates.size(), reference.size())
        << what << " threads " << threads << " bound " << maxBound << " two classes " << twoClasses;
    for (size_t i = 0; i < reference.size(); ++i) {
      ASSERT_EQ(fast.candidates[i], reference[i])
          << what << " threads " << threads << " candidate " << i << ": mask " << fast.candidates[i].mask
          << " complexity " << fast.candidates[i].complexity << ", reference mask " << reference[i].mask
          << " complexity " << reference[i].complexity;
    }
  }
}

TEST(SerialSearch, EqualsReferenceOnRandomBlocks) {
  uint32_t seed = 1;
  for (int n = 2; n <= 10; ++n)
    for (int m : {1, 2, 3, 4, 5, 8, 12})
      for (double undefined : {0.0, 0.1, 0.3, 0.6}) {
        ++seed;
        ExpectSameSearch(RandomScheme(n, m, undefined, seed),
                         "random n=" + std::to_string(n) + " m=" + std::to_string(m) +
                             " undefined=" + std::to_string(undefined) + " seed=" + std::to_string(seed));
      }
}

TEST(SerialSearch, EqualsReferenceOnDecomposableBlocks) {
  std::mt19937 rng(7);
  for (int round = 0; round < 100; ++round) {
    // Mostly small blocks, where the reference is quick, and a few of 11 and 12 inputs.
    const int n = round % 25 == 0 ? 11 + round / 50 : 2 + round % 9;
    const int m = 1 + static_cast<int>(rng() % 12);
    const double undefined = 0.1 * static_cast<double>(rng() % 7);
    const uint32_t bound = (static_cast<uint32_t>(rng()) % ((1u << n) - 2)) + 1;
    const int classes = 1 + static_cast<int>(rng() % 4);
    const uint32_t seed = static_cast<uint32_t>(rng());
    ExpectSameSearch(DecomposableScheme(n, m, undefined, seed, bound, classes),
                     "decomposable n=" + std::to_string(n) + " m=" + std::to_string(m) +
                         " undefined=" + std::to_string(undefined) + " bound=" + std::to_string(bound) +
                         " seed=" + std::to_string(seed));
  }
}

TEST(SerialSearch, EqualsReferenceOnLargerRandomBlocks) {
  for (int n : {11, 12})
    for (double undefined : {0.0, 0.3, 0.6})
      ExpectSameSearch(RandomScheme(n, n == 11 ? 3 : 1, undefined, 100u + static_cast<uint32_t>(n)),
                       "random n=" + std::to_string(n) + " undefined=" + std::to_string(undefined));
}

TEST(SerialSearch, WideWordsAndStrayBits) {
  // Words wider than the outputs promise still compare as whole words.
  CLogicalScheme scheme(3, 1, "Bl_1", "0F0F*F0FF0F0F0F0");
  ExpectSameSearch(scheme, "stray bits");
  ExpectSameSearch(RandomScheme(6, 31, 0.2, 5), "31 outputs");
}

TEST(SerialSearch, DegenerateBlocks) {
  // Nothing to split with fewer than two inputs; no defined word at all still
  // needs one class.
  CLogicalScheme one(1, 1, "Bl_1", "01");
  EXPECT_TRUE(SearchSplits(one, 1).candidates.empty());
  EXPECT_TRUE(SearchSplitsReference(one, 1).empty());
  EXPECT_TRUE(SearchSplits(one, 7).candidates.empty());
  ExpectSameSearch(CLogicalScheme(4, 1, "Bl_1", std::string(16, '*')), "all undefined");
  ExpectSameSearch(CLogicalScheme(4, 2, "Bl_1", std::string(16, '3')), "constant");
  // Every defined word 0: no value bit to tell classes apart, only undefined words.
  std::string zeros(64, '0');
  for (size_t i = 0; i < zeros.size(); i += 3) zeros[i] = '*';
  ExpectSameSearch(CLogicalScheme(6, 1, "Bl_1", zeros), "zeros and undefined");
}

TEST(SerialSearch, ProgressReachesTotalAndCancelStops) {
  const CLogicalScheme scheme = RandomScheme(12, 1, 0.3, 3);
  uint64_t last = 0, total = 0;
  SerialSearchOptions options;
  options.threads = 2;
  options.progress = [&](uint64_t done, uint64_t all) {
    EXPECT_GE(done, last);
    last = done;
    total = all;
    return true;
  };
  const auto full = SearchSplits(scheme, 1, options);
  EXPECT_FALSE(full.cancelled);
  EXPECT_EQ(total, (uint64_t{1} << 12) - 2);
  EXPECT_EQ(last, total);

  std::atomic<int> calls{0};
  options.progress = [&](uint64_t, uint64_t) { return ++calls < 2; };
  const auto cancelled = SearchSplits(scheme, 1, options);
  EXPECT_TRUE(cancelled.cancelled);
  EXPECT_EQ(calls.load(), 2);
  EXPECT_LE(cancelled.candidates.size(), full.candidates.size());
}

}  // namespace
}  // namespace lodex
