#include "synthesis/SopMinimisation.h"

#include <algorithm>
#include <array>
#include <bit>
#include <bitset>
#include <cstdint>
#include <map>
#include <set>

#include "model/LogicSequence.h"

namespace lodex {
namespace {

using Minterms = std::bitset<256>;

int LiteralsOf(const Product& p) { return std::popcount(p.care); }

// The low eight bits in reverse order: input 0 becomes the highest bit.
uint32_t Reversed(uint32_t bits) {
  uint32_t r = 0;
  for (int k = 0; k < kMaxFormulaInputs; ++k) r |= ((bits >> k) & 1u) << (kMaxFormulaInputs - 1 - k);
  return r;
}

// Every prime implicant of ON ∪ DC that covers an ON minterm.
std::vector<Product> PrimeImplicants(int n, const std::vector<bool>& on, const std::vector<bool>& dc) {
  const uint32_t all = (1u << n) - 1;
  // Cubes by their cared-for mask; merged cubes lose their prime mark.
  std::map<uint32_t, std::set<uint32_t>> level;
  for (uint32_t c = 0; c <= all; ++c)
    if (on[c] || dc[c]) level[all].insert(c);
  std::vector<Product> primes;
  while (!level.empty()) {
    std::map<uint32_t, std::set<uint32_t>> next;
    for (const auto& [care, values] : level) {
      std::set<uint32_t> merged;
      for (uint32_t v : values)
        for (int k = 0; k < n; ++k) {
          const uint32_t bit = 1u << k;
          if ((care & bit) == 0 || (v & bit) != 0 || values.count(v | bit) == 0) continue;
          next[care & ~bit].insert(v);
          merged.insert(v);
          merged.insert(v | bit);
        }
      for (uint32_t v : values)
        if (merged.count(v) == 0) primes.push_back({care, v});
    }
    level = std::move(next);
  }
  std::vector<Product> useful;
  for (const Product& p : primes)
    for (uint32_t c = 0; c <= all; ++c)
      if (on[c] && p.Covers(c)) {
        useful.push_back(p);
        break;
      }
  return useful;
}

struct Cost {
  int products = 0;
  int literals = 0;
  auto operator<=>(const Cost&) const = default;
};

// The exact cover of the minterms left by the essential primes. Each node
// takes the primes that became essential, drops the primes another one
// dominates (covers no more of what is left, with no more literals), bounds
// the cost from below, and branches on the minterm with the fewest primes;
// the k-th branch excludes the primes of the branches before it, so no
// cover is reached twice.
class CCoverSearch {
 public:
  CCoverSearch(std::vector<Product> primes, std::vector<Minterms> covers, Minterms target)
      : m_primes(std::move(primes)), m_covers(std::move(covers)), m_target(target), m_useful(m_covers.size()) {
    for (const Product& p : m_primes) m_literals.push_back(LiteralsOf(p));
  }

  std::vector<size_t> Run() {
    std::vector<size_t> candidates(m_primes.size());
    for (size_t p = 0; p < candidates.size(); ++p) candidates[p] = p;
    std::vector<size_t> chosen;
    Search(m_target, std::move(candidates), chosen, Cost{});
    return m_best;
  }

 private:
  int Literals(size_t prime) const { return m_literals[prime]; }

  // The table of a node, in scratch space that the node's children reuse:
  // what each candidate covers of `left`, and the candidates of each
  // minterm left.
  void Tabulate(const Minterms& left, const std::vector<size_t>& candidates) {
    for (size_t m = left._Find_first(); m < 256; m = left._Find_next(m)) m_by[m].clear();
    for (size_t p : candidates) {
      m_useful[p] = m_covers[p] & left;
      for (size_t m = m_useful[p]._Find_first(); m < 256; m = m_useful[p]._Find_next(m)) m_by[m].push_back(p);
    }
  }

  // Minterms pairwise without a common candidate, fewest candidates first:
  // each needs a product of its own, of at least its cheapest candidate's
  // literals.
  Cost LowerBound(const Minterms& left) const {
    std::vector<std::pair<size_t, size_t>> order;  // (candidates covering it, minterm)
    for (size_t m = left._Find_first(); m < 256; m = left._Find_next(m)) order.emplace_back(m_by[m].size(), m);
    std::sort(order.begin(), order.end());
    Minterms blocked;
    Cost bound;
    for (const auto& [count, m] : order) {
      if (blocked.test(m)) continue;
      int cheapest = kMaxFormulaInputs;
      for (size_t p : m_by[m]) {
        blocked |= m_useful[p];
        cheapest = std::min(cheapest, Literals(p));
      }
      ++bound.products;
      bound.literals += cheapest;
    }
    return bound;
  }

  // Takes the candidates that alone cover a minterm left and drops the
  // dominated ones until neither changes anything; the table is then that
  // of the reduced node. False when a minterm has no candidate left.
  bool Reduce(Minterms& left, std::vector<size_t>& candidates, std::vector<size_t>& chosen, Cost& cost) {
    for (;;) {
      Tabulate(left, candidates);
      bool took = false;
      for (size_t m = left._Find_first(); m < 256; m = left._Find_next(m)) {
        if (m_by[m].empty()) return false;
        if (m_by[m].size() != 1 || !left.test(m)) continue;
        const size_t only = m_by[m].front();
        if (std::find(chosen.begin(), chosen.end(), only) != chosen.end()) continue;
        chosen.push_back(only);
        cost = {cost.products + 1, cost.literals + Literals(only)};
        left &= ~m_covers[only];
        took = true;
      }
      if (took) {
        std::erase_if(candidates, [&](size_t p) { return (m_covers[p] & left).none(); });
        continue;
      }
      // A candidate that covers nothing left goes, and so does one
      // dominated by another that covers its first minterm and everything
      // else it covers, with no more literals; of two equal candidates the
      // later one goes.
      const size_t before = candidates.size();
      std::erase_if(candidates, [&](size_t a) {
        const Minterms& useful = m_useful[a];
        if (useful.none()) return true;
        for (size_t b : m_by[useful._Find_first()]) {
          if (b == a || Literals(b) > Literals(a) || (useful & ~m_useful[b]).any()) continue;
          if (Literals(b) < Literals(a) || useful != m_useful[b] || b < a) return true;
        }
        return false;
      });
      if (candidates.size() == before) return true;
    }
  }

  void Search(Minterms left, std::vector<size_t> candidates, std::vector<size_t>& chosen, Cost cost) {
    // A search past its budget keeps the best cover it has found.
    if (++m_nodes > kNodeBudget && m_found) return;
    const size_t chosenBefore = chosen.size();
    const auto restore = [&] { chosen.resize(chosenBefore); };
    if (!Reduce(left, candidates, chosen, cost)) return restore();
    if (left.none()) {
      if (!m_found || cost < m_bestCost) {
        m_found = true;
        m_bestCost = cost;
        m_best = chosen;
      }
      return restore();
    }
    if (m_found) {
      const Cost bound = LowerBound(left);
      if (Cost{cost.products + bound.products, cost.literals + bound.literals} >= m_bestCost) return restore();
    }
    // Branch on the minterm with the fewest candidates covering it, the
    // candidates that cover most of what is left first.
    size_t pick = left._Find_first();
    for (size_t m = pick; m < 256; m = left._Find_next(m))
      if (m_by[m].size() < m_by[pick].size()) pick = m;
    std::vector<std::pair<size_t, size_t>> options;  // (minterms covered, candidate)
    for (size_t p : m_by[pick]) options.emplace_back(m_useful[p].count(), p);
    std::sort(options.begin(), options.end(), [&](const auto& a, const auto& b) {
      return a.first != b.first ? a.first > b.first : Literals(a.second) < Literals(b.second);
    });
    for (const auto& [count, p] : options) {
      std::erase(candidates, p);
      chosen.push_back(p);
      Search(left & ~m_covers[p], candidates, chosen, {cost.products + 1, cost.literals + Literals(p)});
      chosen.pop_back();
      // Later branches do without p: every cover with it has been seen.
    }
    restore();
  }

  // Far above what the tests' hardest eight-input functions need; a bound
  // on the time a pathological function may take.
  static constexpr long kNodeBudget = 2'000'000;

  std::vector<Product> m_primes;
  std::vector<Minterms> m_covers;
  std::vector<int> m_literals;  // of each prime
  Minterms m_target;
  long m_nodes = 0;
  bool m_found = false;
  Cost m_bestCost;
  std::vector<size_t> m_best;
  // Scratch of the node being reduced.
  std::vector<Minterms> m_useful;
  std::array<std::vector<size_t>, 256> m_by;
};

}  // namespace

int SopCover::Literals() const {
  int literals = 0;
  for (const Product& p : products) literals += LiteralsOf(p);
  return literals;
}

bool SopCover::Evaluate(uint32_t combination) const {
  return std::any_of(products.begin(), products.end(), [&](const Product& p) { return p.Covers(combination); });
}

SopCover MinimumSop(int inputs, const std::vector<bool>& on, const std::vector<bool>& dontCare) {
  SopCover result;
  const int n = std::clamp(inputs, 0, kMaxFormulaInputs);
  const uint32_t size = 1u << n;
  if (on.size() < size || dontCare.size() < size) return result;
  Minterms target;
  bool anyOff = false;
  for (uint32_t c = 0; c < size; ++c) {
    if (on[c] && !dontCare[c]) target.set(c);
    if (!on[c] && !dontCare[c]) anyOff = true;
  }
  if (target.none()) return result;       // constant 0
  if (!anyOff) return {{Product{0, 0}}};  // constant 1
  std::vector<bool> onOnly(size);
  for (uint32_t c = 0; c < size; ++c) onOnly[c] = target.test(c);
  const std::vector<Product> primes = PrimeImplicants(n, onOnly, dontCare);
  std::vector<Minterms> covers;
  for (const Product& p : primes) {
    Minterms m;
    for (uint32_t c = 0; c < size; ++c)
      if (p.Covers(c)) m.set(c);
    covers.push_back(m & target);
  }
  // Essential primes are in every cover: taken first, the rest searched.
  Minterms covered;
  std::vector<bool> taken(primes.size(), false);
  for (uint32_t c = 0; c < size; ++c) {
    if (!target.test(c)) continue;
    size_t only = SIZE_MAX, count = 0;
    for (size_t p = 0; p < primes.size(); ++p)
      if (covers[p].test(c)) ++count, only = p;
    if (count == 1 && !taken[only]) {
      taken[only] = true;
      covered |= covers[only];
    }
  }
  std::vector<Product> rest;
  std::vector<Minterms> restCovers;
  for (size_t p = 0; p < primes.size(); ++p) {
    if (taken[p]) {
      result.products.push_back(primes[p]);
    } else if ((covers[p] & ~covered).any()) {
      rest.push_back(primes[p]);
      restCovers.push_back(covers[p] & ~covered);
    }
  }
  CCoverSearch search(rest, restCovers, target & ~covered);
  for (size_t p : search.Run()) result.products.push_back(rest[p]);
  std::sort(result.products.begin(), result.products.end(), [](const Product& a, const Product& b) {
    const int la = LiteralsOf(a), lb = LiteralsOf(b);
    if (la != lb) return la < lb;
    // Products on the lower inputs first, as a reader lists them.
    const uint32_t ra = Reversed(a.care), rb = Reversed(b.care);
    return ra != rb ? ra > rb : a.value < b.value;
  });
  return result;
}

std::vector<SopCover> BlockFormulas(const CLogicalBlock& block) {
  const int n = block.m_inputCount;
  if (n < 0 || n > kMaxFormulaInputs || block.m_outputCount < 1) return {};
  const Words words = LPToWords(block.m_lp, block.m_wordDigits);
  const size_t size = size_t{1} << n;
  if (words.size() != size) return {};
  std::vector<SopCover> formulas;
  for (int k = 0; k < block.m_outputCount; ++k) {
    std::vector<bool> on(size), dc(size);
    for (size_t c = 0; c < size; ++c) {
      dc[c] = words[c] < 0;
      on[c] = words[c] >= 0 && ((words[c] >> k) & 1) != 0;
    }
    formulas.push_back(MinimumSop(n, on, dc));
  }
  return formulas;
}

std::string FormulaText(int output, const SopCover& cover) {
  // Appended piece by piece: GCC 12 at -O3 warns falsely (-Wrestrict)
  // inside an inlined operator+ of std::string.
  std::string text = "y";
  text.append(std::to_string(output)).append(" = ");
  if (cover.products.empty()) return text.append("0");
  for (size_t i = 0; i < cover.products.size(); ++i) {
    const Product& p = cover.products[i];
    if (i > 0) text += " | ";
    if (p.care == 0) return text.append("1");
    bool first = true;
    for (int k = 0; k < kMaxFormulaInputs; ++k) {
      if (((p.care >> k) & 1u) == 0) continue;
      if (!first) text += " & ";
      first = false;
      text.append(((p.value >> k) & 1u) ? "x" : "!x").append(std::to_string(k));
    }
  }
  return text;
}

}  // namespace lodex
