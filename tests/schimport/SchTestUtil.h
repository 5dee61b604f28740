// Helpers of the schematic-import tests: schematics written in the editor's
// layout, the whole computation on text, and temporary folders.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "schimport/GateEval.h"
#include "schimport/NetlistCheck.h"
#include "schimport/SchReader.h"
#include "schimport/TempDir.h"

namespace tarrow::testing {

struct Gate {
  std::string name;
  std::string type;
  std::vector<std::pair<std::string, std::string>> pins;  // pin name, net
};

// A schematic in the editor's layout: header, netlist with nets, ports,
// symbol definitions and instances, then the sheet with wires and markers.
inline std::string Schematic(const std::vector<std::string>& nets, const std::vector<std::string>& inputs,
                             const std::vector<std::string>& outputs, const std::vector<Gate>& gates) {
  std::string s =
      "VERSION 6\r\nBEGIN SCHEMATIC\r\n    BEGIN ATTR DeviceFamilyName \"spartan3e\"\r\n"
      "        DELETE all:0\r\n    END ATTR\r\n    BEGIN NETLIST\r\n";
  for (const auto& n : nets) s += "        SIGNAL " + n + "\r\n";
  for (const auto& p : inputs) s += "        PORT Input " + p + "\r\n";
  for (const auto& p : outputs) s += "        PORT Output " + p + "\r\n";
  for (const auto& g : gates)
    s += "        BEGIN BLOCKDEF " + g.type +
         "\r\n            TIMESTAMP 2000 1 1 10 10 10\r\n"
         "            LINE N 0 -64 64 -64 \r\n            LINE N 256 -96 192 -96 \r\n        END BLOCKDEF\r\n";
  for (const auto& g : gates) {
    s += "        BEGIN BLOCK " + g.name + " " + g.type + "\r\n";
    for (const auto& [pin, net] : g.pins) s += "            PIN " + pin + " " + net + "\r\n";
    s += "        END BLOCK\r\n";
  }
  s += "    END NETLIST\r\n    BEGIN SHEET 1 3520 2720\r\n";
  int y = 320;
  for (const auto& n : nets) {
    s += "        BEGIN BRANCH " + n + "\r\n            WIRE 512 " + std::to_string(y) + " 704 " + std::to_string(y) +
         "\r\n        END BRANCH\r\n";
    y += 64;
  }
  for (const auto& g : gates) s += "        INSTANCE " + g.name + " 1024 1024 R0\r\n";
  for (const auto& p : inputs) s += "        IOMARKER 512 320 " + p + " R180 28\r\n";
  s += "    END SHEET\r\nEND SCHEMATIC\r\n";
  return s;
}

struct Run {
  std::optional<SchSequence> result;
  std::vector<std::string> log;
  SchNetlist netlist;
};

// Reads, checks and evaluates a schematic text with an in-memory log.
inline Run Evaluate(const std::string& text) {
  Run run;
  std::istringstream in(text);
  SchMemoryLog log;
  if (ReadSchematic(in, "/x/test.sch", run.netlist, log) && CheckNetlist(run.netlist, log))
    run.result = EvaluateNetlist(run.netlist, log);
  run.log = std::move(log.lines);
  return run;
}

inline std::string Text(const std::optional<SchSequence>& r) { return r ? r->text : "<failed>"; }

// `count` log lines from the first one equal to `first`.
inline std::vector<std::string> LogFrom(const Run& run, const std::string& first, size_t count) {
  auto at = std::find(run.log.begin(), run.log.end(), first);
  const auto left = static_cast<size_t>(run.log.end() - at);
  return std::vector<std::string>(at, at + static_cast<std::ptrdiff_t>(std::min(count, left)));
}

inline std::string LastLine(const Run& run) { return run.log.empty() ? "" : run.log.back(); }

}  // namespace tarrow::testing
