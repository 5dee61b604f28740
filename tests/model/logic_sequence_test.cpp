#include <gtest/gtest.h>

#include "model/LogicSequence.h"

namespace lodex {
namespace {

TEST(LPToWords, ReadsWordsOfEachWidth) {
  EXPECT_EQ(LPToWords("0001", 1), (Words{0, 0, 0, 1}));
  EXPECT_EQ(LPToWords("0a1F", 2), (Words{10, 31}));
  EXPECT_EQ(LPToWords("fff", 3), (Words{0xfff}));
  EXPECT_EQ(LPToWords("7", 1).size(), 1u);  // n = 0: one word
}

TEST(LPToWords, StarRules) {
  EXPECT_EQ(LPToWords("**", 2), (Words{-1}));
  EXPECT_EQ(LPToWords("1*", 2), (Words{-1}));
  EXPECT_EQ(LPToWords("*1", 2), (Words{0}));  // -1 then +1
  EXPECT_EQ(LPToWords("0*1*", 1), (Words{0, -1, 1, -1}));
}

TEST(LPToWords, ForeignCharactersEmptyTheResult) {
  EXPECT_TRUE(LPToWords("00G0", 1).empty());
  EXPECT_TRUE(LPToWords("00 0", 1).empty());
  EXPECT_TRUE(LPToWords("0\xd0\x90", 1).empty());
  // Outside the contract, but still safe.
  EXPECT_TRUE(LPToWords("000", 2).empty());
  EXPECT_TRUE(LPToWords("00", 0).empty());
  EXPECT_EQ(LPToWords("FFFFFFFFFF", 10).size(), 1u);  // wide words wrap, no overflow
}

TEST(WordsToLP, PadsAndWritesUndefinedWords) {
  EXPECT_EQ(WordsToLP({0, 10, -1}, 2), "000a**");
  EXPECT_EQ(WordsToLP({0x1ab}, 2), "1ab");  // longer than D: written in full
  EXPECT_EQ(LPToWords(WordsToLP({-1, 3}, 3), 3), (Words{-1, 3}));
}

TEST(MergeWords, FillsUndefinedOrRefusesUnchanged) {
  Words a{-1, 1, -1};
  EXPECT_TRUE(MergeWords(a, {0, -1, -1}));
  EXPECT_EQ(a, (Words{0, 1, -1}));

  Words b{1, 2};
  EXPECT_FALSE(MergeWords(b, {1, 2, 3}));
  EXPECT_FALSE(MergeWords(b, {-1, 3}));
  EXPECT_EQ(b, (Words{1, 2}));
  EXPECT_TRUE(MergeWords(b, {1, 2}));
}

TEST(MatchLP, StarsMatchAnything) {
  EXPECT_TRUE(MatchLP("01*1", "0101"));
  EXPECT_TRUE(MatchLP("0101", "*1**"));
  EXPECT_FALSE(MatchLP("0111", "0101"));
  EXPECT_TRUE(MatchLP("01", "0111"));   // only A's length is compared
  EXPECT_FALSE(MatchLP("0111", "01"));  // a shorter B never matches
}

TEST(Bits, ConversionsBothWays) {
  EXPECT_EQ(IntToBits(6), "011");
  EXPECT_EQ(IntToBits(0), "");
  EXPECT_EQ(IntToBits(-1), "*");
  EXPECT_EQ(BitsToInt("011"), 6);
  EXPECT_EQ(BitsToInt("*"), -1);
  EXPECT_EQ(BitsToInt("*1"), 2);
  EXPECT_EQ(BitsToInt(""), 0);
  EXPECT_EQ(CountOnes("1*011"), 3);
}

TEST(PinValue, ReadsTheSourceBitOrZero) {
  EXPECT_EQ(PinValue(6, 0), '0');
  EXPECT_EQ(PinValue(6, 2), '1');
  EXPECT_EQ(PinValue(6, 5), '0');
  EXPECT_EQ(PinValue(0, 0), '0');
  EXPECT_EQ(PinValue(-1, 0), '*');
  EXPECT_EQ(PinValue(-1, 1), '0');
}

TEST(ProjectionPattern, IsTheInputBitOrItsComplement) {
  EXPECT_EQ(ProjectionPattern(8, 0, false), "01010101");
  EXPECT_EQ(ProjectionPattern(8, 1, false), "00110011");
  EXPECT_EQ(ProjectionPattern(8, 2, true), "11110000");
}

TEST(WordDigitsFor, FourOutputsADigit) {
  EXPECT_EQ(WordDigitsFor(1), 1);
  EXPECT_EQ(WordDigitsFor(4), 1);
  EXPECT_EQ(WordDigitsFor(5), 2);
  EXPECT_EQ(WordDigitsFor(12), 3);
}

// Words above 2^m - 1 are found by position; the leading digit of a word is
// the only one m can narrow.
TEST(WordRange, TheLeadingDigitBoundsTheWord) {
  EXPECT_EQ(MaxWordDigit(1, 0), 1);
  EXPECT_EQ(MaxWordDigit(2, 0), 3);
  EXPECT_EQ(MaxWordDigit(4, 0), 15);
  EXPECT_EQ(MaxWordDigit(6, 0), 3);
  EXPECT_EQ(MaxWordDigit(6, 1), 15);
  EXPECT_TRUE(WordDigitAllowed(2, 0, '3'));
  EXPECT_TRUE(WordDigitAllowed(2, 0, '*'));
  EXPECT_FALSE(WordDigitAllowed(2, 0, '9'));
  EXPECT_FALSE(WordDigitAllowed(2, 0, 'f'));
  EXPECT_TRUE(WordDigitAllowed(5, 1, 'f'));
  EXPECT_FALSE(WordDigitAllowed(5, 0, '2'));

  EXPECT_FALSE(FindWordOutOfRange("012332101122330*", 2));
  const auto wide = FindWordOutOfRange("012332101122330F", 2);
  ASSERT_TRUE(wide);
  EXPECT_EQ(wide->position, 15u);
  EXPECT_EQ(wide->word, "F");
  const auto two = FindWordOutOfRange("1f2f", 5);  // words 1F and 2F: 31 fits, 47 does not
  ASSERT_TRUE(two);
  EXPECT_EQ(two->position, 1u);
  EXPECT_EQ(two->word, "2f");
  EXPECT_FALSE(FindWordOutOfRange("FFFF", 4));
}

}  // namespace
}  // namespace lodex
