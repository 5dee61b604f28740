#include "synthesis/SerialSearch.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace lodex {
namespace {

// Inputs a mask can hold and a scheme can address.
constexpr int kMaxSearchInputs = 30;
// Masks a worker takes at a time.
constexpr int64_t kChunk = 32;

// Largest class count that can still be accepted with k bound inputs: above
// it either more than half the rows would be classes, or every lower block
// wide enough to encode them makes the split more complex than the block.
// 0 when no count is accepted. The complexity grows with r, so every count
// above the limit is rejected too and counting can stop there.
int64_t ClassLimit(int n, int m, int k) {
  const int64_t bound = static_cast<int64_t>(m) << n;
  int rmax = 0;
  while (rmax < k && SplitComplexity(n, m, k, rmax + 1) <= bound) ++rmax;
  if (rmax == 0) return 0;
  return std::min<int64_t>((int64_t{1} << k) / 2, int64_t{1} << rmax);
}

// The offsets of all subsets of `bits` in ascending order: entry t is the
// sum of the weights of `bits` selected by the bits of t, as in a split table.
void SubsetOffsets(uint32_t bits, std::vector<uint32_t>& out) {
  out.clear();
  uint32_t sub = 0;
  do {
    out.push_back(sub);
    sub = (sub - bits) & bits;
  } while (sub != 0);
}

// Evaluates masks of one block with the first-fit classification of
// ClassifyRows, without building the split table.
//
// For every column c the evaluator keeps, over the classes, bit sets of the
// classes undefined at c and of the value bits of the defined ones. A row is
// matched against all classes at once by intersecting, column by column, the
// sets of classes that accept its word there; the lowest class left after the
// last column is the first-fit class. A row that no class accepts is a new
// class and is read no further, so random rows cost a few columns each.
// Class words are filled into the column sets lazily, from the member rows in
// the order they joined (the first defined member word is the merged word).
class CMaskEvaluator {
 public:
  CMaskEvaluator(const Words& words, int n, int m, int planes, bool hasUndefined)
      : m_w(words), m_n(n), m_m(m), m_planes(planes), m_hasUndefined(hasUndefined) {}

  std::optional<SplitCandidate> Evaluate(int32_t mask) {
    const uint32_t all = (uint32_t{1} << m_n) - 1;
    const uint32_t bound = static_cast<uint32_t>(mask) & all;
    const int k = std::popcount(bound);
    const int64_t limit = ClassLimit(m_n, m_m, k);
    if (limit == 0) return std::nullopt;
    SubsetOffsets(bound, m_rowOff);
    SubsetOffsets(all & ~bound, m_colOff);
    const size_t rows = m_rowOff.size(), cols = m_colOff.size();
    m_words = static_cast<size_t>((limit + 63) / 64);
    m_undef.resize(cols * m_words);
    m_plane.resize(cols * m_words * static_cast<size_t>(m_planes));
    m_materialized.assign(cols, 0);
    m_next.assign(rows, -1);
    m_first.clear();
    m_last.clear();
    m_cand.resize(m_words);

    int64_t count = 0;
    for (size_t t = 0; t < rows; ++t) {
      const int32_t* row = m_w.data() + m_rowOff[t];
      // Candidates: every class so far, as words [lo, hi) of m_cand.
      size_t lo = 0, hi = static_cast<size_t>((count + 63) / 64);
      for (size_t j = 0; j < hi; ++j) m_cand[j] = ~uint64_t{0};
      if (count % 64 != 0) m_cand[hi - 1] = (uint64_t{1} << (count % 64)) - 1;
      bool defined = false;
      for (size_t c = 0; c < cols; ++c) {
        const int32_t v = row[m_colOff[c]];
        if (v == -1) continue;
        defined = true;
        if (lo == hi) break;
        Materialize(c, count);
        Narrow(c, static_cast<uint32_t>(v), lo, hi);
        if (lo == hi) break;
      }
      if (!defined) continue;
      if (lo == hi) {
        if (count == limit) return std::nullopt;
        m_first.push_back(static_cast<int32_t>(t));
        m_last.push_back(static_cast<int32_t>(t));
        ++count;
        continue;
      }
      Join(static_cast<size_t>(lo * 64 + static_cast<size_t>(std::countr_zero(m_cand[lo]))), t);
    }
    const int r = SplitOutputs(count);
    return SplitCandidate{mask, static_cast<int32_t>(SplitComplexity(m_n, m_m, k, r))};
  }

 private:
  int32_t Word(size_t row, size_t col) const { return m_w[m_rowOff[row] + m_colOff[col]]; }
  uint64_t& Undef(size_t c, size_t j) { return m_undef[c * m_words + j]; }
  uint64_t& Plane(size_t c, size_t b, size_t j) { return m_plane[(c * static_cast<size_t>(m_planes) + b) * m_words + j]; }

  // Records class i's word at column c in the column's sets.
  void SetWord(size_t c, size_t i, int32_t v) {
    const size_t j = i / 64;
    const uint64_t bit = uint64_t{1} << (i % 64);
    if (v == -1) {
      Undef(c, j) |= bit;
      return;
    }
    Undef(c, j) &= ~bit;
    for (int b = 0; b < m_planes; ++b)
      if ((static_cast<uint32_t>(v) >> b) & 1) Plane(c, static_cast<size_t>(b), j) |= bit;
  }

  // Brings column c's sets up to date for classes below `count`.
  void Materialize(size_t c, int64_t count) {
    for (int64_t i = m_materialized[c]; i < count; ++i) {
      const size_t ci = static_cast<size_t>(i);
      if (ci % 64 == 0) {
        Undef(c, ci / 64) = 0;
        for (int b = 0; b < m_planes; ++b) Plane(c, static_cast<size_t>(b), ci / 64) = 0;
      }
      int32_t v = -1;
      for (int32_t x = m_first[ci]; x != -1 && v == -1; x = m_next[static_cast<size_t>(x)])
        v = Word(static_cast<size_t>(x), c);
      SetWord(c, ci, v);
    }
    m_materialized[c] = count;
  }

  // Keeps in [lo, hi) the candidate classes that accept word v at column c.
  void Narrow(size_t c, uint32_t v, size_t& lo, size_t& hi) {
    for (size_t j = lo; j < hi; ++j) {
      uint64_t equal = ~uint64_t{0};
      for (int b = 0; b < m_planes; ++b) {
        const uint64_t p = Plane(c, static_cast<size_t>(b), j);
        equal &= ((v >> b) & 1) ? p : ~p;
      }
      m_cand[j] &= Undef(c, j) | equal;
    }
    while (lo < hi && m_cand[lo] == 0) ++lo;
    while (hi > lo && m_cand[hi - 1] == 0) --hi;
  }

  // Row t joins class i: the class takes its defined words where it had none.
  void Join(size_t i, size_t t) {
    m_next[static_cast<size_t>(m_last[i])] = static_cast<int32_t>(t);
    m_last[i] = static_cast<int32_t>(t);
    if (!m_hasUndefined) return;
    const uint64_t bit = uint64_t{1} << (i % 64);
    for (size_t c = 0; c < m_colOff.size(); ++c) {
      if (m_materialized[c] <= static_cast<int64_t>(i) || !(Undef(c, i / 64) & bit)) continue;
      const int32_t v = Word(t, c);
      if (v != -1) SetWord(c, i, v);
    }
  }

  const Words& m_w;
  const int m_n, m_m, m_planes;
  const bool m_hasUndefined;
  std::vector<uint32_t> m_rowOff, m_colOff;
  size_t m_words = 0;                 // 64-bit words of a class set
  std::vector<uint64_t> m_undef;      // per column: classes undefined there
  std::vector<uint64_t> m_plane;      // per column and value bit: classes with that bit set
  std::vector<int64_t> m_materialized;  // per column: classes recorded in its sets
  std::vector<int32_t> m_first, m_last;  // per class: first and last member row
  std::vector<int32_t> m_next;        // per row: next member of its class
  std::vector<uint64_t> m_cand;       // candidate classes of the current row
};

}  // namespace

std::vector<SplitCandidate> SearchSplitsReference(const CLogicalScheme& scheme, int block) {
  std::vector<SplitCandidate> out;
  if (block < 0 || block >= scheme.GetBlockCount()) return out;
  const int n = scheme.GetBlock(block).m_inputCount;
  if (n < 2 || n > kMaxSearchInputs) return out;
  for (int32_t mask = (int32_t{1} << n) - 2; mask >= 1; --mask)
    if (auto c = EvaluateSplit(scheme, mask, block)) out.push_back(*c);
  std::sort(out.begin(), out.end());
  return out;
}

SerialSearchResult SearchSplits(const CLogicalScheme& scheme, int block, const SerialSearchOptions& options) {
  SerialSearchResult result;
  const bool valid = block >= 0 && block < scheme.GetBlockCount();
  const int n = valid ? scheme.GetBlock(block).m_inputCount : 0;
  const int m = valid ? scheme.GetBlock(block).m_outputCount : 0;
  if (n < 2 || n > kMaxSearchInputs || m < 1) {
    if (options.progress && !options.progress(0, 0)) result.cancelled = true;
    return result;
  }
  const CLogicalBlock& f = scheme.GetBlock(block);
  // Words beyond the sequence read as undefined, as in a split table.
  Words words = LPToWords(f.m_lp, f.m_wordDigits);
  words.resize(size_t{1} << n, -1);
  uint32_t ored = 0;
  bool hasUndefined = false;
  for (int32_t v : words) {
    if (v == -1)
      hasUndefined = true;
    else
      ored |= static_cast<uint32_t>(v);
  }
  const int planes = std::bit_width(ored);

  const uint64_t total = (uint64_t{1} << n) - 2;
  std::atomic<int64_t> nextMask{static_cast<int64_t>(total)};
  std::atomic<uint64_t> done{0};
  std::atomic<bool> cancel{false};
  unsigned threads = options.threads != 0 ? options.threads : std::max(1u, std::thread::hardware_concurrency());
  threads = static_cast<unsigned>(std::min<uint64_t>(threads, (total + kChunk - 1) / kChunk));
  std::vector<std::vector<SplitCandidate>> found(threads);
  std::vector<std::exception_ptr> errors(threads);

  // Evaluates the next chunk of masks; false when none are left.
  auto runChunk = [&](CMaskEvaluator& evaluator, std::vector<SplitCandidate>& out) {
    const int64_t high = nextMask.fetch_sub(kChunk);
    if (high < 1) return false;
    const int64_t low = std::max<int64_t>(1, high - kChunk + 1);
    int64_t mask = high;
    for (; mask >= low && !cancel.load(std::memory_order_relaxed); --mask)
      if (auto c = evaluator.Evaluate(static_cast<int32_t>(mask))) out.push_back(*c);
    done.fetch_add(static_cast<uint64_t>(high - mask));
    return true;
  };

  std::mutex mutex;
  std::condition_variable finished;
  unsigned running = threads - 1;
  std::vector<std::thread> pool;
  for (unsigned id = 1; id < threads; ++id)
    pool.emplace_back([&, id] {
      try {
        CMaskEvaluator evaluator(words, n, m, planes, hasUndefined);
        while (!cancel.load(std::memory_order_relaxed) && runChunk(evaluator, found[id])) {
        }
      } catch (...) {
        errors[id] = std::current_exception();
        cancel = true;
      }
      std::lock_guard lock(mutex);
      --running;
      finished.notify_all();
    });
  auto report = [&] {
    if (options.progress && !options.progress(done.load(), total)) cancel = true;
  };
  try {
    // The calling thread works too and reports progress between its chunks;
    // when the masks run out it reports while waiting for the others.
    CMaskEvaluator evaluator(words, n, m, planes, hasUndefined);
    while (!cancel.load() && runChunk(evaluator, found[0])) report();
    std::unique_lock lock(mutex);
    while (running > 0) {
      if (finished.wait_for(lock, std::chrono::milliseconds(50), [&] { return running == 0; })) break;
      lock.unlock();
      report();
      lock.lock();
    }
  } catch (...) {
    cancel = true;
    for (auto& t : pool) t.join();
    throw;
  }
  for (auto& t : pool) t.join();
  for (auto& e : errors)
    if (e) std::rethrow_exception(e);
  // A cancel that came after the last mask loses nothing.
  result.cancelled = cancel.load() && done.load() < total;
  if (!result.cancelled && options.progress) options.progress(total, total);
  for (auto& part : found) result.candidates.insert(result.candidates.end(), part.begin(), part.end());
  std::sort(result.candidates.begin(), result.candidates.end());
  return result;
}

}  // namespace lodex
