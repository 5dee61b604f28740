// Logic sequences: the text form of a truth table and its word-array form.
//
// A sequence of a function with n inputs and m outputs holds 2^n words of
// WordDigitsFor(m) hexadecimal digits, one word per input combination in
// ascending order. Input k is bit k of the combination index; output k is
// bit k of the word. A word of '*' characters is undefined (-1 in word form).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lodex {

using Words = std::vector<int32_t>;

// Digits per word for m outputs: ceil(m / 4).
constexpr int WordDigitsFor(int outputs) { return (outputs + 3) / 4; }

// Parses a sequence into words of `digits` characters each. The text is
// upper-cased first; a '*' sets its word to -1 and later digits of the same
// word still add to it ("*1" reads as 0). Any character other than a
// hexadecimal digit or '*' yields an empty array, as does a length that is
// not a multiple of `digits` or digits < 1.
Words LPToWords(std::string_view text, int digits);

// Writes words as lower-case hexadecimal left-padded to `digits`; -1 becomes
// `digits` '*' characters; a longer value is written in full.
std::string WordsToLP(const Words& words, int digits);

// Fills the undefined words of `a` from `b` when the arrays agree wherever
// both are defined; otherwise returns false and leaves `a` unchanged.
bool MergeWords(Words& a, const Words& b);

// True when every character of `a` equals the one of `b` at the same place or
// either is '*'. A `b` shorter than `a` never matches.
bool MatchLP(std::string_view a, std::string_view b);

// Bits of v, least significant first, without leading zeros ("" for 0);
// "*" for -1.
std::string IntToBits(int32_t v);

// Inverse of IntToBits: -1 for exactly "*", else the sum of 2^k over the
// positions k that hold '1'.
int32_t BitsToInt(std::string_view bits);

// Number of '1' characters.
int CountOnes(std::string_view text);

// Character `pin` of IntToBits(value), or '0' past its end: what an input
// linked to that pin of a source holding `value` reads.
char PinValue(int32_t value, int pin);

// The one-output sequence of `length` characters that equals input k ('1'
// where bit k of the index is set), or its complement.
std::string ProjectionPattern(size_t length, int k, bool complement);

// True when `c` is a hexadecimal digit (either case) or '*'.
constexpr bool IsSequenceChar(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || c == '*';
}

std::string ToUpperAscii(std::string_view text);

// The largest value digit `digit` (0 = the most significant) of a word may
// take when the word has `outputs` bits: 15 for a full digit, less for the
// leading one when outputs is not a multiple of 4 (1 output: 0..1). An
// entry field offers the digits 0..this and '*'.
int MaxWordDigit(int outputs, int digit);

// True when `c` may stand at digit `digit` of a word of `outputs` bits: '*',
// or a hexadecimal digit (either case) within MaxWordDigit.
bool WordDigitAllowed(int outputs, int digit, char c);

// The first word of a sequence that `outputs` bits cannot hold (above
// 2^outputs - 1): its position (the input combination) and its text.
struct WordOutOfRange {
  size_t position = 0;
  std::string word;
};
std::optional<WordOutOfRange> FindWordOutOfRange(std::string_view lp, int outputs);

}  // namespace lodex
