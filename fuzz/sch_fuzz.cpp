// Schematic reader, checks and evaluation: any text ends in a refusal or in a
// sequence of 2^n words of ceil(m / 4) hexadecimal digits, never in a crash
// or a read out of bounds.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "schimport/GateEval.h"
#include "schimport/NetlistCheck.h"
#include "schimport/SchReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  tarrow::SchNetlist netlist;
  tarrow::SchNullLog log;
  if (!tarrow::ReadSchematic(in, "fuzz.sch", netlist, log) || !tarrow::CheckNetlist(netlist, log)) return 0;
  const auto result = tarrow::EvaluateNetlist(netlist, log);
  if (!result) return 0;
  const size_t words = size_t{1} << (result->inputs > 0 ? result->inputs : 1);
  if (result->text.size() != words * static_cast<size_t>((result->outputs + 3) / 4)) std::abort();
  for (char c : result->text)
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) std::abort();
  return 0;
}
