#include "schimport/NetlistCheck.h"

#include <optional>
#include <string>
#include <vector>

#include "schimport/GateType.h"

namespace tarrow {
namespace {

bool InRange(const SchNetlist& n, int32_t net) { return net >= 0 && static_cast<size_t>(net) < n.SignalNames.size(); }

std::string NetText(const SchNetlist& n, int32_t net) {
  return std::to_string(net) + " (" + n.SignalNames[static_cast<size_t>(net)] + ")";
}

bool CheckBlock(const SchNetlist& n, const SchBlock& b, SchLog& log) {
  const std::optional<GateType> gate = ParseGateType(b.Type);
  if (!gate)
    return LogFailure(log, "the block " + b.Name + " has the type " + b.Type + ", which is not a supported gate");
  if (b.Outputs.empty()) return LogFailure(log, "the gate " + b.Name + " has no output pin");
  for (int32_t net : b.Outputs)
    if (!InRange(n, net)) return LogFailure(log, "an output pin of " + b.Name + " names no declared net");
  if (b.Inputs.size() > static_cast<size_t>(gate->inputs))
    return LogFailure(
        log, "the gate " + b.Name + " has more input pins than the " + std::to_string(gate->inputs) + " of " + b.Type);
  for (size_t pin = 0; pin < b.Inputs.size(); ++pin) {
    if (b.Inputs[pin] == kUnconnected)
      return LogFailure(
          log, "the input pin I" + std::to_string(pin) + " of " + b.Name + " is not connected, but a higher pin is");
    if (!InRange(n, b.Inputs[pin]))
      return LogFailure(log, "the input pin I" + std::to_string(pin) + " of " + b.Name + " names no declared net");
  }
  if (gate->needsAllInputs && b.Inputs.size() < static_cast<size_t>(gate->inputs))
    return LogFailure(log, "the input pin I" + std::to_string(b.Inputs.size()) + " of " + b.Name + " (" + b.Type +
                               ") is not connected");
  return true;
}

}  // namespace

bool CheckNetlist(const SchNetlist& n, SchLog& log) {
  if (n.SignalValues.size() != n.SignalNames.size()) return LogFailure(log, "the net tables differ in length");
  for (const SchPort& port : n.InputPorts)
    if (!InRange(n, port.net)) return LogFailure(log, "an input port names no declared net");
  for (const SchPort& port : n.OutputPorts)
    if (!InRange(n, port.net)) return LogFailure(log, "an output port names no declared net");
  if (n.InputPorts.size() > static_cast<size_t>(kMaxInputPorts))
    return LogFailure(log, "the schematic has " + std::to_string(n.InputPorts.size()) + " input ports; at most " +
                               std::to_string(kMaxInputPorts) + " are supported");
  if (n.OutputPorts.empty()) return LogFailure(log, "the schematic has no output port");

  // The gate that computes each net: -1 none, -2 an input port.
  std::vector<int> driver(n.SignalNames.size(), -1);
  for (const SchPort& port : n.InputPorts) driver[static_cast<size_t>(port.net)] = -2;
  for (size_t i = 0; i < n.Blocks.size(); ++i) {
    const SchBlock& b = n.Blocks[i];
    if (!CheckBlock(n, b, log)) return false;
    int& d = driver[static_cast<size_t>(b.Outputs.front())];
    if (d == -2)
      return LogFailure(
          log, "the gate " + b.Name + " drives the net " + NetText(n, b.Outputs.front()) + " of an input port");
    if (d >= 0)
      return LogFailure(log, "the net " + NetText(n, b.Outputs.front()) + " is driven by both " +
                                 n.Blocks[static_cast<size_t>(d)].Name + " and " + b.Name);
    d = static_cast<int>(i);
  }
  return true;
}

}  // namespace tarrow
