#include "synthesis/PoolSynthesis.h"

#include <algorithm>
#include <array>
#include <bit>
#include <map>
#include <memory>
#include <tuple>
#include <unordered_map>

#include "synthesis/Serial.h"
#include "synthesis/SerialSearch.h"
#include "synthesis/TruthTable.h"

namespace lodex {
namespace {

// No bound on the level of a target.
constexpr int kNoLevelLimit = 1 << 20;

// Thrown when the budget runs out or the caller cancels; the run ends.
struct Abandoned {};

struct Signal {
  std::vector<int> fanins;  // none for an input of the block or the constant
  TruthTable local;         // over the fanins, 0 where never seen
  TruthTable seen;          // fanin combinations that occur where the block is defined
  TruthTable global;        // over the block's inputs
  int level = 0;
  uint32_t support = 0;  // block inputs in its cone
  uint64_t key = 0;      // pool index key
};

// A signal, or its complement.
struct Literal {
  int id = -1;
  bool negated = false;
};

// A target tabulated over its signals: its values and where they matter.
struct Local {
  std::vector<int> vars;
  TruthTable on, care;
  int Width() const { return static_cast<int>(vars.size()); }
};

// How a serial split codes its row classes: the code of each class and, for
// each code bit, the signal that already carries it (-1: a new element).
struct Coding {
  std::vector<int32_t> rowClass;  // class of each row, -1 for a row never cared for
  std::vector<uint32_t> code;
  std::vector<int> reused;
};

// One step on a target too wide for an element.
struct Move {
  enum class Kind { Curtis, Or, And, Shannon };
  Kind kind = Kind::Curtis;
  uint32_t mask = 0;                     // Curtis: bound positions; Or/And: positions the first part does not read
  uint32_t other = 0;                    // Or/And: positions the second part does not read
  int var = 0;                           // Shannon: the position expanded
  int r = 0;                             // Curtis: code bits
  std::shared_ptr<const Coding> coding;  // Curtis: when already worked out
  // Estimated elements and levels it leads to, and a tie-break.
  int elements = 0;
  int levels = 0;
  int tieBreak = 0;
};

int BitCount(uint32_t x) { return std::popcount(x); }

// The table without position p, each combination taking the cared value of
// its two halves (they agree wherever both are cared for).
void DropPosition(Local& f, int p) {
  const int v = f.Width();
  TruthTable on(v - 1), care(v - 1);
  const size_t low = (size_t{1} << p) - 1;
  for (size_t i = 0; i < on.Bits(); ++i) {
    const size_t i0 = (i & low) | ((i & ~low) << 1);
    const size_t i1 = i0 | (size_t{1} << p);
    if (f.care.Get(i0)) {
      care.Set(i);
      if (f.on.Get(i0)) on.Set(i);
    } else if (f.care.Get(i1)) {
      care.Set(i);
      if (f.on.Get(i1)) on.Set(i);
    }
  }
  f.on = std::move(on);
  f.care = std::move(care);
  f.vars.erase(f.vars.begin() + p);
}

// True when the target's cared values never depend on position p.
bool Independent(const Local& f, int p) { return !f.on.DependsOn(p, f.care); }

// The existential quantification over the positions of `mask`.
TruthTable ExistsOver(TruthTable t, uint32_t mask) {
  for (int p = 0; mask != 0; ++p, mask >>= 1)
    if (mask & 1u) t = t.Exists(p);
  return t;
}

class CPoolSynthesiser {
 public:
  CPoolSynthesiser(const CLogicalBlock& block, const PoolSynthesisOptions& options)
      : m_block(block),
        m_options(options),
        m_objective(options.objective),
        m_n(block.m_inputCount),
        m_k(options.maxInputs) {
    const Words words = LPToWords(block.m_lp, block.m_wordDigits);
    m_care = TruthTable(m_n);
    m_all = ~m_care;
    m_targets.assign(static_cast<size_t>(block.m_outputCount), TruthTable(m_n));
    for (size_t i = 0; i < words.size() && i < m_care.Bits(); ++i) {
      if (words[i] == -1) continue;
      m_care.Set(i);
      for (int j = 0; j < block.m_outputCount; ++j)
        if ((words[i] >> j) & 1) m_targets[static_cast<size_t>(j)].Set(i);
    }
    for (int i = 0; i < m_n; ++i) {
      Signal input;
      input.global = TruthTable::Projection(m_n, i);
      input.support = 1u << i;
      Add(std::move(input));
    }
    Signal zero;
    zero.global = TruthTable(m_n);
    m_constant = Add(std::move(zero));
  }

  void Run() {
    std::vector<int> order = m_options.order;
    if (order.empty())
      for (int j = 0; j < static_cast<int>(m_targets.size()); ++j) order.push_back(j);
    m_outputs.assign(m_targets.size(), Literal{});
    std::vector<int> inputs(static_cast<size_t>(m_n));
    for (int i = 0; i < m_n; ++i) inputs[static_cast<size_t>(i)] = i;
    for (int j : order) {
      const TruthTable& target = m_targets[static_cast<size_t>(j)];
      const size_t mark = m_signals.size();
      Literal made = Build(target, m_care, inputs, m_options.lookahead, Required());
      // An output the element ranking could not keep within the bound is
      // made again ranking by levels.
      if (m_signals[static_cast<size_t>(made.id)].level > Required()) {
        Rollback(mark);
        m_objective = SynthesisObjective::Depth;
        made = Build(target, m_care, inputs, m_options.lookahead, Required());
        m_objective = m_options.objective;
      }
      m_outputs[static_cast<size_t>(j)] = made;
    }
    while (Resubstitute()) {
    }
    FixPolarity();
  }

  std::optional<CLogicalScheme> ToScheme() const;

 private:
  // --- the pool ---------------------------------------------------------

  uint64_t KeyOf(const TruthTable& global) const {
    const size_t first = m_care.FirstSet();
    TruthTable masked = global & m_care;
    if (first < m_care.Bits() && masked.Get(first)) masked = ~global & m_care;
    return masked.Hash();
  }

  int Add(Signal s) {
    const int id = static_cast<int>(m_signals.size());
    s.key = KeyOf(s.global);
    m_index.emplace(s.key, id);
    m_signals.push_back(std::move(s));
    return id;
  }

  void Rollback(size_t mark) {
    for (size_t id = mark; id < m_signals.size(); ++id) {
      auto [from, to] = m_index.equal_range(m_signals[id].key);
      for (auto it = from; it != to; ++it)
        if (it->second == static_cast<int>(id)) {
          m_index.erase(it);
          break;
        }
    }
    m_signals.resize(mark);
  }

  // A signal equal to `t` wherever `c` holds, or to its complement.
  std::optional<Literal> FindMatch(const TruthTable& t, const TruthTable& c) {
    auto matches = [&](int id) -> std::optional<Literal> {
      const int relation = m_signals[static_cast<size_t>(id)].global.CompareOn(t, c);
      if (relation < 0) return std::nullopt;
      return Literal{id, relation == 1};
    };
    if (c == m_care) {
      auto [from, to] = m_index.equal_range(KeyOf(t));
      int best = -1;
      for (auto it = from; it != to; ++it)
        if (matches(it->second) && (best == -1 || it->second < best)) best = it->second;
      if (best != -1) return matches(best);
      return std::nullopt;
    }
    Spend(m_signals.size() * m_care.WordCount());
    for (size_t id = 0; id < m_signals.size(); ++id)
      if (auto found = matches(static_cast<int>(id))) return found;
    return std::nullopt;
  }

  // --- work and budget ------------------------------------------------

  void Spend(uint64_t work) {
    m_work += work + 1;
    if (m_work >= m_nextPoll) {
      m_nextPoll = m_work + (uint64_t{1} << 18);
      if (m_options.poll && !m_options.poll()) {
        m_cancelled = true;
        throw Abandoned{};
      }
    }
    if (m_work > m_options.budget) throw Abandoned{};
  }

  bool Trials() const { return m_work < m_options.budget / 2; }

 public:
  bool Cancelled() const { return m_cancelled; }
  uint64_t Work() const { return m_work; }

 private:
  // --- tables ------------------------------------------------------------

  // Calls visit(i, j) for every combination i of the block's inputs in
  // `where`, j being the combination `vars` take there.
  template <typename Visit>
  void ForEachIndex(const std::vector<int>& vars, const TruthTable& where, Visit&& visit) {
    const size_t v = vars.size();
    Spend(where.WordCount() * (v + 1));
    std::vector<const TruthTable*> tables(v);
    for (size_t j = 0; j < v; ++j) tables[j] = &m_signals[static_cast<size_t>(vars[j])].global;
    std::array<uint64_t, kMaxPoolInputs + 1> words{};  // a target reads at most the block's inputs and one more
    for (size_t w = 0; w < where.WordCount(); ++w) {
      uint64_t bits = where.Word(w);
      if (bits == 0) continue;
      for (size_t j = 0; j < v; ++j) words[j] = tables[j]->Word(w);
      while (bits != 0) {
        const int b = std::countr_zero(bits);
        bits &= bits - 1;
        uint32_t index = 0;
        for (size_t j = 0; j < v; ++j) index |= static_cast<uint32_t>((words[j] >> b) & 1u) << j;
        visit((w << 6) | static_cast<size_t>(b), index);
      }
    }
  }

  // The index of every combination of the block's inputs into the
  // combinations of `vars`.
  std::vector<uint32_t> IndexOf(const std::vector<int>& vars) {
    std::vector<uint32_t> index(m_care.Bits(), 0);
    ForEachIndex(vars, m_all, [&](size_t i, uint32_t j) { index[i] = j; });
    return index;
  }

  // `t` over `vars` where `c` holds; false when it is no function of them.
  bool Tabulate(const TruthTable& t, const TruthTable& c, const std::vector<int>& vars, Local& f) {
    const int v = static_cast<int>(vars.size());
    f.vars = vars;
    f.on = TruthTable(v);
    f.care = TruthTable(v);
    TruthTable conflict(v);
    ForEachIndex(vars, c, [&](size_t i, uint32_t j) {
      if (t.Get(i))
        f.on.Set(j);
      else
        conflict.Set(j);
      f.care.Set(j);
    });
    return !f.on.Intersects(conflict);
  }

  // Fewest levels a tree of K-input elements over signals of these levels
  // can have: a tree of depth d holds K^d leaves, a signal of level l takes
  // K^l of them.
  int LevelBound(const std::vector<int>& levels) const {
    if (levels.empty()) return 0;
    int top = *std::max_element(levels.begin(), levels.end());
    if (levels.size() == 1) return top;
    auto power = [&](int e) {
      double p = 1;
      for (int i = 0; i < e; ++i) p *= m_k;
      return p;
    };
    double leaves = 0;
    for (int l : levels) leaves += power(l);
    int d = top + 1;
    while (power(d) < leaves) ++d;
    return d;
  }

  int Estimate(int v) const { return ExpectedBlocks(v, m_k); }

  // --- building ---------------------------------------------------------

  // An element reading `vars` with the values `local`.
  Signal MakeSignal(const std::vector<int>& vars, const TruthTable& local) {
    Signal s;
    s.fanins = vars;
    s.seen = TruthTable(static_cast<int>(vars.size()));
    s.local = local;
    s.global = TruthTable(m_n);
    ForEachIndex(vars, m_all, [&](size_t i, uint32_t j) {
      if (m_care.Get(i)) s.seen.Set(j);
      if (local.Get(j)) s.global.Set(i);
    });
    for (int id : vars) {
      const Signal& in = m_signals[static_cast<size_t>(id)];
      s.level = std::max(s.level, in.level + 1);
      s.support |= in.support;
    }
    return s;
  }

  Literal MakeNode(const Local& f) {
    Signal s = MakeSignal(f.vars, f.on & f.care);
    if (auto found = FindMatch(s.global, m_care)) return *found;
    return Literal{Add(std::move(s)), false};
  }

  // Makes `t` wherever `c` holds from `vars`, of which it is a function.
  Literal Build(const TruthTable& t, const TruthTable& c, std::vector<int> vars, int lookahead, int required) {
    Spend(c.WordCount());
    if (!t.Intersects(c)) return Literal{m_constant, false};
    if (!(c & ~t).Intersects(c)) return Literal{m_constant, true};
    if (auto found = FindMatch(t, c)) return *found;
    Local f;
    if (!Tabulate(t, c, vars, f)) throw Abandoned{};  // cannot happen: every step keeps t a function of vars
    Reduce(f);
    if (f.Width() <= m_k) return MakeNode(f);
    if (auto fewer = Substitute(t, c, f, required)) return Build(t, c, *fewer, lookahead, required);

    std::vector<Move> moves = Moves(f, required);
    size_t chosen = 0;
    if (lookahead > 0 && moves.size() > 1 && Trials()) {
      const size_t tries = Tries(f.Width());
      Score best{0, 0, 0, moves.size()};
      std::vector<bool> kindTried(4, false);
      for (size_t i = 0; i < moves.size(); ++i) {
        const size_t kind = static_cast<size_t>(moves[i].kind);
        if (i >= tries && kindTried[kind]) continue;
        kindTried[kind] = true;
        const size_t mark = m_signals.size();
        const Literal made = Apply(moves[i], t, c, f, lookahead - 1, required);
        const int elements = static_cast<int>(m_signals.size() - mark);
        const int level = m_signals[static_cast<size_t>(made.id)].level;
        Rollback(mark);
        const Score score = ScoreOf(elements, level, required, i);
        if (std::get<3>(best) == moves.size() || score < best) best = score;
      }
      chosen = std::get<3>(best);
    }
    return Apply(moves[chosen], t, c, f, lookahead, required);
  }

  static size_t Tries(int v) {
    if (v <= 8) return 6;
    if (v <= 12) return 4;
    return 2;
  }

  // Drops the signals the target does not depend on, the deepest first.
  void Reduce(Local& f) {
    std::vector<int> order(static_cast<size_t>(f.Width()));
    for (int p = 0; p < f.Width(); ++p) order[static_cast<size_t>(p)] = p;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
      return m_signals[static_cast<size_t>(f.vars[static_cast<size_t>(a)])].level >
             m_signals[static_cast<size_t>(f.vars[static_cast<size_t>(b)])].level;
    });
    // Positions shift as signals go: each is found again by its identifier.
    std::vector<int> ids;
    for (int p : order) ids.push_back(f.vars[static_cast<size_t>(p)]);
    for (int id : ids) {
      const auto at = std::find(f.vars.begin(), f.vars.end(), id);
      const int p = static_cast<int>(at - f.vars.begin());
      Spend(f.on.WordCount());
      if (Independent(f, p)) DropPosition(f, p);
    }
  }

  // A signal of the pool that stands in for two or more of the target's
  // signals: the target's new, shorter list of signals.
  std::optional<std::vector<int>> Substitute(const TruthTable& t, const TruthTable& c, const Local& f, int required) {
    uint32_t support = 0;
    for (int id : f.vars) support |= m_signals[static_cast<size_t>(id)].support;
    std::vector<std::pair<int, int>> candidates;  // (-shared inputs, -id)
    for (size_t id = static_cast<size_t>(m_constant) + 1; id < m_signals.size(); ++id) {
      const Signal& s = m_signals[id];
      if ((s.support & ~support) != 0 || BitCount(s.support) < 2) continue;
      if (std::find(f.vars.begin(), f.vars.end(), static_cast<int>(id)) != f.vars.end()) continue;
      // Only signals within s can go, and two of them must.
      int inside = 0;
      for (int var : f.vars) inside += (m_signals[static_cast<size_t>(var)].support & ~s.support) == 0 ? 1 : 0;
      if (inside < 2) continue;
      candidates.emplace_back(-BitCount(s.support), -static_cast<int>(id));
    }
    std::sort(candidates.begin(), candidates.end());
    constexpr size_t kMostTried = 16;
    if (candidates.size() > kMostTried) candidates.resize(kMostTried);
    std::optional<std::vector<int>> best;
    int bestLevel = 0;
    const int levelNow = LevelBound(Levels(f.vars));
    const std::vector<uint32_t> index = IndexOf(f.vars);
    const int v = f.Width();
    for (const auto& [shared, negId] : candidates) {
      const int s = -negId;
      std::vector<int> vars = f.vars;
      vars.push_back(s);
      // The target over its signals and s, from the index of its signals.
      Local g;
      g.vars = vars;
      g.on = TruthTable(v + 1);
      g.care = TruthTable(v + 1);
      const TruthTable& sValue = m_signals[static_cast<size_t>(s)].global;
      Spend(c.WordCount() * 4);
      for (size_t w = 0; w < c.WordCount(); ++w)
        for (uint64_t bits = c.Word(w); bits != 0; bits &= bits - 1) {
          const size_t i = (w << 6) | static_cast<size_t>(std::countr_zero(bits));
          const size_t j = index[i] | (static_cast<size_t>(sValue.Get(i)) << v);
          g.care.Set(j);
          if (t.Get(i)) g.on.Set(j);
        }
      // Drop the signals inside s first.
      std::vector<int> ids = f.vars;
      const uint32_t inside = m_signals[static_cast<size_t>(s)].support;
      std::stable_sort(ids.begin(), ids.end(), [&](int a, int b) {
        const bool ia = (m_signals[static_cast<size_t>(a)].support & ~inside) == 0;
        const bool ib = (m_signals[static_cast<size_t>(b)].support & ~inside) == 0;
        return ia > ib;
      });
      for (int id : ids) {
        const int p = static_cast<int>(std::find(g.vars.begin(), g.vars.end(), id) - g.vars.begin());
        Spend(g.on.WordCount());
        if (Independent(g, p)) DropPosition(g, p);
      }
      if (g.Width() >= f.Width()) continue;
      const int level = LevelBound(Levels(g.vars));
      // Within the bound; without one, no deeper for the depth objective.
      const bool depth = m_objective == SynthesisObjective::Depth;
      if (level > (Bounded(required) ? std::max(levelNow, required) : depth ? levelNow : level)) continue;
      if (!best || g.Width() < static_cast<int>(best->size()) ||
          (g.Width() == static_cast<int>(best->size()) && level < bestLevel))
        best = g.vars, bestLevel = level;
    }
    return best;
  }

  std::vector<int> Levels(const std::vector<int>& vars) const {
    std::vector<int> levels;
    for (int id : vars) levels.push_back(m_signals[static_cast<size_t>(id)].level);
    return levels;
  }

  // --- the steps ----------------------------------------------------------

  std::vector<Move> Moves(const Local& f, int required) {
    const int v = f.Width();
    std::vector<Move> moves;
    const std::vector<int> levels = Levels(f.vars);
    auto finish = [&](Move& move, int made, std::vector<int> after) {
      move.elements = made;
      move.levels = LevelBound(after);
      moves.push_back(move);
    };

    // Serial splits, bound sets of at most K signals.
    const CLogicalScheme table = TableScheme(f);
    SerialSearchOptions search;
    search.maxBound = m_k;
    search.threads = v >= kWideSearchBlock ? 0 : 1;
    Spend(uint64_t{1} << std::min(v + 4, 40));
    for (const SplitCandidate& candidate : SearchSplitsWithinBudget(table, 1, search, Tries(v))) {
      Move move;
      move.kind = Move::Kind::Curtis;
      move.mask = static_cast<uint32_t>(candidate.mask);
      move.r = CandidateOutputs(v, 1, candidate);
      const int k = BitCount(move.mask);
      int boundLevel = 0;
      std::vector<int> after;
      for (int p = 0; p < v; ++p)
        if ((move.mask >> p) & 1u)
          boundLevel = std::max(boundLevel, levels[static_cast<size_t>(p)]);
        else
          after.push_back(levels[static_cast<size_t>(p)]);
      for (int q = 0; q < move.r; ++q) after.push_back(boundLevel + 1);
      move.tieBreak = candidate.complexity;
      finish(move, move.r + Estimate(v - k + move.r), after);
    }
    // The best ranked splits are costed with their coding: code bits that
    // are signals already cost nothing.
    auto byEstimate = [&](const Move& a, const Move& b) { return Rank(a, required) < Rank(b, required); };
    std::stable_sort(moves.begin(), moves.end(), byEstimate);
    constexpr size_t kCoded = 16;
    for (size_t i = 0; i < moves.size() && i < kCoded; ++i) {
      moves[i].coding = std::make_shared<const Coding>(Code(f, table, moves[i].mask));
      const std::vector<int>& bits = moves[i].coding->reused;
      const int reused = static_cast<int>(std::count_if(bits.begin(), bits.end(), [](int s) { return s >= 0; }));
      moves[i].elements -= reused;
    }

    // Bi-decompositions, and the Shannon expansion.
    for (bool orForm : {true, false}) {
      Move move;
      if (!FindBiDecomposition(f, orForm, move)) continue;
      std::vector<int> after = {LevelBound(Subset(levels, ~move.mask)), LevelBound(Subset(levels, ~move.other))};
      after[0] = std::max(after[0], 1);
      after[1] = std::max(after[1], 1);
      const int a = v - BitCount(move.mask), b = v - BitCount(move.other);
      finish(move, 1 + Estimate(a) + Estimate(b), after);
    }
    {
      Move move;
      move.kind = Move::Kind::Shannon;
      move.var = ShannonVariable(f);
      const int rest = 2 * Estimate(v - 1);
      std::vector<int> after = {levels[static_cast<size_t>(move.var)],
                                LevelBound(Subset(levels, ~(1u << move.var))) + 1,
                                LevelBound(Subset(levels, ~(1u << move.var))) + 1};
      finish(move, (m_k == 2 ? 3 : 1) + rest, after);
    }
    std::stable_sort(moves.begin(), moves.end(), byEstimate);
    return moves;
  }

  // Trials compare by levels first for the depth objective without a bound;
  // otherwise by how far they go past the required level, then elements.
  // Moves are tried in the order of their estimates: levels first for the
  // depth objective, as trials for the element objective.
  using Score = std::tuple<int, int, int, size_t>;

  static bool Bounded(int required) { return required <= kNoLevelLimit / 2; }

  Score ScoreOf(int elements, int levels, int required, size_t tieBreak) const {
    if (m_objective == SynthesisObjective::Depth && !Bounded(required)) return {levels, elements, 0, tieBreak};
    return {std::max(0, levels - required), elements, levels, tieBreak};
  }

  std::pair<Score, int> Rank(const Move& m, int required) const {
    if (m_objective == SynthesisObjective::Depth)
      return {{m.levels, m.elements, 0, static_cast<size_t>(m.kind)}, m.tieBreak};
    return {ScoreOf(m.elements, m.levels, required, static_cast<size_t>(m.kind)), m.tieBreak};
  }

  int Required() const { return m_options.maxLevel > 0 ? m_options.maxLevel : kNoLevelLimit; }

  static std::vector<int> Subset(const std::vector<int>& values, uint32_t mask) {
    std::vector<int> out;
    for (size_t p = 0; p < values.size(); ++p)
      if ((mask >> p) & 1u) out.push_back(values[p]);
    return out;
  }

  // The target as a one-output block over its signals, for the serial
  // search.
  static CLogicalScheme TableScheme(const Local& f) {
    CLogicalBlock block;
    block.m_inputCount = f.Width();
    block.m_outputCount = 1;
    block.m_wordDigits = 1;
    block.m_lp.resize(f.on.Bits());
    for (size_t i = 0; i < f.on.Bits(); ++i) block.m_lp[i] = f.care.Get(i) ? (f.on.Get(i) ? '1' : '0') : '*';
    for (int p = 0; p < f.Width(); ++p) block.m_inputs.emplace_back(static_cast<int16_t>(p), "I");
    return CLogicalScheme(block);
  }

  // The row classes of the split of `f` (as `table`, its TableScheme) by
  // `mask`: class of each row (-1 for a row never cared for), and their count.
  std::pair<std::vector<int32_t>, int> Classes(const Local& f, const CLogicalScheme& table, uint32_t mask) {
    Spend(f.on.Bits());
    const RowClasses classes = ClassifyRows(table.BuildSplitTable(1, static_cast<int32_t>(mask)));
    return {classes.rowClass, static_cast<int>(classes.representatives.size())};
  }

  // Codes the row classes of the split by `mask` in SplitOutputs bits, as
  // many of them as possible carried by a bound signal or a signal of the
  // pool that is constant on every class.
  Coding Code(const Local& f, const CLogicalScheme& table, uint32_t mask) {
    // Named, not bound: the lambdas below capture them.
    const std::pair<std::vector<int32_t>, int> split = Classes(f, table, mask);
    const std::vector<int32_t>& rowClass = split.first;
    const int classes = split.second;
    const int r = SplitOutputs(classes);
    std::vector<int> bound;
    for (int p = 0; p < f.Width(); ++p)
      if ((mask >> p) & 1u) bound.push_back(f.vars[static_cast<size_t>(p)]);
    uint32_t boundSupport = 0;
    for (int id : bound) boundSupport |= m_signals[static_cast<size_t>(id)].support;

    // The combinations of the block's inputs in each class.
    std::vector<TruthTable> inClass(static_cast<size_t>(classes), TruthTable(m_n));
    ForEachIndex(bound, m_care, [&](size_t i, uint32_t row) {
      if (rowClass[row] >= 0) inClass[static_cast<size_t>(rowClass[row])].Set(i);
    });

    // Signals that may carry a bit: the bound ones, and those of the pool
    // that depend on nothing else; each with its value on every class.
    std::vector<std::pair<int, std::vector<int8_t>>> carriers;
    auto consider = [&](int id) {
      const TruthTable& g = m_signals[static_cast<size_t>(id)].global;
      Spend(static_cast<uint64_t>(classes) * g.WordCount());
      std::vector<int8_t> value(static_cast<size_t>(classes), 0);
      bool zero = false, one = false;
      for (size_t cls = 0; cls < inClass.size(); ++cls) {
        const TruthTable ones = g & inClass[cls];
        if (ones.IsZero()) {
          zero = true;
        } else if (ones == inClass[cls]) {
          value[cls] = 1;
          one = true;
        } else {
          return;
        }
      }
      if (zero && one) carriers.emplace_back(id, std::move(value));
    };
    for (int id : bound) consider(id);
    for (size_t id = static_cast<size_t>(m_constant) + 1; id < m_signals.size() && carriers.size() < 64; ++id) {
      const Signal& s = m_signals[id];
      if ((s.support & ~boundSupport) != 0 ||
          std::find(bound.begin(), bound.end(), static_cast<int>(id)) != bound.end())
        continue;
      consider(static_cast<int>(id));
    }
    std::stable_sort(carriers.begin(), carriers.end(), [&](const auto& a, const auto& b) {
      return m_signals[static_cast<size_t>(a.first)].level < m_signals[static_cast<size_t>(b.first)].level;
    });

    // Greedy: take a carrier while the classes it leaves together still fit
    // the bits that remain.
    Coding coding;
    coding.rowClass = rowClass;
    coding.code.assign(static_cast<size_t>(classes), 0);
    std::vector<uint32_t> group(static_cast<size_t>(classes), 0);  // free-bit values so far
    int taken = 0;
    for (const auto& [id, value] : carriers) {
      if (taken == r) break;
      std::map<uint32_t, int> sizes;
      int largest = 0;
      for (int cls = 0; cls < classes; ++cls) {
        const uint32_t g =
            (group[static_cast<size_t>(cls)] << 1) | static_cast<uint32_t>(value[static_cast<size_t>(cls)]);
        largest = std::max(largest, ++sizes[g]);
      }
      if (largest > (1 << (r - taken - 1))) continue;
      for (int cls = 0; cls < classes; ++cls)
        group[static_cast<size_t>(cls)] =
            (group[static_cast<size_t>(cls)] << 1) | static_cast<uint32_t>(value[static_cast<size_t>(cls)]);
      coding.reused.push_back(id);
      ++taken;
    }
    // The remaining bits number the classes within each group.
    std::map<uint32_t, uint32_t> next;
    for (int cls = 0; cls < classes; ++cls) {
      const uint32_t g = group[static_cast<size_t>(cls)];
      const uint32_t inGroup = next[g]++;
      // Bits 0..taken-1 are the carriers (the first taken is the highest of group).
      uint32_t code = 0;
      for (int b = 0; b < taken; ++b) code |= ((g >> (taken - 1 - b)) & 1u) << b;
      code |= inGroup << taken;
      coding.code[static_cast<size_t>(cls)] = code;
    }
    while (static_cast<int>(coding.reused.size()) < r) coding.reused.push_back(-1);
    return coding;
  }

  // Positions for an OR bi-decomposition of `f` (of its complement for the
  // AND form): the first part does not read `move.mask`, the second not
  // `move.other`. Grows the two sets from every pair, keeping the most
  // balanced result.
  bool FindBiDecomposition(const Local& f, bool orForm, Move& move) {
    const int v = f.Width();
    const TruthTable q = orForm ? f.on & f.care : ~f.on & f.care;
    const TruthTable r = orForm ? ~f.on & f.care : f.on & f.care;
    auto fits = [&](uint32_t a, uint32_t b) {
      Spend(q.WordCount() * static_cast<uint64_t>(BitCount(a) + BitCount(b)));
      return !(q & ExistsOver(r, a) & ExistsOver(r, b)).Intersects(q);
    };
    bool found = false;
    std::pair<int, int> best{0, 0};
    for (int x = 0; x < v; ++x)
      for (int y = x + 1; y < v; ++y) {
        if (!fits(1u << x, 1u << y)) continue;
        uint32_t a = 1u << x, b = 1u << y;
        for (int z = 0; z < v; ++z) {
          if (((a | b) >> z) & 1u) continue;
          const bool toA = BitCount(a) <= BitCount(b);
          const uint32_t first = toA ? a | (1u << z) : a, second = toA ? b : b | (1u << z);
          if (fits(first, second)) {
            a = first, b = second;
          } else if (fits(toA ? a : a | (1u << z), toA ? b | (1u << z) : b)) {
            if (toA)
              b |= 1u << z;
            else
              a |= 1u << z;
          }
        }
        const std::pair<int, int> score{std::min(BitCount(a), BitCount(b)), BitCount(a) + BitCount(b)};
        if (!found || score > best) {
          found = true;
          best = score;
          move.kind = orForm ? Move::Kind::Or : Move::Kind::And;
          move.mask = a;
          move.other = b;
        }
      }
    return found;
  }

  // The position whose two cofactors depend on the fewest positions.
  int ShannonVariable(const Local& f) {
    const int v = f.Width();
    int best = 0, bestCount = 1 << 30;
    for (int x = 0; x < v; ++x) {
      const TruthTable xOn = TruthTable::Projection(v, x);
      int count = 0;
      for (int y = 0; y < v; ++y) {
        if (y == x) continue;
        const TruthTable differ = (f.on ^ f.on.Flipped(y)) & f.care & f.care.Flipped(y);
        count += differ.Intersects(xOn) ? 1 : 0;
        count += differ.Intersects(~xOn) ? 1 : 0;
      }
      Spend(f.on.WordCount() * static_cast<uint64_t>(v));
      if (count < bestCount) best = x, bestCount = count;
    }
    return best;
  }

  // The value a literal's signal carries.
  TruthTable ValueOf(const Literal& l) const {
    const TruthTable& g = m_signals[static_cast<size_t>(l.id)].global;
    return l.negated ? ~g : g;
  }

  Literal Apply(const Move& move, const TruthTable& t, const TruthTable& c, const Local& f, int lookahead,
                int required) {
    switch (move.kind) {
      case Move::Kind::Curtis: return ApplySerial(move, t, c, f, lookahead, required);
      case Move::Kind::Or:
      case Move::Kind::And: return ApplyBi(move, t, c, f, lookahead, required);
      case Move::Kind::Shannon: return ApplyShannon(move, t, c, f, lookahead, required);
    }
    return Literal{};
  }

  Literal ApplySerial(const Move& move, const TruthTable& t, const TruthTable& c, const Local& f, int lookahead,
                      int required) {
    const Coding coding = move.coding ? *move.coding : Code(f, TableScheme(f), move.mask);
    const std::vector<int32_t>& rowClass = coding.rowClass;
    std::vector<int> bound, vars;
    for (int p = 0; p < f.Width(); ++p)
      ((move.mask >> p) & 1u ? bound : vars).push_back(f.vars[static_cast<size_t>(p)]);
    const std::vector<uint32_t> index = IndexOf(bound);
    TruthTable rowCared(m_n);
    for (size_t i = 0; i < index.size(); ++i)
      if (rowClass[index[i]] >= 0) rowCared.Set(i);
    const TruthTable hc = c & rowCared;
    for (size_t bit = 0; bit < coding.reused.size(); ++bit) {
      int id = coding.reused[bit];
      if (id < 0) {
        TruthTable h(m_n);
        for (size_t i = 0; i < index.size(); ++i) {
          const int cls = rowClass[index[i]];
          if (cls >= 0 && ((coding.code[static_cast<size_t>(cls)] >> bit) & 1u)) h.Set(i);
        }
        id = Build(h, hc, bound, lookahead, required - 1).id;
      }
      if (std::find(vars.begin(), vars.end(), id) == vars.end()) vars.push_back(id);
    }
    return Build(t, c, vars, lookahead, required);
  }

  Literal ApplyBi(const Move& move, const TruthTable& t, const TruthTable& c, const Local& f, int lookahead,
                  int required) {
    const bool orForm = move.kind == Move::Kind::Or;
    const TruthTable q = orForm ? f.on & f.care : ~f.on & f.care;
    const TruthTable r = orForm ? ~f.on & f.care : f.on & f.care;
    const std::vector<uint32_t> index = IndexOf(f.vars);
    auto globalOf = [&](const TruthTable& local) {
      TruthTable g(m_n);
      for (size_t i = 0; i < index.size(); ++i)
        if (local.Get(index[i])) g.Set(i);
      return g;
    };
    auto readers = [&](uint32_t dropped) {
      std::vector<int> vars;
      for (int p = 0; p < f.Width(); ++p)
        if (!((dropped >> p) & 1u)) vars.push_back(f.vars[static_cast<size_t>(p)]);
      return vars;
    };
    const TruthTable rA = ExistsOver(r, move.mask), rB = ExistsOver(r, move.other);
    const TruthTable qA = ExistsOver(q & rB, move.mask);
    const Literal a = Build(globalOf(qA), globalOf(qA | rA), readers(move.mask), lookahead, required - 1);
    // What the first part leaves to the second.
    const TruthTable aValue = ValueOf(a);
    TruthTable left(f.Width());
    for (size_t i = 0; i < index.size(); ++i)
      if (c.Get(i) && q.Get(index[i]) && !aValue.Get(i)) left.Set(index[i]);
    const TruthTable qB = ExistsOver(left, move.other);
    const Literal b = Build(globalOf(qB), globalOf(qB | rB), readers(move.other), lookahead, required - 1);
    return Build(t, c, {a.id, b.id}, lookahead, required);
  }

  Literal ApplyShannon(const Move& move, const TruthTable& t, const TruthTable& c, const Local& f, int lookahead,
                       int required) {
    const int x = f.vars[static_cast<size_t>(move.var)];
    std::vector<int> rest = f.vars;
    rest.erase(rest.begin() + move.var);
    const TruthTable xValue = m_signals[static_cast<size_t>(x)].global;  // a copy: Build appends signals
    const int below = required - (m_k >= 3 ? 1 : 2);
    const Literal one = Build(t, c & xValue, rest, lookahead, below);
    const Literal zero = Build(t, c & ~xValue, rest, lookahead, below);
    if (m_k >= 3) return Build(t, c, {x, one.id, zero.id}, lookahead, required);
    // Two-input elements: (x and one) or (not x and zero).
    const TruthTable all = ~TruthTable(m_n);
    const Literal high = Build(xValue & ValueOf(one), all, {x, one.id}, lookahead, required - 1);
    const Literal low = Build(~xValue & ValueOf(zero), all, {x, zero.id}, lookahead, required - 1);
    return Build(t, c, {high.id, low.id}, lookahead, required);
  }

  // --- resubstitution ----------------------------------------------------

  // How many elements and outputs read each signal, counting only what the
  // outputs need.
  std::vector<int> References() const {
    std::vector<int> refs(m_signals.size(), 0);
    std::vector<bool> live(m_signals.size(), false);
    std::vector<int> stack;
    for (const Literal& out : m_outputs) {
      ++refs[static_cast<size_t>(out.id)];
      stack.push_back(out.id);
    }
    while (!stack.empty()) {
      const int id = stack.back();
      stack.pop_back();
      if (live[static_cast<size_t>(id)]) continue;
      live[static_cast<size_t>(id)] = true;
      for (int in : m_signals[static_cast<size_t>(id)].fanins) {
        ++refs[static_cast<size_t>(in)];
        stack.push_back(in);
      }
    }
    return refs;
  }

  bool IsElement(int id) const { return id > m_constant; }

  // Drops the references of element `id` to its inputs, and of those that
  // lose their last reader in turn; `freed` gets the elements that did.
  void Dereference(int id, std::vector<int>& refs, std::vector<int>& freed) const {
    for (int in : m_signals[static_cast<size_t>(id)].fanins)
      if (--refs[static_cast<size_t>(in)] == 0 && IsElement(in)) {
        freed.push_back(in);
        Dereference(in, refs, freed);
      }
  }

  void Reference(int id, std::vector<int>& refs) const {
    for (int in : m_signals[static_cast<size_t>(id)].fanins)
      if (refs[static_cast<size_t>(in)]++ == 0 && IsElement(in)) Reference(in, refs);
  }

  // Rewires elements to other signals of the network where that frees the
  // elements only they read: for each element, its inputs and one more
  // signal (one that does not depend on it), as few of them as still give
  // its function, at most K. Levels do not grow for the depth objective.
  // Returns whether it rewired any.
  bool Resubstitute() {
    constexpr size_t kMostElements = 2048;
    if (m_signals.size() > kMostElements) return false;
    bool rewired = false;
    std::vector<int> refs = References();
    // The pass stops at three quarters of the budget, so that it never
    // costs the network made before it.
    const uint64_t stop = m_options.budget - m_options.budget / 4;
    for (int id = static_cast<int>(m_signals.size()) - 1; IsElement(id) && m_work < stop; --id) {
      if (refs[static_cast<size_t>(id)] == 0) continue;
      std::vector<int> freed;
      Dereference(id, refs, freed);
      if (!freed.empty() && Rewire(id, refs, freed))
        rewired = true;
      else
        Reference(id, refs);
    }
    // Levels again, inputs first: an element may now read a later one.
    std::vector<int> order;
    std::vector<int8_t> state(m_signals.size(), 0);
    auto visit = [&](auto&& self, int id) -> void {
      if (state[static_cast<size_t>(id)] != 0) return;
      state[static_cast<size_t>(id)] = 1;
      for (int in : m_signals[static_cast<size_t>(id)].fanins) self(self, in);
      order.push_back(id);
    };
    for (const Literal& out : m_outputs) visit(visit, out.id);
    for (int id : order) {
      Signal& s = m_signals[static_cast<size_t>(id)];
      if (s.fanins.empty()) continue;
      s.level = 0;
      for (int in : s.fanins) s.level = std::max(s.level, m_signals[static_cast<size_t>(in)].level + 1);
    }
    return rewired && m_work < stop;
  }

  // Tries to rewire element `id`, whose own inputs are dereferenced and
  // `freed` the elements that freed; true when done (`refs` then counts the
  // new inputs).
  bool Rewire(int id, std::vector<int>& refs, const std::vector<int>& freed) {
    const Signal& node = m_signals[static_cast<size_t>(id)];
    // Signals that depend on the element cannot feed it.
    std::vector<bool> above(m_signals.size(), false);
    above[static_cast<size_t>(id)] = true;
    for (size_t other = static_cast<size_t>(id) + 1; other < m_signals.size(); ++other)
      for (int in : m_signals[other].fanins) above[other] = above[other] || above[static_cast<size_t>(in)];
    bool changed = true;
    while (changed) {  // readers before their inputs are possible after earlier rewiring
      changed = false;
      for (size_t other = 0; other < m_signals.size(); ++other)
        if (!above[other])
          for (int in : m_signals[other].fanins)
            if (above[static_cast<size_t>(in)]) above[other] = changed = true;
    }
    const bool depth = m_objective == SynthesisObjective::Depth || Bounded(Required());
    const TruthTable target = node.global;
    const std::vector<int> fanins = node.fanins;
    const int level = node.level;
    // The latest signals first, which are the nearest; a bounded number.
    constexpr int kMostTried = 96;
    int tried = 0;
    for (size_t d = m_signals.size(); d-- > 0 && tried < kMostTried;) {
      const Signal& divisor = m_signals[d];
      const bool usable = (d < static_cast<size_t>(m_n) || (IsElement(static_cast<int>(d)) && refs[d] > 0)) &&
                          !above[d] && (divisor.support & ~node.support) == 0 &&
                          std::find(fanins.begin(), fanins.end(), static_cast<int>(d)) == fanins.end() &&
                          (!depth || divisor.level < level);
      if (!usable) continue;
      ++tried;
      std::vector<int> vars = fanins;
      vars.push_back(static_cast<int>(d));
      Local f;
      if (!Tabulate(target, m_care, vars, f)) continue;
      // Drop the freed inputs first: they are what the rewiring saves.
      std::vector<int> ids = fanins;
      std::stable_sort(ids.begin(), ids.end(), [&](int a, int b) {
        return (std::find(freed.begin(), freed.end(), a) != freed.end()) >
               (std::find(freed.begin(), freed.end(), b) != freed.end());
      });
      for (int in : ids) {
        const int p = static_cast<int>(std::find(f.vars.begin(), f.vars.end(), in) - f.vars.begin());
        if (Independent(f, p)) DropPosition(f, p);
      }
      if (f.Width() > m_k) continue;
      // Worth it when an element it freed stays unread.
      std::vector<int> trial = refs;
      for (int in : f.vars)
        if (trial[static_cast<size_t>(in)]++ == 0 && IsElement(in)) Reference(in, trial);
      const bool saves =
          std::any_of(freed.begin(), freed.end(), [&](int e) { return trial[static_cast<size_t>(e)] == 0; });
      if (!saves) continue;
      Signal rewired = MakeSignal(f.vars, f.on & f.care);
      rewired.key = m_signals[static_cast<size_t>(id)].key;
      m_signals[static_cast<size_t>(id)] = std::move(rewired);
      refs = std::move(trial);
      return true;
    }
    return false;
  }

  // --- the outputs -----------------------------------------------------------

  // Outputs that need the complement of an element get it by complementing
  // the element where no output needs it as it is (its readers complement
  // that input); otherwise through an inverter.
  void FixPolarity() {
    for (size_t j = 0; j < m_outputs.size(); ++j) {
      Literal& out = m_outputs[j];
      if (!out.negated) continue;
      const int id = out.id;
      bool plainNeeded = false;
      for (const Literal& other : m_outputs)
        if (other.id == id && !other.negated) plainNeeded = true;
      if (id == m_constant || id < m_n || plainNeeded) {
        // An inverter, or for the constant a constant 1 reading input 0.
        TruthTable values(1);
        values.Set(0);
        if (id == m_constant) values.Set(1);
        out = Literal{Add(MakeSignal({id == m_constant ? 0 : id}, values)), false};
        continue;
      }
      Signal& s = m_signals[static_cast<size_t>(id)];
      s.local = ~s.local & s.seen;
      s.global = ~s.global;
      for (Signal& reader : m_signals)
        for (size_t p = 0; p < reader.fanins.size(); ++p)
          if (reader.fanins[p] == id) {
            reader.local = reader.local.Flipped(static_cast<int>(p));
            reader.seen = reader.seen.Flipped(static_cast<int>(p));
          }
      for (Literal& other : m_outputs)
        if (other.id == id) other.negated = !other.negated;
    }
  }

  const CLogicalBlock& m_block;
  const PoolSynthesisOptions& m_options;
  SynthesisObjective m_objective;  // the options', or levels for an output made again
  int m_n;
  int m_k;
  TruthTable m_care;
  TruthTable m_all;  // every combination
  std::vector<TruthTable> m_targets;
  std::vector<Signal> m_signals;
  std::unordered_multimap<uint64_t, int> m_index;
  int m_constant = 0;
  std::vector<Literal> m_outputs;
  uint64_t m_work = 0;
  uint64_t m_nextPoll = 0;
  bool m_cancelled = false;
};

std::optional<CLogicalScheme> CPoolSynthesiser::ToScheme() const {
  // Every output must be what the block computes where it is defined.
  for (size_t j = 0; j < m_outputs.size(); ++j) {
    const Literal& out = m_outputs[j];
    if (out.negated || !m_signals[static_cast<size_t>(out.id)].global.EqualOn(m_targets[j], m_care))
      return std::nullopt;
  }
  // The elements the outputs need.
  std::vector<bool> live(m_signals.size(), false);
  std::vector<int> stack;
  for (const Literal& out : m_outputs) stack.push_back(out.id);
  while (!stack.empty()) {
    const int id = stack.back();
    stack.pop_back();
    if (live[static_cast<size_t>(id)]) continue;
    live[static_cast<size_t>(id)] = true;
    for (int in : m_signals[static_cast<size_t>(id)].fanins) stack.push_back(in);
  }
  // Elements with the same inputs form one block; blocks by falling level,
  // so that every block comes before those it reads.
  std::map<std::vector<int>, std::vector<int>> groups;
  for (size_t id = static_cast<size_t>(m_constant) + 1; id < m_signals.size(); ++id)
    if (live[id]) groups[m_signals[id].fanins].push_back(static_cast<int>(id));
  std::vector<std::vector<int>> blocks;
  constexpr size_t kMostOutputs = 31;  // what a block's words hold
  for (auto& entry : groups)
    for (size_t from = 0; from < entry.second.size(); from += kMostOutputs)
      blocks.emplace_back(
          entry.second.begin() + static_cast<std::ptrdiff_t>(from),
          entry.second.begin() + static_cast<std::ptrdiff_t>(std::min(from + kMostOutputs, entry.second.size())));
  std::stable_sort(blocks.begin(), blocks.end(), [&](const auto& a, const auto& b) {
    const int la = m_signals[static_cast<size_t>(a[0])].level, lb = m_signals[static_cast<size_t>(b[0])].level;
    return la != lb ? la > lb : a[0] > b[0];
  });

  CLogicalScheme scheme(m_block);
  std::vector<CLogicalBlock> made;
  std::unordered_map<int, CBlockInput> where;  // element -> block output
  for (int i = 0; i < m_n; ++i) where[i] = CBlockInput(static_cast<int16_t>(i), "I");
  std::vector<std::string> ids;
  for (size_t b = 0; b < blocks.size(); ++b) ids.push_back(scheme.NextBlockId());
  for (size_t b = 0; b < blocks.size(); ++b)
    for (size_t pin = 0; pin < blocks[b].size(); ++pin)
      where[blocks[b][pin]] = CBlockInput(static_cast<int16_t>(pin), ids[b]);
  auto constant = [&](bool value) {
    const std::string id = scheme.NextBlockId();
    CLogicalBlock block;
    block.m_id = id;
    block.m_caption = id;
    block.m_inputCount = 1;
    block.m_outputCount = 1;
    block.m_wordDigits = 1;
    block.m_lp = value ? "11" : "00";
    block.m_inputs = {CBlockInput(0, "I")};
    made.push_back(block);
    return CBlockInput(0, id);
  };
  for (size_t b = 0; b < blocks.size(); ++b) {
    const Signal& first = m_signals[static_cast<size_t>(blocks[b][0])];
    CLogicalBlock block;
    block.m_id = ids[b];
    block.m_caption = ids[b];
    block.m_inputCount = static_cast<int32_t>(first.fanins.size());
    block.m_outputCount = static_cast<int32_t>(blocks[b].size());
    block.m_wordDigits = WordDigitsFor(block.m_outputCount);
    for (int in : first.fanins) block.m_inputs.push_back(where.at(in));
    Words words(first.local.Bits(), 0);
    for (size_t i = 0; i < words.size(); ++i) {
      if (!first.seen.Get(i)) {
        words[i] = -1;
        continue;
      }
      for (size_t pin = 0; pin < blocks[b].size(); ++pin)
        if (m_signals[static_cast<size_t>(blocks[b][pin])].local.Get(i)) words[i] |= int32_t{1} << pin;
    }
    // A block that never sees a combination still needs one defined word.
    if (std::all_of(words.begin(), words.end(), [](int32_t w) { return w == -1; })) words[0] = 0;
    block.m_lp = ToUpperAscii(WordsToLP(words, block.m_wordDigits));
    made.push_back(std::move(block));
  }
  CLogicalBlock out = scheme.GetBlock(scheme.GetBlockCount() - 1);
  for (size_t j = 0; j < m_outputs.size(); ++j) {
    const int id = m_outputs[j].id;
    out.m_inputs[j] = id == m_constant ? constant(false) : where.at(id);
  }
  // Outputs that are all inputs still pass through one logic block: a
  // scheme without one cannot be analysed.
  if (made.empty()) {
    CLogicalBlock repeater;
    repeater.m_id = scheme.NextBlockId();
    repeater.m_caption = repeater.m_id;
    repeater.m_inputCount = 1;
    repeater.m_outputCount = 1;
    repeater.m_wordDigits = 1;
    repeater.m_lp = "01";
    repeater.m_inputs = {out.m_inputs[0]};
    out.m_inputs[0] = CBlockInput(0, repeater.m_id);
    made.push_back(std::move(repeater));
  }
  scheme.m_blocks.erase(scheme.m_blocks.begin() + 1, scheme.m_blocks.end() - 1);
  scheme.m_blocks.insert(scheme.m_blocks.begin() + 1, made.begin(), made.end());
  scheme.m_blocks.back() = out;
  return scheme;
}

}  // namespace

PoolSynthesisResult SynthesiseWithPool(const CLogicalBlock& block, const PoolSynthesisOptions& options) {
  PoolSynthesisResult result;
  if (block.m_inputCount < 1 || block.m_inputCount > kMaxPoolInputs || block.m_outputCount < 1 ||
      options.maxInputs < kMinBlockWidth || options.maxInputs > kMaxBlockWidth ||
      LPToWords(block.m_lp, block.m_wordDigits).size() != (size_t{1} << block.m_inputCount))
    return result;
  // The order must name every output once.
  std::vector<int> order = options.order;
  std::sort(order.begin(), order.end());
  for (size_t j = 0; j < order.size(); ++j)
    if (order[j] != static_cast<int>(j) || order.size() != static_cast<size_t>(block.m_outputCount)) return result;
  CPoolSynthesiser synthesiser(block, options);
  try {
    synthesiser.Run();
    result.scheme = synthesiser.ToScheme();
  } catch (const Abandoned&) {
    result.cancelled = synthesiser.Cancelled();
    result.exhausted = !result.cancelled;
  }
  result.work = synthesiser.Work();
  return result;
}

}  // namespace lodex
