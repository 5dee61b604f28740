// Finding a block by what the user knows of it: its number in the scheme,
// its identifier or its caption.
#pragma once

#include <optional>
#include <string>

#include "model/LogicalScheme.h"

namespace lodex {

// The position a block name written as a decimal number gives (1 for the
// first logic block), or none for a name that is no number.
std::optional<int> BlockPosition(const std::string& name);
// Whether `index` designates a logic block of `scheme`.
bool IsLogicBlock(const CLogicalScheme& scheme, int index);

// The logic block that `query` names: a number is the block's position
// (1 for the first logic block), otherwise the identifier, otherwise the
// caption, compared without surrounding blanks; -1 when none matches.
int FindLogicBlock(const CLogicalScheme& scheme, const std::string& query);

}  // namespace lodex
