// A truth table of up to 24 inputs as a bit vector: bit i holds the value at
// input combination i, input k being bit k of i.
//
// A small value type for the synthesis algorithms that compute with whole
// functions at once (64 combinations a machine word). An incompletely
// specified function is a pair of them: its values and the combinations
// where they matter (the care set).
// Cost: O(2^n / 64) a word-wise operation, O(2^n) a bit-wise one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lodex {

class TruthTable {
 public:
  TruthTable() = default;
  // All combinations of `inputs` inputs set to `value`.
  explicit TruthTable(int inputs, bool value = false);
  // The function that equals input k.
  static TruthTable Projection(int inputs, int k);

  int Inputs() const { return m_inputs; }
  size_t Bits() const { return size_t{1} << m_inputs; }
  size_t WordCount() const { return m_words.size(); }
  uint64_t Word(size_t w) const { return m_words[w]; }
  uint64_t& Word(size_t w) { return m_words[w]; }

  bool Get(size_t i) const { return (m_words[i >> 6] >> (i & 63)) & 1u; }
  void Set(size_t i) { m_words[i >> 6] |= uint64_t{1} << (i & 63); }
  void Assign(size_t i, bool value) {
    if (value)
      Set(i);
    else
      m_words[i >> 6] &= ~(uint64_t{1} << (i & 63));
  }

  TruthTable& operator&=(const TruthTable& other);
  TruthTable& operator|=(const TruthTable& other);
  TruthTable& operator^=(const TruthTable& other);
  TruthTable operator~() const;
  friend TruthTable operator&(TruthTable a, const TruthTable& b) { return a &= b; }
  friend TruthTable operator|(TruthTable a, const TruthTable& b) { return a |= b; }
  friend TruthTable operator^(TruthTable a, const TruthTable& b) { return a ^= b; }
  bool operator==(const TruthTable&) const = default;

  bool IsZero() const;
  // True when this and `other` share a set combination.
  bool Intersects(const TruthTable& other) const;
  // True when this and `other` differ on no combination of `care`.
  bool EqualOn(const TruthTable& other, const TruthTable& care) const;
  size_t Count() const;
  // The lowest set combination, or Bits() when none is.
  size_t FirstSet() const;
  uint64_t Hash() const;

  // True when two combinations of `care` that differ in input k only have
  // different values: the function depends on input k there.
  bool DependsOn(int k, const TruthTable& care) const;
  // 0 when this equals `other` on every combination of `care`, 1 when it
  // equals its complement there, -1 otherwise.
  int CompareOn(const TruthTable& other, const TruthTable& care) const;

  // The table with input k flipped: g(i) = f(i ^ 2^k).
  TruthTable Flipped(int k) const;
  // The existential quantification over input k: g(i) = f(i) | f(i ^ 2^k).
  TruthTable Exists(int k) const;

 private:
  void ClearUnused();

  int m_inputs = 0;
  std::vector<uint64_t> m_words;
};

}  // namespace lodex
