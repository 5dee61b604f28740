// Finding a block by what the user knows of it: its number in the scheme,
// its identifier or its caption.
#pragma once

#include <string>

#include "model/LogicalScheme.h"

namespace lodex {

// The logic block that `query` names: a number is the block's position
// (1 for the first logic block), otherwise the identifier, otherwise the
// caption, compared without surrounding blanks; -1 when none matches.
int FindLogicBlock(const CLogicalScheme& scheme, const std::string& query);

}  // namespace lodex
