#include "model/WeightText.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace lodex {
namespace {

std::string FormatWeight(int bit) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", std::ldexp(1.0, bit));
  return text;
}

}  // namespace

std::string WeightText(int bit) {
  // The weights of 32-bit pin masks, formatted once: a serial split list
  // writes one per input on every row.
  static const std::array<std::string, 32> kTexts = [] {
    std::array<std::string, 32> texts;
    for (int k = 0; k < 32; ++k) texts[static_cast<size_t>(k)] = FormatWeight(k);
    return texts;
  }();
  return bit >= 0 && bit < 32 ? kTexts[static_cast<size_t>(bit)] : FormatWeight(bit);
}

}  // namespace lodex
