#include "synthesis/SchemeCleanup.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace lodex {
namespace {

// Passes over the scheme at most: each pass finishes what the one before
// uncovered, and two or three passes reach a fixed point in practice.
constexpr int kMaxPasses = 6;

// The words of a logic block and its output columns.
struct Table {
  int n = 0;
  int m = 0;
  Words w;

  explicit Table(const CLogicalBlock& b)
      : n(b.m_inputCount), m(b.m_outputCount), w(LPToWords(b.m_lp, b.m_wordDigits)) {}

  int Bit(size_t i, int j) const { return (w[i] >> j) & 1; }

  // 0 or 1 when output j is constant on the defined words (0 when none is
  // defined), -1 otherwise.
  int Constant(int j) const {
    int value = -1;
    for (int32_t v : w) {
      if (v == -1) continue;
      const int bit = (v >> j) & 1;
      if (value == -1) value = bit;
      if (bit != value) return -1;
    }
    return value == -1 ? 0 : value;
  }

  // True when output j equals input t on the defined words.
  bool EqualsInput(int j, int t) const {
    for (size_t i = 0; i < w.size(); ++i)
      if (w[i] != -1 && Bit(i, j) != static_cast<int>((i >> t) & 1u)) return false;
    return true;
  }

  bool EqualOutputs(int a, int b) const {
    for (size_t i = 0; i < w.size(); ++i)
      if (w[i] != -1 && Bit(i, a) != Bit(i, b)) return false;
    return true;
  }
};

void Store(CLogicalBlock& b, const Words& w, int outputs) {
  b.m_outputCount = outputs;
  b.m_wordDigits = WordDigitsFor(outputs);
  b.m_lp = ToUpperAscii(WordsToLP(w, b.m_wordDigits));
}

// Removes input t of a block whose words agree on both values of t wherever
// both are defined; each combination takes the defined one.
void RemoveInput(CLogicalBlock& b, int t) {
  const Table table(b);
  Words w(table.w.size() / 2);
  const size_t low = (size_t{1} << t) - 1;
  for (size_t i = 0; i < w.size(); ++i) {
    const size_t i0 = (i & low) | ((i & ~low) << 1);
    const int32_t a = table.w[i0], c = table.w[i0 | (size_t{1} << t)];
    w[i] = a != -1 ? a : c;
  }
  b.m_inputs.erase(b.m_inputs.begin() + t);
  b.m_inputCount = table.n - 1;
  Store(b, w, table.m);
}

bool InputIsFictitious(const Table& table, int t) {
  const size_t bit = size_t{1} << t;
  for (size_t i = 0; i < table.w.size(); ++i)
    if (!(i & bit) && table.w[i] != -1 && table.w[i | bit] != -1 && table.w[i] != table.w[i | bit]) return false;
  return true;
}

// Makes input t of block b read `value` always: the words where t has the
// other value take the words where it has this one, so t becomes fictitious.
// True when the words changed.
bool FixInput(CLogicalBlock& b, int t, int value) {
  Table table(b);
  const Words before = table.w;
  const size_t bit = size_t{1} << t;
  for (size_t i = 0; i < table.w.size(); ++i) table.w[i] = table.w[value ? (i | bit) : (i & ~bit)];
  if (table.w == before) return false;
  Store(b, table.w, table.m);
  return true;
}

// Drops repeated links (keeping the combinations where the copies agree)
// and fictitious inputs, keeping at least one input. True when b changed.
bool SimplifyInputs(CLogicalBlock& b) {
  bool changed = false;
  for (int t = b.m_inputCount - 1; t >= 1; --t) {
    const auto first = std::find(b.m_inputs.begin(), b.m_inputs.begin() + t, b.m_inputs[static_cast<size_t>(t)]);
    if (first == b.m_inputs.begin() + t) continue;
    const int s = static_cast<int>(first - b.m_inputs.begin());
    // Where the copies differ the combination never occurs.
    Table table(b);
    for (size_t i = 0; i < table.w.size(); ++i)
      if (((i >> s) & 1u) != ((i >> t) & 1u)) table.w[i] = -1;
    Store(b, table.w, table.m);
    RemoveInput(b, t);
    changed = true;
  }
  for (int t = b.m_inputCount - 1; t >= 0 && b.m_inputCount > 1; --t)
    if (InputIsFictitious(Table(b), t)) {
      RemoveInput(b, t);
      changed = true;
    }
  return changed;
}

class CCleaner {
 public:
  CCleaner(CLogicalScheme& scheme, int k) : m_s(scheme), m_k(k) {}

  int Run() {
    int total = 0;
    for (int pass = 0; pass < kMaxPasses; ++pass) {
      const int made = Pass();
      total += made;
      if (made == 0) break;
    }
    return total;
  }

 private:
  int Pass() {
    const int count = m_s.GetBlockCount();
    m_readers.clear();
    for (int i = 1; i < count; ++i)
      for (const CBlockInput& link : m_s.GetBlock(i).m_inputs) AddReader(link.m_source, i);
    m_dead.assign(static_cast<size_t>(count), false);
    int made = 0;
    for (int i = count - 2; i >= 1; --i) made += Visit(i);
    std::vector<CLogicalBlock> live;
    live.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
      if (!m_dead[static_cast<size_t>(i)]) live.push_back(std::move(m_s.GetBlock(i)));
    m_s.m_blocks = std::move(live);
    return made;
  }

  // The primary inputs are never visited, so their readers are not kept.
  void AddReader(const std::string& id, int reader) {
    if (id == "I") return;
    std::vector<int>& r = m_readers[id];
    if (std::find(r.begin(), r.end(), reader) == r.end()) r.push_back(reader);
  }

  // Live blocks reading pin `pin` of `id` (any pin for -1).
  std::vector<int> Readers(const std::string& id, int pin) const {
    std::vector<int> out;
    const auto found = m_readers.find(id);
    if (found == m_readers.end()) return out;
    for (int c : found->second) {
      if (m_dead[static_cast<size_t>(c)]) continue;
      for (const CBlockInput& link : m_s.GetBlock(c).m_inputs)
        if (link.m_source == id && (pin < 0 || link.m_pin == pin)) {
          out.push_back(c);
          break;
        }
    }
    return out;
  }

  // Every link that reads (id, pin) reads `to` instead.
  void Relink(const std::string& id, int pin, const CBlockInput& to) {
    for (int c : Readers(id, pin)) {
      for (CBlockInput& link : m_s.GetBlock(c).m_inputs)
        if (link.m_source == id && link.m_pin == pin) link = to;
      AddReader(to.m_source, c);
    }
  }

  bool IsOutputBlock(int c) const { return c == m_s.GetBlockCount() - 1; }

  int Visit(int i) {
    int made = SimplifyInputs(m_s.GetBlock(i)) ? 1 : 0;
    const CLogicalBlock block = m_s.GetBlock(i);
    const Table table(block);
    std::vector<int> kept;  // outputs still read, in order
    for (int j = 0; j < table.m; ++j) {
      const std::vector<int> readers = Readers(block.m_id, j);
      if (readers.empty()) continue;
      const bool readByOutput = std::any_of(readers.begin(), readers.end(), [&](int c) { return IsOutputBlock(c); });
      if (const int value = table.Constant(j); value != -1 && !readByOutput) {
        for (int c : readers) {
          CLogicalBlock& consumer = m_s.GetBlock(c);
          for (int t = 0; t < consumer.m_inputCount; ++t) {
            const CBlockInput& link = consumer.m_inputs[static_cast<size_t>(t)];
            if (link.m_source == block.m_id && link.m_pin == j) made += FixInput(consumer, t, value) ? 1 : 0;
          }
        }
        // The readers still link to the pin until their own visit drops the
        // now fictitious input; keep the output until then.
        kept.push_back(j);
        continue;
      }
      int same = -1;
      for (int t = 0; t < table.n && same < 0; ++t)
        if (table.EqualsInput(j, t)) same = t;
      if (same >= 0) {
        Relink(block.m_id, j, block.m_inputs[static_cast<size_t>(same)]);
        ++made;
        continue;
      }
      const auto earlier = std::find_if(kept.begin(), kept.end(), [&](int e) { return table.EqualOutputs(e, j); });
      if (earlier != kept.end() && table.Constant(*earlier) == -1) {
        Relink(block.m_id, j, CBlockInput(static_cast<int16_t>(*earlier), block.m_id));
        ++made;
        continue;
      }
      kept.push_back(j);
    }
    if (kept.empty()) {
      m_dead[static_cast<size_t>(i)] = true;
      return made + 1;
    }
    if (static_cast<int>(kept.size()) < table.m) {
      DropOutputs(i, table, kept);
      ++made;
    }
    return made + MergeIntoReader(i);
  }

  // Keeps only the outputs `kept` of block i, renumbering its readers' pins.
  void DropOutputs(int i, const Table& table, const std::vector<int>& kept) {
    CLogicalBlock& b = m_s.GetBlock(i);
    Words w(table.w.size());
    for (size_t x = 0; x < w.size(); ++x) {
      if (table.w[x] == -1) {
        w[x] = -1;
        continue;
      }
      int32_t v = 0;
      for (size_t q = 0; q < kept.size(); ++q) v |= table.Bit(x, kept[q]) << q;
      w[x] = v;
    }
    Store(b, w, static_cast<int>(kept.size()));
    for (int c : Readers(b.m_id, -1))
      for (CBlockInput& link : m_s.GetBlock(c).m_inputs)
        if (link.m_source == b.m_id) {
          const auto at = std::find(kept.begin(), kept.end(), link.m_pin);
          link.m_pin = static_cast<int16_t>(at - kept.begin());
        }
  }

  // Merges block i into its only reader when their joint inputs fit in K.
  int MergeIntoReader(int i) {
    const CLogicalBlock b = m_s.GetBlock(i);
    const std::vector<int> readers = Readers(b.m_id, -1);
    if (readers.size() != 1 || IsOutputBlock(readers[0])) return 0;
    const int c = readers[0];
    const CLogicalBlock consumer = m_s.GetBlock(c);
    std::vector<CBlockInput> inputs;
    for (const CBlockInput& link : consumer.m_inputs)
      if (link.m_source != b.m_id && std::find(inputs.begin(), inputs.end(), link) == inputs.end())
        inputs.push_back(link);
    for (const CBlockInput& link : b.m_inputs)
      if (std::find(inputs.begin(), inputs.end(), link) == inputs.end()) inputs.push_back(link);
    if (static_cast<int>(inputs.size()) > m_k || inputs.empty()) return 0;

    auto position = [&](const CBlockInput& link) {
      return static_cast<int>(std::find(inputs.begin(), inputs.end(), link) - inputs.begin());
    };
    std::vector<int> bAt, cAt;  // where each input of b and of the consumer sits (-1: reads b)
    for (const CBlockInput& link : b.m_inputs) bAt.push_back(position(link));
    for (const CBlockInput& link : consumer.m_inputs) cAt.push_back(link.m_source == b.m_id ? -1 : position(link));
    const Table tb(b), tc(consumer);
    Words w(size_t{1} << inputs.size());
    for (size_t x = 0; x < w.size(); ++x) {
      size_t bx = 0;
      for (size_t t = 0; t < bAt.size(); ++t) bx |= ((x >> bAt[t]) & 1u) << t;
      const int32_t bv = tb.w[bx];
      if (bv == -1) {
        w[x] = -1;
        continue;
      }
      size_t cx = 0;
      for (size_t t = 0; t < cAt.size(); ++t) {
        const size_t bit =
            cAt[t] < 0 ? (static_cast<uint32_t>(bv) >> consumer.m_inputs[t].m_pin) & 1u : (x >> cAt[t]) & 1u;
        cx |= bit << t;
      }
      w[x] = tc.w[cx];
    }
    CLogicalBlock& merged = m_s.GetBlock(c);
    merged.m_inputs = inputs;
    merged.m_inputCount = static_cast<int32_t>(inputs.size());
    Store(merged, w, tc.m);
    for (const CBlockInput& link : b.m_inputs) AddReader(link.m_source, c);
    m_dead[static_cast<size_t>(i)] = true;
    return 1;
  }

  CLogicalScheme& m_s;
  int m_k;
  std::unordered_map<std::string, std::vector<int>> m_readers;  // id -> blocks that read it
  std::vector<bool> m_dead;
};

}  // namespace

int CountElements(const CLogicalScheme& scheme) {
  std::unordered_set<std::string> read;
  for (int i = 1; i < scheme.GetBlockCount(); ++i)
    for (const CBlockInput& link : scheme.GetBlock(i).m_inputs)
      read.insert(link.m_source + ":" + std::to_string(link.m_pin));
  int count = 0;
  for (int i = 1; i < scheme.GetBlockCount() - 1; ++i) {
    const CLogicalBlock& b = scheme.GetBlock(i);
    const Table table(b);
    for (int j = 0; j < b.m_outputCount; ++j)
      if (read.count(b.m_id + ":" + std::to_string(j)) && table.Constant(j) == -1) ++count;
  }
  return count;
}

int CleanUpScheme(CLogicalScheme& scheme, int maxInputs) {
  CLogicalScheme work = scheme;
  const int made = CCleaner(work, maxInputs).Run();
  if (made == 0 || work.IsEmpty()) return 0;
  scheme = work;
  return made;
}

}  // namespace lodex
