#include "synthesis/Optimisation.h"

#include <algorithm>

#include "synthesis/Parallel.h"
#include "synthesis/Simulation.h"

namespace lodex {
namespace {

BlockTables Tabulate(CLogicalScheme& scheme, SchemeValues values) {
  BlockTables result;
  result.status = values.status;
  if (!result.status) return result;
  result.tables = std::move(values.tables);
  // The input block keeps its identity sequence: primary input p is then
  // output p of its words, like any block's output.
  CLogicalBlock in = scheme.GetBlock(0);
  in.m_wordDigits = WordDigitsFor(in.m_outputCount);
  in.m_lp = WordsToLP(result.tables[0], in.m_wordDigits);
  scheme.SetBlock(0, in);
  ComputeTiers(scheme);
  return result;
}

bool IsTwoInputBlock(const CLogicalScheme& scheme, int k) {
  if (k < 1 || k >= scheme.GetBlockCount() - 1) return false;
  const CLogicalBlock& b = scheme.GetBlock(k);
  return b.m_inputCount == 2 && b.m_inputs.size() == 2 && b.m_outputCount == 1 && b.m_lp.size() == 4;
}

// True when `signal` takes the value `care` requires wherever it requires
// one. An undefined signal value does not qualify: the two-input target
// reads it as '0' whatever the care table asks for.
bool Delivers(const Words& care, const Words& signal) {
  if (care.size() != signal.size()) return false;
  for (size_t j = 0; j < care.size(); ++j)
    if (care[j] != -1 && signal[j] != care[j]) return false;
  return true;
}

}  // namespace

BlockTables TabulateBlocks(CLogicalScheme& scheme) { return Tabulate(scheme, SimulateScheme(scheme, true)); }

BlockTables TabulateBlocksPlain(CLogicalScheme& scheme) { return Tabulate(scheme, SimulateSchemePlain(scheme, true)); }

std::optional<RequiredSignalResult> RequiredSignal(const CLogicalScheme& scheme, const std::vector<Words>& tables,
                                                   int pathLength, int32_t code, int start) {
  if (pathLength < 1 || pathLength > 30 || start < 1 || static_cast<size_t>(start) >= tables.size())
    return std::nullopt;
  std::string path = IntToBits(code);
  if (path.size() < static_cast<size_t>(pathLength)) path.resize(static_cast<size_t>(pathLength), '0');

  int cur = start;
  Words required = tables[static_cast<size_t>(start)];
  RequiredSignalResult result;
  for (int s = 0; s < pathLength; ++s) {
    // A step needs both inputs of a two-input block: a one-input block has
    // no other input to hold steady, and the observability test reads the
    // four words of a two-input table.
    if (!IsTwoInputBlock(scheme, cur)) return std::nullopt;
    const CLogicalBlock& block = scheme.GetBlock(cur);
    const int g = path[static_cast<size_t>(s)] == '1' ? 1 : 0;
    const CBlockInput& link = block.m_inputs[static_cast<size_t>(g)];
    const int v = scheme.FindBlock(link.m_source);
    if (v <= 0 || scheme.FindConsumers(link).size() > 1) return std::nullopt;

    const CBlockInput& otherLink = block.m_inputs[static_cast<size_t>(1 - g)];
    const int other = scheme.FindBlock(otherLink.m_source);
    if (other < 0 || static_cast<size_t>(std::max(v, other)) >= tables.size()) return std::nullopt;
    const Words otherValues =
        other == 0 ? OutputColumn(scheme, 0, otherLink.m_pin) : tables[static_cast<size_t>(other)];

    const Words w = LPToWords(block.m_lp, block.m_wordDigits);
    if (w.size() != 4) return std::nullopt;
    const size_t chosen = size_t{1} << g;
    const size_t held = size_t{1} << (1 - g);
    // The chosen input matters unless both words it selects between are
    // defined and equal: a change towards an undefined word would leave the
    // block undefined where it was defined.
    auto differs = [&](size_t a, size_t b) { return w[a] == -1 || w[b] == -1 || w[a] != w[b]; };

    Words next = tables[static_cast<size_t>(v)];
    for (size_t j = 0; j < next.size(); ++j) {
      const int32_t p = j < otherValues.size() ? otherValues[j] : -1;
      bool observable;
      if (p != -1) {
        const size_t base = static_cast<size_t>(p) * held;
        observable = base + chosen >= w.size() || differs(base, base + chosen);
      } else {
        if (next[j] == -1) continue;
        observable = differs(0, chosen) || differs(held, held + chosen);
      }
      if (!observable || required[j] == -1) next[j] = -1;
    }
    result.m_block = cur;
    result.m_input = g;
    required = std::move(next);
    cur = v;
  }
  result.m_care = std::move(required);
  return result;
}

SubstitutionSearch FindSameLP(CLogicalScheme& scheme, int pathLength) {
  SubstitutionSearch search;
  if (pathLength < 1 || pathLength > 16) {
    search.status = Status::Error(ReasonCode::PathLengthRange, {pathLength});
    return search;
  }
  if (!IsElementary(scheme)) {
    search.status = Status::Error(ReasonCode::NotElementary);
    return search;
  }
  BlockTables f = TabulateBlocks(scheme);
  if (search.status = f.status; !search.status) return search;
  const int count = scheme.GetBlockCount();
  const int inputs = scheme.GetBlock(0).m_outputCount;
  std::vector<Words> columns;
  for (int p = 0; p < inputs; ++p) columns.push_back(OutputColumn(scheme, 0, p));

  auto add = [&](const CSubstitution& s) { search.candidates.push_back(s); };

  for (int o = 1; o < count - 1; ++o) {
    if (scheme.GetBlock(o).m_tier <= pathLength) continue;
    for (int32_t code = 0; code < (int32_t{1} << pathLength); ++code) {
      const std::optional<RequiredSignalResult> e = RequiredSignal(scheme, f.tables, pathLength, code, o);
      if (!e) continue;
      const int j = e->m_block;
      const int x = e->m_input;
      const Words& care = e->m_care;
      Words complement = care;
      for (int32_t& value : complement)
        if (value != -1) value = 1 - value;
      const CLogicalBlock& target = scheme.GetBlock(j);
      const std::string& replaced = target.m_inputs[static_cast<size_t>(x)].m_source;

      // The values target J's other input reads, and J's words.
      const CBlockInput& otherLink = target.m_inputs[static_cast<size_t>(1 - x)];
      const int other = scheme.FindBlock(otherLink.m_source);
      if (other < 0 || (other == 0 && (otherLink.m_pin < 0 || otherLink.m_pin >= inputs))) continue;
      const Words held =
          other == 0 ? columns[static_cast<size_t>(otherLink.m_pin)] : f.tables[static_cast<size_t>(other)];
      const Words w = LPToWords(target.m_lp, target.m_wordDigits);
      // A new signal may change J only where J's value does not matter, and
      // must not move J onto an undefined word where J was defined: an
      // undefined signal there is read as '0' by some readers and '*' by others.
      auto keepsDefined = [&](const Words& signal, bool invert) {
        for (size_t c = 0; c < signal.size(); ++c) {
          if (f.tables[static_cast<size_t>(j)][c] == -1) continue;
          int32_t v = signal[c] == -1 ? 0 : signal[c];
          if (invert) v = 1 - v;
          const int32_t h = held[c] == -1 ? 0 : held[c];
          const size_t index = x == 0 ? static_cast<size_t>(v + 2 * h) : static_cast<size_t>(h + 2 * v);
          if (index >= w.size() || w[index] == -1) return false;
        }
        return true;
      };
      auto consider = [&](const Words& signal, int source, int pin) {
        if (Delivers(care, signal) && keepsDefined(signal, false)) add({source, j, x, pin, false});
        if (Delivers(complement, signal) && keepsDefined(signal, true)) add({source, j, x, pin, true});
      };

      for (int k = j + 1; k < count - 1; ++k) {
        const CLogicalBlock& source = scheme.GetBlock(k);
        if (source.m_tier >= target.m_tier - 1 || source.m_id == replaced) continue;
        consider(f.tables[static_cast<size_t>(k)], k, 0);
      }
      if (target.m_tier >= 2)
        for (int p = 0; p < inputs; ++p) consider(columns[static_cast<size_t>(p)], 0, p);
    }
  }
  return search;
}

std::vector<int> DeadBlocks(const CLogicalScheme& scheme, const CSubstitution& s) {
  const int j = s.m_targetBlock;
  if (j < 1 || j >= scheme.GetBlockCount() - 1) return {};
  const CLogicalBlock& target = scheme.GetBlock(j);
  if (s.m_targetInput < 0 || static_cast<size_t>(s.m_targetInput) >= target.m_inputs.size()) return {};
  const int first = scheme.FindBlock(target.m_inputs[static_cast<size_t>(s.m_targetInput)].m_source);
  if (first <= 0) return {};
  if (scheme.FindConsumers(CBlockInput(0, scheme.GetBlock(first).m_id)).size() != 1) return {};

  // A block dies when every reader of its output is dead.
  std::vector<int> dead = {first};
  auto isDead = [&](int b) { return std::find(dead.begin(), dead.end(), b) != dead.end(); };
  for (size_t d = 0; d < dead.size(); ++d) {
    const std::vector<CBlockInput> links = scheme.GetBlock(dead[d]).m_inputs;
    for (const CBlockInput& link : links) {
      if (link.m_source == "I") continue;
      const std::vector<Consumer> readers = scheme.FindConsumers(CBlockInput(0, link.m_source));
      const int t = scheme.FindBlock(link.m_source);
      if (t < 0 || dead.size() < readers.size() || isDead(t) || t == s.m_sourceBlock) continue;
      if (std::all_of(readers.begin(), readers.end(), [&](const Consumer& c) { return isDead(c.first); }))
        dead.push_back(t);
    }
  }
  std::sort(dead.begin(), dead.end());
  return dead;
}

void ApplySubstitution(CLogicalScheme& scheme, const CSubstitution& s, const std::vector<int>& dead) {
  const int j = s.m_targetBlock;
  if (j < 1 || j >= scheme.GetBlockCount() - 1 || s.m_sourceBlock < 0 || s.m_sourceBlock >= scheme.GetBlockCount())
    return;
  CLogicalBlock target = scheme.GetBlock(j);
  if (s.m_targetInput < 0 || static_cast<size_t>(s.m_targetInput) >= target.m_inputs.size()) return;
  target.m_inputs[static_cast<size_t>(s.m_targetInput)] =
      CBlockInput(static_cast<int16_t>(s.m_sourcePin), scheme.GetBlock(s.m_sourceBlock).m_id);
  if (s.m_invert && target.m_lp.size() >= 4) {
    // Complement the input inside the table: exchange the words whose
    // combinations differ only in that input.
    std::string& lp = target.m_lp;
    if (s.m_targetInput != 0) {
      std::swap(lp[0], lp[2]);
      std::swap(lp[1], lp[3]);
    } else {
      std::swap(lp[0], lp[1]);
      std::swap(lp[2], lp[3]);
    }
  }
  scheme.SetBlock(j, target);
  for (size_t i = 0; i < dead.size(); ++i) scheme.EraseBlock(dead[i] - static_cast<int>(i));
}

int ChooseSubstitution(const CLogicalScheme& scheme, const std::vector<CSubstitution>& candidates) {
  if (candidates.empty()) return -1;
  int best = 0;
  size_t bestSize = 0;
  for (size_t i = 0; i < candidates.size(); ++i) {
    const size_t size = DeadBlocks(scheme, candidates[i]).size();
    if (size >= bestSize && size <= 10) {
      bestSize = size;
      best = static_cast<int>(i);
    }
  }
  return best;
}

std::string DeadSetText(const std::vector<int>& dead) {
  std::string text;
  for (int d : dead) text += std::to_string(d) + "  ";
  return text;
}

}  // namespace lodex
