#include "schimport/NetlistCheck.h"

#include <optional>
#include <string>
#include <vector>

#include "schimport/GateType.h"

namespace tarrow {
namespace {

constexpr int kNoDriver = -1;
constexpr int kInputPort = -2;

bool InRange(const SchNetlist& n, int32_t net) { return net >= 0 && static_cast<size_t>(net) < n.SignalNames.size(); }

std::string NetText(const SchNetlist& n, int32_t net) {
  return std::to_string(net) + " (" + ShownName(n.SignalNames[static_cast<size_t>(net)]) + ")";
}

const SchNetlist* SubOf(const SchNetlist& n, const SchBlock& b) {
  if (b.Sub < 0 || static_cast<size_t>(b.Sub) >= n.Subs.size()) return nullptr;
  return &n.Subs[static_cast<size_t>(b.Sub)]->Netlist;
}

bool CheckBlock(const SchNetlist& n, const SchBlock& b, SchLog& log) {
  const std::string name = ShownName(b.Name);
  const std::optional<GateType> gate = ParseGateType(b.Type);
  const SchNetlist* sub = SubOf(n, b);
  if (!gate && !sub)
    return LogFailure(log,
                      "the block " + name + " has the type " + ShownName(b.Type) + ", which is not a supported part");
  const size_t outputs = gate ? gate->outputNames.size() : sub->OutputPorts.size();
  const std::vector<std::string> inputs = InputPinNames(n, b);
  if (b.Inputs.size() != inputs.size() || b.Outputs.size() != outputs)
    return LogFailure(log, "the block " + name + " does not have the pins of " + ShownName(b.Type));
  for (int32_t net : b.Outputs)
    if (net != kUnconnected && !InRange(n, net))
      return LogFailure(log, "an output pin of " + name + " names no declared net");
  for (size_t pin = 0; pin < b.Inputs.size(); ++pin) {
    const std::string what = "the input pin " + ShownName(inputs[pin]) + " of " + name;
    if (b.Inputs[pin] == kUnconnected) return LogFailure(log, what + " (" + ShownName(b.Type) + ") is not connected");
    if (!InRange(n, b.Inputs[pin])) return LogFailure(log, what + " names no declared net");
  }
  if (gate && gate->op == GateOp::Const && !ParseConstantValue(b.Value))
    return LogFailure(log, "the constant " + name + " has the value \"" + ShownName(b.Value) +
                               "\", which is not a hexadecimal number of at most 16 digits");
  return true;
}

// Walks back from the output ports through the blocks that drive them:
// every net met must be driven. Blocks may feed each other; whether gates
// form a loop is decided on the expanded gate network.
bool CheckCone(const SchNetlist& n, const std::vector<int>& driver, SchLog& log) {
  std::vector<char> seen(n.Blocks.size(), 0);
  std::vector<size_t> pending;
  for (const SchPort& port : n.OutputPorts) {
    const int d = driver[static_cast<size_t>(port.net)];
    if (d == kNoDriver)
      return LogFailure(
          log, "the output port " + ShownName(n.SignalNames[static_cast<size_t>(port.net)]) + " is not driven");
    if (d >= 0 && !seen[static_cast<size_t>(d)]) {
      seen[static_cast<size_t>(d)] = 1;
      pending.push_back(static_cast<size_t>(d));
    }
  }
  while (!pending.empty()) {
    const SchBlock& b = n.Blocks[pending.back()];
    pending.pop_back();
    for (int32_t net : b.Inputs) {
      const int from = driver[static_cast<size_t>(net)];
      if (from == kNoDriver)
        return LogFailure(
            log, "the net " + NetText(n, net) + " is not driven, but the block " + ShownName(b.Name) + " reads it");
      if (from >= 0 && !seen[static_cast<size_t>(from)]) {
        seen[static_cast<size_t>(from)] = 1;
        pending.push_back(static_cast<size_t>(from));
      }
    }
  }
  return true;
}

}  // namespace

std::vector<std::string> InputPinNames(const SchNetlist& n, const SchBlock& b) {
  if (const std::optional<GateType> gate = ParseGateType(b.Type)) return gate->inputNames;
  std::vector<std::string> names;
  if (const SchNetlist* sub = SubOf(n, b))
    for (const SchPort& p : sub->InputPorts) names.push_back(sub->SignalNames[static_cast<size_t>(p.net)]);
  return names;
}

bool CheckNetlist(const SchNetlist& n, SchLog& log, CheckScope scope) {
  if (n.SignalValues.size() != n.SignalNames.size()) return LogFailure(log, "the net tables differ in length");
  for (const SchPort& port : n.InputPorts)
    if (!InRange(n, port.net)) return LogFailure(log, "an input port names no declared net");
  for (const SchPort& port : n.OutputPorts)
    if (!InRange(n, port.net)) return LogFailure(log, "an output port names no declared net");
  if (scope == CheckScope::Top && n.OutputPorts.empty()) return LogFailure(log, "the schematic has no output port");

  // The block that computes each net.
  std::vector<int> driver(n.SignalNames.size(), kNoDriver);
  for (const SchPort& port : n.InputPorts) driver[static_cast<size_t>(port.net)] = kInputPort;
  for (size_t i = 0; i < n.Blocks.size(); ++i) {
    const SchBlock& b = n.Blocks[i];
    if (!CheckBlock(n, b, log)) return false;
    for (int32_t out : b.Outputs) {
      if (out == kUnconnected) continue;
      int& d = driver[static_cast<size_t>(out)];
      if (d == kInputPort)
        return LogFailure(log,
                          "the gate " + ShownName(b.Name) + " drives the net " + NetText(n, out) + " of an input port");
      if (d >= 0)
        return LogFailure(log, "the net " + NetText(n, out) + " is driven by both " +
                                   ShownName(n.Blocks[static_cast<size_t>(d)].Name) + " and " + ShownName(b.Name));
      d = static_cast<int>(i);
    }
  }
  return CheckCone(n, driver, log);
}

}  // namespace tarrow
