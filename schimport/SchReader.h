// The schematic reader: a keyword scanner over the lines of an ECS schematic
// that collects nets, ports and gate instances into a netlist.
//
// Each line is tested for the keywords in a fixed order (SIGNAL, PORT Input,
// PORT Output, BEGIN BLOCK, PIN I, PIN O); a matching test replaces the line
// by the text after its keyword, and lines without a keyword are skipped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "schimport/SchLog.h"
#include "schimport/SchNetlist.h"

namespace tarrow {

// Longer lines are refused.
inline constexpr size_t kMaxLineLength = 510;

// Buses wider than this are refused.
inline constexpr int kMaxBusWidth = 64;

// When `keyword` occurs in `line`: `line` becomes the text after its first
// occurrence, trimmed of blanks, and the result is the text before it, or
// "-1" when that is empty. Otherwise the result is the whole line and `line`
// becomes "UNDEF".
std::string SplitAtKeyword(std::string& line, std::string_view keyword);

// The number of the first net called `name` (trimmed of blanks); -1 for
// "UNDEF" and for names that were not declared.
int32_t FindSignal(const std::vector<std::string>& signalNames, std::string_view name);

// Reads the schematic `in` into `netlist` (emptied first), logging the path
// `fullPath` and every line it recognises. False, with the reason logged,
// when the file cannot be read, a line is too long, a port or pin names an
// undeclared net, a gate's type is not supported or a pin lies beyond its
// inputs.
bool ReadSchematic(std::istream& in, const std::string& fullPath, SchNetlist& netlist, SchLog& log);

}  // namespace tarrow
