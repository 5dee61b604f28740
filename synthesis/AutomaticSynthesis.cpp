#include "synthesis/AutomaticSynthesis.h"

#include <algorithm>
#include <bit>
#include <optional>
#include <tuple>
#include <unordered_map>

#include "synthesis/Dependency.h"
#include "synthesis/Parallel.h"
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

// Lower-block outputs of a candidate, recovered from its complexity.
int CandidateOutputs(const CLogicalBlock& b, const SplitCandidate& c) {
  const int k = std::popcount(static_cast<uint32_t>(c.mask));
  for (int r = 1; r <= k; ++r)
    if (SplitComplexity(b.m_inputCount, b.m_outputCount, k, r) == c.complexity) return r;
  return k;
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
constexpr int kShannonTrialWidth = 5;

// Blocks of this many inputs and more are searched for two-class splits
// first.
constexpr int kWideBlock = 12;

// The most work (masks times table words) a step's full search may take; a
// wider block is searched for two-class splits only, which stops at the
// third distinct row and so costs little even when nothing is found.
constexpr uint64_t kSearchBudget = uint64_t{1} << 20;

// Masks of n inputs binding 1..k of them.
uint64_t MaskCount(int n, int k) {
  uint64_t count = 0, binomial = 1;
  for (int j = 1; j <= k && j <= n; ++j) {
    binomial = binomial * static_cast<uint64_t>(n - j + 1) / static_cast<uint64_t>(j);
    count += binomial;
  }
  return count;
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

  // Puts the logic blocks of `sub`, a scheme computing block b of `scheme`
  // from its inputs, in place of block b. The block the output block of `sub`
  // reads keeps b's identifier when it is the only one, so the consumers of b
  // need no change; otherwise they are relinked. Returns the blocks put in.
  static int Splice(CLogicalScheme& scheme, int b, const CLogicalScheme& sub) {
    const CLogicalBlock original = scheme.GetBlock(b);
    const CLogicalBlock& out = sub.GetBlock(sub.GetBlockCount() - 1);
    std::string keeper = out.m_inputs.empty() ? std::string() : out.m_inputs[0].m_source;
    for (const CBlockInput& link : out.m_inputs)
      if (link.m_source != keeper) keeper.clear();
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
  // Blocks a block of n inputs is expected to end as: 1 + ceil((n - K) / (K - 1)),
  // each further split binding K inputs into one signal.
  int Estimate(int n) const { return n <= m_k ? 1 : 1 + (n - m_k + (m_k - 2)) / (m_k - 1); }

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

  // The serial splits of block `b` whose lower block fits in K inputs. A wide
  // block is searched first for splits into two row classes only (a lower
  // block of one output), which stops counting early; when that finds enough
  // splits for the look-ahead, or a full search would exceed the budget, the
  // choice is made among them, otherwise (and for narrow blocks) among all.
  std::vector<SplitCandidate> SplitCandidates(const CLogicalScheme& scheme, int b) const {
    const int n = scheme.GetBlock(b).m_inputCount;
    SerialSearchOptions options;
    options.maxBound = m_k;
    options.progress = [this](uint64_t, uint64_t) { return Poll(); };
    const bool overBudget = (MaskCount(n, m_k) << n) > kSearchBudget;
    if (n >= kWideBlock || overBudget) {
      options.maxClasses = 2;
      std::vector<SplitCandidate> found = SearchSplits(scheme, b, options).candidates;
      if (found.size() >= Tries(n) || overBudget) return found;
      options.maxClasses = 0;
    }
    return SearchSplits(scheme, b, options).candidates;
  }

  // The steps that apply to wide block `b`, best ranked first.
  std::vector<Move> Moves(const CLogicalScheme& scheme, int b) const {
    const CLogicalBlock& block = scheme.GetBlock(b);
    const int n = block.m_inputCount;
    const int m = block.m_outputCount;
    std::vector<Move> moves;

    for (const SplitCandidate& c : SplitCandidates(scheme, b)) {
      const int k = std::popcount(static_cast<uint32_t>(c.mask));
      const int r = CandidateOutputs(block, c);
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

  // A small project is synthesised several ways (each objective's ranking of
  // the trials, one and two levels of look-ahead) and the best result for the
  // objective kept; a larger one once.
  uint64_t size = 0;
  for (int b = 1; b < scheme.GetBlockCount() - 1; ++b)
    size += static_cast<uint64_t>(scheme.GetBlock(b).m_outputCount) << scheme.GetBlock(b).m_inputCount;
  const SynthesisObjective other =
      options.objective == SynthesisObjective::Luts ? SynthesisObjective::Depth : SynthesisObjective::Luts;
  std::vector<std::pair<SynthesisObjective, int>> ways = {{options.objective, 1}};
  if (size <= kSmallProject) ways.insert(ways.end(), {{other, 1}, {options.objective, 2}, {other, 2}});
  std::optional<CLogicalScheme> best;
  std::optional<Cost> bestCost;
  for (const auto& [objective, lookahead] : ways) {
    CLogicalScheme work = scheme;
    CSynthesiser synthesiser(k, objective, options.progress);
    synthesiser.SetBudget(work);
    if (Status s = synthesiser.Reduce(work, lookahead); !s) {
      if (synthesiser.Cancelled() || !best) {
        result.cancelled = synthesiser.Cancelled();
        result.status = s;
        return result;
      }
      continue;
    }
    Finish(work, k);
    const Cost cost = CostOf(work, options.objective);
    // Emplaced, not assigned: assignment would keep the earlier counter and
    // later identifiers could repeat this scheme's.
    if (!best || cost < *bestCost) best.emplace(work), bestCost = cost;
  }
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
