#include "synthesis/TruthTable.h"

#include <bit>
#include <utility>

namespace lodex {
namespace {

// Bits of a word whose combination has input k (k < 6) clear.
constexpr uint64_t kLowHalf[6] = {0x5555555555555555u, 0x3333333333333333u, 0x0F0F0F0F0F0F0F0Fu,
                                  0x00FF00FF00FF00FFu, 0x0000FFFF0000FFFFu, 0x00000000FFFFFFFFu};

size_t WordsFor(int inputs) { return inputs <= 6 ? 1 : size_t{1} << (inputs - 6); }

}  // namespace

TruthTable::TruthTable(int inputs, bool value) : m_inputs(inputs), m_words(WordsFor(inputs), value ? ~0ull : 0) {
  ClearUnused();
}

TruthTable TruthTable::Projection(int inputs, int k) {
  TruthTable t(inputs);
  for (size_t w = 0; w < t.m_words.size(); ++w) t.m_words[w] = k < 6 ? ~kLowHalf[k] : ((w >> (k - 6)) & 1u ? ~0ull : 0);
  t.ClearUnused();
  return t;
}

void TruthTable::ClearUnused() {
  if (m_inputs < 6 && !m_words.empty()) m_words[0] &= (uint64_t{1} << (size_t{1} << m_inputs)) - 1;
}

TruthTable& TruthTable::operator&=(const TruthTable& other) {
  for (size_t w = 0; w < m_words.size(); ++w) m_words[w] &= other.m_words[w];
  return *this;
}

TruthTable& TruthTable::operator|=(const TruthTable& other) {
  for (size_t w = 0; w < m_words.size(); ++w) m_words[w] |= other.m_words[w];
  return *this;
}

TruthTable& TruthTable::operator^=(const TruthTable& other) {
  for (size_t w = 0; w < m_words.size(); ++w) m_words[w] ^= other.m_words[w];
  return *this;
}

TruthTable TruthTable::operator~() const {
  TruthTable t = *this;
  for (uint64_t& w : t.m_words) w = ~w;
  t.ClearUnused();
  return t;
}

bool TruthTable::IsZero() const {
  for (uint64_t w : m_words)
    if (w != 0) return false;
  return true;
}

bool TruthTable::Intersects(const TruthTable& other) const {
  for (size_t w = 0; w < m_words.size(); ++w)
    if ((m_words[w] & other.m_words[w]) != 0) return true;
  return false;
}

bool TruthTable::EqualOn(const TruthTable& other, const TruthTable& care) const {
  for (size_t w = 0; w < m_words.size(); ++w)
    if (((m_words[w] ^ other.m_words[w]) & care.m_words[w]) != 0) return false;
  return true;
}

size_t TruthTable::Count() const {
  size_t count = 0;
  for (uint64_t w : m_words) count += static_cast<size_t>(std::popcount(w));
  return count;
}

size_t TruthTable::FirstSet() const {
  for (size_t w = 0; w < m_words.size(); ++w)
    if (m_words[w] != 0) return (w << 6) + static_cast<size_t>(std::countr_zero(m_words[w]));
  return Bits();
}

uint64_t TruthTable::Hash() const {
  uint64_t h = 0x9E3779B97F4A7C15u ^ static_cast<uint64_t>(m_inputs);
  for (uint64_t w : m_words) {
    h ^= w + 0x9E3779B97F4A7C15u + (h << 6) + (h >> 2);
    h *= 0xBF58476D1CE4E5B9u;
  }
  return h ^ (h >> 31);
}

TruthTable TruthTable::Flipped(int k) const {
  TruthTable t = *this;
  if (k < 6) {
    const int shift = 1 << k;
    for (uint64_t& w : t.m_words) w = ((w & kLowHalf[k]) << shift) | ((w >> shift) & kLowHalf[k]);
  } else {
    const size_t stride = size_t{1} << (k - 6);
    for (size_t w = 0; w < t.m_words.size(); ++w)
      if ((w & stride) == 0) std::swap(t.m_words[w], t.m_words[w | stride]);
  }
  return t;
}

bool TruthTable::DependsOn(int k, const TruthTable& care) const {
  if (k < 6) {
    const int shift = 1 << k;
    for (size_t w = 0; w < m_words.size(); ++w) {
      const uint64_t both = care.m_words[w] & (care.m_words[w] >> shift) & kLowHalf[k];
      if (((m_words[w] ^ (m_words[w] >> shift)) & both) != 0) return true;
    }
    return false;
  }
  const size_t stride = size_t{1} << (k - 6);
  for (size_t w = 0; w < m_words.size(); ++w)
    if ((w & stride) == 0 && ((m_words[w] ^ m_words[w | stride]) & care.m_words[w] & care.m_words[w | stride]) != 0)
      return true;
  return false;
}

int TruthTable::CompareOn(const TruthTable& other, const TruthTable& care) const {
  bool same = true, opposite = true;
  for (size_t w = 0; w < m_words.size() && (same || opposite); ++w) {
    const uint64_t diff = (m_words[w] ^ other.m_words[w]) & care.m_words[w];
    same = same && diff == 0;
    opposite = opposite && diff == care.m_words[w];
  }
  return same ? 0 : opposite ? 1 : -1;
}

TruthTable TruthTable::Exists(int k) const { return *this | Flipped(k); }

}  // namespace lodex
