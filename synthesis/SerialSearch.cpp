#include "synthesis/SerialSearch.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>

namespace lodex {
namespace {

// Masks a worker takes at a time.
constexpr int64_t kChunk = 32;

// By default one thread is used for every this many words the masks of a
// block may read (masks times rows), so blocks of up to 10 inputs are
// searched on the calling thread alone: for them starting and joining a
// thread costs about as much as it saves, and more on a busy machine.
constexpr uint64_t kWordsPerThread = uint64_t{1} << 20;

// The hardware threads, asked once: the answer reads a system file.
unsigned HardwareThreads() {
  static const unsigned count = std::max(1u, std::thread::hardware_concurrency());
  return count;
}

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
// Built by doubling, weight by weight from the lowest, in plain stores: it
// runs twice for every mask.
void SubsetOffsets(uint32_t bits, std::vector<uint32_t>& out) {
  out.resize(size_t{1} << std::popcount(bits));
  uint32_t* entry = out.data();
  entry[0] = 0;
  size_t filled = 1;
  for (uint32_t rest = bits; rest != 0; rest &= rest - 1) {
    const uint32_t weight = rest & (~rest + 1);
    for (size_t t = 0; t < filled; ++t) entry[filled + t] = entry[t] + weight;
    filled *= 2;
  }
}

// The block's words as the evaluator reads them, index by index; narrow
// words are kept in bytes, a quarter of the cache.
class CWideStore {
 public:
  explicit CWideStore(const Words& words) : m_words(words) {}
  int32_t operator[](uint32_t i) const { return m_words[i]; }

 private:
  const Words& m_words;
};

// Words below 128 (or undefined): one byte each.
class CByteStore {
 public:
  explicit CByteStore(const Words& words) : m_bytes(words.begin(), words.end()) {}
  int32_t operator[](uint32_t i) const { return m_bytes[i]; }

 private:
  std::vector<int8_t> m_bytes;
};

// Evaluates masks of one block with the first-fit classification of
// ClassifyRows, without building the split table, and stops as soon as the
// class count passes ClassLimit.
//
// Blocks without undefined words: the classes are the distinct rows. When
// there are not many more rows than the limit, rows are grouped column by
// column by their words so far, until the groups pass the limit or the
// columns end. Otherwise (few classes allowed among many rows) rows go one by
// one into a binary (Patricia) trie over their bits: a row walks the trie and
// is compared with the one class row it reaches, from its first word up to
// the first difference, so rows that differ early cost a few words each, only
// rows that repeat a class are read in full, and counting stops just past
// the limit.
//
// Blocks with undefined words: a word's value is cut into digits of up to
// four bits, and for every column c the evaluator keeps bit sets over the
// classes: those undefined at c, and for every digit position and digit
// value those whose word has that digit. A row is matched against all
// classes at once by keeping, column by column, the classes that are
// undefined there or agree with every digit of its word (an undefined row
// word keeps them all, without a branch, as undefined words come at random);
// the lowest class left after the last column is the first-fit class. A row
// that no class accepts is a new class and is read no further; once the
// candidates fit one 64-bit word, only that word is narrowed. Columns enter
// the sets in order, when a row first reaches them: a column beyond that
// frontier takes every class's word from its member rows in the order they
// joined (the first defined member word is the merged word), and new classes
// and joining rows update only the columns below it.
template <class Store>
class CMaskEvaluator {
 public:
  CMaskEvaluator(const Store& words, int n, int m, int planes, bool hasUndefined, int64_t maxClasses)
      : m_w(words), m_n(n), m_m(m), m_planes(planes), m_hasUndefined(hasUndefined), m_maxClasses(maxClasses) {}

  std::optional<SplitCandidate> Evaluate(int32_t mask) {
    const uint32_t all = (uint32_t{1} << m_n) - 1;
    const uint32_t bound = static_cast<uint32_t>(mask) & all;
    const int k = std::popcount(bound);
    int64_t limit = ClassLimit(m_n, m_m, k);
    if (m_maxClasses > 0) limit = std::min(limit, m_maxClasses);
    if (limit == 0) return std::nullopt;
    SubsetOffsets(bound, m_rowOff);
    SubsetOffsets(all & ~bound, m_colOff);
    m_first.clear();
    std::optional<int64_t> count;
    if (m_hasUndefined)
      count = CountPartial(limit);
    else if (UseColumnRefinement(limit))
      count = CountDefinedByColumns(limit);
    else
      count = CountDefined(limit);
    if (!count) return std::nullopt;
    const int r = SplitOutputs(*count);
    return SplitCandidate{mask, static_cast<int32_t>(SplitComplexity(m_n, m_m, k, r))};
  }

 private:
  static constexpr int32_t kNone = INT32_MIN;
  struct TrieNode {
    int32_t pos;       // key bit tested: column * 32 + value bit
    int32_t child[2];  // node index, or ~class for a leaf
  };

  int32_t Word(size_t row, size_t col) const { return m_w[m_rowOff[row] + m_colOff[col]]; }
  int KeyBit(size_t row, int32_t pos) const {
    return (static_cast<uint32_t>(Word(row, static_cast<size_t>(pos / 32))) >> (pos % 32)) & 1;
  }

  // Distinct rows of a fully defined table, or none above `limit`.
  std::optional<int64_t> CountDefined(int64_t limit) {
    const size_t rows = m_rowOff.size(), cols = m_colOff.size();
    m_trie.clear();
    int32_t root = kNone;
    for (size_t t = 0; t < rows; ++t) {
      if (root == kNone) {
        m_first.push_back(static_cast<int32_t>(t));
        root = ~int32_t{0};
        continue;
      }
      int32_t node = root;
      while (node >= 0)
        node = m_trie[static_cast<size_t>(node)].child[KeyBit(t, m_trie[static_cast<size_t>(node)].pos)];
      const size_t other = static_cast<size_t>(m_first[static_cast<size_t>(~node)]);
      int32_t diff = -1;
      for (size_t c = 0; c < cols; ++c) {
        const uint32_t x = static_cast<uint32_t>(Word(t, c)) ^ static_cast<uint32_t>(Word(other, c));
        if (x != 0) {
          diff = static_cast<int32_t>(c * 32) + std::countr_zero(x);
          break;
        }
      }
      if (diff < 0) continue;  // repeats a class
      if (static_cast<int64_t>(m_first.size()) == limit) return std::nullopt;
      const int32_t leaf = ~static_cast<int32_t>(m_first.size());
      m_first.push_back(static_cast<int32_t>(t));
      // The new node goes where the path first tests a bit beyond diff.
      int32_t parent = -1, below = root;
      int side = 0;
      while (below >= 0 && m_trie[static_cast<size_t>(below)].pos < diff) {
        parent = below;
        side = KeyBit(t, m_trie[static_cast<size_t>(below)].pos);
        below = m_trie[static_cast<size_t>(below)].child[side];
      }
      const int bit = KeyBit(t, diff);
      TrieNode fresh{diff, {0, 0}};
      fresh.child[bit] = leaf;
      fresh.child[1 - bit] = below;
      m_trie.push_back(fresh);
      const int32_t index = static_cast<int32_t>(m_trie.size() - 1);
      if (parent < 0)
        root = index;
      else
        m_trie[static_cast<size_t>(parent)].child[side] = index;
    }
    return static_cast<int64_t>(m_first.size());
  }

  // Column-wise refinement reads every row once per column until the groups
  // pass the limit; the trie reads little more than `limit` rows. Refinement
  // pays when rows are not many more than the limit and the group keys fit a
  // small table.
  bool UseColumnRefinement(int64_t limit) const {
    const int64_t rows = static_cast<int64_t>(m_rowOff.size());
    return m_planes <= 6 && rows <= 4 * (limit + 1) && ((limit + 1) << m_planes) <= (int64_t{1} << 20);
  }

  // Distinct rows of a fully defined table, or none above `limit`: rows are
  // grouped by their words in the columns read so far, a few narrow columns
  // at a time (up to four value bits in all, while the key table stays small).
  std::optional<int64_t> CountDefinedByColumns(int64_t limit) {
    const size_t rows = m_rowOff.size(), cols = m_colOff.size();
    const int planes = m_planes;
    int span = 1;
    while (span < 4 && (span + 1) * planes <= 4 && ((limit + 1) << ((span + 1) * planes)) <= (int64_t{1} << 20)) ++span;
    m_group.assign(rows, 0);
    const size_t keys = static_cast<size_t>(limit + 1) << (span * planes);
    if (m_slot.size() < keys) m_slot.assign(keys, -1);
    m_touched.resize(rows);
    int64_t groups = 1;
    for (size_t c = 0; c < cols && groups < static_cast<int64_t>(rows); c += static_cast<size_t>(span)) {
      // Branch-free: whether a row starts a new group is a coin toss. Locals,
      // so that the stores cannot be taken to change the offsets.
      const int width = static_cast<int>(std::min<size_t>(static_cast<size_t>(span), cols - c));
      uint32_t col[4];
      for (int i = 0; i < width; ++i) col[i] = m_colOff[c + static_cast<size_t>(i)];
      const uint32_t* rowOff = m_rowOff.data();
      int32_t* group = m_group.data();
      int32_t* slots = m_slot.data();
      uint32_t* used = m_touched.data();
      int32_t next = 0;
      size_t touched = 0;
      for (size_t t = 0; t < rows; ++t) {
        size_t key = static_cast<size_t>(group[t]);
        for (int i = 0; i < width; ++i) key = (key << planes) | static_cast<uint32_t>(m_w[rowOff[t] + col[i]]);
        const int32_t slot = slots[key];
        const bool fresh = slot < 0;
        const int32_t g = fresh ? next : slot;
        slots[key] = g;
        group[t] = g;
        used[touched] = static_cast<uint32_t>(key);
        touched += fresh;
        next += fresh;
        // Groups only split further: past the limit already, the table is refused.
        if (next > limit) break;
      }
      for (size_t i = 0; i < touched; ++i) m_slot[m_touched[i]] = -1;
      groups = next;
      if (groups > limit) return std::nullopt;
    }
    return groups;
  }

  // Word j (classes 64j..64j+63) of column c's sets: set 0 holds the classes
  // undefined at c, set 1 + p * 2^digitBits + x those whose word has digit
  // x at position p. Word j of all of a column's sets lies side by side, so
  // that matching a row word reads one short run of memory.
  size_t SetsAt(size_t c, size_t j) const { return (c * m_words + j) * m_setCount; }
  uint64_t* Sets(size_t c, size_t j) { return m_accept.data() + SetsAt(c, j); }

  size_t DigitSet(uint32_t v, int p) const {
    return 1 + (static_cast<size_t>(p) << m_digitBits) + ((v >> (p * m_digitBits)) & m_digitMask);
  }

  // Digit positions of a word; OneDigit makes it a constant, so that the
  // loops over them vanish for blocks of up to four outputs.
  template <bool OneDigit>
  int Digits() const {
    return OneDigit ? 1 : m_digits;
  }

  // Adds class `bit` to the sets of one word that its word v falls in.
  template <bool OneDigit>
  void Record(uint64_t* sets, uint64_t bit, int32_t v) const {
    if (OneDigit) {
      // Branch-free, as undefined words come at random.
      sets[static_cast<size_t>(v != -1) * DigitSet(static_cast<uint32_t>(v), 0)] |= bit;
    } else if (v == -1) {
      sets[0] |= bit;
    } else {
      for (int p = 0; p < m_digits; ++p) sets[DigitSet(static_cast<uint32_t>(v), p)] |= bit;
    }
  }

  // The classes of one word of sets that accept word v (v == -1: all).
  template <bool OneDigit>
  uint64_t Accepting(const uint64_t* sets, int32_t v) const {
    uint64_t same = ~uint64_t{0};
    for (int p = 0; p < Digits<OneDigit>(); ++p) same &= sets[DigitSet(static_cast<uint32_t>(v), p)];
    return sets[0] | same | (v == -1 ? ~uint64_t{0} : 0);
  }

  // Brings the columns below `to` into the sets, for the `count` classes.
  template <bool OneDigit>
  void Extend(size_t to, int64_t count) {
    for (size_t c = m_frontier; c < to; ++c) {
      std::fill_n(Sets(c, 0), m_words * m_setCount, uint64_t{0});
      const uint32_t col = m_colOff[c];
      for (size_t i = 0; i < static_cast<size_t>(count); ++i) {
        int32_t v = m_w[m_firstOff[i] + col];
        for (int32_t x = m_next[static_cast<size_t>(m_first[i])]; x != -1 && v == -1;
             x = m_next[static_cast<size_t>(x)])
          v = Word(static_cast<size_t>(x), c);
        Record<OneDigit>(Sets(c, i / 64), uint64_t{1} << (i % 64), v);
      }
    }
    m_frontier = std::max(m_frontier, to);
  }

  // Keeps in words [lo, hi) of the candidates the classes that accept word v
  // at column c.
  template <bool OneDigit>
  void Narrow(size_t c, int32_t v, size_t& lo, size_t& hi) {
    // Locals: the stores to the candidates could alias any size_t member.
    const size_t stride = m_setCount, end = hi;
    uint64_t* cand = m_cand.data();
    const uint64_t* sets = Sets(c, lo);
    uint64_t left = 0;
    for (size_t j = lo; j < end; ++j, sets += stride) left |= cand[j] &= Accepting<OneDigit>(sets, v);
    if (left == 0) {
      hi = lo;
      return;
    }
    while (cand[lo] == 0) ++lo;
    while (cand[hi - 1] == 0) --hi;
  }

  // Row t joins class i: the class takes its defined words where it had none.
  template <bool OneDigit>
  void Join(size_t i, size_t t) {
    m_next[static_cast<size_t>(m_last[i])] = static_cast<int32_t>(t);
    m_last[i] = static_cast<int32_t>(t);
    const uint64_t bit = uint64_t{1} << (i % 64);
    for (size_t c = 0; c < m_frontier; ++c) {
      uint64_t* sets = Sets(c, i / 64);
      if (!(sets[0] & bit)) continue;  // already defined
      const int32_t v = Word(t, c);
      if (v == -1) continue;
      sets[0] &= ~bit;
      Record<OneDigit>(sets, bit, v);
    }
  }

  // First-fit class count of a table with undefined words, or none above `limit`.
  std::optional<int64_t> CountPartial(int64_t limit) {
    const size_t cols = m_colOff.size();
    m_words = static_cast<size_t>((limit + 63) / 64);
    m_digitBits = std::min(m_planes, 4);
    m_digitMask = (uint32_t{1} << m_digitBits) - 1;
    m_digits = m_planes == 0 ? 0 : (m_planes + m_digitBits - 1) / m_digitBits;
    m_setCount = 1 + (static_cast<size_t>(m_digits) << m_digitBits);
    // Cleared column by column as the frontier reaches them.
    if (m_accept.size() < cols * m_words * m_setCount) m_accept.resize(cols * m_words * m_setCount);
    m_frontier = 0;
    m_next.assign(m_rowOff.size(), -1);
    m_last.clear();
    m_firstOff.clear();
    m_cand.resize(m_words);
    return m_digits == 1 ? CountPartialWith<true>(limit) : CountPartialWith<false>(limit);
  }

  template <bool OneDigit>
  std::optional<int64_t> CountPartialWith(int64_t limit) {
    const size_t rows = m_rowOff.size(), cols = m_colOff.size();
    const size_t colStride = SetsAt(1, 0);
    int64_t count = 0;
    for (size_t t = 0; t < rows; ++t) {
      const uint32_t row = m_rowOff[t];
      // Candidates: every class so far, as words [lo, hi) of m_cand.
      size_t lo = 0, hi = static_cast<size_t>((count + 63) / 64);
      for (size_t j = 0; j < hi; ++j) m_cand[j] = ~uint64_t{0};
      if (count % 64 != 0) m_cand[hi - 1] = (uint64_t{1} << (count % 64)) - 1;
      bool defined = false;
      size_t c = 0;
      if (count == 0)
        while (c < cols && !defined) defined = m_w[row + m_colOff[c++]] != -1;
      for (; c < cols && hi - lo > 1; ++c) {
        if (c >= m_frontier) Extend<OneDigit>(c + 1, count);
        const int32_t v = m_w[row + m_colOff[c]];
        defined |= v != -1;
        Narrow<OneDigit>(c, v, lo, hi);
      }
      if (hi - lo == 1) {
        // One word of candidates left: only it is narrowed from here on.
        uint64_t x = m_cand[lo];
        for (size_t at = SetsAt(c, lo); c < cols && x != 0; ++c, at += colStride) {
          if (c >= m_frontier) Extend<OneDigit>(c + 1, count);
          const int32_t v = m_w[row + m_colOff[c]];
          defined |= v != -1;
          x &= Accepting<OneDigit>(m_accept.data() + at, v);
        }
        m_cand[lo] = x;
        if (x == 0) hi = lo;
      }
      if (!defined) continue;
      if (lo == hi) {
        if (count == limit) return std::nullopt;
        // The new class enters the columns below the frontier.
        const size_t i = static_cast<size_t>(count);
        for (size_t d = 0, at = SetsAt(0, i / 64); d < m_frontier; ++d, at += colStride)
          Record<OneDigit>(m_accept.data() + at, uint64_t{1} << (i % 64), m_w[row + m_colOff[d]]);
        m_first.push_back(static_cast<int32_t>(t));
        m_firstOff.push_back(row);
        m_last.push_back(static_cast<int32_t>(t));
        ++count;
        continue;
      }
      Join<OneDigit>(lo * 64 + static_cast<size_t>(std::countr_zero(m_cand[lo])), t);
    }
    return count;
  }

  const Store& m_w;
  const int m_n, m_m, m_planes;
  const bool m_hasUndefined;
  const int64_t m_maxClasses;
  std::vector<uint32_t> m_rowOff, m_colOff;
  std::vector<int32_t> m_first;     // per class: first member row
  std::vector<TrieNode> m_trie;     // fully defined tables
  std::vector<int32_t> m_group;     // per row: group of its words so far
  std::vector<int32_t> m_slot;      // per (group, word): new group, -1 unused
  std::vector<uint32_t> m_touched;  // slots in use
  // Tables with undefined words:
  size_t m_words = 0;     // 64-bit words of a class set
  size_t m_setCount = 0;  // sets of one column (see Sets)
  int m_digitBits = 0;    // value bits of a digit
  int m_digits = 0;       // digits of a word
  uint32_t m_digitMask = 0;
  std::vector<uint64_t> m_accept;    // per column and class word: the sets
  size_t m_frontier = 0;             // columns whose sets hold every class
  std::vector<int32_t> m_last;       // per class: last member row
  std::vector<uint32_t> m_firstOff;  // per class: word offset of its first row
  std::vector<int32_t> m_next;       // per row: next member of its class
  std::vector<uint64_t> m_cand;      // candidate classes of the current row
};

// Shares the masks 2^n - 2 .. 1 of the block held in `words` among threads.
template <class Store>
SerialSearchResult RunSearch(const Store& words, int n, int m, int planes, bool hasUndefined,
                             const SerialSearchOptions& options) {
  SerialSearchResult result;
  const uint64_t total = (uint64_t{1} << n) - 2;
  std::atomic<int64_t> nextMask{static_cast<int64_t>(total)};
  std::atomic<uint64_t> done{0};
  std::atomic<bool> cancel{false};
  unsigned threads = options.threads;
  if (threads == 0)
    threads = static_cast<unsigned>(std::clamp<uint64_t>((total << n) / kWordsPerThread, 1, HardwareThreads()));
  threads = static_cast<unsigned>(std::min<uint64_t>(threads, (total + kChunk - 1) / kChunk));
  std::vector<std::vector<SplitCandidate>> found(threads);
  std::vector<std::exception_ptr> errors(threads);

  // Evaluates the next chunk of masks; false when none are left.
  auto runChunk = [&](CMaskEvaluator<Store>& evaluator, std::vector<SplitCandidate>& out) {
    const int64_t high = nextMask.fetch_sub(kChunk);
    if (high < 1) return false;
    const int64_t low = std::max<int64_t>(1, high - kChunk + 1);
    int64_t mask = high;
    for (; mask >= low && !cancel.load(std::memory_order_relaxed); --mask) {
      if (options.maxBound > 0 && std::popcount(static_cast<uint64_t>(mask)) > options.maxBound) continue;
      if (auto c = evaluator.Evaluate(static_cast<int32_t>(mask))) out.push_back(*c);
    }
    done.fetch_add(static_cast<uint64_t>(high - mask));
    return true;
  };

  std::mutex mutex;
  std::condition_variable finished;
  unsigned running = threads - 1;
  std::vector<std::thread> pool;
  for (unsigned id = 1; id < threads; ++id) {
    auto body = [&, id] {
      try {
        CMaskEvaluator<Store> evaluator(words, n, m, planes, hasUndefined, options.maxClasses);
        while (!cancel.load(std::memory_order_relaxed) && runChunk(evaluator, found[id])) {
        }
      } catch (...) {
        errors[id] = std::current_exception();
        cancel = true;
      }
      std::lock_guard lock(mutex);
      --running;
      finished.notify_all();
    };
    try {
      pool.emplace_back(body);
    } catch (const std::system_error&) {
      // No more threads to be had: the ones running share the masks.
      std::lock_guard lock(mutex);
      running -= threads - id;
      break;
    }
  }
  auto report = [&] {
    if (options.progress && !options.progress(done.load(), total)) cancel = true;
  };
  try {
    // The calling thread works too and reports progress between its chunks;
    // when the masks run out it reports while waiting for the others.
    CMaskEvaluator<Store> evaluator(words, n, m, planes, hasUndefined, options.maxClasses);
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

}  // namespace

std::vector<SplitCandidate> SearchSplitsReference(const CLogicalScheme& scheme, int block) {
  std::vector<SplitCandidate> out;
  if (block < 0 || block >= scheme.GetBlockCount()) return out;
  const int n = scheme.GetBlock(block).m_inputCount;
  if (n < 2 || n > kMaxSplitInputs) return out;
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
  if (n < 2 || n > kMaxSplitInputs || m < 1) {
    if (options.progress) options.progress(0, 0);
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

  if (planes <= 7) return RunSearch(CByteStore(words), n, m, planes, hasUndefined, options);
  return RunSearch(CWideStore(words), n, m, planes, hasUndefined, options);
}

namespace {

// Masks of n inputs binding 1..k of them.
uint64_t MaskCount(int n, int k) {
  uint64_t count = 0, binomial = 1;
  for (int j = 1; j <= k && j <= n; ++j) {
    binomial = binomial * static_cast<uint64_t>(n - j + 1) / static_cast<uint64_t>(j);
    count += binomial;
  }
  return count;
}

}  // namespace

std::vector<SplitCandidate> SearchSplitsWithinBudget(const CLogicalScheme& scheme, int block,
                                                     SerialSearchOptions options, size_t enough) {
  const int n = scheme.GetBlock(block).m_inputCount;
  const int bound = options.maxBound > 0 ? options.maxBound : n;
  const bool overBudget = (MaskCount(n, bound) << std::min(n, 40)) > kSearchBudget;
  if (n >= kWideSearchBlock || overBudget) {
    options.maxClasses = 2;
    std::vector<SplitCandidate> found = SearchSplits(scheme, block, options).candidates;
    if (found.size() >= enough || overBudget) return found;
    options.maxClasses = 0;
  }
  return SearchSplits(scheme, block, options).candidates;
}

}  // namespace lodex
