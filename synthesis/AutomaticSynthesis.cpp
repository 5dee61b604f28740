#include "synthesis/AutomaticSynthesis.h"

#include <algorithm>
#include <bit>
#include <optional>
#include <tuple>
#include <unordered_map>

#include "synthesis/Dependency.h"
#include "synthesis/Parallel.h"
#include "synthesis/PoolSynthesis.h"
#include "synthesis/SchemeCleanup.h"
#include "synthesis/Serial.h"
#include "synthesis/SerialSearch.h"
#include "synthesis/ThreeInput.h"
#include "synthesis/Tiers.h"

namespace lodex {
namespace {

uint32_t LowMask(int bits) { return bits >= 32 ? ~0u : (1u << bits) - 1u; }

// Inputs each output of `block` essentially depends on.
std::vector<uint32_t> OutputSupports(const CLogicalScheme& scheme, int block) {
  const DependencyMatrix matrix = EssentialDependencies(scheme, block);
  const CLogicalBlock& b = scheme.GetBlock(block);
  std::vector<uint32_t> supports(static_cast<size_t>(b.m_outputCount), 0);
  for (size_t i = 0; i < matrix.size(); ++i)
    for (size_t j = 0; j < matrix[i].size() && j < supports.size(); ++j)
      if (matrix[i][j] != 0) supports[j] |= 1u << i;
  return supports;
}

// What a trial run leads to, compared in this order: one-output elements,
// tiers, logic blocks for the LUT objective; tiers first for the depth one.
using Cost = std::tuple<int, int, int>;

Cost CostOf(CLogicalScheme& scheme, SynthesisObjective objective) {
  const int elements = CountElements(scheme);
  ComputeTiers(scheme);
  const int tiers = scheme.GetBlock(scheme.GetBlockCount() - 1).m_tier;
  const int blocks = scheme.GetBlockCount() - 2;
  if (objective == SynthesisObjective::Depth) return {tiers, elements, blocks};
  return {elements, tiers, blocks};
}

// Expansions tried in full per step, and how much wider than K a block may
// be for them to be tried at all.
constexpr size_t kShannonTries = 2;
constexpr int kShannonTrialWidth = 2;

// Puts the logic blocks of `sub`, a scheme computing block b of `scheme`
// from its inputs, in place of block b. The block the output block of `sub`
// reads keeps b's identifier when it is the only one and gives output j as
// its output j, so the consumers of b need no change; otherwise they are
// relinked. Returns the blocks put in.
int Splice(CLogicalScheme& scheme, int b, const CLogicalScheme& sub) {
  const CLogicalBlock original = scheme.GetBlock(b);
  const CLogicalBlock& out = sub.GetBlock(sub.GetBlockCount() - 1);
  std::string keeper = out.m_inputs.empty() ? std::string() : out.m_inputs[0].m_source;
  for (size_t j = 0; j < out.m_inputs.size(); ++j)
    if (out.m_inputs[j].m_source != keeper || out.m_inputs[j].m_pin != static_cast<int16_t>(j)) keeper.clear();
  if (keeper == "I") keeper.clear();
  std::unordered_map<std::string, std::string> ids;
  for (int i = 1; i < sub.GetBlockCount() - 1; ++i) {
    const std::string& id = sub.GetBlock(i).m_id;
    ids[id] = id == keeper ? original.m_id : scheme.NextBlockId();
  }
  auto translate = [&](const CBlockInput& link) {
    if (link.m_source == "I") return original.m_inputs[static_cast<size_t>(link.m_pin)];
    return CBlockInput(link.m_pin, ids.at(link.m_source));
  };
  std::vector<CLogicalBlock> blocks;
  for (int i = 1; i < sub.GetBlockCount() - 1; ++i) {
    CLogicalBlock block = sub.GetBlock(i);
    block.m_id = ids.at(block.m_id);
    block.m_caption = block.m_id;
    for (CBlockInput& link : block.m_inputs) link = translate(link);
    blocks.push_back(std::move(block));
  }
  if (keeper.empty())
    for (int c = 1; c < b; ++c)
      for (CBlockInput& link : scheme.GetBlock(c).m_inputs)
        if (link.m_source == original.m_id) link = translate(out.m_inputs[static_cast<size_t>(link.m_pin)]);
  if (keeper.empty())
    for (CBlockInput& link : scheme.GetBlock(scheme.GetBlockCount() - 1).m_inputs)
      if (link.m_source == original.m_id) link = translate(out.m_inputs[static_cast<size_t>(link.m_pin)]);
  scheme.m_blocks.erase(scheme.m_blocks.begin() + b);
  scheme.m_blocks.insert(scheme.m_blocks.begin() + b, blocks.begin(), blocks.end());
  return static_cast<int>(blocks.size());
}

// One step on a wide block.
struct Move {
  enum class Kind { Serial, Parallel, Shannon, SharedSerial };
  Kind kind = Kind::Serial;
  int32_t mask = 0;      // Serial, SharedSerial: bound inputs
  SplitRequest request;  // Parallel: group 1 and the rest
  int input = 0;         // Shannon: expanded input; SharedSerial: the input read twice
  int32_t type = 5;      // Shannon: selector type
  // Ranking: estimated blocks, then the tie-breaks named in the header.
  std::tuple<int, int, int, int, int32_t> rank{};
};

class CSynthesiser {
 public:
  CSynthesiser(int k, SynthesisObjective objective, const std::function<bool(int)>& progress)
      : m_k(k), m_objective(objective), m_progress(progress) {}

  // Reduces every logic block of `scheme`; `lookahead` is how many levels of
  // trial runs each choice may use. A scheme of one logic block takes one
  // step; each wide block that step leaves is then reduced as a scheme of its
  // own and its result put in its place, so that a step always works on a
  // small scheme however many blocks the result has.
  Status Reduce(CLogicalScheme& scheme, int lookahead) {
    for (int b = 1; b < scheme.GetBlockCount() - 1;) {
      if (m_cancelled) return Status::Error(ReasonCode::Cancelled);
      if (++m_steps > m_stepBudget) return Status::Error(ReasonCode::NoProgress);
      if (scheme.GetBlock(b).m_inputCount > m_k) DropFictitiousInputs(scheme, b);
      if (scheme.GetBlock(b).m_inputCount <= m_k) {
        ++b;
        continue;
      }
      if (scheme.GetBlockCount() > 3) {
        CLogicalScheme alone(scheme.GetBlock(b));
        if (Status s = Reduce(alone, lookahead); !s) return s;
        b += Splice(scheme, b, alone);
        continue;
      }
      if (!Poll()) return Status::Error(ReasonCode::Cancelled);
      std::vector<Move> moves = Moves(scheme, b);
      if (m_cancelled) return Status::Error(ReasonCode::Cancelled);
      if (moves.empty()) return Status::Error(ReasonCode::CannotReduce, {scheme.GetBlock(b).m_id, m_k});
      size_t chosen = 0;
      const int n = scheme.GetBlock(b).m_inputCount;
      const size_t tries = std::min(moves.size(), Tries(n));
      if (lookahead > 0 && moves.size() > 1) {
        std::optional<Cost> best;
        size_t shannonTried = 0;
        for (size_t i = 0; i < moves.size(); ++i) {
          // The best ranked moves and every parallel split are tried; of the
          // expansions, which differ little, only the best few on blocks
          // narrow enough for a trial to be cheap.
          if (i >= tries && moves[i].kind != Move::Kind::Parallel) continue;
          if (moves[i].kind == Move::Kind::Shannon && (n > m_k + kShannonTrialWidth || shannonTried++ >= kShannonTries))
            continue;
          CLogicalScheme trial(scheme.GetBlock(b));
          Apply(trial, 1, moves[i]);
          // A trial neither moves the progress nor spends the step budget.
          const int wide = m_wide;
          const int64_t steps = m_steps;
          const bool reduced = static_cast<bool>(Reduce(trial, lookahead - 1));
          m_wide = wide;
          m_steps = steps;
          if (!reduced) {
            if (m_cancelled) return Status::Error(ReasonCode::Cancelled);
            continue;
          }
          MergeEqualBlocks(trial);
          CleanUpScheme(trial, m_k);
          const Cost cost = CostOf(trial, m_objective);
          if (!best || cost < *best) best = cost, chosen = i;
        }
      }
      Apply(scheme, b, moves[chosen]);
      // The wide blocks still to do: this one is replaced by those it left.
      m_wide += WideBlocks(scheme) - 1;
    }
    return Status::Ok();
  }

  // Steps the run may take (trials aside) before it gives up: every step
  // makes progress, so this only ends a run that went wrong; and the wide
  // blocks the progress reports start from.
  void SetBudget(const CLogicalScheme& scheme) {
    m_stepBudget = 1000;
    for (int b = 1; b < scheme.GetBlockCount() - 1; ++b) {
      const CLogicalBlock& block = scheme.GetBlock(b);
      m_stepBudget += int64_t{64} * block.m_outputCount << std::min(block.m_inputCount, 24);
    }
    m_wide = WideBlocks(scheme);
  }

  bool Cancelled() const { return m_cancelled; }

 private:
  int Estimate(int n) const { return ExpectedBlocks(n, m_k); }

  // Trial runs for a block of n inputs: many for narrow blocks, where a run
  // is cheap, few for wide ones, where each run searches large tables.
  static size_t Tries(int n) {
    if (n <= 9) return 8;
    if (n <= 12) return 4;
    return 2;
  }

  int WideBlocks(const CLogicalScheme& scheme) const {
    int wide = 0;
    for (int b = 1; b < scheme.GetBlockCount() - 1; ++b) wide += scheme.GetBlock(b).m_inputCount > m_k;
    return wide;
  }

  // Removes the inputs no output of block `b` depends on, as far as the
  // function stays the same without them (with undefined words dropping two
  // inputs can differ from dropping each). A block keeps at least one input.
  static void DropFictitiousInputs(CLogicalScheme& scheme, int b) {
    const CLogicalBlock& block = scheme.GetBlock(b);
    const int n = block.m_inputCount;
    if (n < 2 || block.m_outputCount < 1) return;
    uint32_t used = 0;
    for (uint32_t s : OutputSupports(scheme, b)) used |= s;
    const uint32_t all = LowMask(n);
    uint32_t keep = all;
    for (int i = 0; i < n; ++i) {
      const uint32_t bit = 1u << i;
      if ((used & bit) || std::popcount(keep) == 1) continue;
      if (SubBlockKeepsFunction(scheme, b, static_cast<int32_t>(keep & ~bit), static_cast<int32_t>(LowMask(32))))
        keep &= ~bit;
    }
    if (keep != all)
      ParallelSplit(scheme, b, static_cast<int32_t>(keep), static_cast<int32_t>(LowMask(block.m_outputCount)), 0, 0);
  }

  // The serial splits of block `b` whose lower block fits in K inputs,
  // enough of them for the look-ahead, within the search budget.
  std::vector<SplitCandidate> SplitCandidates(const CLogicalScheme& scheme, int b) const {
    SerialSearchOptions options;
    options.maxBound = m_k;
    options.progress = [this](uint64_t, uint64_t) { return Poll(); };
    return SearchSplitsWithinBudget(scheme, b, options, Tries(scheme.GetBlock(b).m_inputCount));
  }

  // The steps that apply to wide block `b`, best ranked first.
  std::vector<Move> Moves(const CLogicalScheme& scheme, int b) const {
    const CLogicalBlock& block = scheme.GetBlock(b);
    const int n = block.m_inputCount;
    const int m = block.m_outputCount;
    std::vector<Move> moves;

    for (const SplitCandidate& c : SplitCandidates(scheme, b)) {
      const int k = std::popcount(static_cast<uint32_t>(c.mask));
      const int r = CandidateOutputs(n, m, c);
      Move move;
      move.mask = c.mask;
      move.rank = {1 + Estimate(n - k + r), 0, r, c.complexity, c.mask};
      moves.push_back(move);
    }

    if (m > 1) AddParallelMoves(scheme, b, moves);

    if (m == 1 && moves.empty()) {
      if (m_k == 2 && IsSelector(block)) {
        // The selector of an expansion at K = 2: split with the select input
        // read twice.
        AddSharedMoves(scheme, b, 2, moves);
      } else {
        const std::vector<int32_t> types = ThreeInputTypes(scheme, b);
        for (int x = 0; x < n; ++x) {
          Move move;
          move.kind = Move::Kind::Shannon;
          move.input = x;
          move.type = types[static_cast<size_t>(x)];
          move.rank = {1 + 2 * Estimate(n - 1), 2, 0, move.type, x};
          moves.push_back(move);
        }
      }
    }
    std::stable_sort(moves.begin(), moves.end(), [](const Move& a, const Move& c) { return a.rank < c.rank; });
    return moves;
  }

  // Parallel splits of a multi-output block: outputs grouped so that a
  // group's inputs grow no wider than its widest member (or K), i.e. outputs
  // that share their essential inputs stay together. One move per group
  // (that group against the rest), and one that sets the widest output
  // apart, which always makes progress.
  void AddParallelMoves(const CLogicalScheme& scheme, int b, std::vector<Move>& moves) const {
    const CLogicalBlock& block = scheme.GetBlock(b);
    const int m = block.m_outputCount;
    const std::vector<uint32_t> supports = OutputSupports(scheme, b);
    std::vector<int> order(static_cast<size_t>(m));
    for (int j = 0; j < m; ++j) order[static_cast<size_t>(j)] = j;
    std::stable_sort(order.begin(), order.end(), [&](int a, int c) {
      return std::popcount(supports[static_cast<size_t>(a)]) > std::popcount(supports[static_cast<size_t>(c)]);
    });
    std::vector<std::pair<uint32_t, uint32_t>> groups;  // outputs, inputs
    for (int j : order) {
      const uint32_t s = supports[static_cast<size_t>(j)];
      bool placed = false;
      for (auto& [outs, ins] : groups) {
        const int widest = std::max(m_k, std::popcount(ins));
        if (std::popcount(ins | s) <= widest) {
          outs |= 1u << j;
          ins |= s;
          placed = true;
          break;
        }
      }
      if (!placed) groups.emplace_back(1u << j, s);
    }
    const uint32_t allOut = LowMask(m);
    auto addSplit = [&](uint32_t outs, int tieBreak) {
      const uint32_t rest = allOut & ~outs;
      if (outs == 0 || rest == 0) return;
      Move move;
      move.kind = Move::Kind::Parallel;
      move.request = {static_cast<int32_t>(GroupInputs(scheme, b, supports, outs)), static_cast<int32_t>(outs),
                      static_cast<int32_t>(GroupInputs(scheme, b, supports, rest)), static_cast<int32_t>(rest)};
      move.rank = {Estimate(std::popcount(static_cast<uint32_t>(move.request.in1))) +
                       Estimate(std::popcount(static_cast<uint32_t>(move.request.in2))),
                   1, tieBreak, 0, static_cast<int32_t>(outs)};
      moves.push_back(move);
    };
    if (groups.size() > 1)
      for (const auto& group : groups) addSplit(group.first, 0);
    // The first output alone: the split that always makes progress.
    addSplit(1u << order.front(), 1);
  }

  // The inputs a group of outputs needs: their essential inputs, or all
  // inputs when undefined words make those alone change the function.
  static uint32_t GroupInputs(const CLogicalScheme& scheme, int b, const std::vector<uint32_t>& supports,
                              uint32_t outputs) {
    uint32_t ins = 0;
    for (size_t j = 0; j < supports.size(); ++j)
      if ((outputs >> j) & 1u) ins |= supports[j];
    if (ins == 0) ins = 1;
    if (!SubBlockKeepsFunction(scheme, b, static_cast<int32_t>(ins), static_cast<int32_t>(outputs)))
      ins = LowMask(scheme.GetBlock(b).m_inputCount);
    return ins;
  }

  // True for a block computing a selector of SelectorSequence's layout.
  static bool IsSelector(const CLogicalBlock& block) {
    if (block.m_inputCount != 3 || block.m_outputCount != 1) return false;
    for (int32_t type = 1; type <= 5; ++type)
      if (block.m_lp == SelectorSequence(type)) return true;
    return false;
  }

  // Serial splits of a block with input x read twice: the block gains an
  // input linked like input x, undefined wherever the two readings differ,
  // so that a bound set may hold x while x stays free (a non-disjoint split).
  void AddSharedMoves(const CLogicalScheme& scheme, int b, int x, std::vector<Move>& moves) const {
    CLogicalScheme trial(WithInputReadTwice(scheme.GetBlock(b), x));
    SerialSearchOptions options;
    options.maxBound = m_k;
    for (const SplitCandidate& c : SearchSplits(trial, 1, options).candidates) {
      Move move;
      move.kind = Move::Kind::SharedSerial;
      move.input = x;
      move.mask = c.mask;
      move.rank = {3, 3, 0, c.complexity, c.mask};
      moves.push_back(move);
    }
  }

  // Block `source` with input x read a second time as its last input.
  static CLogicalBlock WithInputReadTwice(const CLogicalBlock& source, int x) {
    const int n = source.m_inputCount;
    const Words w = LPToWords(source.m_lp, source.m_wordDigits);
    Words wide(size_t{1} << (n + 1), -1);
    for (size_t i = 0; i < wide.size(); ++i) {
      const size_t low = i & LowMask(n);
      if (((i >> n) & 1u) == ((low >> x) & 1u) && low < w.size()) wide[i] = w[low];
    }
    CLogicalBlock block = source;
    block.m_inputCount = n + 1;
    block.m_lp = WordsToLP(wide, block.m_wordDigits);
    block.m_inputs.push_back(source.m_inputs[static_cast<size_t>(x)]);
    return block;
  }

  static void Apply(CLogicalScheme& scheme, int b, const Move& move) {
    switch (move.kind) {
      case Move::Kind::Serial: ExtractSerial(scheme, move.mask, b, false); break;
      case Move::Kind::Parallel: ParallelSplit(scheme, b, move.request); break;
      case Move::Kind::Shannon: ExtractThreeInput(scheme, b, move.input, move.type); break;
      case Move::Kind::SharedSerial:
        scheme.SetBlock(b, WithInputReadTwice(scheme.GetBlock(b), move.input));
        ExtractSerial(scheme, move.mask, b, false);
        break;
    }
  }

  // Reports progress; false once the caller has cancelled.
  bool Poll() const {
    if (!m_cancelled && m_progress && !m_progress(m_wide)) m_cancelled = true;
    return !m_cancelled;
  }

  int m_k;
  SynthesisObjective m_objective;
  const std::function<bool(int)>& m_progress;
  int m_wide = 0;  // blocks of the scheme still wider than K
  int64_t m_steps = 0;
  int64_t m_stepBudget = 0;
  mutable bool m_cancelled = false;
};

// What makes two logic blocks interchangeable: sequence, outputs and links.
std::string BlockKey(const CLogicalBlock& b) {
  std::string key = b.m_lp;
  key.append("|").append(std::to_string(b.m_outputCount));
  for (const CBlockInput& link : b.m_inputs)
    key.append("|").append(link.m_source).append(":").append(std::to_string(link.m_pin));
  return key;
}

}  // namespace

int MergeEqualBlocks(CLogicalScheme& scheme) {
  // From the back: a block equal to a later one hands its consumers to it.
  // Consumers sit earlier, so a block's links are rewired before it is
  // compared, and merges cascade in one pass.
  int merged = 0;
  std::unordered_map<std::string, std::string> keeper;    // key -> identifier of the latest such block
  std::unordered_map<std::string, std::string> replaced;  // merged identifier -> the one that stays
  std::vector<bool> drop(static_cast<size_t>(scheme.GetBlockCount()), false);
  auto rewire = [&](CLogicalBlock& block) {
    for (CBlockInput& link : block.m_inputs)
      if (const auto found = replaced.find(link.m_source); found != replaced.end()) link.m_source = found->second;
  };
  for (int i = scheme.GetBlockCount() - 2; i >= 1; --i) {
    CLogicalBlock& block = scheme.GetBlock(i);
    rewire(block);
    const auto [found, fresh] = keeper.emplace(BlockKey(block), block.m_id);
    if (fresh) continue;
    replaced[block.m_id] = found->second;
    drop[static_cast<size_t>(i)] = true;
    ++merged;
  }
  if (merged == 0) return 0;
  rewire(scheme.GetBlock(scheme.GetBlockCount() - 1));
  std::vector<CLogicalBlock> kept;
  for (int i = 0; i < scheme.GetBlockCount(); ++i)
    if (!drop[static_cast<size_t>(i)]) kept.push_back(std::move(scheme.GetBlock(i)));
  scheme.m_blocks = std::move(kept);
  return merged;
}

namespace {

// Projects of at most this many truth-table bits (outputs times words) are
// synthesised several ways.
constexpr uint64_t kSmallProject = 4096;
// The work all pool syntheses of one run may take together (about 30 units
// a microsecond: some 0.6 s at most).
constexpr uint64_t kPoolBudget = uint64_t{20} << 20;

// Projects of at most this many bits also take the pool synthesis once.
constexpr uint64_t kMediumProject = uint64_t{1} << 17;

// The whole-scheme steps after the reduction: equal blocks merged,
// repeaters and inverters removed, the clean-up.
void Finish(CLogicalScheme& work, int k) {
  MergeEqualBlocks(work);
  // A scheme that computes a plain input keeps its one block: a scheme
  // without logic blocks cannot be analysed.
  CLogicalScheme bare = work;
  bare.RemoveRepeaters();
  bare.RemoveInverters();
  if (!bare.IsEmpty()) work = bare;
  MergeEqualBlocks(work);
  CleanUpScheme(work, k);
  MergeEqualBlocks(work);
}

// One way of synthesising a scheme: the objective its choices rank by, the
// look-ahead, and whether wide blocks go to the pool synthesis first (with
// one of three orders of the outputs, and a bound on their levels).
struct Way {
  SynthesisObjective objective;
  int lookahead;
  bool pool = false;                          // wide blocks to the pool synthesis first
  std::vector<std::vector<int>> orders = {};  // of each wide block's outputs
  int maxLevel = 0;
};

// What became of a way's pool synthesis.
enum class PoolEnd { Done, Cancelled, OutOfBudget };

// Puts the pool synthesis of every block wider than K in its place; a block
// it does not take is left for the block-by-block reduction. Spends at most
// `budget` of work, less what it took.
PoolEnd ReduceWithPool(CLogicalScheme& work, int k, const Way& way, const std::function<bool(int)>& progress,
                       uint64_t& budget) {
  int wide = static_cast<int>(way.orders.size());
  for (int b = 1, next = 0; b < work.GetBlockCount() - 1;) {
    const CLogicalBlock& block = work.GetBlock(b);
    if (block.m_inputCount <= k) {
      ++b;
      continue;
    }
    PoolSynthesisOptions options;
    options.maxInputs = k;
    options.objective = way.objective;
    options.lookahead = way.lookahead;
    options.maxLevel = way.maxLevel;
    options.order = way.orders[static_cast<size_t>(next++)];
    options.budget = budget;
    options.poll = [&progress, &wide] { return !progress || progress(wide); };
    const PoolSynthesisResult made = SynthesiseWithPool(block, options);
    budget -= std::min(budget, made.work);
    --wide;
    if (made.cancelled) return PoolEnd::Cancelled;
    if (made.exhausted) return PoolEnd::OutOfBudget;
    if (!made.scheme) {
      ++b;
      continue;
    }
    b += Splice(work, b, *made.scheme);
  }
  return PoolEnd::Done;
}

// The orders in which the pool synthesis makes the outputs of each block
// wider than K: 1, fewest essential inputs first; 2, as numbered; 3, the
// reverse.
std::vector<std::vector<int>> PoolOrders(const CLogicalScheme& scheme, int k, int rule) {
  std::vector<std::vector<int>> orders;
  for (int b = 1; b < scheme.GetBlockCount() - 1; ++b) {
    const CLogicalBlock& block = scheme.GetBlock(b);
    if (block.m_inputCount <= k) continue;
    std::vector<int> order(static_cast<size_t>(block.m_outputCount));
    for (int j = 0; j < block.m_outputCount; ++j)
      order[static_cast<size_t>(j)] = rule == 3 ? block.m_outputCount - 1 - j : j;
    if (rule == 1) {
      const std::vector<uint32_t> supports = OutputSupports(scheme, b);
      std::stable_sort(order.begin(), order.end(), [&](int x, int y) {
        return std::popcount(supports[static_cast<size_t>(x)]) < std::popcount(supports[static_cast<size_t>(y)]);
      });
    }
    orders.push_back(std::move(order));
  }
  return orders;
}

// Synthesises `work` one way and finishes it; none, with `work` unfinished,
// when the pool synthesis ran out of `budget`.
std::optional<Status> RunWay(CLogicalScheme& work, int k, const Way& way, const std::function<bool(int)>& progress,
                             uint64_t& budget) {
  if (way.pool) {
    if (budget == 0) return std::nullopt;
    const PoolEnd end = ReduceWithPool(work, k, way, progress, budget);
    if (end == PoolEnd::Cancelled) return Status::Error(ReasonCode::Cancelled);
    if (end == PoolEnd::OutOfBudget) return std::nullopt;
  }
  CSynthesiser synthesiser(k, way.objective, progress);
  synthesiser.SetBudget(work);
  if (Status s = synthesiser.Reduce(work, way.lookahead); !s) return s;
  Finish(work, k);
  return Status::Ok();
}

AutomaticSynthesisResult Refused(AutomaticSynthesisResult& result, const Status& status) {
  result.status = status;
  result.cancelled = status.reason().code() == ReasonCode::Cancelled;
  return result;
}

}  // namespace

AutomaticSynthesisResult RunAutomaticSynthesis(CLogicalScheme& scheme, const AutomaticSynthesisOptions& options) {
  AutomaticSynthesisResult result;
  const int k = options.maxInputs;
  if (k < kMinBlockWidth || k > kMaxBlockWidth) {
    result.status = Status::Error(ReasonCode::BlockWidthRange, {kMinBlockWidth, kMaxBlockWidth, k});
    return result;
  }
  if (scheme.IsEmpty()) {
    result.status = Status::Error(ReasonCode::NoLogicBlock);
    return result;
  }
  for (int b = 1; b < scheme.GetBlockCount() - 1; ++b) {
    const CLogicalBlock& block = scheme.GetBlock(b);
    if (block.m_inputCount > kMaxSplitInputs || block.m_outputCount > 31 ||
        LPToWords(block.m_lp, block.m_wordDigits).size() != (size_t{1} << block.m_inputCount)) {
      result.status = Status::Error(ReasonCode::SequenceMisfit, {block.m_id});
      return result;
    }
  }

  // A small project is synthesised several ways (both engines, each
  // objective's ranking of the trials, one and two levels of look-ahead, the
  // pool synthesis with up to three orders of the outputs) and the best
  // result for the objective kept; a medium one by each engine once, a
  // larger one block by block.
  uint64_t size = 0;
  for (int b = 1; b < scheme.GetBlockCount() - 1; ++b)
    size += static_cast<uint64_t>(scheme.GetBlock(b).m_outputCount) << scheme.GetBlock(b).m_inputCount;
  const SynthesisObjective other =
      options.objective == SynthesisObjective::Luts ? SynthesisObjective::Depth : SynthesisObjective::Luts;
  // The pool synthesis takes the wide blocks' outputs in up to three orders
  // (those that differ).
  std::vector<std::vector<std::vector<int>>> orders;
  for (int rule = 1; rule <= 3 && size <= kMediumProject; ++rule) {
    std::vector<std::vector<int>> order = PoolOrders(scheme, k, rule);
    if (std::find(orders.begin(), orders.end(), order) == orders.end()) orders.push_back(std::move(order));
  }
  // The cheap ways first, so that a spent budget leaves out the dearest.
  std::vector<Way> ways = {{options.objective, 1}};
  if (size <= kSmallProject) {
    for (const auto& order : orders) ways.push_back({options.objective, 1, true, order});
    ways.insert(ways.end(), {{other, 1}, {options.objective, 2}, {other, 2}});
    for (const auto& order : orders) ways.push_back({other, 1, true, order});
    for (const auto& order : orders) ways.push_back({options.objective, 2, true, order});
    for (const auto& order : orders) ways.push_back({other, 2, true, order});
  } else if (size <= kMediumProject) {
    ways.push_back({options.objective, 1, true, orders.front()});
  }
  std::optional<CLogicalScheme> best;
  std::optional<Cost> bestCost;
  Status failure = Status::Ok();
  // A cancel ends the synthesis; a way that fails is passed over, and its
  // reason given when no way succeeds.
  uint64_t budget = kPoolBudget;
  auto run = [&](const Way& way) {
    CLogicalScheme work = scheme;
    const std::optional<Status> s = RunWay(work, k, way, options.progress, budget);
    if (!s) return true;
    if (!*s) {
      failure = *s;
      return s->reason().code() != ReasonCode::Cancelled;
    }
    const Cost cost = CostOf(work, options.objective);
    // Emplaced, not assigned: assignment would keep the earlier counter and
    // later identifiers could repeat this scheme's.
    if (!best || cost < *bestCost) best.emplace(work), bestCost = cost;
    return true;
  };
  for (const Way& way : ways)
    if (!run(way)) return Refused(result, failure);
  // For the depth objective, the fewest elements within the fewest levels
  // found: the pool synthesis again, ranking by elements under that bound.
  if (best && options.objective == SynthesisObjective::Depth && size <= kSmallProject) {
    const int levels = std::get<0>(*bestCost) - 1;
    ways.clear();
    for (const auto& order : orders)
      for (int lookahead = 1; lookahead <= 2; ++lookahead)
        ways.push_back({SynthesisObjective::Luts, lookahead, true, order, levels});
    for (const Way& way : ways)
      if (!run(way)) return Refused(result, failure);
  }
  if (!best) return Refused(result, failure);
  CLogicalScheme& work = *best;
  work.RenumberCaptions();
  ComputeTiers(work);
  scheme = work;
  scheme.m_blockCounter = work.m_blockCounter;
  result.blocks = scheme.GetBlockCount() - 2;
  result.tiers = scheme.GetBlock(scheme.GetBlockCount() - 1).m_tier;
  return result;
}

}  // namespace lodex
