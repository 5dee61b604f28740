// The text of the sequence pane's two lists: the sequence of every logic
// block, and the project's source sequence.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/LogicalScheme.h"
#include "model/Translatable.h"

namespace lodex {

inline constexpr const char* kNoSequenceLine = LODEX_TRANSLATE_NOOP("lodex::App", "Нет последовательности");

// Sixteen words a line, one blank between words, three between groups of
// four, every line opening with seven blanks.
std::vector<std::string> LayoutSequence(std::string_view lp, int digits);

// For every logic block, "caption:" (printable) followed by its laid-out
// sequence. With `owners`, the block index of every line is stored there.
std::vector<std::string> ShowBlocks(const CLogicalScheme& scheme, std::vector<int>* owners = nullptr);
std::vector<std::string> ShowSource(std::string_view lp, int digits);

}  // namespace lodex
