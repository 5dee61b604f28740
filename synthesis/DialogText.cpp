#include "synthesis/DialogText.h"

#include <cmath>
#include <cstdio>

namespace lodex {

std::string WeightText(int bit) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", std::ldexp(1.0, bit));
  return text;
}

}  // namespace lodex
