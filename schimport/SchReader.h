// The schematic reader: collects nets, ports and gate instances of an ECS
// schematic, in its text form (VERSION 6 lines, names quoted or not) or its
// XML form (<drawing> with a <netlist>), into a netlist.
//
// The text form is read line by line; a line counts by its first words
// (SIGNAL, BEGIN SIGNAL, PORT Input, PORT Output, BEGIN BLOCK, PIN, ATTR, END
// BLOCK) and every other line is skipped. The XML form is scanned tag by tag
// inside <netlist>. Both feed the same steps, so they log the same trace.
//
// A block whose type is no library part is a sub-schematic: TYPE.sch (name in
// any case) in the folder of the schematic that uses it, read in turn.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "schimport/SchLog.h"
#include "schimport/SchNetlist.h"

namespace tarrow {

// Longer lines are refused.
inline constexpr size_t kMaxLineLength = 510;

// Buses wider than this are refused: as many nets as the parts a schematic
// may hold.
inline constexpr int kMaxBusWidth = 65536;

// A schematic whose hierarchy expands to more nets than this is refused.
inline constexpr size_t kMaxNets = size_t{1} << 20;

// An XML schematic larger than this is refused.
inline constexpr size_t kMaxXmlSize = size_t{16} << 20;

// Sub-schematics nest at most this deep.
inline constexpr size_t kMaxDepth = 16;

// A hierarchy that expands to more parts than this is refused; every use of
// a sub-schematic counts as one part besides the parts it holds.
inline constexpr uint64_t kMaxGates = 65536;

// What the reading of one schematic with its sub-schematics shares.
struct SchHierarchy {
  std::vector<std::filesystem::path> open;  // the schematics being read, outermost first
  std::map<std::filesystem::path, std::shared_ptr<const SchSub>> read;
};

// The number of the first net called `name` (trimmed of blanks); -1 for
// "UNDEF" and for names that were not declared.
int32_t FindSignal(const std::vector<std::string>& signalNames, std::string_view name);

// Reads the schematic `in` into `netlist` (emptied first), logging the path
// `fullPath` and every item it recognises. With `hierarchy`, blocks of other
// types are looked up as sub-schematics beside `fullPath`; without, they are
// refused. False, with the reason logged, when the schematic is refused.
bool ReadSchematic(std::istream& in, const std::string& fullPath, SchNetlist& netlist, SchLog& log,
                   SchHierarchy* hierarchy = nullptr);

}  // namespace tarrow
