// The weight of a pin as text: what the dialogs, the diagram and the
// exports write beside an input or output.
#pragma once

#include <string>

namespace lodex {

// The weight 2^bit of a pin written as the dialogs write it (the "%g" form
// of a floating-point value, so 8 prints as "8").
std::string WeightText(int bit);

}  // namespace lodex
