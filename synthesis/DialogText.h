// Small text helpers shared by the synthesis dialogs' contents.
#pragma once

#include <string>

namespace lodex {

// The weight 2^bit of a pin written as the dialogs write it (the "%g" form
// of a floating-point value, so 8 prints as "8").
std::string WeightText(int bit);

}  // namespace lodex
