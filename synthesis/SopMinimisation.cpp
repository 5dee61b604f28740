#include "synthesis/SopMinimisation.h"

#include <algorithm>
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

class CCoverSearch {
 public:
  CCoverSearch(std::vector<Product> primes, std::vector<Minterms> covers, Minterms target)
      : m_primes(std::move(primes)), m_covers(std::move(covers)), m_target(target) {}

  std::vector<size_t> Run() {
    std::vector<size_t> chosen;
    Search(Minterms(), chosen, Cost{});
    return m_best;
  }

 private:
  // Minterms pairwise without a common prime: each needs its own product.
  int LowerBound(const Minterms& left) const {
    Minterms blocked;
    int bound = 0;
    for (size_t m = 0; m < 256; ++m) {
      if (!left.test(m) || blocked.test(m)) continue;
      ++bound;
      for (size_t p = 0; p < m_covers.size(); ++p)
        if (m_covers[p].test(m)) blocked |= m_covers[p];
    }
    return bound;
  }

  void Search(const Minterms& covered, std::vector<size_t>& chosen, Cost cost) {
    // A search that runs out of nodes keeps the best cover it has found.
    if (++m_nodes > kNodeBudget && m_found) return;
    const Minterms left = m_target & ~covered;
    if (left.none()) {
      if (!m_found || cost < m_bestCost) {
        m_found = true;
        m_bestCost = cost;
        m_best = chosen;
      }
      return;
    }
    // Every product still to come has a literal at least.
    if (m_found) {
      const int bound = LowerBound(left);
      if (Cost{cost.products + bound, cost.literals + bound} >= m_bestCost) return;
    }
    // Branch on the minterm with the fewest primes covering it.
    size_t pick = 0;
    size_t fewest = SIZE_MAX;
    for (size_t m = 0; m < 256; ++m) {
      if (!left.test(m)) continue;
      size_t count = 0;
      for (const Minterms& c : m_covers) count += c.test(m);
      if (count < fewest) {
        fewest = count;
        pick = m;
      }
    }
    std::vector<size_t> options;
    for (size_t p = 0; p < m_covers.size(); ++p)
      if (m_covers[p].test(pick)) options.push_back(p);
    std::sort(options.begin(), options.end(), [&](size_t a, size_t b) {
      const size_t ca = (m_covers[a] & left).count(), cb = (m_covers[b] & left).count();
      return ca != cb ? ca > cb : LiteralsOf(m_primes[a]) < LiteralsOf(m_primes[b]);
    });
    for (size_t p : options) {
      chosen.push_back(p);
      Search(covered | m_covers[p], chosen, {cost.products + 1, cost.literals + LiteralsOf(m_primes[p])});
      chosen.pop_back();
    }
  }

  static constexpr long kNodeBudget = 200'000;

  std::vector<Product> m_primes;
  std::vector<Minterms> m_covers;
  Minterms m_target;
  long m_nodes = 0;
  bool m_found = false;
  Cost m_bestCost;
  std::vector<size_t> m_best;
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
