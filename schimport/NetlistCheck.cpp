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

std::string NetName(const SchNetlist& n, int32_t net) { return ShownName(n.SignalNames[static_cast<size_t>(net)]); }

const SchNetlist* SubOf(const SchNetlist& n, const SchBlock& b) {
  if (b.Sub < 0 || static_cast<size_t>(b.Sub) >= n.Subs.size()) return nullptr;
  return &n.Subs[static_cast<size_t>(b.Sub)]->Netlist;
}

bool CheckBlock(const SchNetlist& n, const SchBlock& b, SchLog& log) {
  const std::string name = ShownName(b.Name);
  const std::optional<GateType> gate = ParseGateType(b.Type);
  const SchNetlist* sub = SubOf(n, b);
  if (!gate && !sub) return LogFailure(log, Reason(ReasonCode::SchUnsupportedType, {name, ShownName(b.Type)}));
  const size_t outputs = gate ? gate->outputNames.size() : sub->OutputPorts.size();
  const std::vector<std::string> inputs = InputPinNames(n, b);
  if (b.Inputs.size() != inputs.size() || b.Outputs.size() != outputs)
    return LogFailure(log, Reason(ReasonCode::SchPinsMismatch, {name, ShownName(b.Type)}));
  for (int32_t net : b.Outputs)
    if (net != kUnconnected && !InRange(n, net))
      return LogFailure(log, Reason(ReasonCode::SchOutputPinUndeclared, {name}));
  for (size_t pin = 0; pin < b.Inputs.size(); ++pin) {
    const std::string pinName = ShownName(inputs[pin]);
    if (b.Inputs[pin] == kUnconnected)
      return LogFailure(log, Reason(ReasonCode::SchInputPinUnconnected, {pinName, name, ShownName(b.Type)}));
    if (!InRange(n, b.Inputs[pin])) return LogFailure(log, Reason(ReasonCode::SchInputPinUndeclared, {pinName, name}));
  }
  if (gate && gate->op == GateOp::Const && !ParseConstantValue(b.Value))
    return LogFailure(log, Reason(ReasonCode::SchConstantValue, {name, ShownName(b.Value)}));
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
    if (d == kNoDriver) return LogFailure(log, Reason(ReasonCode::SchOutputPortNotDriven, {NetName(n, port.net)}));
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
        return LogFailure(log, Reason(ReasonCode::SchNetReadNotDriven, {net, NetName(n, net), ShownName(b.Name)}));
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
  if (n.SignalValues.size() != n.SignalNames.size()) return LogFailure(log, Reason(ReasonCode::SchNetTables));
  for (const SchPort& port : n.InputPorts)
    if (!InRange(n, port.net)) return LogFailure(log, Reason(ReasonCode::SchInputPortUndeclared));
  for (const SchPort& port : n.OutputPorts)
    if (!InRange(n, port.net)) return LogFailure(log, Reason(ReasonCode::SchOutputPortUndeclared));
  if (scope == CheckScope::Top && n.OutputPorts.empty()) return LogFailure(log, Reason(ReasonCode::SchNoOutputPort));

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
        return LogFailure(log, Reason(ReasonCode::SchGateDrivesInput, {ShownName(b.Name), out, NetName(n, out)}));
      if (d >= 0)
        return LogFailure(
            log, Reason(ReasonCode::SchNetDrivenTwice,
                        {out, NetName(n, out), ShownName(n.Blocks[static_cast<size_t>(d)].Name), ShownName(b.Name)}));
      d = static_cast<int>(i);
    }
  }
  return CheckCone(n, driver, log);
}

}  // namespace tarrow
